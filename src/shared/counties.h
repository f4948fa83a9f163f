#pragma once

// The county table Judete (state.h): entry 0 a single blank, then the counties
// and the capital in the program's fixed order, which is alphabetical except
// in four places (BRASOV before BRAILA, CARAS SEVERIN before CALARASI, SATU
// MARE before SALAJ, VASLUI before VALCEA). The county lists are filled from it.

namespace olm {

// Fills Judete; the first step of the start-up.
void IncarcaJudete();

} // namespace olm
