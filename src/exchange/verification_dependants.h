#pragma once

// The personal deductions of a verification: each dependant's line checked
// by itself, and every employee's monthly total coefficient (Fisa 1 IV.A)
// against his own coefficient (IV.B) plus those of all his dependants.

#include "exchange/verification_fisa1_values.h"
#include "exchange/verification_report.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// What the correlation takes of a dependant's line: his employee's code (a
// view into the line) and his coefficient of each month.
struct CoeficientiPersoana {
    std::string_view angajat;
    std::array<double, 12> luni{};
};
CoeficientiPersoana CoeficientiPersoanaDin(std::string_view linie);

// Both codes, the allowed coefficients, their agreement with the invalidity
// marks, a child born in the fiscal year with coefficients before his birth
// month, a child older than 18.
void VerificaPersoanaIntretinuta(std::string_view linie, RaportVerificare& raport);
// The same checks, handing over what the correlation takes of the line, so
// that a long file is cut and read once for both.
void VerificaPersoanaIntretinuta(std::string_view linie, RaportVerificare& raport, CoeficientiPersoana& coeficienti);

// The correlation of the employees' Fisa 1 with the dependants' lines.
// Without any dependant's line an employee's total must equal his own
// coefficient; dependants of an employee without a Fisa 1 are not reported.
void VerificaCorelareCoeficienti(const std::vector<CoeficientiAngajat>& angajati,
                                 const std::vector<std::string>& deduceri, RaportVerificare& raport);
// The same from what was taken of the dependants' lines, in their order.
void VerificaCorelareCoeficienti(const std::vector<CoeficientiAngajat>& angajati,
                                 const std::vector<CoeficientiPersoana>& persoane, RaportVerificare& raport);

} // namespace olm
