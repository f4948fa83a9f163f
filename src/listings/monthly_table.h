#pragma once

// The monthly centralising table, "Listab4.txt", 86 characters wide: for one
// month of the fiscal year, every Fisa 1 sheet (or every Fisa 2 sheet) with
// the employee's income and tax of that month, then their totals and the
// signer.

#include "listings/sheet_listing.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

inline constexpr const char* FisierListab4 = "Listab4.txt";

// The months as the window lists them and the title names them.
inline constexpr std::array<const char*, 12> LuniCentralizator = {
    "IANUARIE", "FEBRUARIE", "MARTIE",     "APRILIE",   "MAI",       "IUNIE",
    "IULIE",    "AUGUST",    "SEPTEMBRIE", "OCTOMBRIE", "NOIEMBRIE", "DECEMBRIE"};

// The month's two totals, whole lei added exactly.
struct TotaluriLuna {
    std::int64_t venit = 0;
    std::int64_t impozit = 0;
};

// Appends row `nr` of one record line: the code, the name and the income and
// tax of month `luna` (0 to 11 from January; any other value takes January)
// as plain numbers, "0" for an empty amount; a name of 37 characters or more
// puts the rest of it, whole, on a continuation line under the name column.
// Adds the amounts to `t`.
void RandListab4(std::string_view linie, FelFisa fel, int luna, long long nr, TotaluriLuna& t,
                 std::vector<std::string>& linii);

// Writes "Listab4.txt" (replaced in one step) for month `luna` (0 for
// January; any other value lists January's amounts under a title without a
// month) from the file the listings read (SursaFise1, SursaFise2), every line
// in file order. The signer is `NumeSemnatar` and `FunctieSemnatar` in upper
// case. Sets `FisierDest`, `TitluLista` ("1" or "2") and the totals
// `TotalVenitLuna`, `TotalImpozitLuna`. A missing sheets file lists no rows.
// Throws platform::FileError, and the old table then stays.
void ScrieListab4(FelFisa fel, int luna);

} // namespace olm
