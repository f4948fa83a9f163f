#pragma once

// The deduction parameters file "Cuantum.txt": the fiscal year with the first
// and last working day, one line per month (base deduction and the
// coefficients of a child, the spouse and another person), the annual line 13
// (annual base deduction, cap of a month's coefficient, the three invalidity
// coefficients, the coefficient of professional expenses, the rate of final
// taxation), then "eof". Every month line and the annual line end in ",".
//
// Reading fills the process-wide parameters and the editor's box texts
// (CuantumCasute, TextAnFisc in state.h); saving writes the file from the box
// texts and sets the parameters from them.

#include "shared/result.h"

#include <string>

namespace olm {

// Reads "Cuantum.txt". Month lines may stand in any order; a line whose month
// is not 1 to 13 is passed over; a month the file lacks keeps what it held.
// Reading stops at "eof". A missing file, a malformed line or a file without
// "eof" is reported; what was read before stays. Of a file without "eof" the
// last line is not taken.
Rezultat CitesteCuantum();

// Writes "Cuantum.txt" from the editor's box texts through a scratch file
// (creating it when missing) and sets the parameters from the same texts.
Rezultat SalveazaCuantum();

} // namespace olm
