#include "shared/record_line.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace olm {

namespace {

constexpr TipCamp N = TipCamp::Numeric;
constexpr TipCamp T = TipCamp::Text;

// Code, kind, firm name, surname, first name, locality, county, street,
// number, postal code, block, staircase, floor, flat, sector, telephone, e-mail.
constexpr std::array<TipCamp, 17> Repfisc{N, N, T, T, T, T, T, T, T, N, T, T, T, T, N, T, T};

// Code, surname, first name, address (locality, county, street, number,
// postal code, block, staircase, floor, flat, sector): shared by both sheets.
constexpr std::array<TipCamp, 13> Identitate{N, T, T, T, T, T, T, N, T, T, T, T, N};

template <std::size_t Marci, std::size_t Numerice>
constexpr auto foaie() {
    std::array<TipCamp, 13 + Marci + Numerice> a{};
    std::size_t i = 0;
    for (TipCamp k : Identitate) {
        a[i++] = k;
    }
    for (std::size_t m = 0; m < Marci; ++m) {
        a[i++] = T;
    }
    for (std::size_t m = 0; m < Numerice; ++m) {
        a[i++] = N;
    }
    return a;
}

// Fisa 1: identity, six marks and the reserved text field (14-20), then the
// dates, coefficients, amounts and regularisation lines (21-86).
constexpr auto Ff1 = foaie<7, 66>();
// Fisa 2: identity, the corrective mark and the eight income-type marks
// (14-22), then the monthly pairs and the totals (23-48).
constexpr auto Ff2 = foaie<9, 26>();

// Employee's code, dependant's code, surname, first name, six marks, twelve
// coefficients.
constexpr auto Deduceri = [] {
    std::array<TipCamp, 22> a{};
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = (i >= 2 && i <= 9) ? T : N;
    }
    return a;
}();

static_assert(Ff1.size() == 86 && Ff2.size() == 48);

} // namespace

StructuraRecord structuraRepfisc() { return Repfisc; }
StructuraRecord structuraFf1() { return Ff1; }
StructuraRecord structuraFf2() { return Ff2; }
StructuraRecord structuraDeduceri() { return Deduceri; }

std::string_view separatorDupa(StructuraRecord structura, std::size_t index) {
    const bool text = structura[index] == TipCamp::Text;
    if (index + 1 >= structura.size()) {
        return text ? "#" : "";
    }
    const bool urmText = structura[index + 1] == TipCamp::Text;
    if (text) {
        return urmText ? "#,#" : "#,";
    }
    return urmText ? ",#" : ",";
}

namespace {

// The next place of a separator from p on. Fields are short: a plain walk
// beats a library search started for every field.
std::size_t gasesteSeparator(std::string_view linie, std::string_view sep, std::size_t p) {
    const char* d = linie.data();
    const std::size_t n = linie.size();
    for (std::size_t q = p; q < n; ++q) {
        if (d[q] != sep[0]) {
            continue;
        }
        std::size_t k = 1;
        while (k < sep.size() && q + k < n && d[q + k] == sep[k]) {
            ++k;
        }
        if (k == sep.size()) {
            return q;
        }
    }
    return std::string_view::npos;
}

} // namespace

CampuriVazute taieCampuriVazute(std::string_view linie, StructuraRecord structura, std::size_t cate) {
    CampuriVazute rez;
    const std::size_t n = std::min(cate, structura.size());
    if (n > CampuriVazute::Maxim) {
        throw std::invalid_argument("record line: " + std::to_string(n) + " fields cut at once");
    }
    auto adauga = [&rez](std::string_view camp) { rez.campuri[rez.numar++] = camp; };

    std::size_t p = 0;
    // A record that begins with a text field opens the line with its "#".
    if (!structura.empty() && structura[0] == TipCamp::Text && linie.starts_with('#')) {
        p = 1;
    }
    const std::string_view rest = linie.substr(linie.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!rez.complet) {
            adauga(rest);
            continue;
        }
        const std::string_view sep = separatorDupa(structura, i);
        if (sep.empty()) {
            adauga(linie.substr(std::min(p, linie.size())));
            p = linie.size();
            continue;
        }
        const std::size_t q = p <= linie.size() ? gasesteSeparator(linie, sep, p) : std::string_view::npos;
        if (q == std::string_view::npos) {
            adauga(linie.substr(std::min(p, linie.size())));
            rez.complet = false;
            continue;
        }
        adauga(linie.substr(p, q - p));
        p = q + sep.size();
    }
    return rez;
}

CampuriTaiate taieCampuri(std::string_view linie, StructuraRecord structura, std::size_t cate) {
    const CampuriVazute v = taieCampuriVazute(linie, structura, cate);
    CampuriTaiate rez;
    rez.complet = v.complet;
    rez.campuri.assign(v.campuri.begin(), v.campuri.begin() + static_cast<std::ptrdiff_t>(v.numar));
    return rez;
}

std::string unesteCampuri(const std::vector<std::string>& campuri, StructuraRecord structura) {
    if (campuri.size() != structura.size()) {
        throw std::invalid_argument("record line: " + std::to_string(campuri.size()) +
                                    " values for " + std::to_string(structura.size()) +
                                    " fields");
    }
    std::size_t lungime = 1;
    for (const auto& c : campuri) {
        lungime += c.size() + 3;
    }
    std::string linie;
    linie.reserve(lungime);
    if (!structura.empty() && structura[0] == TipCamp::Text) {
        linie += '#';
    }
    for (std::size_t i = 0; i < campuri.size(); ++i) {
        linie += campuri[i];
        linie += separatorDupa(structura, i);
    }
    return linie;
}

std::string_view fataBlancuri(std::string_view text) {
    const auto inceput = text.find_first_not_of(' ');
    if (inceput == std::string_view::npos) {
        return {};
    }
    const auto sfarsit = text.find_last_not_of(' ');
    return text.substr(inceput, sfarsit - inceput + 1);
}

std::string majuscule(std::string_view text) {
    std::string rez(text);
    for (char& c : rez) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return rez;
}

bool esteMarcat(std::string_view camp) {
    const auto t = fataBlancuri(camp);
    return t.size() == 1 && (t[0] == 'X' || t[0] == 'x');
}

} // namespace olm
