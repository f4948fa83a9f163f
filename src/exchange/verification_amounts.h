#pragma once

// How the verification compares a stored amount with the one it computes.

#include "shared/number_text.h"

namespace olm {

// Two amounts as the records write them, to 15 significant digits: a sum of
// amounts with decimals equals the total written for it (100.10 + 200.20 and
// 300.3), where the binary sums differ in their last bit.
inline bool SumeEgale(double a, double b) { return a == b || TextNumar(a) == TextNumar(b); }

} // namespace olm
