#pragma once

// An employee's Fisa 2: his line of "FF2.txt", saved from the forms, deleted,
// and loaded into the Fisa 2 form's record `Fisa2Date` (form_data.h). Every
// save and delete refreshes the yearly copy "FF2_" + year + ".txt".

#include "shared/result.h"
#include "shared/sheet_records.h"

namespace olm {

// The record the employee's form, `MarcaRectif` and the Fisa 2 form make for
// `CodAngajat`. Amounts are written as typed, zeros included.
RecordFf2 RecordFf2DinFormulare();

// Writes the employee's Fisa 2 line in place of his first line (further
// lines of his are dropped) or at the end of the file. PozitiiFisa[0] becomes
// the number of his line. An empty `CodAngajat` is refused.
Rezultat SalveazaFisa2();

// Removes every Fisa 2 line of `CodAngajat`. The dependants stay.
Rezultat StergeFisa2();

// Fills the Fisa 2 form's record from fields 15 to 48: an income type is
// ticked when its mark, trimmed and upper-cased, is "X"; amounts as stored.
void IncarcaFisa2(const RecordFf2& r);

// Empties the Fisa 2 form's record.
void CurataFisa2();

} // namespace olm
