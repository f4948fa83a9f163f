#pragma once

// An employee's Fisa 1: his line of "FF1.txt" and his dependants' lines of
// "Deduceri.txt", saved from the forms, deleted, and loaded into the Fisa 1
// form's record `Fisa1Date` (form_data.h). Every save and delete refreshes the
// yearly copies "FF1_" + year + ".txt" and "Ded_" + year + ".txt".

#include "shared/result.h"
#include "shared/sheet_records.h"

namespace olm {

// The record the employee's form, the process-wide marks and dates, and the
// Fisa 1 form make for `CodAngajat`. Fields 23 to 86 are empty where their
// value is zero and otherwise the box's text as typed; no text field holds
// "#" and no numeric field ",".
RecordFf1 RecordFf1DinFormulare();

// Writes the employee's Fisa 1 line, in place of his first line (any further
// line of his is dropped) or at the end of the file when he has none, then
// his dependants' lines (rows 1 to NrPersoane of TabelPersoane) at the end of
// "Deduceri.txt" in place of all his earlier ones. PozitiiFisa[1] becomes the
// number of his line. An empty `CodAngajat` is refused and nothing is written.
// The two files and their yearly copies are replaced together or not at all,
// also across a crash.
Rezultat SalveazaFisa1();

// Removes every Fisa 1 line and every dependant's line of `CodAngajat`, the
// same way all or nothing.
Rezultat StergeFisa1();

// Fills the Fisa 1 form's record from fields 23 to 86 of the line: the
// coefficients through NormNumar (an empty one shows 0), the amounts as
// stored, the months and amount of professional expenses, and VII and VIII.
// The regularisation lines VI.3 to VI.10 are not loaded: the form computes
// them again before each save. Everything the line does not hold goes back to
// the form's designed state first.
void IncarcaFisa1(const RecordFf1& r);

// Empties the Fisa 1 form's record and the dependants register
// (NrPersoane 0, PersoanaCurenta 1). Text2 and the tool tips stay.
void CurataFisa1();

} // namespace olm
