#pragma once

// The texts that every printed sheet and listing header shares: a value cut
// into lines under its label, and the address written on one line.

#include <string>
#include <vector>

namespace olm {

// A value after its 16-character label, cut into pieces of 63 characters;
// every further piece on a line of its own after 16 blanks. A value whose
// length is a multiple of 63 ends with a line of blanks alone: the block keeps
// the number of lines the printed forms were laid out for.
void adaugaBucati(std::vector<std::string>& linii, const std::string& eticheta, const std::string& valoare);

// The parts of an address, as the identification forms and the records hold them.
struct PartiAdresa {
    std::string localitate, judet, strada, numar, codPostal, bloc, scara, etaj, apartament, sector;
};

// How the postal code and the sector are judged present: the employer's by
// their value (a "0" is left out), the employee's by their text.
enum class CodPrezent { DupaValoare, DupaText };

// "locality,jud.county,str.street,nr.number" (no county for BUCURESTI, the
// street and the number always), then, each when present, ",cod postal ",
// ",bl.", ",sc.", ",et.", ",ap." and ",sect." with their values.
std::string TextAdresa(const PartiAdresa& a, CodPrezent regula);

} // namespace olm
