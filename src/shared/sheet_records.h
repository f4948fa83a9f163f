#pragma once

// The lines of "FF1.txt", "FF2.txt" and "Deduceri.txt" (and of their yearly
// copies) as plain records: every field a text, in file order, cut from and
// joined into the line by the separators of its layout (record_line.h). A
// line read and written again gives the same bytes; what a value means (zero
// written as an empty field, marks read back upper-cased) is the business of
// the routines that fill the forms from a record and a record from the forms.
//
// Field 1 of every line is the employee's code, the key of his records: a
// line is his when its first field equals his code exactly.

#include "shared/record_line.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace olm {

// Fields 1 to 13 of both sheets: the code, the names and the address.
struct IdentitateAngajat {
    std::string Cod;
    std::string Nume;
    std::string Prenume;
    std::string Localitate;
    std::string Judet;
    std::string Strada;
    std::string Numar;
    std::string CodPostal; // numeric field, kept as typed
    std::string Bloc;
    std::string Scara;
    std::string Etaj;
    std::string Apartament;
    std::string Sector; // numeric field, kept as typed

    bool operator==(const IdentitateAngajat&) const = default;
};

// The regularisation lines a Fisa 1 stores, as indexes of the form's Reg
// boxes: VI.3 to VI.7, VI.9, VI.10, VII income, VII tax, VIII. VI.1, VI.2 and
// VI.8 are not stored.
inline constexpr std::array<int, 10> IndiciRegStocati{2, 3, 4, 5, 6, 8, 9, 10, 11, 12};

// One employee's Fisa 1, 86 fields.
struct RecordFf1 {
    IdentitateAngajat id;      // 1-13
    std::string MarcaRectif;   // 14
    std::string MarcaReg;      // 15
    std::string MarcaFaraDom;  // 16
    std::string MarcaAlteS;    // 17
    std::string MarcaInv1;     // 18
    std::string MarcaInv2;     // 19
    std::string Rezervat;      // 20, written empty
    std::string DataAngajarii; // 21, dd/mm/yyyy or empty
    std::string DataIncetarii; // 22
    std::array<std::string, 12> CoefCalc; // 23-34, total coefficient by month
    std::array<std::string, 12> CoefProp; // 35-46, own coefficient by month
    // 47-74: (net income, tax) for months 1 to 12, the holiday bonus, the total.
    std::array<std::string, 14> VenitN;
    std::array<std::string, 14> ImpC;
    std::string Luni; // 75, months with professional expenses
    std::string ChAc; // 76, professional expenses granted
    // 77-86: the regularisation lines, the form's Reg(IndiciRegStocati[k]).
    std::array<std::string, 10> Reg;

    bool operator==(const RecordFf1&) const = default;
};

// One employee's Fisa 2, 48 fields.
struct RecordFf2 {
    IdentitateAngajat id;     // 1-13
    std::string MarcaRectif;  // 14
    std::array<std::string, 8> TipAS; // 15-22, "X" for the income types AS1 to AS8
    // 23-48: (income, tax) for months 1 to 12, then the totals at index 12.
    std::array<std::string, 13> VenitCS;
    std::array<std::string, 13> ImpS;

    bool operator==(const RecordFf2&) const = default;
};

// One dependant of an employee, 22 fields.
struct RecordDeduceri {
    std::string CodAngajat;  // 1
    std::string CodPersoana; // 2
    std::string Nume;        // 3
    std::string Prenume;     // 4
    // 5-10: spouse, child, other person, invalidity I, invalidity II, other situation.
    std::array<std::string, 6> Marci;
    std::array<std::string, 12> Coef; // 11-22, months 1 to 12

    bool operator==(const RecordDeduceri&) const = default;
};

// A line cut into a record. `complet` is false when a separator of the layout
// is missing: the fields found are kept, the later ones are empty.
template <class R>
struct LinieCitita {
    R record;
    bool complet = true;
};

LinieCitita<RecordFf1> citesteLinieFf1(std::string_view linie);
LinieCitita<RecordFf2> citesteLinieFf2(std::string_view linie);
LinieCitita<RecordDeduceri> citesteLinieDeduceri(std::string_view linie);

// The line of a record (without its line end), every field as it stands.
std::string linieFf1(const RecordFf1& r);
std::string linieFf2(const RecordFf2& r);
std::string linieDeduceri(const RecordDeduceri& r);

// The key of a record line: its first field, or nothing when the line lacks
// the separator that ends it (an empty or damaged line is nobody's).
std::optional<std::string_view> cheieLinie(std::string_view linie, StructuraRecord structura);
// The line is the employee's: its first field equals the code exactly. An
// empty code owns no line.
bool esteLiniaAngajatului(std::string_view linie, StructuraRecord structura, std::string_view cod);

// What a record writer may be given: a text field without "#" (a record has no
// escaping), a numeric field without "#" and with "." for ",".
std::string campText(std::string_view valoare);
std::string campNumeric(std::string_view valoare);

} // namespace olm
