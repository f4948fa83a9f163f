#pragma once

// The printable image of the Fisa 2 being entered ("Imagine fisa"), made from
// the windows on screen rather than the data files: the employer from his
// form (`AngajatorFisaI`, `TipAngajator`), the employee from his form
// (`AngajatFisaII`), the income types and amounts from the Fisa 2 form's
// record. The sheet need not be saved first.

#include "shared/form_data.h"
#include "shared/result.h"

#include <string>
#include <vector>

namespace olm {

inline constexpr const char* FisierImagineFisa2 = "ListF2.txt";

// The image's lines. Every amount box of the record whose value is 0 ("0",
// empty or not a number) is emptied, as the image prints it; a sheet saved
// afterwards stores those amounts as empty fields.
std::vector<std::string> ImagineFisa2(FormaFisa2& f);

// Writes the image to "ListF2.txt", opens it in the text viewer and prints
// it. When the file cannot be written nothing is shown or printed and the
// error is returned.
Rezultat TiparesteImagineFisa2(FormaFisa2& f);

} // namespace olm
