#pragma once

// The dependants of every employee, from "Deduceri.txt" read once, so that a
// listing of many sheets does not read the file again for each one. The file
// is kept as it was read, one block of bytes, with the places of each
// employee's lines; a dependant's fields are cut only when a sheet shows him.

#include "shared/fisa1_sheet_text.h"

#include <cstddef>
#include <string>
#include <string_view>
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
    std::vector<PersoanaFoaie> persoane(std::string_view codAngajat) const;

private:
    // A line of the file: where it begins and how long it is, without its end.
    struct Linie {
        std::size_t inceput = 0;
        std::size_t lungime = 0;
    };

    std::string fisier_; // the bytes of "Deduceri.txt"
    std::unordered_map<std::string, std::vector<Linie>> linii_;
};

} // namespace olm
