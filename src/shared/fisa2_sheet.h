#pragma once

// The printed Fisa 2: one sheet of 80 columns, as the Fisa 2 form's image and
// the Fisa 2 listing write it. The callers gather the values (from the
// windows or from a record); the layout is here once.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace olm {

struct FoaieFisa2 {
    std::optional<std::string> exemplar; // the copy line ("(copie pentru angajat)"); none: no line
    int anFiscal = 0;
    bool rectificativa = false;
    std::vector<std::string> antetAngajator; // the employer's block (listing_header.h)
    std::string codAngajat;
    std::string numePrenume;
    std::string domiciliu; // the address text (sheet_text.h)
    std::array<bool, 8> tipuri{}; // income types AS1 to AS8
    // Months 1 to 12, the total at 12, as they are to be printed (an empty
    // text leaves its column blank); grouped by thousands here.
    std::array<std::string, 13> venit;
    std::array<std::string, 13> impozit;
    std::string semnatarNume;    // after "Nume, prenume  "
    std::string semnatarFunctie; // after "Functia  "
};

// The sheet's lines, top to bottom: 49 when the name and the address take one
// line each and the employer's block five; no page filling.
std::vector<std::string> liniiFisa2(const FoaieFisa2& f);

// The type line's list for the income types ticked: " AS1 AS4".
std::string tipuriVenit(const std::array<bool, 8>& tipuri);

} // namespace olm
