#pragma once

// The check of a DBF table's header against the table, before shapelib reads
// it. shapelib trusts the header: records past its count are never seen, the
// top bit of the count is dropped, and a column width or header length that
// is wrong shifts every value after it. A table is read only when its header
// agrees with what follows it.

#include <cstdint>
#include <string>
#include <string_view>

namespace olm::transfer {

// `octeti` are the bytes of the file `fisier`. Returns the one line for
// "ferr.txt", or "" when the header agrees with the table:
//   - without the shape of a DBF header (a 32-byte head, descriptors of 32
//     bytes ended by 0x0D within the header length, each with a name of
//     bytes from 0x20 up, ended by a NUL or filling its 11 bytes, and a
//     letter for its type) it is not a table;
//   - with it, column widths that do not make up the record length (a width
//     of 0 among them), a record count with its top bit set, a counted
//     record that does not begin with the mark of a live (" ") or deleted
//     ("*") record, or a whole record or more after the counted ones
//     where the end mark 0x1A should be, are a damaged header;
//   - fewer bytes than a record after the counted records, not beginning
//     with the end mark, are told as such;
//   - counted records that do not fit in the file (a file cut short, or a
//     count or header length too large) name the first record cut.
// What follows the end mark is not read.
std::string VerificaAntetDbf(std::string_view octeti, const std::string& fisier);

// "Fisierul X nu este un tabel DBF sau este deteriorat."
std::string NuEsteTabelDbf(const std::string& fisier);

// "Fisierul X: inregistrarea N nu poate fi citita (fisier trunchiat)."
std::string InregistrareTrunchiata(const std::string& fisier, std::uint64_t inregistrarea);

// The name of a column from the bytes of its descriptor's name (11, or
// fewer as shapelib gives them): the bytes before the first NUL, blanks
// trimmed, as writers pad names either way.
std::string_view NumeColoanaDbf(std::string_view nume);

} // namespace olm::transfer
