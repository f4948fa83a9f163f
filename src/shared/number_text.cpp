#include "shared/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace olm {

namespace {

bool esteSpatiu(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool esteCifra(char c) { return c >= '0' && c <= '9'; }

// Appends the text with the characters before its first "." grouped by
// three from the right.
void adaugaGrupat(std::string& rezultat, std::string_view corp) {
    const auto intregi = static_cast<std::size_t>(std::find(corp.begin(), corp.end(), '.') - corp.begin());
    const std::size_t puncte = intregi == 0 ? 0 : (intregi - 1) / 3;
    const std::size_t inceput = rezultat.size();
    rezultat.resize(inceput + intregi + puncte); // room taken once, then filled
    char* p = rezultat.data() + inceput;
    for (std::size_t i = 0; i < intregi; ++i) {
        if (i != 0 && (intregi - i) % 3 == 0) {
            *p++ = '.';
        }
        *p++ = corp[i];
    }
    if (intregi < corp.size()) {
        rezultat.append(corp.substr(intregi)); // the "." and the decimals
    }
}

// Appends "-" and the magnitude of a negative amount, grouped.
void adaugaNegativGrupat(std::string& rezultat, double magnitudine) {
    rezultat += '-';
    char cifre[LungimeMaximaTextNumar];
    adaugaGrupat(rezultat, std::string_view(cifre, static_cast<std::size_t>(ScrieTextNumar(cifre, magnitudine) - cifre)));
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
    const char* p = text.data();
    const char* const sfarsit = p + text.size();
    const bool negativ = p != sfarsit && *p == '-';
    p += negativ;
    // The digits before and after the "." gathered into one whole number. A
    // run longer than 15 digits may wrap round, but such a text is refused.
    std::uint64_t cifre = 0;
    const auto citesteCifre = [&] {
        const char* const inceput = p;
        for (; p != sfarsit && esteCifra(*p); ++p) {
            cifre = cifre * 10 + static_cast<unsigned>(*p - '0');
        }
        return static_cast<std::size_t>(p - inceput);
    };
    const std::size_t intregi = citesteCifre();
    std::size_t zecimale = 0;
    if (p != sfarsit && *p == '.') {
        ++p;
        zecimale = citesteCifre();
    }
    const std::size_t numar = intregi + zecimale;
    if (p != sfarsit || numar == 0 || numar > 15) {
        return false;
    }
    valoare = static_cast<double>(cifre);
    if (zecimale > 0) {
        // Whole numbers, most amounts, skip the division (its result would be the same).
        valoare /= Puteri[zecimale];
    }
    if (negativ) {
        valoare = -valoare;
    }
    return true;
}

// Any other text: blanks anywhere, a "+", an exponent, trailing characters.
// Apart from the plain forms, so that reading those stays a short call.
[[gnu::noinline]] double valoareGenerala(std::string_view text) {
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

} // namespace

bool EsteNumar(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto cifre = [&] {
        const std::size_t inceput = i;
        while (i < n && esteCifra(text[i])) {
            ++i;
        }
        return i - inceput;
    };
    const auto semn = [&] { i += i < n && (text[i] == '+' || text[i] == '-') ? 1 : 0; };
    semn();
    std::size_t mantisa = cifre();
    if (i < n && text[i] == '.') {
        ++i;
        mantisa += cifre();
    }
    if (mantisa == 0) {
        return false;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        ++i;
        semn();
        if (cifre() == 0) {
            return false;
        }
    }
    return i == n;
}

namespace {

// Whether a number text (EsteNumar) stands for a value too large for a
// double. ValoareText reads such a value as 0, and one too small for a double
// too: with a significant digit, the power of ten of that digit tells the two
// apart.
bool preaMare(std::string_view numar) {
    const std::size_t exp = numar.find_first_of("eEdD");
    const std::string_view mantisa = numar.substr(0, exp);
    const std::size_t prima = mantisa.find_first_of("123456789");
    if (prima == std::string_view::npos || ValoareText(numar) != 0) {
        return false;
    }
    const std::size_t punct = std::min(mantisa.find('.'), mantisa.size());
    long long putere = prima < punct ? static_cast<long long>(punct - prima - 1)
                                     : -static_cast<long long>(prima - punct);
    if (exp != std::string_view::npos) {
        long long exponent = 0;
        for (std::size_t i = exp + 1; i < numar.size(); ++i) {
            if (esteCifra(numar[i])) {
                exponent = std::min(exponent * 10 + (numar[i] - '0'), 1'000'000'000LL);
            }
        }
        putere += numar[exp + 1] == '-' ? -exponent : exponent;
    }
    return putere >= 0;
}

} // namespace

bool CampNumeric(std::string_view camp) {
    const std::size_t inceput = camp.find_first_not_of(" \t");
    if (inceput == std::string_view::npos) {
        return true;
    }
    const std::string_view numar = camp.substr(inceput, camp.find_last_not_of(" \t") - inceput + 1);
    return EsteNumar(numar) && !preaMare(numar);
}

double ValoareText(std::string_view text) {
    if (text.empty()) {
        return 0; // the empty field, the commonest of all
    }
    if (double simpla = 0; valoareSimpla(text, simpla)) {
        return simpla;
    }
    return valoareGenerala(text);
}

namespace {

// How many decimal digits a whole number has. Its bits tell, as log10(2) is
// about 1233/4096: the count is t or t + 1, by one comparison.
std::size_t numarCifre(unsigned long long v) {
    static constexpr unsigned long long PuteriZece[] = {1ULL,
                                                        10ULL,
                                                        100ULL,
                                                        1000ULL,
                                                        10000ULL,
                                                        100000ULL,
                                                        1000000ULL,
                                                        10000000ULL,
                                                        100000000ULL,
                                                        1000000000ULL,
                                                        10000000000ULL,
                                                        100000000000ULL,
                                                        1000000000000ULL,
                                                        10000000000000ULL,
                                                        100000000000000ULL,
                                                        1000000000000000ULL,
                                                        10000000000000000ULL,
                                                        100000000000000000ULL,
                                                        1000000000000000000ULL,
                                                        10000000000000000000ULL};
    if (v == 0) {
        return 1;
    }
    const std::size_t t = (static_cast<std::size_t>(std::bit_width(v)) * 1233) >> 12;
    return t + (v >= PuteriZece[t] ? 1 : 0);
}

// The decimal digits of a whole number written at p; returns their end.
// Two digits at a time from a table of the hundred pairs: std::to_chars of
// this library builds such a table afresh at every call, which made writing
// the amounts of a long file slow.
char* scrieCifre(char* p, unsigned long long v) {
    static constexpr char Perechi[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                      "8081828384858687888990919293949596979899";
    char* const sfarsit = p + numarCifre(v);
    char* q = sfarsit;
    for (; v >= 100; v /= 100) {
        const std::size_t doua = static_cast<std::size_t>(v % 100) * 2;
        *--q = Perechi[doua + 1];
        *--q = Perechi[doua];
    }
    if (v >= 10) {
        *--q = Perechi[v * 2 + 1];
        *--q = Perechi[v * 2];
    } else {
        *--q = static_cast<char>('0' + v);
    }
    return sfarsit;
}

} // namespace

char* ScrieTextNumar(char* p, double x) {
    if (x == 0 || !std::isfinite(x)) {
        *p++ = '0';
        return p;
    }
    if (std::fabs(x) < 1e14) {
        // Whole numbers and halves (the coefficients) are exact in binary:
        // their digits are those of the general form. Below 1e14 the
        // conversion to a whole number is in range and truncates toward zero
        // as std::trunc does, without its call to the library.
        const long long doi = static_cast<long long>(2 * x);
        if (static_cast<double>(doi) == 2 * x) {
            const long long intreg = doi / 2;
            if (x < 0) {
                *p++ = '-';
            }
            p = scrieCifre(p, static_cast<unsigned long long>(intreg < 0 ? -intreg : intreg));
            if (doi % 2 != 0) {
                *p++ = '.';
                *p++ = '5';
            }
            return p;
        }
    }
    return std::to_chars(p, p + LungimeMaximaTextNumar, x, std::chars_format::general, 15).ptr;
}

void AdaugaTextNumar(std::string& text, double x) {
    char buffer[LungimeMaximaTextNumar];
    text.append(buffer, static_cast<std::size_t>(ScrieTextNumar(buffer, x) - buffer));
}

std::string TextNumar(double x) {
    std::string text;
    AdaugaTextNumar(text, x);
    return text;
}

double RotunjireLei(double x) { return std::nearbyint(x); }

std::string NormNumar(std::string_view x) { return TextNumar(ValNumar(x)); }

double ValNumar(std::string_view x) {
    // A plain loop: a library search costs a call for a text of a few bytes.
    return std::find(x.begin(), x.end(), ',') == x.end() ? ValoareText(x) : ValoareText(VirgulaPunct(x));
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

void AdaugaFormatMii(std::string& text, std::string_view x) {
    if (x.empty()) {
        return; // the blank amount, the commonest
    }
    // Without a "-" the value cannot be negative: most amounts skip reading it.
    const double valoare = std::find(x.begin(), x.end(), '-') == x.end() ? 0 : ValoareText(x);
    if (valoare < 0) {
        adaugaNegativGrupat(text, -valoare);
    } else {
        adaugaGrupat(text, x);
    }
}

std::string FormatMii(std::string_view x) {
    std::string text;
    AdaugaFormatMii(text, x);
    return text;
}

std::string FormatMii(double x) {
    std::string text;
    if (x < 0) {
        adaugaNegativGrupat(text, -x);
    } else {
        adaugaGrupat(text, TextNumar(x));
    }
    return text;
}

std::string FormatMii(std::int64_t x) {
    std::string text;
    if (x < 0) {
        // The magnitude as unsigned: the smallest value has no positive twin.
        text += '-';
        adaugaGrupat(text, std::to_string(0 - static_cast<std::uint64_t>(x)));
    } else {
        adaugaGrupat(text, std::to_string(x));
    }
    return text;
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
