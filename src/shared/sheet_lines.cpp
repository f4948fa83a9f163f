#include "shared/sheet_lines.h"

#include "shared/number_text.h"

#include <algorithm>

namespace olm {

void TextFoaie::goleste() {
    octeti_.clear();
    sfarsituri_.clear();
}

void TextFoaie::adauga(std::string_view text) { octeti_ += text; }

void TextFoaie::blancuri(std::size_t cate) { octeti_.append(cate, ' '); }

void TextFoaie::laDreapta(std::string_view text, std::size_t latime) {
    if (text.size() < latime) {
        blancuri(latime - text.size());
    }
    adauga(text);
}

void TextFoaie::laStanga(std::string_view text, std::size_t latime) {
    adauga(text);
    if (text.size() < latime) {
        blancuri(latime - text.size());
    }
}

void TextFoaie::suma(std::string_view text, std::size_t latime) {
    suma_.clear();
    AdaugaFormatMii(suma_, text);
    laDreapta(suma_, latime);
}

void TextFoaie::gataLinia() {
    octeti_ += "\r\n";
    sfarsituri_.push_back(octeti_.size());
}

std::string_view TextFoaie::octeti(std::size_t prima, std::size_t cate) const {
    const std::size_t ultima = std::min(prima + cate, numarLinii());
    if (prima >= ultima) {
        return {};
    }
    const std::size_t inceput = inceputLinie(prima);
    return std::string_view(octeti_).substr(inceput, sfarsituri_[ultima - 1] - inceput);
}

std::vector<std::string> TextFoaie::linii() const {
    std::vector<std::string> l;
    l.reserve(numarLinii());
    for (std::size_t i = 0; i < numarLinii(); ++i) {
        const std::size_t inceput = inceputLinie(i);
        l.emplace_back(octeti_, inceput, sfarsituri_[i] - inceput - 2); // without CR LF
    }
    return l;
}

} // namespace olm
