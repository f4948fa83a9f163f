#pragma once

// Record lines built from a few fields, for tests where the rest of the record
// does not matter.

#include "shared/record_line.h"

#include <initializer_list>
#include <string>
#include <string_view>
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

// A line of the layout a shape template describes (a bare first field, then
// ",##" for a text field and "," for a numeric one), with the values given
// in field order; the fields beyond them are empty.
inline std::string linieDupaSablon(std::string_view sablon, const std::vector<std::string>& valori) {
    auto valoare = [&](std::size_t i) { return i < valori.size() ? valori[i] : std::string(); };
    std::string linie = valoare(0);
    std::size_t camp = 1;
    for (std::size_t i = 0; i < sablon.size(); ++camp) {
        const bool text = sablon.substr(i, 3) == ",##";
        linie += text ? ",#" + valoare(camp) + "#" : "," + valoare(camp);
        i += text ? 3 : 1;
    }
    return linie;
}

} // namespace olm::testing
