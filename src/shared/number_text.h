#pragma once

// Numbers kept as text. Amounts and coefficients are typed, stored and shown
// as text with "." as the decimal point, whatever the system's own separator;
// these are the only routines that turn text into numbers and back. Nothing
// here depends on the locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace olm {

// The value of a text: blanks, tabs and line feeds are skipped wherever they
// stand; an optional sign, digits, one "." and an optional exponent (E or D)
// are taken; the first other character ends the number. "1 500" is 1500,
// "12,5" is 12, "" and "abc" are 0. A value no double can hold reads as 0.
double ValoareText(std::string_view text);

// Whether a text is a number as a whole: an optional sign, digits with at
// most one "." and an optional exponent (E or D, a sign, digits), nothing
// else. "16O0000", "1.800.000", "l" and " 1" are not.
bool EsteNumar(std::string_view text);
// Whether a field of a parameter file is a number: blanks around it allowed,
// and an empty field, or one of blanks only, is one (it reads as 0). A number
// too large for a double ("1e400") is not; one too small for it ("1e-400")
// is, and reads as 0.
bool CampNumeric(std::string_view camp);

// A number as text: at most 15 significant digits in the shortest form, "."
// as decimal point, no grouping, no leading blank, "0.5" not ".5", and "0"
// for minus zero.
std::string TextNumar(double x);
// The same text appended to a line being built.
void AdaugaTextNumar(std::string& text, double x);
// The most bytes that text takes ("-1.23456789012345e-308" and room to spare).
inline constexpr std::size_t LungimeMaximaTextNumar = 32;
// The same text written at p, which has room for LungimeMaximaTextNumar
// bytes; returns its end.
char* ScrieTextNumar(char* p, double x);

// Rounds to whole lei, half to even: 12.5 gives 12, 13.5 gives 14.
double RotunjireLei(double x);

// The value of a text after every "," became ".", written as number text:
// "1,5" gives "1.5", "" gives "0".
std::string NormNumar(std::string_view x);

// The value of a text after every "," became ".": "1,5" gives 1.5.
double ValNumar(std::string_view x);

// The value of a text as it stands (a "," ends the number), written as
// number text: "1,5" gives "1".
std::string TextNumar(std::string_view x);

// A text with every "," replaced by "."; no value is taken ("a,b" gives "a.b").
std::string VirgulaPunct(std::string_view x);
// A number as number text.
std::string VirgulaPunct(double x);

// An amount with the digits of its whole part grouped by three from the
// right, groups joined by ".": "1234567" gives "1.234.567". A negative amount
// gets "-" in front of its grouped magnitude; decimals stay after the whole
// part ("1234.5" gives "1.234.5"); the empty text gives the empty text.
std::string FormatMii(std::string_view x);
// The same text appended to a line being built.
void AdaugaFormatMii(std::string& text, std::string_view x);
std::string FormatMii(double x);
// A whole amount of lei grouped the same way, exact for every 64-bit value.
std::string FormatMii(std::int64_t x);

// The value of a text in whole lei (rounded half to even) as an exact 64-bit
// integer, so that the totals of a listing lose no leu however many amounts
// they add up; a value beyond 64 bits stops at the nearest limit.
std::int64_t LeiIntregi(std::string_view x);
// a + b in whole lei, stopped at the limits of 64 bits instead of wrapping
// round into a wrong total.
std::int64_t AdunaLei(std::int64_t a, std::int64_t b);

} // namespace olm
