#pragma once

// The lines of a printed sheet as they are written: one block of bytes, each
// line ending in CR LF as in the listing file, and the places where the lines
// end. A listing writes sheet after sheet into the same object, so that its
// memory is taken once and no line becomes a string of its own; the sheet
// forms take its lines.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

class TextFoaie {
public:
    // Empties it for the next sheet, keeping its memory.
    void goleste();

    // Pieces of the line being written.
    void adauga(std::string_view text);
    void blancuri(std::size_t cate);
    // A text right-aligned in a column of `latime` characters; a text wider
    // than its column is written whole rather than cut.
    void laDreapta(std::string_view text, std::size_t latime);
    // A text filled with blanks on its right to `latime` characters.
    void laStanga(std::string_view text, std::size_t latime);
    // An amount grouped by thousands (FormatMii), right-aligned as above; an
    // empty amount leaves its column blank.
    void suma(std::string_view text, std::size_t latime);

    // Ends the line being written.
    void gataLinia();
    // A whole line made of the pieces given, one after another.
    template <class... Piese>
    void linie(const Piese&... piese) {
        (adauga(piese), ...);
        gataLinia();
    }

    std::size_t numarLinii() const { return sfarsituri_.size(); }
    // The bytes of the lines from `prima`, `cate` of them (fewer at the end),
    // each with its CR LF.
    std::string_view octeti(std::size_t prima, std::size_t cate) const;
    // The lines written, without their ends.
    std::vector<std::string> linii() const;

private:
    std::size_t inceputLinie(std::size_t i) const { return i == 0 ? 0 : sfarsituri_[i - 1]; }

    std::string octeti_;
    std::vector<std::size_t> sfarsituri_; // where each line ends, after its CR LF
    std::string suma_; // an amount being grouped, before it takes its column
};

} // namespace olm
