#pragma once

// The listing of Fisa 2 sheets, "ListF2.txt": every sheet filled to whole
// 65-line pages.

#include "listings/sheet_listing.h"
#include "shared/fisa2_sheet_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace olm {

inline constexpr const char* FisierListaFise2 = "ListF2.txt";

// Fills the printed sheet with one line of "FF2.txt", cut by its record
// layout (a short line gives empty fields): the employee's part of its head
// and his values; the head the listing shares (CapListare) stays. A month
// whose amount is 0 prints blank; the totals print as they stand.
void CompleteazaFisa2(FoaieFisa2& f, std::string_view linie);

// Writes "ListF2.txt" with every sheet of the file read (SursaFise2), in its
// order. Throws platform::FileError.
void ScrieFise2(const Semnatar& semnatar);

// Writes "ListF2.txt" with the employee's sheets (every line whose code is
// his); `CodAngajat` becomes the code. Throws platform::FileError.
void ScrieFisa2Angajat(const std::string& cod, const Semnatar& semnatar);

} // namespace olm
