#pragma once

// Our layout of the DBF tables that other applications hand in instead of the
// four text files: one table per data file ("Rep_2002.dbf", "FF1_2002.dbf",
// "FF2_2002.dbf", "Ded_2002.dbf"), one column per field of its record,
// found by name (case ignored, order free, other columns ignored).
//
// Each column is of one kind, which fixes the DBF types it may have and how
// its values become the field's text:
//   code   C or N  codes, the employer's kind, postal code, sector
//   text   C       names, address parts, telephone, e-mail, the marks
//   date   C or D  dates of hiring and leaving (D written dd/mm/yyyy)
//   number N or F  amounts, coefficients, months

#include "shared/record_line.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace olm::transfer {

enum class FelColoana { Cod, Text, Data, Numar };

struct Coloana {
    std::string nume;   // up to 10 characters, upper case
    FelColoana fel;
    int latime;         // width in the templates
    int zecimale = 0;   // decimals in the templates (numbers)
};

struct TabelDbf {
    std::string prefix;     // "FF1": "FF1_2002.dbf", template "FF1.dbf"
    std::string fisierText; // the working file it becomes: "FF1.txt"
    StructuraRecord structura;
    // One per field of the record, in field order. A field without a column
    // (the reserved field 20 of a Fisa 1, always empty) has an empty name.
    std::vector<Coloana> coloane;
};

// Employer, Fisa 1, Fisa 2, dependants.
std::span<const TabelDbf> TabeleDbf();

// "FF1_2002.dbf".
std::string NumeTabelAnual(const TabelDbf& t, int an);
// "FF1.dbf": the empty template.
std::string NumeSablon(const TabelDbf& t);

// Whether a column of this kind may have the DBF type ('C', 'N', 'F', 'D').
bool TipAcceptat(FelColoana fel, char tip);
// "C sau N": the types accepted, for the messages.
std::string_view TipuriAcceptate(FelColoana fel);
// The type the templates give a column of this kind.
char TipSablon(FelColoana fel);

} // namespace olm::transfer
