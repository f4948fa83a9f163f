#pragma once

// The dependants of the current employee: his lines of "Deduceri.txt" and the
// register TabelPersoane (state.h) that holds them while his Fisa 1 is open.
// Register columns: 1 the dependant's code, 2 surname, 3 first name, 4 to 9
// the marks spouse, child, other person, invalidity I, invalidity II, other
// situation, 10 to 21 the coefficients of months 1 to 12.

#include "platform/lines.h"
#include "shared/result.h"
#include "shared/sheet_records.h"

#include <string>
#include <vector>

namespace olm {

struct CitireDeduceri {
    Rezultat rezultat;
    int gasite = 0; // the employee's lines in the file
    int lasate = 0; // lines beyond the register's 20 rows, not loaded
};

// The cell of the register at row 0 to 20, column 0 to 21.
std::string& CelulaPersoana(int rand, int coloana);

// Empties rows 1 to 20 of the register; NrPersoane 0.
void GolesteRegistrul();

// Empties the register and loads every line of `CodAngajat` among the lines
// of a dependants file, wherever it stands, up to 20; NrPersoane is the
// number loaded.
CitireDeduceri CitesteDeduceri(platform::LineSource& linii);
// The same from "Deduceri.txt"; a read error is in the result.
CitireDeduceri CitesteDeduceri();

// Tells the clerk what a read could not do: the read error, or how many
// dependants were left out (and would be lost by a save). Nothing when all
// went well.
void AnuntaCitireDeduceri(const CitireDeduceri& c);

// One register row as a line of the file (the other-situation mark always
// empty, a coefficient of value 0 empty).
RecordDeduceri RecordDinRand(const std::string& codAngajat, int rand);
// The lines of rows 1 to NrPersoane.
std::vector<std::string> LiniiPersoane(const std::string& codAngajat);

// Shows row PersoanaCurenta of the register in the Fisa 1 form's record.
void AfiseazaPersoana();

// "Sunt inregistrate 2 persoane": the tool tip of the person buttons.
std::string SfatPersoaneInregistrate(int n);

} // namespace olm
