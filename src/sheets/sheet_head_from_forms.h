#pragma once

// The head of a sheet's printable image, made from the windows on screen
// rather than the data files: the employer as his form shows him (his kind as
// the code decided it, `TipAngajator`), the employee as his form shows him.

#include "shared/result.h"
#include "shared/sheet_text.h"

#include <string>
#include <vector>

namespace olm {

// The copy line "(copie pentru angajat)" (every image made from the forms is
// the employee's copy, whatever the listings chose last), the fiscal year, the
// employer's block, the employee's code, name and address. The corrective mark
// and the signer are left to the sheet.
CapFoaie CapDinFormulare();

// Writes an image's lines to its file, opens it in the text viewer and prints
// it. When the file cannot be written nothing is shown or printed and the
// error is returned.
Rezultat TiparesteImaginea(const std::string& fisier, const std::vector<std::string>& linii);

} // namespace olm
