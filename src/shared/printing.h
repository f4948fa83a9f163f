#pragma once

// Printing of listing files. Every listing is first written as a text file;
// these routines send one to the printer after the print dialog, line by line
// in "Courier New", starting a new page after a fixed number of lines, which
// they count in ContorLinii. The pages are read from the file a batch at a
// time as they print; the clerk may cancel a long job between two batches.
// Any failure (the dialog cancelled, a missing file, a printer or file error)
// ends the routine silently; a job that fails or is cancelled half-way is
// dropped.

#include <string>

namespace olm {

// The sheets and the monthly table: size 9, 65 lines a page.
void TiparesteFisier(const std::string& fisier);
// The hand-in list: size 7, 76 lines a page.
void TiparesteBorderou(const std::string& fisier);
// The table of regularised sheets: size 7, 76 lines a page, narrow margin.
void TiparesteTabel(const std::string& fisier);

} // namespace olm
