#pragma once

// The texts that every printed sheet and listing header shares: a value cut
// into lines under its label, and the address written on one line.

#include "shared/sheet_lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace olm {

// A value after its 16-character label, cut into pieces of 63 characters;
// every further piece on a line of its own after 16 blanks. A value whose
// length is a multiple of 63 ends with a line of blanks alone: the block keeps
// the number of lines the printed forms were laid out for.
void adaugaBucati(TextFoaie& text, std::string_view eticheta, std::string_view valoare);
void adaugaBucati(std::vector<std::string>& linii, std::string_view eticheta, std::string_view valoare);

// The parts of an address, as the identification forms and the records hold
// them: views of their texts, which outlive the address made of them.
struct PartiAdresa {
    std::string_view localitate, judet, strada, numar, codPostal, bloc, scara, etaj, apartament, sector;
};

// How the postal code and the sector are judged present: the employer's by
// their value (a "0" is left out), the employee's by their text.
enum class CodPrezent { DupaValoare, DupaText };

// "locality,jud.county,str.street,nr.number" (no county for BUCURESTI, the
// street and the number always), then, each when present, ",cod postal ",
// ",bl.", ",sc.", ",et.", ",ap." and ",sect." with their values.
std::string TextAdresa(const PartiAdresa& a, CodPrezent regula);
// The same text appended to `text`.
void AdaugaAdresa(std::string& text, const PartiAdresa& a, CodPrezent regula);

// A text right-aligned in a column of `latime` characters; a text wider than
// its column is written whole rather than cut.
std::string laDreapta(std::string_view text, std::size_t latime);
// A label filled with blanks on its right to `latime` characters.
std::string laStanga(std::string_view text, std::size_t latime);

// The rule between the sections of a printed sheet: 80 underscores.
const std::string& Rigla();

// "DA" for a ticked mark, "NU" otherwise.
std::string_view DaNu(bool marcat);

// The first line of a sheet, by the copy kind (trimmed, compared in upper
// case): "(copie pentru angajat)", "(original pentru angajator)",
// "(copie pentru unitatea fiscala)", the kind written as given. Any other kind
// gives an empty line, which still takes its place on the page.
std::string LinieExemplar(std::string_view tipExemplar);

// A month row of a sheet: the label, then the income and the tax grouped by
// thousands, right-aligned in 20 and 25 characters. An empty amount leaves
// its column blank.
void RandSume(TextFoaie& text, std::string_view eticheta, std::string_view venit, std::string_view impozit);

// What the Fisa 1 and the Fisa 2 print alike: the head, the employer and the
// employee, the signer.
struct CapFoaie {
    std::string linieExemplar; // the first line (LinieExemplar)
    std::string an;            // the fiscal year
    bool rectificativa = false;
    std::vector<std::string> antetAngajator; // the employer's block
    // The employee: his code is a view of the record line or of the form's
    // box the sheet is made from, which outlive it; his name and address are
    // put together for the sheet.
    std::string_view cod;
    std::string numePrenume, adresa;
    std::string semnatar, functie; // printed as given
};

// Sections I and II: the employer's block and the employee's code, name and
// address, each section under its title between rules.
void adaugaIdentificare(TextFoaie& text, const CapFoaie& cap);

// The signer's name and function after their labels ("Nume, prenume  ",
// "Functia  "), written as given, and the line for the signature and the
// stamp: the close of every sheet and listing.
void adaugaSemnatura(TextFoaie& text, std::string_view nume, std::string_view functie);
void adaugaSemnatura(std::vector<std::string>& linii, std::string_view nume, std::string_view functie);

// The employer's declaration that closes every sheet: the two lines of the
// declaration, the signer's name and function after their labels, and the
// line for the signature and the stamp.
void adaugaDeclaratie(TextFoaie& text, std::string_view nume, std::string_view functie);

} // namespace olm
