#pragma once

// The check of a DBF table's header against the table, before shapelib reads
// it. shapelib trusts the header: records past its count are never seen, and
// a column width that is wrong shifts every column after it. A table is read
// only when its header agrees with what follows it.

#include <string>
#include <string_view>

namespace olm::transfer {

// `octeti` are the bytes of the file `fisier`. Returns the line for
// "ferr.txt", or "" when the header agrees with the table:
//   - without the shape of a DBF header (a 32-byte head, descriptors of 32
//     bytes ended by 0x0D within the header length, each with a printable
//     name ended by a NUL and a letter for its type) it is not a table;
//   - with it, column widths that do not make up the record length (a width
//     of 0 among them), or bytes after the counted records that are not the
//     end mark 0x1A, are a damaged header.
// A file shorter than its count says passes: the reading reports the record
// that is cut.
std::string VerificaAntetDbf(std::string_view octeti, const std::string& fisier);

// "Fisierul X nu este un tabel DBF sau este deteriorat."
std::string NuEsteTabelDbf(const std::string& fisier);

} // namespace olm::transfer
