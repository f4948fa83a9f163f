#include "main_window/sorted_copies.h"

#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/record_line.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace olm {

namespace files = platform::files;

namespace {

constexpr std::string_view Separator = "$$";
constexpr char Final = '@';

// One sort item: the name key, "$$", the whole line, "@". The line is found
// again by its place in the item, so a line holding "$$" or "@" comes out
// whole.
struct Element {
    std::string text;
    std::uint32_t lungimeCheie;

    std::string_view linie() const {
        return std::string_view(text).substr(lungimeCheie + Separator.size(),
                                             text.size() - lungimeCheie - Separator.size() - 1);
    }
};

// Surname, a blank, first name: the record's second and third fields, which
// are text fields in both sheet files. A line without them has an empty key.
std::string cheie(std::string_view linie) {
    const auto c = taieCampuri(linie, structuraFf1(), 3);
    if (!c.complet) {
        return {};
    }
    return c.campuri[1] + " " + c.campuri[2];
}

unsigned char mica(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// The whole item text compared without regard to case.
bool inainte(const Element& a, const Element& b) {
    const std::size_t n = std::min(a.text.size(), b.text.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = mica(a.text[i]);
        const unsigned char y = mica(b.text[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.text.size() < b.text.size();
}

} // namespace

void SorteazaAlfabetic(const std::string& intrare, const std::string& iesire) {
    std::vector<Element> elemente;
    {
        files::LineReader cititor(intrare);
        std::string linie;
        while (cititor.next(linie)) {
            std::string text = cheie(linie);
            const auto lungimeCheie = static_cast<std::uint32_t>(text.size());
            text.reserve(text.size() + Separator.size() + linie.size() + 1);
            text += Separator;
            text += linie;
            text += Final;
            elemente.push_back({std::move(text), lungimeCheie});
        }
    }
    std::stable_sort(elemente.begin(), elemente.end(), inainte);

    files::AtomicWriter scriitor(iesire);
    for (const auto& e : elemente) {
        scriitor.writeLine(std::string(e.linie()));
    }
    scriitor.commit();
}

void ActualizeazaCopiiSortate(bool bifat) {
    try {
        files::remove("ff1_sort1.txt");
        files::remove("ff2_sort1.txt");
        if (!bifat) {
            return;
        }
        if (files::exists("ff1.txt")) {
            SorteazaAlfabetic("ff1.txt", "ff1_sort1.txt");
        }
        if (files::exists("ff2.txt")) {
            SorteazaAlfabetic("ff2.txt", "ff2_sort1.txt");
        }
    } catch (const platform::FileError& e) {
        // Half a pair of copies would mix sorted and unsorted listings.
        try {
            files::remove("ff1_sort1.txt");
            files::remove("ff2_sort1.txt");
        } catch (const platform::FileError&) {
        }
        platform::showMessage("Eroare " + std::to_string(e.number()) + ".", "",
                              platform::Icon::Exclamation);
    }
}

} // namespace olm
