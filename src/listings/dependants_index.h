#pragma once

// The dependants of every employee, from "Deduceri.txt" read once, so that a
// listing of many sheets does not read the file again for each one. The file
// is kept as it was read, one block of bytes, with the places of each
// employee's lines; a dependant's fields are cut only when a sheet shows him.

#include "platform/files.h"
#include "shared/fisa1_sheet_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

class IndexPersoane {
public:
    IndexPersoane() = default; // no dependants
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
    // An employee's place in the table: the hash of his code and his lines,
    // linii_[prima] and the `numar` - 1 after it. A place without lines is free.
    struct Angajat {
        std::size_t hash = 0;
        std::uint32_t prima = 0;
        std::uint32_t numar = 0;
    };

    std::string_view linie(const Linie& l) const;
    std::string_view codul(const Angajat& a) const;
    // The place of a code in the table: his, or the free one where he goes.
    std::size_t loc(std::string_view cod, std::size_t hash) const;
    // Puts each employee's lines together, the first 20 of each in file order.
    void grupeaza();

    platform::files::MappedFile fisier_; // "Deduceri.txt"
    std::vector<Linie> linii_;
    // Found by the hash of the code, or on the places after it when that one
    // is taken by another code: a table of places rather than a map, so that
    // finding an employee touches one place of memory, and kept at most half
    // full, so that the search stops soon at a free place.
    std::vector<Angajat> angajati_;
};

} // namespace olm
