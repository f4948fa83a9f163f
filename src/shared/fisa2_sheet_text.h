#pragma once

// The printed Fisa 2 sheet as lines of text, 80 columns wide, built from plain
// values: the listing fills them from a line of "FF2.txt", the sheet's own
// form from what it shows. Which amounts print blank and how the sheet is
// paged is the business of the caller.

#include "shared/sheet_text.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

struct FoaieFisa2 {
    CapFoaie cap;
    std::array<bool, 8> tipuri{};            // the income types AS1 to AS8
    // Months 1 to 12 and the total (index 12), grouped by thousands when
    // printed; an empty text leaves its column blank. Views of the record
    // line or of the form's boxes, which outlive the sheet.
    std::array<std::string_view, 13> venit, impozit;
};

// Writes the sheet, from the copy line to the signature.
void ScrieFisa2(TextFoaie& text, const FoaieFisa2& f);
// The same sheet as lines, without their ends.
std::vector<std::string> LiniiFisa2(const FoaieFisa2& f);

} // namespace olm
