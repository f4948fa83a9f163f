#pragma once

// What every listing shares: the employer's identification block at its head,
// and the copy of the Fisa 1 records that keeps only the regularised sheets or
// only the others.

#include "platform/files.h"

#include <functional>
#include <string>
#include <vector>

namespace olm {

// The employer's block from the first line of "RepFisc.txt": the kind line,
// the code, the name and the address (each cut into lines of 63 characters
// after a 16-character label), then the telephone and e-mail line. An empty
// or missing file gives the single line "Nu sunt date despre angajator".
std::vector<std::string> liniiAntetAngajator();
// The same block from an employer's record (a sheet printed from the forms).
struct RecordRepfisc;
std::vector<std::string> liniiAntetAngajator(const RecordRepfisc& r);

// Writes the block into a listing being written and adds 1 to `ContorLinii`
// for every line, the no-data line too, so that the pages that follow stay
// whole. The width of the listing does not change the block.
using ScrieLinie = std::function<void(const std::string&)>;
void ScrieAntetAngajator(const ScrieLinie& scrie, int latime);
void ScrieAntetAngajator(platform::files::AtomicWriter& listare, int latime);

// The notice shown before a listing is written: the text viewer only shows
// the file, the print dialog prints it.
inline constexpr const char* NotaVizualizare =
    "NotePad este folosit numai pentru vizualizare. In fereastra Print puteti da OK pentru listare la imprimanta.";

// Copies into the file `FisierDest` (made anew) the lines of `FisierSursa`, in
// order and unchanged, whose Fisa 1 regularisation mark (field 15) is "X" when
// `TipLista` is "R", or is not "X" when it is "N"; with any other `TipLista`
// the copy is empty. A missing source reads as empty. `CodAngajat` is left at
// the code of the last line read. Throws platform::FileError when the copy
// cannot be written (the old copy then stays whole).
void FiltreazaFF1();

} // namespace olm
