#include "shared/sheet_lines.h"

#include "shared/number_text.h"

namespace olm {

namespace {

constexpr std::string_view SfarsitLinie = "\r\n";

} // namespace

void TextFoaie::goleste() {
    octeti_.clear();
    numarate_ = 0;
}

void TextFoaie::incepeFoaia(std::string_view antetPagina) {
    numarate_ = 0;
    antetPagina_ = antetPagina;
    liniiAntet_ = 0;
    for (std::size_t p = antetPagina.find(SfarsitLinie); p != std::string_view::npos;
         p = antetPagina.find(SfarsitLinie, p + SfarsitLinie.size())) {
        ++liniiAntet_;
    }
}

int TextFoaie::incheieFoaia() {
    const std::size_t rest = numarate_ % LungPagina;
    if (rest != 0) {
        for (std::size_t i = rest; i < LungPagina; ++i) {
            octeti_ += SfarsitLinie;
        }
    }
    return static_cast<int>(numarate_);
}

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

void TextFoaie::adaugaAntetPagina() {
    octeti_ += antetPagina_;
    numarate_ += liniiAntet_;
}

std::vector<std::string> TextFoaie::linii() const {
    std::vector<std::string> l;
    const std::string_view text = octeti_;
    for (std::size_t p = 0, q; (q = text.find(SfarsitLinie, p)) != std::string_view::npos; p = q + 2) {
        l.emplace_back(text.substr(p, q - p));
    }
    return l;
}

} // namespace olm
