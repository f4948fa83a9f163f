#pragma once

// The lines of printed sheets as they are written: one block of bytes, each
// line ending in CR LF as in the listing file. A listing writes many sheets
// one after another into it before they go to the file, so that its memory
// is taken once and no line becomes a string of its own; a sheet's form
// takes the lines of its one sheet.
//
// The printer starts a new page every 65 lines, so every sheet of a listing
// fills whole pages: its lines are counted, and blank lines (not counted)
// fill its last page, so that the next sheet starts on a page of its own.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// Lines of a printed page.
inline constexpr int LungPagina = 65;

class TextFoaie {
public:
    // Empties it, keeping its memory.
    void goleste();

    // Starts a sheet after the text already written: its lines are counted
    // from here. Every time the count reaches a whole page, the lines of
    // `antetPagina` (each ending in CR LF; none by default) follow, counted
    // too.
    void incepeFoaia(std::string_view antetPagina = {});
    // Fills the last page of the sheet with empty lines, which are not
    // counted, and returns the sheet's count. A sheet without lines stays
    // empty.
    int incheieFoaia();

    // Pieces of the line being written. Defined here, as a sheet asks for
    // them hundreds of times: the compiler copies a fixed text in place.
    void adauga(std::string_view text) { octeti_ += text; }
    void blancuri(std::size_t cate) { octeti_.append(cate, ' '); }
    // A text right-aligned in a column of `latime` characters; a text wider
    // than its column is written whole rather than cut.
    void laDreapta(std::string_view text, std::size_t latime);
    // A text filled with blanks on its right to `latime` characters.
    void laStanga(std::string_view text, std::size_t latime);
    // An amount grouped by thousands (FormatMii), right-aligned as above; an
    // empty amount leaves its column blank.
    void suma(std::string_view text, std::size_t latime);

    // Ends the line being written.
    void gataLinia() {
        octeti_ += "\r\n";
        ++numarate_;
        if (liniiAntet_ != 0 && numarate_ % LungPagina == 0) {
            adaugaAntetPagina();
        }
    }
    // A whole line made of the pieces given, one after another.
    template <class... Piese>
    void linie(const Piese&... piese) {
        (adauga(piese), ...);
        gataLinia();
    }

    // The lines counted since the sheet began.
    std::size_t numarLinii() const { return numarate_; }
    // Everything written, every line with its CR LF.
    std::string_view octeti() const { return octeti_; }
    // The lines written, without their ends (cut at every CR LF).
    std::vector<std::string> linii() const;

private:
    void adaugaAntetPagina();

    std::string octeti_;
    std::size_t numarate_ = 0;
    std::string antetPagina_;    // the lines at the top of every further page
    std::size_t liniiAntet_ = 0; // how many they are
    std::string suma_;           // an amount being grouped, before it takes its column
};

} // namespace olm
