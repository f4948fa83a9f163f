#pragma once

// The start of a fiscal year from the sheets of the year before: the
// previous year's copies ("Rep_2001.txt", "FF1_2001.txt", "FF2_2001.txt",
// "Ded_2001.txt", in that year's layouts) become the four working files in
// the layouts of the current year. The employer is carried over; an employee
// still employed at the end of the previous year gets an empty Fisa 1 with
// his identity and coefficients 1; every Fisa 2 becomes an empty Fisa 2; the
// dependants of the employees who got a Fisa 1 are carried over with their
// quality taken again from their age and their coefficients from their
// invalidity marks. No amount of the previous year is carried over.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olm {

// The conversions of one line of the previous year's layout into the line of
// the current one. Nothing when the line is empty or does not have the shape
// of its layout.

// The employer: code, kind (2 for a code of 13 characters, else 1), the name
// and address fields as they stand, an empty telephone and e-mail.
std::optional<std::string> PreiaRepfisc2001(std::string_view linie);
// A Fisa 1 with the identity, no marks, no dates, every coefficient 1 and no
// amount; nothing also when the employee left before 31 December.
std::optional<std::string> PreiaFf12001(std::string_view linie);
// A Fisa 2 with the identity, no marks and no amount.
std::optional<std::string> PreiaFf22001(std::string_view linie);
// A dependant in the fiscal year `anFiscal`: a child is marked again by his
// age (a child below 18, child and other person at 18, other person above);
// the coefficient of every month is 1 with the grade II invalidity mark, 1.5
// with only the grade I mark, 0.5 without. A mark counts only when it reads
// "X" once trimmed and upper-cased; one that does not is written empty.
std::optional<std::string> PreiaDeduceri2001(std::string_view linie, int anFiscal);

struct RezultatPreluare {
    bool efectuata = false;
    std::int64_t ff1Citite = 0, ff1Scrise = 0;
    std::int64_t ff2Citite = 0, ff2Scrise = 0;
};

// The take-over. Refuses, with its message, when the previous year's
// employer copy is missing or empty (missing working files are then created
// empty); asks the clerk to go on; builds the four files (each sheet file in
// ascending order of its lines, one line per employee code, the dependants
// once per employee and dependant and only for employees who got a Fisa 1; a
// missing previous-year copy gives an empty file), replaces the working files
// and their yearly copies, and says how many sheets were read and written. A
// file that cannot be read or written is named in a message; when one cannot
// be read no working file changes. Touches no process-wide value.
RezultatPreluare PreiaAnulPrecedent();

} // namespace olm
