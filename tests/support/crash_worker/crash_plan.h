#pragma once

// What the crash test and its child agree on: the firm they work on, the
// employees whose sheets change, and how a change's version shows in the files.

#include "support/sample_data.h"

#include <string>
#include <vector>

namespace olm::testing::crash {

inline SampleSet firm() {
    SampleOptions o;
    o.seed = 11;
    return generateSample(40, o);
}

// Employees whose Fisa 1 the child saves or deletes: some of the firm's, and
// some new ones.
inline std::vector<std::string> codes(const SampleSet& s) {
    std::vector<std::string> c;
    for (const auto& e : s.employees) {
        if (e.fisa1 && c.size() < 8) {
            c.push_back(e.code);
        }
    }
    for (const char* nou : {"1900101000011", "2900202000022", "1900303000033"}) {
        c.push_back(nou);
    }
    return c;
}

// A saved sheet carries its version as January's income, and as many
// dependants as the version gives, each named after it.
inline int dependantsOf(long version) { return static_cast<int>(version % 4); }
inline std::string dependantName(long version) { return "D" + std::to_string(version); }
inline std::string employerName(long version) { return "FIRMA V" + std::to_string(version); }

} // namespace olm::testing::crash
