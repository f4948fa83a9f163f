#include "sheets/fisa1_dependants.h"

#include "platform/dialogs.h"
#include "sheets/fisa1_coefficients.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_months.h"
#include "shared/check_digits.h"
#include "shared/dependants.h"
#include "shared/entry_checks.h"
#include "shared/number_text.h"
#include "shared/state.h"

#include <algorithm>

namespace olm {

namespace {

// Columns of the marks in a register row.
constexpr int ColSotie = 4, ColCopil = 5, ColAlta = 6, ColInv1 = 7, ColInv2 = 8;

std::string& celula(int coloana) { return CelulaPersoana(PersoanaCurenta, coloana); }

std::string marca(int bifat) { return bifat == 1 ? "X" : ""; }

void atentie(const char* text, const char* titlu) {
    platform::showMessage(text, titlu, platform::Icon::Exclamation);
}

void golesteOptiunile(FormaFisa1& f) {
    f.Option1_0 = 0;
    f.Option1_1 = 0;
}

// The number and the age of the dependant shown.
void arataRandul(FormaFisa1& f) {
    f.Text2 = std::to_string(PersoanaCurenta);
    f.Label34 = EtichetaVarsta(f.persoana.CodI);
}

// Every box of the dependant shown emptied and unticked.
void golesteCasetele(FormaFisa1& f) {
    f.persoana = PersoanaAfisata{};
}

void golesteRandul(int rand) {
    for (int c = 1; c <= 21; ++c) {
        CelulaPersoana(rand, c).clear();
    }
}

// A new row takes what its boxes show: names and marks as they stand, the
// coefficients checked as when their boxes are left.
void inregistreazaRandNou(FormaFisa1& f) {
    const PersoanaAfisata& p = f.persoana;
    const std::string cod = celula(1);
    golesteRandul(PersoanaCurenta);
    celula(1) = cod;
    celula(2) = p.NumeI;
    celula(3) = p.PrenI;
    celula(ColSotie) = marca(p.Sotie);
    celula(ColCopil) = marca(p.Copil);
    celula(ColAlta) = marca(p.Alta);
    celula(ColInv1) = marca(p.inv1);
    celula(ColInv2) = marca(p.inv2);
    const bool cuCoeficienti =
        std::any_of(p.CoefI.begin(), p.CoefI.end(), [](const std::string& c) { return ValNumar(c) != 0; });
    if (cuCoeficienti) {
        for (int i = LunaPrima; i <= LunaUltima; ++i) {
            ParasesteCoeficientPersoana(f, i);
        }
    }
}

bool verificaPersoana(const FormaFisa1& f) {
    const PersoanaAfisata& p = f.persoana;
    return VerificaPersoana({p.CodI, p.Sotie == 1, p.Copil == 1, p.Alta == 1, p.CoefI});
}

} // namespace

NasterePersoana NastereDinCod(std::string_view cod) {
    auto valoare = [cod](std::size_t poz) {
        return poz < cod.size() ? static_cast<int>(ValoareText(cod.substr(poz, 2))) : 0;
    };
    const bool secolul20 = !cod.empty() && (cod[0] == '1' || cod[0] == '2');
    return {(secolul20 ? 1900 : 2000) + valoare(1), valoare(3)};
}

int VarstaPersoana(std::string_view cod) { return AnFiscal - NastereDinCod(cod).an; }

std::string EtichetaVarsta(std::string_view cod) {
    if (ValoareText(cod) == 0) {
        return {};
    }
    return "(Varsta = " + std::to_string(VarstaPersoana(cod)) + " ani)";
}

CalitateVarsta CalitateDupaVarsta(int varsta) { return {varsta <= 18, varsta >= 18}; }

bool CodPersoanaPrezent(const PersoanaAfisata& p) { return ValoareText(p.CodI) != 0; }

bool CalitateBifata(const PersoanaAfisata& p) { return p.Sotie == 1 || p.Copil == 1 || p.Alta == 1; }

void ActualizeazaSfat(FormaFisa1& f) { f.SfatPersoane = SfatPersoaneInregistrate(NrPersoane); }

void ArataPersoanele(FormaFisa1& f) {
    f.ConditiiBlocate = NrPersoane != 0;
    golesteOptiunile(f);
    arataRandul(f);
}

void IntraInCod(FormaFisa1& f) {
    ModPers = PersoanaCurenta > NrPersoane ? "D" : "N";
    f.ConditiiBlocate = ModPers == "N";
    golesteOptiunile(f);
}

bool ParasesteCod(FormaFisa1& f) {
    PersoanaAfisata& p = f.persoana;
    p.CodI = TextNumar(ValoareText(p.CodI));
    if (ValoareText(p.CodI) == 0) {
        return true;
    }
    // Judged by the row itself rather than by where the focus came from.
    const bool nou = PersoanaCurenta > NrPersoane;
    const char* eroare = nullptr;
    if (!VerificaCNP(p.CodI)) {
        eroare = "CNP incorect.";
    }
    if (p.CodI == CodAngajat) {
        eroare = "Cod egal cu CNP angajat.";
    }
    for (int r = 1; r <= NrPersoane; ++r) {
        if (r != PersoanaCurenta && CelulaPersoana(r, 1) == p.CodI) {
            eroare = "CNP deja incarcat.";
            break;
        }
    }
    if (eroare != nullptr) {
        atentie(eroare, "");
        return false;
    }
    celula(1) = p.CodI;
    f.Label34 = EtichetaVarsta(p.CodI);
    if (!nou) {
        return true;
    }
    ++NrPersoane;
    ActualizeazaSfat(f);
    f.Ok_StergP = true;
    const CalitateVarsta c = CalitateDupaVarsta(VarstaPersoana(p.CodI));
    if (c.copil) {
        p.Copil = 1;
    }
    if (c.alta) {
        p.Alta = 1;
    }
    inregistreazaRandNou(f);
    return true;
}

void IntraInNume(const FormaFisa1& f) {
    if (!CodPersoanaPrezent(f.persoana)) {
        atentie("Nu ati completat codul", " ");
    }
}

void ParasesteNume(FormaFisa1& f, int coloana) {
    if (CodPersoanaPrezent(f.persoana)) {
        celula(coloana) = coloana == 2 ? f.persoana.NumeI : f.persoana.PrenI;
    }
}

bool PersoanaAnterioara(FormaFisa1& f) {
    if (!verificaPersoana(f)) {
        return false;
    }
    if (NrPersoane != 0) {
        f.ConditiiBlocate = true;
        golesteOptiunile(f);
    }
    PersoanaCurenta = static_cast<std::int16_t>(std::max(1, PersoanaCurenta - 1));
    AfiseazaPersoana();
    arataRandul(f);
    return true;
}

MutarePersoana PersoanaUrmatoare(FormaFisa1& f) {
    if (!verificaPersoana(f)) {
        return MutarePersoana::Refuzata;
    }
    if (PersoanaCurenta < NrPersoane) {
        f.ConditiiBlocate = true;
        golesteOptiunile(f);
        ++PersoanaCurenta;
        AfiseazaPersoana();
        arataRandul(f);
        return MutarePersoana::RandInregistrat;
    }
    // Only a registered row leads to a new one; the register ends at row 20.
    if (CodPersoanaPrezent(f.persoana) && PersoanaCurenta == NrPersoane) {
        if (PersoanaCurenta >= MaxPersoane) {
            atentie("Nu se pot inregistra mai mult de 20 de persoane.", "");
            return MutarePersoana::Refuzata;
        }
        ++PersoanaCurenta;
    }
    golesteCasetele(f);
    f.ConditiiBlocate = false;
    golesteOptiunile(f);
    arataRandul(f);
    return MutarePersoana::RandNou;
}

void StergePersoana(FormaFisa1& f) {
    if (PersoanaCurenta > NrPersoane) {
        // Nothing registered to delete: the row starts again empty.
        golesteCasetele(f);
        golesteRandul(PersoanaCurenta);
        arataRandul(f);
        return;
    }
    if (!platform::askYesNo("Doriti sa stergeti persoana ?", "")) {
        return;
    }
    NrPersoane = static_cast<std::int16_t>(std::max(0, NrPersoane - 1));
    for (int r = PersoanaCurenta; r <= NrPersoane; ++r) {
        for (int c = 1; c <= 21; ++c) {
            const std::string& urmator = CelulaPersoana(r + 1, c);
            const bool numar = c == 1 || c >= 10;
            CelulaPersoana(r, c) = numar ? NormNumar(urmator) : urmator;
        }
    }
    golesteRandul(NrPersoane + 1);
    for (int i = LunaPrima; i <= LunaUltima; ++i) {
        ActualizeazaLuna(f, i);
    }
    PersoanaCurenta = static_cast<std::int16_t>(NrPersoane == 0 ? 1 : NrPersoane);
    AfiseazaPersoana();
    ActualizeazaSfat(f);
    arataRandul(f);
}

void IntraInConditie(const FormaFisa1& f, Conditie c) {
    if (!CodPersoanaPrezent(f.persoana)) {
        atentie("Nu ati completat codul persoanei.", " ");
    }
    if ((c == Conditie::Inv1 || c == Conditie::Inv2) && !CalitateBifata(f.persoana)) {
        atentie("Nu ati completat calitatea persoanei", " ");
    }
}

void ParasesteConditie(FormaFisa1& f, Conditie c) {
    PersoanaAfisata& p = f.persoana;
    if (!CodPersoanaPrezent(p)) {
        return;
    }
    switch (c) {
    case Conditie::Sotie:
        celula(ColSotie) = marca(p.Sotie);
        break;
    case Conditie::Alta:
        celula(ColAlta) = marca(p.Alta);
        break;
    case Conditie::Copil:
        if (p.Copil == 1) {
            const CalitateVarsta v = CalitateDupaVarsta(VarstaPersoana(p.CodI));
            p.Copil = v.copil ? 1 : 0;
            p.Alta = v.alta ? 1 : 0;
        }
        celula(ColCopil) = marca(p.Copil);
        celula(ColAlta) = marca(p.Alta);
        break;
    case Conditie::Inv1:
    case Conditie::Inv2:
        if (CalitateBifata(p)) {
            const bool gradul1 = c == Conditie::Inv1;
            celula(gradul1 ? ColInv1 : ColInv2) = marca(gradul1 ? p.inv1 : p.inv2);
        }
        break;
    }
}

} // namespace olm
