#pragma once

// Section V of a Fisa 1: each month's net income with the tax the grid
// proposes for it after the month's personal deduction, the tax withheld,
// the holiday bonus with the month it was paid in, the professional expenses
// and the totals of row 13. The rules work on the Fisa 1 form's record
// `Fisa1Date` (form_data.h) and the process-wide parameters; the form binds
// them to its boxes.
//
// Rows 0 to 11 are the months, 12 the holiday bonus, 13 the total. Amounts
// are whole lei read by their plain value; coefficients are read with ","
// taken as ".".

#include "shared/form_data.h"

#include <array>
#include <string>

namespace olm {

// The twelve monthly total coefficients (IV.A) as numbers.
std::array<double, 12> CoeficientiTotali(const FormaFisa1& f);

// Row 13 of the net income, the proposed tax and the tax withheld: the sums of
// rows 0 to 12 (rows outside the employment are empty and count as 0).
void TotalizeazaRandul13(FormaFisa1& f);

// The month's personal deduction: its total coefficient, capped by CoefMax,
// times the month's base deduction; rounded to whole lei when `rotunjita`
// (leaving a net income box), unrounded otherwise (computing section V).
double DeducereLuna(const FormaFisa1& f, int luna, bool rotunjita);

// The proposed tax of month 0 to 11: the grid's tax of the net income less
// the month's deduction, never below 0.
std::string ImpozitPropusLuna(const FormaFisa1& f, int luna, bool deducereRotunjita);

// The proposed tax of the holiday bonus: no personal deduction, the grid of
// the month it was paid in (LuPrima); "0" when that month is not 1 to 12.
std::string ImpozitPrima(const FormaFisa1& f);

// Leaving a net income box (row 0 to 13): the income rounded to whole lei,
// the row's proposed tax, the totals.
void ParasesteVenit(FormaFisa1& f, int rand);

// Leaving a withheld tax box: rounded to whole lei, the totals.
void ParasesteImpozit(FormaFisa1& f, int rand);

// Leaving the month of the holiday bonus: made a whole number not below 0,
// then the bonus's proposed tax. A month above 12 is told ("Luna  > 12"),
// stays in the box and gives the bonus a tax of "0"; the result is then false
// and the box takes the focus back.
bool ParasesteLunaPrima(FormaFisa1& f);

// Leaving the months of professional expenses: a whole number not below 0,
// and never more than the months with a deduction coefficient (told, then
// lowered to them).
void ParasesteLuni(FormaFisa1& f);

// Leaving the professional expenses granted: rounded to whole lei.
void ParasesteCheltuieli(FormaFisa1& f);

// A take-over tick changed: ticked, the row's withheld tax takes its proposed
// tax; unticked, it becomes "0"; then the totals.
void BifeazaRand(FormaFisa1& f, int rand);

// The section-V command: every month's proposed tax again with the deduction
// unrounded, the proposed total (the bonus row kept as it is), and, for an
// employee entitled to deductions whose months of professional expenses are
// still 0, those months and the expenses granted proposed from the months
// with a coefficient.
void CalculeazaSectiuneaV(FormaFisa1& f);

// The employee has no personal deductions: no domicile in Romania, or a
// foreign person (code beginning with 9).
bool FaraDeduceri();

} // namespace olm
