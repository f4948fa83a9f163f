#pragma once

// The shape of a record line. A record line is its first field bare, then for
// every further field a "," and the field, a text field enclosed in "#". Its
// skeleton is the sequence of its "," and "#" characters with the commas
// inside a text field left out: nothing for a bare first field, ",##" for a
// text field and "," for a numeric field after it. Each record kind and year
// has its own skeleton, the template below.

#include <cstddef>
#include <string>
#include <string_view>

namespace olm {

namespace detail {
constexpr std::size_t campuri(std::string_view sablon) {
    std::size_t n = 1;
    for (char c : sablon) {
        n += c == ',';
    }
    return n;
}
} // namespace detail

// Employer: 17 fields, the kind bare (field 2).
inline constexpr std::string_view SablonRepfisc = ",,##,##,##,##,##,##,##,,##,##,##,##,,##,##";
// Employer, earlier form of the current year: the kind written as a text field.
inline constexpr std::string_view SablonRepfiscVechi = ",##,##,##,##,##,##,##,##,,##,##,##,##,,##,##";
// Employer, previous year: 16 fields.
inline constexpr std::string_view SablonRepfisc2001 = ",##,##,##,##,##,##,##,##,##,,##,##,##,##,";
// Fisa 1: 86 fields, text fields 2-7, 9-12, 14-20, then 66 numeric fields.
inline constexpr std::string_view SablonFf1 =
    ",##,##,##,##,##,##,,##,##,##,##,,##,##,##,##,##,##,##"
    ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";
// Fisa 1, previous year: 119 fields, text fields 2-7, 9-12, 14-15, 30-31.
inline constexpr std::string_view SablonFf12001 =
    ",##,##,##,##,##,##,,##,##,##,##,,##,##,,,,,,,,,,,,,,,##,##"
    ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";
// Fisa 2: 48 fields, text fields 2-7, 9-12, 14-22, then 26 numeric fields.
inline constexpr std::string_view SablonFf2 =
    ",##,##,##,##,##,##,,##,##,##,##,,##,##,##,##,##,##,##,##,##"
    ",,,,,,,,,,,,,,,,,,,,,,,,,,";
// Fisa 2, previous year: 48 fields, text fields 2-7, 9-12, 16-22.
inline constexpr std::string_view SablonFf22001 =
    ",##,##,##,##,##,##,,##,##,##,##,,,,##,##,##,##,##,##,##,,,,,,,,,,,,,,,,,,,,,,,,,,";
// Dependant: 22 fields, text fields 3-10.
inline constexpr std::string_view SablonDeduceri = ",,##,##,##,##,##,##,##,##,,,,,,,,,,,,";
// Dependant, previous year: 21 fields, text fields 3-9.
inline constexpr std::string_view SablonDeduceri2001 = ",,##,##,##,##,##,##,##,,,,,,,,,,,,";

static_assert(detail::campuri(SablonRepfisc) == 17);
static_assert(detail::campuri(SablonRepfiscVechi) == 17);
static_assert(detail::campuri(SablonRepfisc2001) == 16);
static_assert(detail::campuri(SablonFf1) == 86);
static_assert(detail::campuri(SablonFf12001) == 119);
static_assert(detail::campuri(SablonFf2) == 48);
static_assert(detail::campuri(SablonFf22001) == 48);
static_assert(detail::campuri(SablonDeduceri) == 22);
static_assert(detail::campuri(SablonDeduceri2001) == 21);

// The skeleton of a record line. The whole line is walked: a "?" inside a
// text field is an ordinary character.
std::string ScheletInregistrare(std::string_view linie);

// True when the skeleton of the line equals the template exactly.
bool VerificaStructura(std::string_view linie, std::string_view sablon);

} // namespace olm
