#include "shared/fisa1_record.h"

#include "shared/data_files.h"
#include "shared/dependants.h"
#include "shared/employee_identity.h"
#include "shared/file_group.h"
#include "shared/form_data.h"
#include "shared/number_text.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

namespace olm {

namespace {

// A coefficient is zero by its value with "," read as ".".
std::string coeficient(const std::string& text) {
    return ValNumar(text) == 0 ? std::string() : campNumeric(text);
}

// An amount is zero by its plain value.
std::string suma(const std::string& text) {
    return ValoareText(text) == 0 ? std::string() : campNumeric(text);
}

} // namespace

RecordFf1 RecordFf1DinFormulare() {
    const FormaFisa1& f = Fisa1Date;
    RecordFf1 r;
    r.id = IdentitateDinFisaII();
    r.MarcaRectif = campText(MarcaRectif);
    r.MarcaReg = campText(MarcaReg);
    r.MarcaFaraDom = campText(MarcaFaraDom);
    r.MarcaAlteS = campText(MarcaAlteS);
    r.MarcaInv1 = campText(MarcaInv1);
    r.MarcaInv2 = campText(MarcaInv2);
    r.DataAngajarii = campNumeric(DataAngajarii);
    r.DataIncetarii = campNumeric(DataIncetarii);
    for (std::size_t i = 0; i < 12; ++i) {
        r.CoefCalc[i] = coeficient(f.CoefCalc[i]);
        r.CoefProp[i] = coeficient(f.CoefProp[i]);
    }
    for (std::size_t i = 0; i < 14; ++i) {
        r.VenitN[i] = suma(f.VenitN[i]);
        r.ImpC[i] = suma(f.ImpC[i]);
    }
    r.Luni = suma(f.Luni);
    r.ChAc = suma(f.ChAc);
    for (std::size_t k = 0; k < IndiciRegStocati.size(); ++k) {
        r.Reg[k] = suma(f.Reg[static_cast<std::size_t>(IndiciRegStocati[k])]);
    }
    return r;
}

namespace {

// The sheet and the dependants, working files and yearly copies, in one
// commit: a crash never leaves a sheet with another version's dependants.
Rezultat rescrieFisa1(const std::optional<std::string>& linie,
                      const std::vector<std::string>& persoane, int& pozitie) {
    if (Rezultat v = VerificaFisiereLucru({SetFf1(), SetDeduceri()}); !v) {
        return v;
    }
    RescriereGrup grup;
    Rezultat r = PregatesteRescriere(grup, FisierFf1(), CodAngajat, linie, {}, &pozitie);
    if (r) {
        r = PregatesteRescriere(grup, FisierDeduceri(), CodAngajat, std::nullopt, persoane);
    }
    return r ? grup.finalizeaza() : r;
}

} // namespace

Rezultat SalveazaFisa1() {
    if (CodAngajat.empty()) {
        return Rezultat::esec(std::string(MesajCodLipsa));
    }
    int pozitie = 0;
    Rezultat r = rescrieFisa1(linieFf1(RecordFf1DinFormulare()), LiniiPersoane(CodAngajat), pozitie);
    if (r) {
        PozitiiFisa[1] = pozitie;
    }
    return r;
}

Rezultat StergeFisa1() {
    if (CodAngajat.empty()) {
        return Rezultat::esec(std::string(MesajCodLipsa));
    }
    int pozitie = 0;
    Rezultat r = rescrieFisa1(std::nullopt, {}, pozitie);
    if (r) {
        PozitiiFisa[1] = 0;
    }
    return r;
}

void IncarcaFisa1(const RecordFf1& r) {
    // What the record does not hold (the ticks, the proposed taxes, the
    // options, section VI) starts as the form was designed: nothing of the
    // sheet shown before stays with this one.
    Fisa1Date = FormaFisa1{};
    FormaFisa1& f = Fisa1Date;
    for (std::size_t i = 0; i < 12; ++i) {
        f.CoefCalc[i] = NormNumar(r.CoefCalc[i]);
        f.CoefProp[i] = NormNumar(r.CoefProp[i]);
    }
    for (std::size_t i = 0; i < 14; ++i) {
        f.VenitN[i] = r.VenitN[i];
        f.ImpC[i] = r.ImpC[i];
    }
    f.Luni = r.Luni;
    f.ChAc = r.ChAc;
    // VII and VIII: the last three stored lines.
    for (std::size_t k = 7; k < IndiciRegStocati.size(); ++k) {
        f.Reg[static_cast<std::size_t>(IndiciRegStocati[k])] = r.Reg[k];
    }
}

void CurataFisa1() {
    FormaFisa1& f = Fisa1Date;
    f.persoana = PersoanaAfisata{};
    f.CoefCalc = {};
    f.CoefProp = {};
    f.Option1_0 = 0;
    f.Option1_1 = 0;
    f.VenitN = {};
    f.ImpC = {};
    f.ImpP = {};
    f.Luni.clear();
    f.ChAc.clear();
    f.Bif = {};
    f.Reg = {};
    PersoanaCurenta = 1;
    GolesteRegistrul();
}

} // namespace olm
