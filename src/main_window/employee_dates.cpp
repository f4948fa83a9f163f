#include "main_window/employee_dates.h"

#include "shared/number_text.h"
#include "shared/record_line.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace olm {

namespace {

bool bisect(int an) { return (an % 4 == 0 && an % 100 != 0) || an % 400 == 0; }

int zileInLuna(int luna, int an) {
    static constexpr std::array<int, 12> zile{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return luna == 2 && bisect(an) ? 29 : zile[static_cast<std::size_t>(luna - 1)];
}

// Digits from p up to a separator or the end; nothing when there are none or
// more than `max`.
std::optional<int> cifre(std::string_view text, std::size_t& p, std::size_t min, std::size_t max) {
    const std::size_t inceput = p;
    int valoare = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        valoare = valoare * 10 + (text[p] - '0');
        ++p;
    }
    const std::size_t n = p - inceput;
    if (n < min || n > max) {
        return std::nullopt;
    }
    return valoare;
}

bool separator(char c) { return c == '/' || c == '.' || c == '-'; }

} // namespace

std::optional<Data> CitesteData(std::string_view text) {
    std::size_t p = 0;
    const auto zi = cifre(text, p, 1, 2);
    if (!zi || p >= text.size() || !separator(text[p])) {
        return std::nullopt;
    }
    ++p;
    const auto luna = cifre(text, p, 1, 2);
    if (!luna || p >= text.size() || !separator(text[p])) {
        return std::nullopt;
    }
    ++p;
    const std::size_t inceputAn = p;
    auto an = cifre(text, p, 2, 4);
    if (!an || p != text.size() || p - inceputAn == 3) {
        return std::nullopt;
    }
    if (p - inceputAn == 2) {
        *an += *an < 30 ? 2000 : 1900;
    }
    if (*luna < 1 || *luna > 12 || *zi < 1 || *zi > zileInLuna(*luna, *an)) {
        return std::nullopt;
    }
    return Data{*zi, *luna, *an};
}

std::string ScrieData(const Data& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.zi, d.luna, d.an);
    return buf;
}

std::string NormalizeazaData(std::string_view text) {
    const std::string_view t = fataBlancuri(text);
    for (std::string_view gol : {"--", "..", "//", "-  -", ".  .", "/  /"}) {
        if (t == gol) {
            return {};
        }
    }
    if (const auto d = CitesteData(t)) {
        return ScrieData(*d);
    }
    return std::string(t);
}

VerificareData VerificaDataAngajat(bool incetare, std::string_view text, std::string_view celalalt,
                                   int anFiscal) {
    VerificareData v;
    v.text = NormalizeazaData(text);
    if (!v.text.empty()) {
        const auto data = CitesteData(v.text);
        if (!data) {
            v.mesaj = incetare ? "Data incetarii activitatii incorecta." : "Data angajarii incorecta.";
        } else if (ValoareText(std::string_view(v.text).substr(v.text.size() - 4)) != anFiscal) {
            v.mesaj = "\r\nAnul difera de anul fiscal de referinta " + std::to_string(anFiscal) + ".";
        } else if (const auto alta = CitesteData(fataBlancuri(celalalt))) {
            const Data& angajare = incetare ? *alta : *data;
            const Data& incetareData = incetare ? *data : *alta;
            if (incetareData < angajare) {
                v.mesaj = "\r\nData incetarii activitatii este anterioara datei angajarii. ";
            }
        }
    }
    if (v.eroare()) {
        v.text.clear();
    }
    // Whatever separator a date was typed with, the box keeps "/".
    std::replace(v.text.begin(), v.text.end(), '.', '/');
    std::replace(v.text.begin(), v.text.end(), '-', '/');
    return v;
}

} // namespace olm
