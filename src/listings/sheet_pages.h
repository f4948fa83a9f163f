#pragma once

// The pages of a printed sheet. The printer starts a new page every 65 lines,
// so every sheet of a listing fills whole pages: its lines are counted, and
// blank lines (not counted) fill its last page, so the next sheet starts on a
// page of its own. A Fisa 1 that runs over a page repeats the employee's code
// at the top of every further page.

#include "shared/sheet_lines.h"

#include <optional>
#include <string>
#include <string_view>

namespace olm {

// Lines of a printed page.
inline constexpr int LungPagina = 65;

// Appends to `pagini` the sheet's lines (with their CR LF) and the fill of its
// last page. With a code, every time the count reaches a whole page inside
// the sheet, the marker line (51 blanks and "(Cod angajat : " + code + ")")
// and an empty line follow, both counted. A sheet without lines adds
// nothing. Returns the lines counted: the sheet's and the markers, not the
// fill.
int ScriePagini(const TextFoaie& foaie, std::optional<std::string_view> codMarcaj, std::string& pagini);

} // namespace olm
