#include "main_window/address_rules.h"

#include "shared/check_digits.h"
#include "shared/number_text.h"
#include "shared/record_line.h"

namespace olm {

std::string ValoareCaText(std::string_view text) { return TextNumar(ValoareText(text)); }

std::string SectorPastrat(std::string_view sector, std::string_view localitate) {
    if (ValoareText(sector) > 6 || localitate != "BUCURESTI") {
        return {};
    }
    return std::string(sector);
}

bool EsteCapitala(std::string_view localitate, bool faraBlancuri) {
    const std::string_view l = faraBlancuri ? fataBlancuri(localitate) : localitate;
    return majuscule(l) == "BUCURESTI";
}

int TipCodAngajator(std::string_view cod) {
    // The fiscal-code test pads its argument: give it a copy, so the box
    // keeps the code as typed.
    std::string copie(cod);
    if (VerificaCF(copie)) {
        return 1;
    }
    if (VerificaCNP(std::string(cod))) {
        return 2;
    }
    return 0;
}

} // namespace olm
