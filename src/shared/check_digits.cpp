#include "shared/check_digits.h"

#include <algorithm>
#include <string_view>

namespace olm {

namespace {

bool doarCifre(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int cifra(char c) { return c - '0'; }

// Month and day of a code already known to be all digits.
bool dataPlauzibila(std::string_view cod) {
    const int luna = cifra(cod[3]) * 10 + cifra(cod[4]);
    const int zi = cifra(cod[5]) * 10 + cifra(cod[6]);
    if (luna < 1 || luna > 12 || zi < 1 || zi > 31) {
        return false;
    }
    if ((luna == 4 || luna == 6 || luna == 9 || luna == 11) && zi > 30) {
        return false;
    }
    // No leap-year test: the 29th of February passes in every year.
    return luna != 2 || zi <= 29;
}

} // namespace

bool VerificaCNP(const std::string& cod) {
    if (cod.size() != 13 || !doarCifre(cod)) {
        return false;
    }
    if (cod[0] != '9' && !dataPlauzibila(cod)) {
        return false;
    }
    static constexpr std::string_view cheie = "279146358279";
    int suma = 0;
    for (std::size_t i = 0; i < cheie.size(); ++i) {
        suma += cifra(cod[i]) * cifra(cheie[i]);
    }
    const int rest = suma % 11;
    const int control = rest == 10 ? 1 : rest;
    return cifra(cod[12]) == control;
}

bool VerificaCF(std::string& cod) {
    if (cod.size() > 10 || !doarCifre(cod)) {
        return false;
    }
    cod.insert(0, 10 - cod.size(), '0');
    static constexpr std::string_view cheie = "753217532";
    int suma = 0;
    for (std::size_t i = 0; i < cheie.size(); ++i) {
        suma += cifra(cod[i]) * cifra(cheie[i]);
    }
    const int rest = suma * 10 % 11;
    const int control = rest == 10 ? 0 : rest;
    return cifra(cod[9]) == control;
}

} // namespace olm
