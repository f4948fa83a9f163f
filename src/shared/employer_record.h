#pragma once

// The employer's identification: the one line of "Repfisc.txt" (and of its
// yearly copy "Rep_" + year + ".txt").
//
// The employer's form binds its boxes to the process-wide record
// `AngajatorFisaI`: CodP to CodAngajator, DenP to Denumire, NumeP to Nume,
// PrenP to Prenume, AdrP(0) to Localitate, the county list JudP to Judet,
// AdrP(1..10) to Strada, Numar, CodPostal, Bloc, Scara, Etaj, Apartament,
// Sector, Telefon, EMail; and the kind label TipAng to `EtichetaTipAng`.

#include "shared/result.h"

#include <string>
#include <string_view>

namespace olm {

// The 17 fields, as text, in file order. Postal code and sector are numeric
// fields but are kept as typed.
struct RecordRepfisc {
    std::string CodAngajator; // fiscal code (up to 10 digits) or personal numeric code (13)
    std::string TipAngajator; // "1" fiscal code, "2" personal numeric code
    std::string Denumire;     // kind 1 only
    std::string Nume;         // kind 2 only
    std::string Prenume;      // kind 2 only
    std::string Localitate;
    std::string Judet;
    std::string Strada;
    std::string Numar;
    std::string CodPostal;
    std::string Bloc;
    std::string Scara;
    std::string Etaj;
    std::string Apartament;
    std::string Sector;
    std::string Telefon;
    std::string EMail;

    bool operator==(const RecordRepfisc&) const = default;
};

// A line cut into the record's fields by the separators of its layout. A line
// missing a separator gives the fields found so far, the rest empty.
RecordRepfisc citesteLinieRepfisc(std::string_view linie);
// The line of a record, every field written as it stands.
std::string linieRepfisc(const RecordRepfisc& r);

// What the employer's form shows.
extern RecordRepfisc AngajatorFisaI;
extern std::string EtichetaTipAng; // caption of the kind label beside the code

// Loads a line of the employer file into `AngajatorFisaI`, `TipAngajator`
// (1, 2, or 0 for any other kind text) and `JudetAngajator`. The county list
// of the form is selected by its caller from `JudetAngajator`.
void CitesteRepfisc(std::string_view linie);
// The same from the first line of "Repfisc.txt"; an empty or missing file
// changes nothing.
void CitesteRepfisc();

// The one line of the employer file built from `AngajatorFisaI`: the
// firm-name layout with the digit 1 when `TipAngajator` is 1, otherwise the
// surname/first-name layout with the digit 2. The boxes of the other kind are
// written empty.
std::string LinieRepfiscDeSalvat();
// Rewrites "Repfisc.txt" as that line, and the yearly copy of the working year
// in the same commit. A failure names its file; both then stay as they were.
Rezultat SalveazaRepfisc();

// Empties the employer's form and the employer variables: every box, the kind
// label, `TipAngajator`; `JudetAngajator` becomes " ", the blank first county.
// The county list itself is left as it is: it is selected again from
// `JudetAngajator` whenever the form opens.
void CurataFisaI();

} // namespace olm
