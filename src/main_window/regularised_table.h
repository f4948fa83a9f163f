#pragma once

// The centralising table of the regularised Fisa 1 sheets, "tab5.txt", 131
// characters wide: one row per employee whose Fisa 1 carries the
// regularisation mark, in alphabetical order, with the annual figures of
// section VI and their totals.

namespace olm {

// Writes "tab5.txt" from "ff1.txt": sorts the sheets into "ff1_sort.txt",
// keeps the regularised ones in "Ff1R.txt" and writes the title, the
// employer's block, the header, the rows, the totals and the closing lines.
// Sets `TitluLista`, `TipLista`, `FisierSursa`, `FisierDest` and the five
// totals. Throws platform::FileError when a file cannot be written.
void ScrieTabel5();

// The button "Tabel fise 1 regularizate": the notice about the viewer, the
// table written, shown in the text viewer and sent to the printer. An error
// writing it is shown as "Eroare " + its number + "." and nothing is shown or
// printed.
void TabelFise1Regularizate();

} // namespace olm
