#pragma once

// Record lines built from a few fields, for tests where the rest of the record
// does not matter.

#include "shared/record_line.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace olm::testing {

// A line of the layout with the values given by field index (from 0), every
// other field empty.
inline std::string linieCu(StructuraRecord structura,
                           std::initializer_list<std::pair<std::size_t, std::string>> valori) {
    std::vector<std::string> campuri(structura.size());
    for (const auto& [index, text] : valori) {
        campuri.at(index) = text;
    }
    return unesteCampuri(campuri, structura);
}

} // namespace olm::testing
