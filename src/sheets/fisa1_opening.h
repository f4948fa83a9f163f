#pragma once

// Opening an employee's Fisa 1 from his identification form: his dates and
// situation marks taken into the process-wide state, the months worked, and
// the sheet's record `Fisa1Date` prepared for him (the months outside the
// employment emptied, each month's proposed tax, the totals, his own and total
// coefficients). A stored sheet was loaded into the record before; a new one
// is emptied here.

#include "shared/form_data.h"

#include <string>
#include <string_view>

namespace olm {

// The dates of the identification form checked again before the sheet
// opens, as leaving their boxes checks them: no date, a year other than the
// fiscal one, a leaving date before the hiring date.
struct DateFisa1 {
    std::string angajare; // the boxes' texts, dd/mm/yyyy or empty
    std::string incetare;
    int casetaGresita = -1; // 0 the hiring box, 1 the leaving box; -1 both good
    std::string mesaj;      // OK only, no icon, empty title
};
DateFisa1 VerificaDateleFisei(std::string_view angajare, std::string_view incetare, int anFiscal);

// The first and the last month worked, 0 to 11, from two good dates: January
// when there is no hiring date, December when there is no leaving date,
// otherwise the dates' own months.
struct LuniLucrate {
    int prima = 0;
    int ultima = 11;
};
LuniLucrate CalculeazaLuniLucrate(std::string_view angajare, std::string_view incetare);

// The identification form's code, dates and six marks into CodAngajat,
// DataAngajarii, DataIncetarii and the Marca... values, and the months worked
// into LunaPrima and LunaUltima. The dates must have been checked.
void PreiaSituatiaAngajatului(const FormaFisaII& angajat);

// Readies `Fisa1Date` and the dependants register for the employee in the
// process-wide state. A new sheet (`fisaNoua`) is emptied first. The months
// outside the employment lose their coefficients, net income and tax (and
// the dependants' coefficients of those months); each month worked gets the
// proposed tax of its whole net income (no deduction subtracted) and row 13
// its totals. Without personal deductions (FaraDeduceri) the coefficients,
// the dependants and the professional expenses are dropped. Otherwise a new
// sheet gets the own coefficient of the invalidity marks in every month
// worked, and so does a stored one whose invalidity marks differ from those
// it was stored with; every month's total coefficient is computed again, and
// section VI is emptied until it is computed anew.
void PregatesteFisa1(bool fisaNoua);

// "Sunt inregistrate 0 persoane.": the person buttons' tool tip on a new sheet.
inline constexpr std::string_view SfatFaraPersoane = "Sunt inregistrate 0 persoane.";

} // namespace olm
