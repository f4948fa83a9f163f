#pragma once

// The dependants of every employee, read from "Deduceri.txt" in one pass, so
// that a listing of many sheets does not read the file again for each one.

#include "shared/fisa1_sheet_text.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace olm {

class IndexPersoane {
public:
    // Reads "Deduceri.txt": for each employee his first 20 lines, in file
    // order, wherever they stand. A missing file has no dependants; a line
    // without its employee's code belongs to no one. Throws
    // platform::FileError when the file cannot be read.
    static IndexPersoane citeste();

    // The employee's dependants (none for an unknown code).
    const std::vector<PersoanaFoaie>& persoane(const std::string& codAngajat) const;

private:
    std::unordered_map<std::string, std::vector<PersoanaFoaie>> persoane_;
};

} // namespace olm
