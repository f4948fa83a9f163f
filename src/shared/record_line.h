#pragma once

// The lines of the four data files ("Repfisc.txt", "FF1.txt", "FF2.txt",
// "Deduceri.txt"): one record a line, fields in a fixed order, text fields
// between "#" marks, numeric fields bare, "," between fields, nothing escaped.
//
// Whether a field is text or numeric is fixed by its position, so the string
// that ends a field is known from the kinds of the field and of the next one:
//   numeric, numeric  ","      numeric, text  ",#"
//   text, text        "#,#"    text, numeric  "#,"
// and after the last field "#" when it is a text, nothing when it is numeric.
// A line is cut by searching those strings in order, never by splitting on
// ",": a text field may hold ",". A text holding one of the strings ends its
// field early; that is the price of a format without escapes.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

enum class TipCamp { Numeric, Text };

// The field kinds of a record, in field order.
using StructuraRecord = std::span<const TipCamp>;

StructuraRecord structuraRepfisc();  // 17 fields
StructuraRecord structuraFf1();      // 86 fields
StructuraRecord structuraFf2();      // 48 fields
StructuraRecord structuraDeduceri(); // 22 fields

// The string that ends field `index` (0-based) of a record.
std::string_view separatorDupa(StructuraRecord structura, std::size_t index);

struct CampuriTaiate {
    std::vector<std::string> campuri;
    // false when a separator the layout asks for was not found: the field
    // being cut took the rest of the line and the later ones are empty.
    bool complet = true;
};

// Cuts the first `cate` fields of a line (all of them when `cate` is larger
// than the record). The last field of the record is the rest of the line when
// it is numeric, the text up to the next "#" when it is a text. Never reads
// past the line.
CampuriTaiate taieCampuri(std::string_view linie, StructuraRecord structura,
                          std::size_t cate = static_cast<std::size_t>(-1));

// The same cut as views into the line, for readers that go through many
// lines and keep nothing of them: no field is copied and nothing is
// allocated. Fields 0 to numar - 1 are set (the widest record has 119).
struct CampuriVazute {
    static constexpr std::size_t Maxim = 128;
    std::array<std::string_view, Maxim> campuri;
    std::size_t numar = 0;
    bool complet = true;
};
CampuriVazute taieCampuriVazute(std::string_view linie, StructuraRecord structura,
                                std::size_t cate = static_cast<std::size_t>(-1));

// Joins one value per field into a line (without its line end). The values
// are written as they stand, but for a CR or LF, and a "#" inside a text
// field, each of which becomes a blank: a record is one line with all its
// fields whatever reached them. Throws std::invalid_argument when the number
// of values is not the number of fields.
std::string unesteCampuri(const std::vector<std::string>& campuri, StructuraRecord structura);

// Turns every CR and LF of the text, from position `de` on, into a blank.
void faraRupturiDeRand(std::string& text, std::size_t de = 0);

// A mark read back: "X" once trimmed of blanks and upper-cased, so " x " counts.
bool esteMarcat(std::string_view camp);

// Blanks trimmed at both ends (blanks only, not tabs).
std::string_view fataBlancuri(std::string_view text);
// ASCII upper case; other bytes unchanged.
std::string majuscule(std::string_view text);

} // namespace olm
