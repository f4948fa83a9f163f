#pragma once

// The yearly swap of the data files. The program always works on the four
// working names ("Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"); the data
// of each fiscal year live in yearly copies ("Rep_2002.txt", ...). At start the
// working files become the previous year's copies and are refilled from the
// fiscal year's copies; at exit they are written back to the yearly copies and
// the previous year's copies return under the working names.
//
// The marker file ".olm-an" says which year's data stand under the working
// names ("lucru=2002"). Each swap, the marker included, is one commit of the
// file layer: a crash at any moment leaves the files as they were before the
// swap or as they are after it, and the marker says which. So the start knows
// whether the working files hold last year's data (the normal case), this
// year's (a run that did not end normally: they are kept as they are), or
// another year's (the year in "Cuantum.txt" was changed). No swap puts a
// year's data under another year's name, replaces a non-empty copy with an
// empty file or a damaged one (DefectFisierLucru), or overwrites a file whose
// content exists nowhere else: such a file is first copied into a
// subdirectory "Rezerva_N" and the clerk is told. A swap whose names include
// a link, or two names of one file, changes nothing and names them. What
// stands in the marker's place and is no file never stops the start: a link
// is replaced by the new marker, a directory is moved into "Rezerva_N".

#include "shared/data_files.h"

#include <optional>
#include <string>
#include <vector>

namespace olm {

inline constexpr const char* MarcajAn = ".olm-an";

// The year the marker names; nothing when it is missing or unreadable.
std::optional<int> AnulDinMarcaj();

struct RezultatSchimb {
    bool reusit = true;
    // For the clerk: what the start found and did, or why the swap could not
    // be made (then no file was changed).
    std::string mesaj;
    // At exit: the yearly copy whose write failed.
    std::vector<std::string> nesalvate;
};

// The start-up steps after the parameter files were read (AnFiscal set): the
// conversion of an older employer line in the yearly copy, and the swap of
// the four sets. Sets AnDateLucru when the working files hold the year's data.
RezultatSchimb SchimbaFisiereLaPornire();

// The exit steps: delete the sorted copies, save the working files to the
// yearly copies of AnDateLucru, put the previous year's copies back, delete
// the scratch sort files. When a copy fails nothing is changed: the working
// files keep the year's data for the next start.
RezultatSchimb SchimbaFisiereLaIesire();

} // namespace olm
