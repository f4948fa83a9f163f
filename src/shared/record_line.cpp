#include "shared/record_line.h"

#include "shared/byte_scan.h"

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

namespace {

// What ends field `index`: see the table in the header. Inline here, as the
// cut asks for it once a field.
inline std::string_view separator(StructuraRecord structura, std::size_t index) {
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

// The next place of a separator from p on.
std::size_t gasesteSeparator(std::string_view linie, std::string_view sep, std::size_t p) {
    for (;;) {
        const std::size_t q = detail::gasesteOctet(linie, p, sep[0]);
        if (q == std::string_view::npos) {
            return q;
        }
        // A separator has one to three bytes: the others compared in place.
        const bool intreg = q + sep.size() <= linie.size() && (sep.size() < 2 || linie[q + 1] == sep[1]) &&
                            (sep.size() < 3 || linie[q + 2] == sep[2]);
        if (intreg) {
            return q;
        }
        p = q + 1;
    }
}

// Cuts up to `cate` fields ended each by ",", from p on, into `campuri`:
// every "," of the line ends the next field, and the commas are found eight
// bytes at a time (the long runs of amounts are most of a line). Returns how
// many were cut, fewer when the line ended first; p is then the start of the
// field left open.
std::size_t taieVirgule(std::string_view linie, std::size_t& p, std::string_view* campuri, std::size_t cate) {
    std::size_t k = 0;
    if (cate != 0) {
        detail::pentruFiecareLoc(linie, p, ',', ',', [&](std::size_t q) {
            campuri[k++] = std::string_view(linie.data() + p, q - p); // p <= q, both in the line
            p = q + 1;
            return k < cate;
        });
    }
    return k;
}

} // namespace

std::string_view separatorDupa(StructuraRecord structura, std::size_t index) { return separator(structura, index); }

CampuriVazute taieCampuriVazute(std::string_view linie, StructuraRecord structura, std::size_t cate) {
    CampuriVazute rez;
    const std::size_t n = std::min(cate, structura.size());
    if (n > CampuriVazute::Maxim) {
        throw std::invalid_argument("record line: " + std::to_string(n) + " fields cut at once");
    }

    std::size_t p = 0;
    // A record that begins with a text field opens the line with its "#".
    if (!structura.empty() && structura[0] == TipCamp::Text && linie.starts_with('#')) {
        p = 1;
    }
    std::size_t i = 0;
    while (i < n) {
        if (i + 1 < structura.size() && structura[i] == TipCamp::Numeric && structura[i + 1] == TipCamp::Numeric) {
            // A run of numeric fields, each ended by ",": up to the one
            // before the next text field, or before the last field.
            const auto text =
                std::find(structura.begin() + static_cast<std::ptrdiff_t>(i), structura.end(), TipCamp::Text);
            const std::size_t sfarsit = std::min(n, static_cast<std::size_t>(text - structura.begin()) - 1);
            i += taieVirgule(linie, p, &rez.campuri[i], sfarsit - i);
            if (i < sfarsit) {
                rez.campuri[i++] = linie.substr(p);
                rez.complet = false;
                break;
            }
            continue;
        }
        const std::string_view sep = separator(structura, i);
        if (sep.empty()) {
            rez.campuri[i++] = linie.substr(p);
            p = linie.size();
            continue;
        }
        const std::size_t q = gasesteSeparator(linie, sep, p);
        if (q == std::string_view::npos) {
            // The field takes the rest of the line; the later ones are empty.
            rez.campuri[i++] = linie.substr(p);
            rez.complet = false;
            break;
        }
        rez.campuri[i++] = std::string_view(linie.data() + p, q - p); // p <= q, both in the line
        p = q + sep.size();
    }
    for (; i < n; ++i) {
        rez.campuri[i] = linie.substr(linie.size());
    }
    rez.numar = n;
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
        const std::size_t inceput = linie.size();
        linie += campuri[i];
        faraRupturiDeRand(linie, inceput);
        if (structura[i] == TipCamp::Text) {
            // Its own marks would end the field early and shift the later ones.
            std::replace(linie.begin() + static_cast<std::ptrdiff_t>(inceput), linie.end(), '#', ' ');
        }
        linie += separatorDupa(structura, i);
    }
    return linie;
}

void faraRupturiDeRand(std::string& text, std::size_t de) {
    for (std::size_t i = de; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            text[i] = ' ';
        }
    }
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
