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
#include <vector>

namespace olm {

struct CasuteCuantum;

// What a read gave: the fault met (named with the file and, for a faulty
// line, its number), and whether the fiscal year was read.
struct CitireCuantum : Rezultat {
    bool anCitit = false;
};

// Reads the lines of "Cuantum.txt" (a UTF-8 byte-order mark in front of the
// first line is skipped). The first line must hold the year, four digits from
// 1990 to 2100, and the two working days; when it does not, nothing of it is
// taken. Month lines may stand in any order; a line whose month is not 1 to 13
// is passed over; a month the file lacks keeps what it held. Reading stops at
// "eof". A malformed line or a file without "eof" is reported; what was read
// before stays. Of a file without "eof" the last line is not taken, so the
// annual values stay as they were when it ends with the annual line.
CitireCuantum CitesteCuantum(const std::vector<std::string>& linii);
// The same from the file; a missing or unreadable file is reported too.
CitireCuantum CitesteCuantum();

// The lines of "Cuantum.txt" written from the editor's box texts.
std::vector<std::string> LiniiCuantum(const CasuteCuantum& c);
// Writes "Cuantum.txt" from the editor's box texts through a scratch file
// (creating it when missing) and sets the parameters from the same texts.
Rezultat SalveazaCuantum();

} // namespace olm
