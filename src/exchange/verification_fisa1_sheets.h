#pragma once

// The Fisa 1 pass of a verification: the dates of every sheet are checked,
// the sheets of one employee are reduced to one record (a sheet whose period
// overlaps one already taken is reported and left out, the others are added
// in the order of their hiring dates), every sheet taken is checked field by
// field, and one line per employee is kept for "FF1.txt".

#include "exchange/verification_fisa1_values.h"
#include "exchange/verification_report.h"
#include "platform/lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace olm {

struct Fise1Verificate {
    std::vector<std::string> linii; // the new "FF1.txt", when no sink took them
    std::vector<CoeficientiAngajat> coeficienti; // of each of its lines
    bool eroareData = false;        // some sheet had wrong dates and was left out
};

// Goes through the sort items of the screening, in their order; the items of
// one employee stand together. Each employee's line goes to `ff1` as soon as
// it is made.
Fise1Verificate VerificaFise1(const std::vector<std::string_view>& elemente, RaportVerificare& raport,
                              platform::LineSink& ff1);
// The same, the lines kept in the result.
Fise1Verificate VerificaFise1(const std::vector<std::string>& elemente, RaportVerificare& raport);

} // namespace olm
