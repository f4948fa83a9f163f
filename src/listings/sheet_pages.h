#pragma once

// The pages of a printed sheet. The printer starts a new page every 65 lines,
// so every sheet of a listing fills whole pages: its lines are counted, and
// blank lines (not counted) fill its last page, so the next sheet starts on a
// page of its own. A Fisa 1 that runs over a page repeats the employee's code
// at the top of every further page.

#include <optional>
#include <string>
#include <vector>

namespace olm {

// Lines of a printed page.
inline constexpr int LungPagina = 65;

struct FoaiePaginata {
    std::vector<std::string> linii;
    int numarate = 0; // the lines counted, the markers included, the fill not
};

// The sheet's lines with the page fill. With a code, every time the count
// reaches a whole page inside the sheet, the marker line (51 blanks and
// "(Cod angajat : " + code + ")") and an empty line follow, both counted.
// A sheet without lines stays empty.
FoaiePaginata Pagineaza(std::vector<std::string> linii, const std::optional<std::string>& codMarcaj);

} // namespace olm
