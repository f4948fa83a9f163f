#include "shared/regularisation.h"

#include "shared/number_text.h"
#include "shared/state.h"
#include "shared/tax_grid.h"

#include <algorithm>

namespace olm {

namespace {

// A date as the sheets hold it: empty, or day and month at characters 1-2 and
// 4-5. Separators and blanks alone are no date.
bool faraData(std::string_view data) {
    return data.find_first_not_of("/.- ") == std::string_view::npos;
}

double parte(std::string_view data, std::size_t inceput) {
    return inceput < data.size() ? ValoareText(data.substr(inceput, 2)) : 0;
}

double zi(std::string_view data) { return parte(data, 0); }
double luna(std::string_view data) { return parte(data, 3); }

} // namespace

bool ConditiiRegularizare(const SituatieRegularizare& s) {
    if (!faraData(s.dataAngajarii) &&
        !(luna(s.dataAngajarii) == 1 && zi(s.dataAngajarii) <= ValoareText(PrimaZi))) {
        return false;
    }
    if (!faraData(s.dataIncetarii) &&
        !(luna(s.dataIncetarii) == 12 && zi(s.dataIncetarii) >= ValoareText(UltimaZi))) {
        return false;
    }
    if (s.nume.find("**") == std::string_view::npos && LuniCuDeducere(s.coeficienti) < 12) {
        return false;
    }
    const bool strain = !s.cod.empty() && s.cod.front() == '9';
    return !s.alteSurse && !s.faraDomiciliu && !strain;
}

int LuniCuDeducere(const std::array<double, 12>& coeficienti) {
    return static_cast<int>(std::count_if(coeficienti.begin(), coeficienti.end(),
                                          [](double c) { return c != 0; }));
}

double LuniCheltuieliValabile(double luni, const std::array<double, 12>& coeficienti) {
    return std::clamp(luni, 0.0, static_cast<double>(LuniCuDeducere(coeficienti)));
}

double CheltuieliProfesionaleCuvenite(double luni) {
    return RotunjireLei(DeducereBaza[12] * ValNumar(ProcChProf)) * luni;
}

double DeduceriPersonaleCuvenite(const std::array<double, 12>& coeficienti) {
    const double plafon = ValNumar(CoefMax);
    double suma = 0;
    for (double c : coeficienti) {
        if (c != 0) {
            suma += RotunjireLei(std::min(c, plafon) * DeducereBaza[12]);
        }
    }
    return suma;
}

SectiuneaVI CalculeazaRegularizare(double venitNet, double cheltuieliAcordate, double luni,
                                   const std::array<double, 12>& coeficienti, double impozitRetinut) {
    SectiuneaVI vi{};
    vi[0] = venitNet;
    vi[1] = cheltuieliAcordate;
    vi[2] = CheltuieliProfesionaleCuvenite(LuniCheltuieliValabile(luni, coeficienti));
    vi[3] = std::max(vi[0] + vi[1] - vi[2], 0.0);
    vi[4] = venitNet == 0 ? 0 : DeduceriPersonaleCuvenite(coeficienti);
    vi[5] = std::max(vi[3] - vi[4], 0.0);
    double baza = vi[5];
    vi[6] = CalculImpozit(13, baza);
    vi[7] = impozitRetinut;
    const double diferenta = vi[6] - vi[7];
    vi[8] = diferenta > 0 ? diferenta : 0;
    vi[9] = diferenta > 0 ? 0 : vi[7] - vi[6];
    return vi;
}

} // namespace olm
