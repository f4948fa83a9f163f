#pragma once

// The head of a sheet's printable image, made from the windows on screen
// rather than the data files: the employer as his form shows him (his kind as
// the code decided it, `TipAngajator`), the employee as his form shows him.

#include "shared/sheet_text.h"

namespace olm {

// The copy line "(copie pentru angajat)" (every image made from the forms is
// the employee's copy, whatever the listings chose last), the fiscal year, the
// employer's block, the employee's code, name and address. The corrective mark
// and the signer are left to the sheet.
CapFoaie CapDinFormulare();

} // namespace olm
