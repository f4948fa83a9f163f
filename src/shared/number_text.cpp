#include "shared/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

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

std::string FormatMii(std::int64_t x) {
    if (x < 0) {
        // The magnitude as unsigned: the smallest value has no positive twin.
        return "-" + grupeaza(std::to_string(0 - static_cast<std::uint64_t>(x)));
    }
    return grupeaza(std::to_string(x));
}

std::int64_t LeiIntregi(std::string_view x) {
    using Limite = std::numeric_limits<std::int64_t>;
    const double lei = RotunjireLei(ValoareText(x));
    // 2^63 is exact as a double; every double below it and not below -2^63
    // converts without overflow.
    constexpr double limita = 9223372036854775808.0;
    if (lei >= limita) {
        return Limite::max();
    }
    if (lei < -limita) {
        return Limite::min();
    }
    return static_cast<std::int64_t>(lei);
}

std::int64_t AdunaLei(std::int64_t a, std::int64_t b) {
    std::int64_t suma = 0;
    if (__builtin_add_overflow(a, b, &suma)) {
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    }
    return suma;
}

} // namespace olm
