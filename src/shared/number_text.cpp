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

namespace {

// The plain forms the data files hold ("1600000", "0.5", "-12"): digits with
// at most one "." and 15 digits in all, nothing else. Their value is the
// whole number of their digits divided by a power of ten, both exact, so the
// one rounding of the division gives what the general reading gives.
bool valoareSimpla(std::string_view text, double& valoare) {
    static constexpr double Puteri[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    i += negativ;
    long long cifre = 0;
    int numar = 0;
    int zecimale = -1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++numar > 15) {
                return false;
            }
            cifre = cifre * 10 + (c - '0');
            zecimale += zecimale >= 0;
        } else if (c == '.' && zecimale < 0) {
            zecimale = 0;
        } else {
            return false;
        }
    }
    if (numar == 0) {
        return false;
    }
    valoare = static_cast<double>(cifre) / Puteri[zecimale > 0 ? zecimale : 0];
    if (negativ) {
        valoare = -valoare;
    }
    return true;
}

} // namespace

double ValoareText(std::string_view text) {
    if (double simpla = 0; valoareSimpla(text, simpla)) {
        return simpla;
    }
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

void AdaugaTextNumar(std::string& text, double x) {
    if (x == 0 || !std::isfinite(x)) {
        text += '0';
        return;
    }
    char buffer[64];
    if (std::fabs(x) < 1e14 && 2 * x == std::trunc(2 * x)) {
        // Whole numbers and halves (the coefficients) are exact in binary:
        // their digits are those of the general form.
        const double intreg = std::trunc(x);
        if (x < 0 && intreg == 0) {
            text += '-';
        }
        const auto rez = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(intreg));
        text.append(buffer, rez.ptr);
        if (x != intreg) {
            text += ".5";
        }
        return;
    }
    const auto rez = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    text.append(buffer, rez.ptr);
}

std::string TextNumar(double x) {
    std::string text;
    AdaugaTextNumar(text, x);
    return text;
}

double RotunjireLei(double x) { return std::nearbyint(x); }

std::string NormNumar(std::string_view x) { return TextNumar(ValNumar(x)); }

double ValNumar(std::string_view x) {
    return x.find(',') == std::string_view::npos ? ValoareText(x) : ValoareText(VirgulaPunct(x));
}

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
