#pragma once

// The printable image of the Fisa 1 on screen ("Imagine     fisa"), made from
// the windows rather than the data files: the head from the identification
// forms (sheet_head_from_forms.h), the situation marks, the boxes of the
// Fisa 1 form's record and the dependants register. Its section VI holds
// whatever the regularisation left in the boxes; the signer is not filled
// in. The sheet need not be saved first.

#include "shared/form_data.h"
#include "shared/result.h"

#include <string>
#include <vector>

namespace olm {

inline constexpr const char* FisierImagineFisa1 = "ListF1.txt";

// The image's lines. Every amount box whose value is 0 (sections V to VIII,
// the professional expenses and their months) is emptied, as the image
// prints it.
std::vector<std::string> ImagineFisa1(FormaFisa1& f);

// Writes the image to "ListF1.txt", opens it in the text viewer and prints
// it. When the file cannot be written nothing is shown or printed and the
// error is returned.
Rezultat TiparesteImagineFisa1(FormaFisa1& f);

} // namespace olm
