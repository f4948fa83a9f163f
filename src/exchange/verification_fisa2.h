#pragma once

// The check of a Fisa 2 from another application: the employee's code and
// the two totals against the sums of the twelve months.

#include "exchange/verification_report.h"

#include <string_view>

namespace olm {

void VerificaFisa2(std::string_view linie, RaportVerificare& raport);

} // namespace olm
