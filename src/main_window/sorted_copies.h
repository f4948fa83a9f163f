#pragma once

// The alphabetical copies of the two sheet files, "ff1_sort1.txt" and
// "ff2_sort1.txt", which the listings use instead of the working files while
// they exist ("Sortare" ticked).
//
// The order: each record becomes the item surname + " " + first name + "$$" +
// the whole line + "@", and the items are sorted by their whole text without
// regard to case; equal items keep the order of the file. Two employees named
// alike therefore follow the order of the rest of their lines, which begin
// with their codes.

#include <string>

namespace olm {

// Writes the lines of a sheet file into another file in alphabetical order.
// A line without the two name fields sorts with an empty name. A missing
// input gives an empty output. Throws platform::FileError when the output
// cannot be written (it then stays as it was).
void SorteazaAlfabetic(const std::string& intrare, const std::string& iesire);

// "Sortare" ticked or unticked: both copies are deleted; when ticked they are
// written anew from "ff1.txt" and "ff2.txt" (no copy of a missing file).
// An error is shown as "Eroare " + its number + "." and leaves no copy.
void ActualizeazaCopiiSortate(bool bifat);

} // namespace olm
