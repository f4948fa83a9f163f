#include "sheets/fisa1_coefficients.h"

#include "platform/dialogs.h"
#include "sheets/fisa1_months.h"
#include "shared/dependants.h"
#include "shared/number_text.h"
#include "shared/state.h"

#include <cmath>

namespace olm {

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

std::string& coeficientPersoana(int rand, int luna) {
    return TabelPersoane[idx(rand)][idx(10 + luna)];
}

bool esteInvaliditate(double v, const std::string& adaos) { return ValoareCuAdaos(v, 1, adaos); }

} // namespace

bool AcelasiCoeficient(double a, double b) { return std::fabs(a - b) < 1e-9; }

bool ValoareCuAdaos(double v, double baza, const std::string& adaos) {
    const double a = ValNumar(adaos);
    return a != 0 && AcelasiCoeficient(v, baza + a);
}

void ActualizeazaLuna(FormaFisa1& f, int luna) {
    const std::size_t i = idx(luna);
    f.CoefCalc[i] = CoeficientTotalLuna(ValNumar(f.CoefProp[i]), luna);
    f.ImpP[i] = ImpozitPropusLuna(f, luna, true);
    TotalizeazaRandul13(f);
}

double CoeficientPropriuDinMarci() {
    if (MarcaInv2 == "X") {
        return 1 + ValNumar(CoefInv2);
    }
    if (MarcaInv1 == "X") {
        return 1 + ValNumar(CoefInv1);
    }
    return 1;
}

double CoeficientiPersoaneLuna(int luna) {
    double s = 0;
    for (int p = 1; p <= NrPersoane && p <= MaxPersoane; ++p) {
        s += ValNumar(coeficientPersoana(p, luna));
    }
    return s;
}

std::string CoeficientTotalLuna(double propriu, int luna) {
    return VirgulaPunct(propriu + CoeficientiPersoaneLuna(luna));
}

bool CoeficientPropriuAdmis(double v) {
    return AcelasiCoeficient(v, 0) || AcelasiCoeficient(v, 1) || esteInvaliditate(v, CoefInv1) ||
           esteInvaliditate(v, CoefInv2);
}

void MarciInvaliditateProprii(const FormaFisa1& f) {
    bool inv1 = false;
    bool inv2 = false;
    for (const std::string& c : f.CoefProp) {
        inv1 = inv1 || esteInvaliditate(ValNumar(c), CoefInv1);
        inv2 = inv2 || esteInvaliditate(ValNumar(c), CoefInv2);
    }
    MarcaInv1 = inv1 ? "X" : "";
    MarcaInv2 = inv2 ? "X" : "";
}

bool ParasesteCoeficientPropriu(FormaFisa1& f, int luna, const std::string& laIntrare) {
    const std::size_t i = idx(luna);
    f.CoefProp[i] = NormNumar(f.CoefProp[i]);
    if (MarcaFaraDom == "X") {
        f.CoefProp[i].clear();
        f.CoefCalc[i].clear();
        return true;
    }
    const double propriu = ValNumar(f.CoefProp[i]);
    if (!CoeficientPropriuAdmis(propriu)) {
        platform::showMessage("Coeficient gresit", " ", platform::Icon::Exclamation);
        // A typo must not wipe the month: the box gets back what it held.
        f.CoefProp[i] = laIntrare;
        return false;
    }
    MarciInvaliditateProprii(f);
    const bool zero = AcelasiCoeficient(propriu, 0);
    if (zero && NrPersoane >= 1) {
        for (int p = 1; p <= NrPersoane && p <= MaxPersoane; ++p) {
            coeficientPersoana(p, luna).clear();
        }
        AfiseazaPersoana();
    }
    f.CoefCalc[i] = CoeficientTotalLuna(propriu, luna);
    f.ImpP[i] = ImpozitPropusLuna(f, luna, true);
    if (zero) {
        f.VenitN[i] = "0";
        f.ImpP[i] = "0";
        f.ImpC[i] = "0";
    }
    TotalizeazaRandul13(f);
    return true;
}

} // namespace olm
