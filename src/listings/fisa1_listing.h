#pragma once

// The listing of Fisa 1 sheets, "ListF1.txt": every sheet laid out on whole
// 65-line pages, the employee's code repeated at the top of each further page.

#include "listings/dependants_index.h"
#include "listings/sheet_listing.h"
#include "shared/fisa1_sheet_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace olm {

inline constexpr const char* FisierListaFise1 = "ListF1.txt";

// Fills the printed sheet with one line of "FF1.txt" (a short line gives
// empty fields): the employee's part of its head, his values and his
// dependants; the head the listing shares (CapListare) stays. Section VI
// shows its amounts on a regularised sheet, only its labels otherwise, and
// its bare labels while no annual base deduction is set; its lines 4 and 6
// are worked out from the stored lines (never below 0).
void CompleteazaFisa1(FoaieFisa1& f, std::string_view linie, const IndexPersoane& persoane);

enum class SelectieFise1 { Toate, Neregularizate, Regularizate };

// Writes "ListF1.txt" with the sheets of the selection, in the order of the
// file read (SursaFise1). The regularised and the other sheets are first
// copied into "Ff1R.txt" / "Ff1N.txt" (FiltreazaFF1), which stay. Sets
// `TipLista`, `FisierSursa` and `FisierDest`; `CodAngajat` is left at the
// last sheet's code. Throws platform::FileError.
void ScrieFise1(SelectieFise1 selectie, const Semnatar& semnatar);

// Writes "ListF1.txt" with the employee's sheet (every line whose code is his).
// `TipLista` becomes "S", `CodAngajat` the code. Throws platform::FileError.
void ScrieFisa1Angajat(const std::string& cod, const Semnatar& semnatar);

} // namespace olm
