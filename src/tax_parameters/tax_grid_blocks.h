#pragma once

// The tax grid seen one month at a time. The editor shows a month's block in
// ten display rows, the lowest bracket in row 0; the grid holds the same
// block the other way round (highest bracket first). These routines move a
// block between the two without any window: the editor's form only copies
// the texts of its controls in and out.

#include "shared/state.h"

#include <array>
#include <optional>
#include <string>

namespace olm {

using Grila = std::array<RandImpozitar, RanduriImpozitar>;

// The ten display rows hold at most ten brackets of a block.
inline constexpr int RanduriBloc = 10;

// Refusals of the editor that protect brackets the window cannot show.
inline const std::string MesajBlocLung =
    "Blocul acestei luni are mai mult de 10 randuri si nu poate fi modificat aici.";
inline const std::string MesajGrilaPlina =
    "Impozitarul nu poate avea mai mult de 130 de randuri. Blocul nu a fost memorat.";

// One display row as the controls show it: the lower limit (a caption, never
// typed), the upper limit, the fixed tax and the percent.
struct RandBloc {
    std::string limMin, limMax, impFix, procent;
};
using BlocAfisat = std::array<RandBloc, RanduriBloc>;

// Where a month's block stands in the grid.
struct LocBloc {
    int luna = 0;     // the month the block belongs to (13 for the year)
    int inceput = 0;  // index of its first (highest) row
    int randuri = 0;  // number of its rows
};

// The block valid for a month: its own, or else the block of the greatest
// earlier month. Nothing when no block is at or before the month.
std::optional<LocBloc> blocValabil(const Grila& grila, int luna);

// The display rows of a block: its lowest bracket in row 0, the next one up
// in row 1, and so on; the rows it does not fill are empty. A block of more
// than ten rows (only a hand-edited file holds one) shows its ten lowest.
BlocAfisat afiseazaBloc(const Grila& grila, const LocBloc& loc);

// Ten empty display rows.
BlocAfisat blocGol();

// Stores the display rows as the block of a month: every row whose upper
// limit is not empty becomes a grid row (highest first) in place of the
// month's old block, or, for a month without one, just before the block of
// the first earlier month. The other months' rows stay as they were, in
// order. False, with the grid unchanged, when the result would need more
// than the grid's 130 rows (possible only for a file that broke the layout).
bool scrieBloc(Grila& grila, int luna, const BlocAfisat& bloc);

} // namespace olm
