#pragma once

// The yearly swap of the data files. The program always works on the four
// working names ("Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"); the data
// of each fiscal year live in yearly copies ("Rep_2002.txt", ...). At start the
// working files become the previous year's copies and are refilled from the
// fiscal year's copies; at exit the working files are written back to the
// yearly copies and the previous year's copies return under the working names.

#include "shared/data_files.h"

#include <string>
#include <vector>

namespace olm {

// The start-up steps after the parameter files were read (AnFiscal set):
// the layout probe, the conversion of an older employer line in the yearly
// copy, and the swap of the four sets.
void SchimbaFisiereLaPornire();

// The exit steps: delete the sorted copies, save the working files to the
// yearly copies, put the previous year's copies back, delete the scratch
// sort files. Returns the names of the yearly copies that could not be
// written (their working files are then left as they are).
std::vector<std::string> SchimbaFisiereLaIesire();

} // namespace olm
