#pragma once

// Finding an employee's stored sheets and opening the one the clerk chose.
//
// The lookup tells which sheets the code has ("F1", "F2", "F1F2" or none) and
// where his lines stand; the decision dialog then picks one of six ways to
// open them (ModIncarcare):
//   1  "F1"   modify the Fisa 1     identity, Fisa 1, dependants
//   2  "F2"   modify the Fisa 2     identity, Fisa 2
//   3  "F1F2" modify the Fisa 1     identity, Fisa 1, dependants
//   4  "F1"   create the Fisa 2     identity from the Fisa 1
//   5  "F2"   create the Fisa 1     identity from the Fisa 2
//   6  "F1F2" modify the Fisa 2     identity, Fisa 2

#include "shared/result.h"

namespace olm {

// Sets FiseAngajat and PozitiiFisa (the number of the employee's first line
// in "FF2.txt" at 0 and in "FF1.txt" at 1; 0 for none) for CodAngajat,
// reading each file up to his line.
Rezultat CautaFiseAngajat();

enum class Incarcare { Identitate, Intreaga };

// Loads the employee's first line of the sheet file of kind `tipFisa` (1 or
// 2) into the forms: his identity (and, for a Fisa 1, his situation), and
// with `Intreaga` the sheet's own fields, and for a Fisa 1 his dependants,
// the first of them shown. Returns the number of the line, 0 when he has
// none. A county not in the list leaves the blank entry selected, without a
// word; a damaged line, a file that cannot be read and dependants left out
// are told to the clerk.
int IncarcaFisaStocata(int tipFisa, Incarcare ce);

// Opens the employee's sheets by ModIncarcare (1 to 6, see above) and, for
// modes 1, 3 and 4, readies the employee's form: "Judet eronat." for a stored
// county not in the list, the situation frame and the focus for a Fisa 1, the
// delete button for modes 1 and 3 ("Sterge fisa 1", TipFisaCrt 1), the sheet
// buttons.
void DeschideFisa();

} // namespace olm
