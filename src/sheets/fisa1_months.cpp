#include "sheets/fisa1_months.h"

#include "platform/dialogs.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/regularisation.h"
#include "shared/state.h"
#include "shared/tax_grid.h"

#include <cmath>

namespace olm {

namespace {

constexpr std::size_t Prima = 12;
constexpr std::size_t Total = 13;

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

std::string rotunjit(const std::string& text) { return TextNumar(RotunjireLei(ValoareText(text))); }

// A whole number not below 0: "-3" gives "3", "" gives "0".
std::string intregPozitiv(const std::string& text) {
    return TextNumar(std::fabs(RotunjireLei(ValoareText(text))));
}

template <std::size_t N>
std::string sumaRanduri(const std::array<std::string, N>& coloana) {
    double s = 0;
    for (std::size_t r = 0; r < Total; ++r) {
        s += ValoareText(coloana[r]);
    }
    return TextNumar(s);
}

std::string impozit(int luna, double baza) { return TextNumar(CalculImpozit(luna, baza)); }

} // namespace

std::array<double, 12> CoeficientiTotali(const FormaFisa1& f) {
    std::array<double, 12> c{};
    for (std::size_t i = 0; i < 12; ++i) {
        c[i] = ValNumar(f.CoefCalc[i]);
    }
    return c;
}

void TotalizeazaRandul13(FormaFisa1& f) {
    f.VenitN[Total] = sumaRanduri(f.VenitN);
    f.ImpP[Total] = sumaRanduri(f.ImpP);
    f.ImpC[Total] = sumaRanduri(f.ImpC);
}

double DeducereLuna(const FormaFisa1& f, int luna, bool rotunjita) {
    const double c = std::min(ValNumar(f.CoefCalc[idx(luna)]), ValNumar(CoefMax));
    const double d = c * DeducereBaza[idx(luna)];
    return rotunjita ? RotunjireLei(d) : d;
}

std::string ImpozitPropusLuna(const FormaFisa1& f, int luna, bool deducereRotunjita) {
    const double baza = ValoareText(f.VenitN[idx(luna)]) - DeducereLuna(f, luna, deducereRotunjita);
    return impozit(luna + 1, std::max(baza, 0.0));
}

std::string ImpozitPrima(const FormaFisa1& f) {
    const double luna = ValoareText(f.LuPrima);
    if (!(luna >= 1 && luna <= 12)) {
        return "0";
    }
    return impozit(static_cast<int>(luna), std::max(ValoareText(f.VenitN[Prima]), 0.0));
}

void ParasesteVenit(FormaFisa1& f, int rand) {
    if (rand < 12) {
        f.VenitN[idx(rand)] = rotunjit(f.VenitN[idx(rand)]);
        f.ImpP[idx(rand)] = ImpozitPropusLuna(f, rand, true);
    } else if (rand == 12) {
        f.VenitN[Prima] = rotunjit(f.VenitN[Prima]);
        f.ImpP[Prima] = ImpozitPrima(f);
    }
    TotalizeazaRandul13(f);
}

void ParasesteImpozit(FormaFisa1& f, int rand) {
    f.ImpC[idx(rand)] = rotunjit(f.ImpC[idx(rand)]);
    TotalizeazaRandul13(f);
}

bool ParasesteLunaPrima(FormaFisa1& f) {
    f.LuPrima = intregPozitiv(f.LuPrima);
    const bool admisa = ValoareText(f.LuPrima) <= 12;
    if (!admisa) {
        platform::showMessage("Luna  > 12", "", platform::Icon::Exclamation);
    }
    f.ImpP[Prima] = ImpozitPrima(f);
    TotalizeazaRandul13(f);
    return admisa;
}

void ParasesteLuni(FormaFisa1& f) {
    f.Luni = intregPozitiv(f.Luni);
    const int n = LuniCuDeducere(CoeficientiTotali(f));
    if (n < ValoareText(f.Luni)) {
        platform::showMessage(" Numar de luni pentru chelt.profesionale acordate\r\n"
                              "mai mare decat nr.de luni cu drept de deducere = " +
                              std::to_string(n) + ".");
        f.Luni = std::to_string(n);
    }
}

void ParasesteCheltuieli(FormaFisa1& f) { f.ChAc = rotunjit(f.ChAc); }

void BifeazaRand(FormaFisa1& f, int rand) {
    f.ImpC[idx(rand)] = f.Bif[idx(rand)] == 1 ? f.ImpP[idx(rand)] : "0";
    TotalizeazaRandul13(f);
}

void CalculeazaSectiuneaV(FormaFisa1& f) {
    double total = 0;
    int luni = 0;
    double cheltuieli = 0;
    for (int i = 0; i < 12; ++i) {
        f.ImpP[idx(i)] = ImpozitPropusLuna(f, i, false);
        total += ValoareText(f.ImpP[idx(i)]);
        if (ValNumar(f.CoefCalc[idx(i)]) != 0) {
            ++luni;
            cheltuieli += RotunjireLei(ValNumar(ProcChProf) * DeducereBaza[idx(i)]);
        }
    }
    f.ImpP[Total] = TextNumar(total + ValoareText(f.ImpP[Prima]));
    // Months already filled in are the clerk's: neither they nor the amount
    // beside them are proposed again.
    if (!FaraDeduceri() && ValoareText(f.Luni) == 0) {
        f.Luni = std::to_string(luni);
        f.ChAc = TextNumar(cheltuieli);
    }
}

bool FaraDeduceri() {
    const bool strain = !CodAngajat.empty() && ValoareText(CodAngajat.substr(0, 1)) == 9;
    return strain || !fataBlancuri(MarcaFaraDom).empty();
}

} // namespace olm
