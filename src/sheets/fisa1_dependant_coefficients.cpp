#include "sheets/fisa1_dependant_coefficients.h"

#include "platform/dialogs.h"
#include "sheets/fisa1_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "shared/dependants.h"
#include "shared/number_text.h"
#include "shared/state.h"

#include <array>

namespace olm {

namespace {

constexpr int ColSotie = 4, ColCopil = 5, ColAlta = 6, ColInv1 = 7, ColInv2 = 8, ColAlteSit = 9;

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

std::string& celula(int coloana) { return CelulaPersoana(PersoanaCurenta, coloana); }

void atentie(const char* text) { platform::showMessage(text, " ", platform::Icon::Exclamation); }

// The values a dependant's coefficient may take, whatever the parameters.
bool CoeficientPersoanaAdmis(double v) {
    for (const double admis : {0.0, 0.5, 1.0, 1.5}) {
        if (AcelasiCoeficient(v, admis)) {
            return true;
        }
    }
    return false;
}

// Before the birth month of a dependant born in the fiscal year.
bool inainteDeNastere(const NasterePersoana& n, int luna) { return n.an == AnFiscal && luna < n.luna - 1; }

// The invalidity marks again from the coefficients of the months worked: a
// month holding a base coefficient of any quality plus an add-on.
void marciInvaliditate(PersoanaAfisata& p) {
    p.inv1 = 0;
    p.inv2 = 0;
    celula(ColInv1).clear();
    celula(ColInv2).clear();
    for (int m = LunaPrima; m <= LunaUltima; ++m) {
        const double c = ValNumar(p.CoefI[idx(m)]);
        for (const std::string* baza : {&CoefSotie[idx(m)], &CoefCopil[idx(m)], &CoefAlta[idx(m)]}) {
            if (ValoareCuAdaos(c, ValNumar(*baza), CoefInv1)) {
                p.inv1 = 1;
                celula(ColInv1) = "X";
            }
            if (ValoareCuAdaos(c, ValNumar(*baza), CoefInv2)) {
                p.inv2 = 1;
                celula(ColInv2) = "X";
            }
        }
    }
}

void anuleazaConditii(FormaFisa1& f) {
    PersoanaAfisata& p = f.persoana;
    const CalitateVarsta v = CalitateDupaVarsta(VarstaPersoana(p.CodI));
    p.Copil = v.copil ? 1 : 0;
    p.Alta = v.alta ? 1 : 0;
    celula(ColCopil) = v.copil ? "X" : "";
    celula(ColAlta) = v.alta ? "X" : "";
    p.Sotie = p.inv1 = p.inv2 = 0;
    for (const int c : {ColSotie, ColInv1, ColInv2, ColAlteSit}) {
        celula(c).clear();
    }
    f.ConditiiBlocate = false;
}

// The invalidity add-on ticked: grade II wins over grade I.
double adaos(const PersoanaAfisata& p) {
    double a = 0;
    if (p.inv1 == 1) {
        a = ValNumar(CoefInv1);
    }
    if (p.inv2 == 1) {
        a = ValNumar(CoefInv2);
    }
    return a;
}

// The base coefficient of the month: the first quality ticked, in the order
// spouse, child, other person, whose coefficient is not 0.
double coeficientBaza(const PersoanaAfisata& p, int luna) {
    const std::array<std::pair<int, const std::string*>, 3> calitati = {
        {{p.Sotie, &CoefSotie[idx(luna)]}, {p.Copil, &CoefCopil[idx(luna)]}, {p.Alta, &CoefAlta[idx(luna)]}}};
    for (const auto& [bifat, coef] : calitati) {
        if (bifat == 1 && ValNumar(*coef) != 0) {
            return ValNumar(*coef);
        }
    }
    return 0;
}

void preiaConditii(FormaFisa1& f) {
    PersoanaAfisata& p = f.persoana;
    const bool faraCod = !CodPersoanaPrezent(p);
    const bool faraCalitate = !CalitateBifata(p);
    if (faraCod) {
        atentie("Nu ati completat codul.");
    }
    if (faraCalitate) {
        atentie("Nu ati completat calitatea persoanei.");
    }
    if (faraCod || faraCalitate) {
        f.Option1_0 = 0;
        return;
    }
    const NasterePersoana n = NastereDinCod(p.CodI);
    if (p.Copil == 1 && AnFiscal - n.an >= 18) {
        const CalitateVarsta v = CalitateDupaVarsta(AnFiscal - n.an);
        p.Copil = v.copil ? 1 : 0;
        p.Alta = 1;
    }
    celula(ColCopil) = p.Copil == 1 ? "X" : "";
    celula(ColAlta) = p.Alta == 1 ? "X" : "";
    f.ConditiiBlocate = true;
    for (int i = LunaPrima; i <= LunaUltima; ++i) {
        const bool nenascut = inainteDeNastere(n, i);
        const double c = nenascut ? 0 : coeficientBaza(p, i) + adaos(p);
        p.CoefI[idx(i)] = ValNumar(f.CoefProp[idx(i)]) == 0 ? "0" : VirgulaPunct(c);
    }
    const std::array<std::pair<int, int>, 5> marci = {
        {{p.Sotie, ColSotie}, {p.Copil, ColCopil}, {p.Alta, ColAlta}, {p.inv1, ColInv1}, {p.inv2, ColInv2}}};
    for (const auto& [bifat, coloana] : marci) {
        if (bifat == 1) {
            celula(coloana) = "X";
        }
    }
    calc_coef(f);
}

} // namespace

void IntraInCoeficientPersoana(const FormaFisa1& f) {
    if (!CodPersoanaPrezent(f.persoana)) {
        atentie("Nu ati completat codul.");
    }
    if (!CalitateBifata(f.persoana)) {
        atentie("Nu ati completat calitatea persoanei.");
    }
}

void ParasesteCoeficientPersoana(FormaFisa1& f, int luna) {
    PersoanaAfisata& p = f.persoana;
    std::string& caseta = p.CoefI[idx(luna)];
    caseta = NormNumar(caseta);
    if (!CodPersoanaPrezent(p) || !CalitateBifata(p)) {
        return;
    }
    std::string& stocat = celula(10 + luna);
    const bool faraDeducere = ValNumar(f.CoefProp[idx(luna)]) == 0;
    if (faraDeducere) {
        caseta = "0";
    }
    if (!CoeficientPersoanaAdmis(ValNumar(caseta))) {
        atentie("Coeficient gresit");
        // The month keeps what it held rather than losing it to a typo.
        caseta = NormNumar(stocat);
    }
    if (faraDeducere || inainteDeNastere(NastereDinCod(p.CodI), luna)) {
        caseta = "0";
    }
    marciInvaliditate(p);
    stocat = NormNumar(caseta);
    ActualizeazaLuna(f, luna);
}

void AlegeConditii(FormaFisa1& f) {
    f.persoana.CoefI = {};
    if (f.Option1_1 == 1) {
        anuleazaConditii(f);
    } else if (f.Option1_0 == 1) {
        preiaConditii(f);
    }
}

void calc_coef(FormaFisa1& f) {
    for (int i = 0; i < 12; ++i) {
        celula(10 + i) = NormNumar(f.persoana.CoefI[idx(i)]);
        f.CoefCalc[idx(i)] = CoeficientTotalLuna(ValNumar(f.CoefProp[idx(i)]), i);
    }
    for (int i = LunaPrima; i <= LunaUltima; ++i) {
        ActualizeazaLuna(f, i);
    }
}

} // namespace olm
