#pragma once

// The published check digits of personal numeric codes (13 digits: every
// employee, every dependant, an employer who is a natural person) and of
// fiscal codes (up to 10 digits: an employer who is a legal person). Neither
// test shows a message; the callers do.

#include <string>

namespace olm {

// True when the code has 13 digits, a plausible month and day (not tested for
// a foreign person, whose code begins with 9) and the right check digit.
bool VerificaCNP(const std::string& cod);

// True when the code, at most 10 digits, has the right check digit. A code of
// digits only is padded on the left with "0" to ten characters in the caller's
// variable, whatever the outcome; any other code is left as it is. An empty
// code becomes ten zeros and is valid: callers that refuse it test it before.
bool VerificaCF(std::string& cod);

} // namespace olm
