#pragma once

// The annual regularisation of a Fisa 1 (section VI of the sheet): whether a
// sheet qualifies for it, and its ten lines computed from the year's totals,
// the monthly total coefficients and the annual tax grid. The sheet form, the
// regularisation of every sheet at once and the verification of outside files
// all decide and compute it here.
//
// Parameters come from the process-wide state: the annual base deduction
// DeducereBaza[12], ProcChProf, CoefMax, PrimaZi, UltimaZi and the annual grid.

#include <array>
#include <string_view>

namespace olm {

// What the conditions look at, as the caller reads it from its sheet.
struct SituatieRegularizare {
    std::string_view cod;           // the employee's personal numeric code
    std::string_view nume;          // surname: "**" in it waives the coefficient condition
    std::string_view dataAngajarii; // dd/mm/yyyy, or empty for the whole year
    std::string_view dataIncetarii;
    std::array<double, 12> coeficienti{}; // the monthly total coefficients
    bool alteSurse = false;     // marked as having other income
    bool faraDomiciliu = false; // marked as having no domicile in Romania
};

// The sheet qualifies: hired at the latest on the first working day of
// January (or no hiring date), leaving at the earliest on the last working day
// of December (or no leaving date), no month with a total coefficient of 0
// unless the surname holds "**", no other income, a domicile in Romania and a
// code that does not begin with 9. A date made only of separators and blanks
// counts as no date.
bool ConditiiRegularizare(const SituatieRegularizare& s);

// The months whose total coefficient is not 0.
int LuniCuDeducere(const std::array<double, 12>& coeficienti);

// The months of professional expenses that count: never more than the months
// with a deduction, never fewer than 0.
double LuniCheltuieliValabile(double luni, const std::array<double, 12>& coeficienti);

// VI.3: the allowance of one month, rounded to whole lei, times the months.
double CheltuieliProfesionaleCuvenite(double luni);

// VI.5 before the zero-income rule: for every month the coefficient, capped
// at CoefMax, times the annual base deduction, each month rounded to whole lei.
double DeduceriPersonaleCuvenite(const std::array<double, 12>& coeficienti);

// The lines VI.1 to VI.10 at indexes 0 to 9.
using SectiuneaVI = std::array<double, 10>;

// Section VI of a qualifying sheet, from its total net income (VI.1), the
// professional expenses granted (VI.2), the months of professional expenses
// (limited as LuniCheltuieliValabile says), the monthly total coefficients and
// the total tax withheld (VI.8). VI.5 is 0 when the income is 0; VI.7 is the
// tax of VI.6 on the annual grid; VI.9 is what is left to pay and VI.10 what is
// to be refunded, the other one 0.
SectiuneaVI CalculeazaRegularizare(double venitNet, double cheltuieliAcordate, double luni,
                                   const std::array<double, 12>& coeficienti, double impozitRetinut);

} // namespace olm
