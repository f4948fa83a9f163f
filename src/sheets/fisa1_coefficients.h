#pragma once

// The deduction coefficients of a Fisa 1: the employee's own coefficient of
// each month (IV.B: 0, 1, or 1 plus an invalidity add-on), his invalidity
// marks derived from them, and the month's total coefficient (IV.A), which is
// the own coefficient plus the coefficients of every dependant in the
// register for that month. The rules work on the form's record `Fisa1Date`,
// the register `TabelPersoane` and the process-wide parameters.

#include "shared/form_data.h"

#include <string>

namespace olm {

// Two coefficients are the same when they differ by less than 1e-9.
bool AcelasiCoeficient(double a, double b);

// The employee's own coefficient from his invalidity marks MarcaInv1 and
// MarcaInv2: 1 plus the add-on of grade II when he has that mark (whatever
// the other), else 1 plus the add-on of grade I with that mark, else 1.
double CoeficientPropriuDinMarci();

// The dependants' coefficients of month 0 to 11 added up over rows 1 to
// NrPersoane of the register.
double CoeficientiPersoaneLuna(int luna);

// The month's total coefficient as text: the own coefficient given plus the
// dependants' coefficients of that month.
std::string CoeficientTotalLuna(double propriu, int luna);

// True when `v` is `baza` plus a non-zero invalidity add-on (the parameter's
// text): an add-on of 0 marks nothing.
bool ValoareCuAdaos(double v, double baza, const std::string& adaos);

// After a coefficient of month `luna` changed: the month's total coefficient
// (own plus the dependants'), its proposed tax, and the totals of row 13.
void ActualizeazaLuna(FormaFisa1& f, int luna);

// An own coefficient the form accepts: 0, 1, or 1 plus a non-zero add-on of
// grade I or grade II.
bool CoeficientPropriuAdmis(double v);

// MarcaInv1 and MarcaInv2 from the own coefficients of all twelve months: "X"
// when some month holds 1 plus that grade's (non-zero) add-on.
void MarciInvaliditateProprii(const FormaFisa1& f);

// Leaving the own coefficient of month `luna`, whose box held `laIntrare`
// when it took the focus. The text is normalised; without a domicile in
// Romania the box and the month's total are emptied. A value not accepted is
// told ("Coeficient gresit"), the box gets back its text from entry and
// nothing else changes: the result is then false. Otherwise the invalidity
// marks follow the twelve months, the month's total is the own coefficient
// plus the dependants', and the month's proposed tax is computed again; an own
// coefficient of 0 also empties the dependants' coefficients of the month
// (the dependant shown is shown again) and sets the month's net income,
// proposed tax and withheld tax to "0". The totals of row 13 follow.
bool ParasesteCoeficientPropriu(FormaFisa1& f, int luna, const std::string& laIntrare);

} // namespace olm
