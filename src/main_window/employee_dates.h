#pragma once

// The dates of hiring and leaving on the employee's form. They are typed
// day first with "/", "." or "-" between day, month and year (one or two
// digits for the day and the month, two or four for the year) and kept as
// dd/mm/yyyy; an empty date means the whole year from 1 January or to
// 31 December. Parsed by our own code, never through the locale.

#include <optional>
#include <string>
#include <string_view>

namespace olm {

struct Data {
    int zi = 0;
    int luna = 0;
    int an = 0;

    auto operator<=>(const Data& o) const {
        if (an != o.an) {
            return an <=> o.an;
        }
        if (luna != o.luna) {
            return luna <=> o.luna;
        }
        return zi <=> o.zi;
    }
    bool operator==(const Data&) const = default;
};

// The date a text stands for, or nothing when it is no date of the calendar.
// A two-digit year is completed as the system does: 00-29 in 2000-2029,
// 30-99 in 1930-1999.
std::optional<Data> CitesteData(std::string_view text);

// "05/03/2002".
std::string ScrieData(const Data& d);

// A date box's text as it is kept: trimmed; the blank forms "--", "..", "//",
// "-  -", ".  ." and "/  /" become empty; a date becomes dd/mm/yyyy; any other
// text stays as typed.
std::string NormalizeazaData(std::string_view text);

// The outcome of leaving a date box.
struct VerificareData {
    std::string text;  // what the box holds afterwards
    std::string mesaj; // the message to show (OK only, no icon, empty title); empty when none
    bool eroare() const { return !mesaj.empty(); }
};

// Leaving the hiring box (`incetare` false) or the leaving box (true), given
// the other box's text and the fiscal year. At most one of three faults is
// told: no date, a year other than the fiscal one, a leaving date before the
// hiring date; the box is then emptied (and takes the focus back).
VerificareData VerificaDataAngajat(bool incetare, std::string_view text, std::string_view celalalt,
                                   int anFiscal);

} // namespace olm
