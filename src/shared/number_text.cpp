#include "shared/number_text.h"

#include <charconv>
#include <cmath>

namespace olm {

namespace {

bool esteSpatiu(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool esteCifra(char c) { return c >= '0' && c <= '9'; }

// Groups the characters before the first "." by three from the right.
std::string grupeaza(std::string_view corp) {
    const std::size_t punct = corp.find('.');
    const std::string_view intreg = corp.substr(0, punct);
    std::string rezultat;
    rezultat.reserve(corp.size() + corp.size() / 3);
    const std::size_t primul = intreg.size() % 3;
    rezultat.append(intreg.substr(0, primul));
    for (std::size_t i = primul; i < intreg.size(); i += 3) {
        if (!rezultat.empty()) {
            rezultat += '.';
        }
        rezultat.append(intreg.substr(i, 3));
    }
    if (punct != std::string_view::npos) {
        rezultat.append(corp.substr(punct));
    }
    return rezultat;
}

} // namespace

double ValoareText(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto sari = [&] {
        while (i < n && esteSpatiu(text[i])) {
            ++i;
        }
    };

    // The recognised characters are gathered without the blanks, so that the
    // conversion itself sees one plain number.
    std::string numar;
    sari();
    bool negativ = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    bool punct = false;
    bool cifre = false;
    for (;;) {
        sari();
        if (i < n && esteCifra(text[i])) {
            numar += text[i++];
            cifre = true;
        } else if (i < n && text[i] == '.' && !punct) {
            numar += text[i++];
            punct = true;
        } else {
            break;
        }
    }
    if (!cifre) {
        return 0;
    }

    // An exponent counts only when at least one digit follows its letter.
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        while (j < n && esteSpatiu(text[j])) {
            ++j;
        }
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        bool cifreExponent = false;
        for (;;) {
            while (j < n && esteSpatiu(text[j])) {
                ++j;
            }
            if (j < n && esteCifra(text[j])) {
                exponent += text[j++];
                cifreExponent = true;
            } else {
                break;
            }
        }
        if (cifreExponent) {
            numar += exponent;
        }
    }

    double valoare = 0;
    const auto [capat, eroare] = std::from_chars(numar.data(), numar.data() + numar.size(), valoare);
    (void)capat;
    if (eroare != std::errc()) {
        return 0;
    }
    return negativ ? -valoare : valoare;
}

std::string TextNumar(double x) {
    if (x == 0 || !std::isfinite(x)) {
        return "0";
    }
    char buffer[64];
    // Whole amounts below 10^15 are written as their digits, which is what the
    // general form gives them; this path spares the floating conversion on the
    // bulk rewrites of the sheet files.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
        const auto rez = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x));
        return std::string(buffer, rez.ptr);
    }
    const auto rezultat = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    return std::string(buffer, rezultat.ptr);
}

double RotunjireLei(double x) { return std::nearbyint(x); }

std::string NormNumar(std::string_view x) { return TextNumar(ValNumar(x)); }

double ValNumar(std::string_view x) { return ValoareText(VirgulaPunct(x)); }

std::string TextNumar(std::string_view x) { return TextNumar(ValoareText(x)); }

std::string VirgulaPunct(std::string_view x) {
    std::string rezultat(x);
    for (char& c : rezultat) {
        if (c == ',') {
            c = '.';
        }
    }
    return rezultat;
}

std::string VirgulaPunct(double x) { return TextNumar(x); }

std::string FormatMii(std::string_view x) {
    const double valoare = ValoareText(x);
    if (valoare < 0) {
        return "-" + grupeaza(TextNumar(-valoare));
    }
    return grupeaza(x);
}

std::string FormatMii(double x) {
    if (x < 0) {
        return "-" + grupeaza(TextNumar(-x));
    }
    return grupeaza(TextNumar(x));
}

} // namespace olm
