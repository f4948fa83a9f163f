#pragma once

// The rules of the employer's and the employee's address boxes, and of the
// employer's code, apart from the widgets.

#include <string>
#include <string_view>

namespace olm {

// A box kept as a number (postal code, sector, the employee's code): the
// decimal writing of the text's value; leading zeros are lost and a text
// without a number becomes "0".
std::string ValoareCaText(std::string_view text);

// The sector after any address box was left: emptied when its value is above
// 6 or when the locality is not exactly "BUCURESTI" (as stored: case and
// blanks count); otherwise as it stands.
std::string SectorPastrat(std::string_view sector, std::string_view localitate);

// The locality names the capital for the Enter chain: "BUCURESTI" once
// upper-cased (the employee's form also trims it).
bool EsteCapitala(std::string_view localitate, bool faraBlancuri);

// The employer's kind by the code: 1 a valid fiscal code (an empty code
// counts as one), 2 a valid personal numeric code, 0 neither.
int TipCodAngajator(std::string_view cod);

// The kind label beside the employer's code.
inline constexpr std::string_view EtichetaTip1 = "1 - CF/cod unic de inregistrare";
inline constexpr std::string_view EtichetaTip2 = "2 - CNP/nr.de identificare fiscala";

} // namespace olm
