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

// The records below hold every field as `Text`: std::string for a record
// kept or written back, std::string_view for one read in passing, whose
// fields are views into its line (which must outlive them).

// Fields 1 to 13 of both sheets: the code, the names and the address.
template <class Text>
struct IdentitateAngajatCu {
    Text Cod;
    Text Nume;
    Text Prenume;
    Text Localitate;
    Text Judet;
    Text Strada;
    Text Numar;
    Text CodPostal; // numeric field, kept as typed
    Text Bloc;
    Text Scara;
    Text Etaj;
    Text Apartament;
    Text Sector; // numeric field, kept as typed

    bool operator==(const IdentitateAngajatCu&) const = default;
};
using IdentitateAngajat = IdentitateAngajatCu<std::string>;

// The regularisation lines a Fisa 1 stores, as indexes of the form's Reg
// boxes: VI.3 to VI.7, VI.9, VI.10, VII income, VII tax, VIII. VI.1, VI.2 and
// VI.8 are not stored.
inline constexpr std::array<int, 10> IndiciRegStocati{2, 3, 4, 5, 6, 8, 9, 10, 11, 12};

// One employee's Fisa 1, 86 fields.
template <class Text>
struct RecordFf1Cu {
    IdentitateAngajatCu<Text> id; // 1-13
    Text MarcaRectif;   // 14
    Text MarcaReg;      // 15
    Text MarcaFaraDom;  // 16
    Text MarcaAlteS;    // 17
    Text MarcaInv1;     // 18
    Text MarcaInv2;     // 19
    Text Rezervat;      // 20, written empty
    Text DataAngajarii; // 21, dd/mm/yyyy or empty
    Text DataIncetarii; // 22
    std::array<Text, 12> CoefCalc; // 23-34, total coefficient by month
    std::array<Text, 12> CoefProp; // 35-46, own coefficient by month
    // 47-74: (net income, tax) for months 1 to 12, the holiday bonus, the total.
    std::array<Text, 14> VenitN;
    std::array<Text, 14> ImpC;
    Text Luni; // 75, months with professional expenses
    Text ChAc; // 76, professional expenses granted
    // 77-86: the regularisation lines, the form's Reg(IndiciRegStocati[k]).
    std::array<Text, 10> Reg;

    bool operator==(const RecordFf1Cu&) const = default;
};
using RecordFf1 = RecordFf1Cu<std::string>;
using RecordFf1Vazut = RecordFf1Cu<std::string_view>;

// One employee's Fisa 2, 48 fields.
template <class Text>
struct RecordFf2Cu {
    IdentitateAngajatCu<Text> id; // 1-13
    Text MarcaRectif;             // 14
    std::array<Text, 8> TipAS;    // 15-22, "X" for the income types AS1 to AS8
    // 23-48: (income, tax) for months 1 to 12, then the totals at index 12.
    std::array<Text, 13> VenitCS;
    std::array<Text, 13> ImpS;

    bool operator==(const RecordFf2Cu&) const = default;
};
using RecordFf2 = RecordFf2Cu<std::string>;
using RecordFf2Vazut = RecordFf2Cu<std::string_view>;

// One dependant of an employee, 22 fields.
template <class Text>
struct RecordDeduceriCu {
    Text CodAngajat;  // 1
    Text CodPersoana; // 2
    Text Nume;        // 3
    Text Prenume;     // 4
    // 5-10: spouse, child, other person, invalidity I, invalidity II, other situation.
    std::array<Text, 6> Marci;
    std::array<Text, 12> Coef; // 11-22, months 1 to 12

    bool operator==(const RecordDeduceriCu&) const = default;
};
using RecordDeduceri = RecordDeduceriCu<std::string>;
using RecordDeduceriVazut = RecordDeduceriCu<std::string_view>;

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

// The same cut without copying a field: views into the line.
LinieCitita<RecordFf1Vazut> vedeLinieFf1(std::string_view linie);
LinieCitita<RecordFf2Vazut> vedeLinieFf2(std::string_view linie);
LinieCitita<RecordDeduceriVazut> vedeLinieDeduceri(std::string_view linie);

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
