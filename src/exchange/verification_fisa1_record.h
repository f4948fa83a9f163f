#pragma once

// The check of one Fisa 1 from another application, field by field: the
// employee's code, his own coefficients against his invalidity marks,
// amounts outside his months of activity, the totals of section V, the
// months of professional expenses, the regularisation mark against the
// conditions and the presence of section VI, section VI recomputed from the
// grid, and the final tax of section VII. Each finding is one report line
// that begins with the code; the record itself is never changed.

#include "exchange/verification_fisa1_values.h"
#include "exchange/verification_report.h"

namespace olm {

// Uses the deduction parameters and the annual tax grid of the process-wide
// state; section VI is checked only when the annual base deduction is set.
void VerificaInregistrareFf1(const ValoriFf1& fisa, RaportVerificare& raport);

} // namespace olm
