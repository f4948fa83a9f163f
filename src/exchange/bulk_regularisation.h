#pragma once

// The annual regularisation of every Fisa 1 at once, straight on "FF1.txt",
// without opening a sheet: each record gets the regularised mark and section
// VI when it qualifies, and loses both when it does not.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olm {

// One line of "FF1.txt" regularised: field 15 becomes "X" or empty; fields
// 77 to 83 (VI.3 to VI.7, VI.9, VI.10) the computed amounts, "0" included,
// or empty when the sheet does not qualify; fields 84 to 86 empty when they
// read as 0, else as they stand. Every other field is kept byte for byte.
// Nothing when the line does not have the shape of a Fisa 1 (an empty line
// neither): such a line is to be kept as it is.
std::optional<std::string> RegularizeazaLinieFf1(std::string_view linie);

struct RezultatRegularizare {
    bool efectuata = false;
    std::int64_t regularizate = 0; // lines rewritten
    std::int64_t neschimbate = 0;  // lines without the shape of a Fisa 1, kept as they were
};

// Regularises every line of "FF1.txt" through a scratch file that replaces
// it in one step, then refreshes its yearly copy. Refuses, with its message,
// an annual base deduction of 0 and an empty file. Shows its own messages:
// the closing one says how many lines were kept unchanged, when any were; a
// read or write error is shown naming the file and leaves "FF1.txt" as it was.
// Touches no process-wide value.
RezultatRegularizare RegularizeazaFisele();

} // namespace olm
