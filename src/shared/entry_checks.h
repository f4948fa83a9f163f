#pragma once

// Checks of what the clerk typed: the dependant shown in the Fisa 1 form, and
// the short-date style every date of the program assumes.

#include <array>
#include <string>

namespace olm {

// What the Fisa 1 form shows of a dependant: the code box, the three quality
// ticks (spouse, child, other person) and the twelve monthly coefficients.
struct DatePersoana {
    std::string CodI;
    bool Sotie = false;
    bool Copil = false;
    bool Alta = false;
    std::array<std::string, 12> CoefI;
};

// True when the dependant may be kept: no code typed (its value is 0), or a
// quality ticked and coefficients that do not add up to 0. Otherwise shows
// one message (exclamation, empty title) and gives false; missing
// coefficients are named rather than a missing quality when both hold.
bool VerificaPersoana(const DatePersoana& persoana);

// True for a short-date style with the two-digit day first, then "/", the
// two-digit month, "/" and the year: "dd/MM/yy", "dd/MM/yyyy", "dd/mm/yy".
bool StilDataAcceptat(const std::string& stil);

// Checks the platform's short-date style. EroareStilData becomes 0, or 1
// after the message when the style is refused; the callers then give up their
// action.
void VerificaData();

} // namespace olm
