#pragma once

// What the crash test and its child agree on: the firm, the employees whose
// Fisa 1 changes (some of the firm's, some new), and how a change's version
// shows: January's income of the sheet, as many dependants as the version
// gives, each named after it, and the employer's firm name.

#include "support/sample_data.h"

#include <string>
#include <vector>

namespace olm::testing::crash {

inline SampleSet firm() {
    SampleOptions o;
    o.seed = 11;
    return generateSample(40, o);
}

inline std::vector<std::string> codes(const SampleSet& s) {
    std::vector<std::string> c = {"1900101000011", "2900202000022"};
    for (std::size_t i = 0; i < s.employees.size() && c.size() < 10; ++i) {
        if (s.employees[i].fisa1) {
            c.push_back(s.employees[i].code);
        }
    }
    return c;
}

inline int dependantsOf(long version) { return static_cast<int>(version % 4); }
inline std::string dependantName(long version) { return "D" + std::to_string(version); }
inline std::string employerName(long version) { return "FIRMA V" + std::to_string(version); }

} // namespace olm::testing::crash
