#pragma once

// A dependant's deduction coefficients of each month (section IV.C of a
// Fisa 1): typed one by one and checked, or derived all at once from his
// quality, invalidity, age and birth month ("Preiau conditii"), then stored in
// his row of TabelPersoane and summed into the months' total coefficients.

#include "shared/form_data.h"

namespace olm {

// A coefficient box takes the focus: "Nu ati completat codul." without a
// code, "Nu ati completat calitatea persoanei." without a quality (both may
// come). The focus stays.
void IntraInCoeficientPersoana(const FormaFisa1& f);

// The coefficient box of month `luna` is left. Its text is normalised; with
// no code or no quality nothing else happens. A month without the employee's
// own deduction, or before the birth month of a dependant born in the fiscal
// year, gets "0". Only 0, 0.5, 1 and 1.5 are accepted: another value is told
// ("Coeficient gresit") and the box gets back the value the register holds.
// The invalidity marks follow the coefficients of the months worked (a
// month's base coefficient of any quality plus an invalidity add-on); the
// value goes into the register and the month's total and proposed tax follow.
void ParasesteCoeficientPersoana(FormaFisa1& f, int luna);

// An option of "Conditii pentru coeficientii de deducere" was chosen. Both
// empty the twelve coefficient boxes. "Anulez conditii" gives the quality by
// the age, clears the spouse and invalidity marks and unlocks the boxes; the
// stored coefficients stay. "Preiau conditii" needs a code and a quality
// (else told, and the option cleared); it corrects a child's quality by the
// age, locks the boxes, fills the coefficients of the months worked from the
// parameters (the first quality in the order spouse, child, other person
// with a coefficient, plus the add-on of the invalidity ticked, grade II
// before grade I; none before the birth month in the year of birth; "0" in a
// month without own deduction), stores the marks and runs calc_coef.
void AlegeConditii(FormaFisa1& f);

// The twelve boxes into the row shown (an empty box stored as "0"), then
// every month's total coefficient, the proposed taxes of the months worked
// and the totals.
void calc_coef(FormaFisa1& f);

} // namespace olm
