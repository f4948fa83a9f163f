#pragma once

// The tax grid in memory (Impozitar, state.h), its file "Impozitar.txt" and the
// tax of a month or of the year looked up in it.
//
// The file holds one line per row: the month from which the row holds, right
// aligned in two characters (13 for the annual grid), the lower limit, the
// upper limit, the fixed tax and the percent, joined by ","; then the line
// "eof" and a comment block for whoever opens the file by hand. Rows stand in
// descending order of month, and within a month of lower limit.

#include "shared/result.h"
#include "shared/state.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// Empties the grid and fills it from the lines of a grid file, up to the line
// "eof" (a UTF-8 byte-order mark in front of the first line is skipped). A
// missing field reads as 0. A file without the line "eof", one with more than
// 130 rows, or a row whose month is not a number is reported, naming the file
// `nume` (and the line); the rows read before stay.
Rezultat CitesteImpozitar(const std::vector<std::string>& linii, const std::string& nume);
// The same from "impozitar.txt"; a missing or unreadable file is reported too.
Rezultat CitesteImpozitar();

// The lines of the grid file: the rows up to the first empty one, "eof", and
// the comment block.
std::vector<std::string> LiniiImpozitar();
// Writes them to "Impozitar.txt" through a scratch file.
Rezultat ScrieImpozitar();

// The line of one row, as the file holds it (" 1,0,1800000,0,18").
std::string LinieImpozitar(const RandImpozitar& rand);

// The comment block written after "eof".
extern const std::array<std::string_view, 15> ComentariuImpozitar;

// The tax in whole lei of an amount in a month (1 to 12) or in the year (13).
// A negative amount is taxed as 0 and set to 0 in the caller's variable. The
// rows of later months are passed over, then the rows whose lower limit is
// above the amount; the row reached gives
//   fixed + (amount truncated to thousands - lower + 1) x percent / 100,
// rounded half to even. When no row fits the tax is 0.
double CalculImpozit(int luna, double& venit);

} // namespace olm
