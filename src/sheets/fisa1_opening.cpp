#include "sheets/fisa1_opening.h"

#include "main_window/employee_dates.h"
#include "sheets/fisa1_coefficients.h"
#include "sheets/fisa1_months.h"
#include "shared/fisa1_record.h"
#include "shared/number_text.h"
#include "shared/state.h"
#include "shared/tax_grid.h"

namespace olm {

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

std::string marca(int bifat) { return bifat == 1 ? "X" : ""; }

// The months outside the employment keep nothing, in the sheet or in the
// register.
void golesteLuna(FormaFisa1& f, int luna) {
    const std::size_t i = idx(luna);
    f.CoefProp[i].clear();
    f.CoefCalc[i].clear();
    f.persoana.CoefI[i].clear();
    for (int p = 1; p <= NrPersoane && p <= MaxPersoane; ++p) {
        TabelPersoane[idx(p)][idx(10 + luna)].clear();
    }
    f.VenitN[i].clear();
    f.ImpC[i].clear();
}

} // namespace

DateFisa1 VerificaDateleFisei(std::string_view angajare, std::string_view incetare, int anFiscal) {
    DateFisa1 d;
    // The hiring box alone first; the order of the two dates is the leaving
    // box's fault, as when that box is left last.
    const VerificareData a = VerificaDataAngajat(false, angajare, "", anFiscal);
    d.angajare = a.text;
    d.incetare = NormalizeazaData(incetare);
    if (a.eroare()) {
        d.casetaGresita = 0;
        d.mesaj = a.mesaj;
        return d;
    }
    const VerificareData i = VerificaDataAngajat(true, incetare, d.angajare, anFiscal);
    d.incetare = i.text;
    if (i.eroare()) {
        d.casetaGresita = 1;
        d.mesaj = i.mesaj;
    }
    return d;
}

LuniLucrate CalculeazaLuniLucrate(std::string_view angajare, std::string_view incetare) {
    LuniLucrate l;
    if (const auto d = CitesteData(angajare)) {
        l.prima = d->luna - 1;
    }
    if (const auto d = CitesteData(incetare)) {
        l.ultima = d->luna - 1;
    }
    return l;
}

void PreiaSituatiaAngajatului(const FormaFisaII& angajat) {
    CodAngajat = angajat.CodS;
    DataAngajarii = angajat.Job0;
    DataIncetarii = angajat.Job1;
    MarcaRectif = marca(angajat.Xrectif);
    MarcaReg = marca(angajat.Xreg);
    MarcaFaraDom = marca(angajat.Xdedu);
    MarcaAlteS = marca(angajat.XAlteS);
    MarcaInv1 = marca(angajat.Inv1A);
    MarcaInv2 = marca(angajat.Inv2A);
    const LuniLucrate l = CalculeazaLuniLucrate(DataAngajarii, DataIncetarii);
    LunaPrima = static_cast<std::int16_t>(l.prima);
    LunaUltima = static_cast<std::int16_t>(l.ultima);
}

void PregatesteFisa1(bool fisaNoua) {
    if (fisaNoua) {
        CurataFisa1();
    }
    FormaFisa1& f = Fisa1Date;
    for (int i = 0; i < 12; ++i) {
        if (i < LunaPrima || i > LunaUltima) {
            golesteLuna(f, i);
        } else {
            double venit = ValoareText(f.VenitN[idx(i)]);
            f.ImpP[idx(i)] = fisaNoua ? "" : TextNumar(CalculImpozit(i + 1, venit));
        }
    }
    if (fisaNoua) {
        f.SfatPersoane = std::string(SfatFaraPersoane);
        f.Text2 = std::to_string(0); // the number of the dependant shown
        // Nobody to delete yet; the first dependant's conditions are free.
        f.Ok_StergP = false;
        f.ConditiiBlocate = false;
        f.Label34.clear();
    } else {
        TotalizeazaRandul13(f);
    }
    if (FaraDeduceri()) {
        f.CoefProp = {};
        f.CoefCalc = {};
        NrPersoane = 0;
        f.ChAc.clear();
        f.Luni.clear();
        return;
    }
    const bool marciSchimbate = MarcaInv1 != MarcaInv1Fisa || MarcaInv2 != MarcaInv2Fisa;
    for (int i = LunaPrima; i <= LunaUltima; ++i) {
        const std::size_t m = idx(i);
        if (fisaNoua || marciSchimbate) {
            f.CoefProp[m] = TextNumar(CoeficientPropriuDinMarci());
        }
        f.CoefCalc[m] = CoeficientTotalLuna(ValNumar(f.CoefProp[m]), i);
    }
    if (fisaNoua) {
        return;
    }
    if (NrPersoane == 0) {
        f.ConditiiBlocate = false;
        f.Option1_0 = 0;
        f.Option1_1 = 0;
    }
    for (int r = 0; r < 10; ++r) {
        f.Reg[idx(r)].clear();
    }
}

} // namespace olm
