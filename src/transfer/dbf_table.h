#pragma once

// Reading one DBF table of our layout (dbf_layout.h) into record lines, and
// writing the empty templates. The tables are read with shapelib; every read
// is checked, so a truncated or damaged file is reported, never read past.

#include "platform/lines.h"
#include "transfer/dbf_layout.h"

#include <string>
#include <vector>

namespace olm::transfer {

// The text of one field from its DBF value: `tip` is the column's DBF type,
// `brut` the value as shapelib gives it (blanks trimmed), `nul` whether
// shapelib reads it as NULL. Texts lose "#", CR and LF (a record line has no
// escapes); numbers are written as their plain value, without an exponent
// ("1.50" gives "1.5", "1E-5" "0.00001");
// D dates as dd/mm/yyyy. NULL, blank, "*" (NULL or too wide) and "00000000"
// are empty, except "*" in a number, which is an error, as is a number of
// more than 15 significant digits or one that a double cannot hold, and a
// code or a date held in a C column with a "," or "#" in it: its field is
// written without "#" marks, and either would split it.
struct ValoareCamp {
    std::string text;
    std::string eroare; // not empty: why the value cannot be taken
};
ValoareCamp ValoareDinDbf(FelColoana fel, char tip, const std::string& brut, bool nul);

// Thrown out of the reading when the program is asked to end from outside
// (SIGTERM, SIGHUP). Not an error: the run stops and leaves nothing behind.
struct TransferOprit {};

// Reads the table `fisier` (found without regard to case) as table `t`,
// writing one record line per record that is not deleted into `iesire`.
// Returns the lines for "ferr.txt": a missing file, something that is not a
// file, a file that is not a DBF table or whose header disagrees with it
// (VerificaAntetDbf), a missing column or one of a type not accepted, a
// record that cannot be read, a value cut by a NUL (NULs that end it pad it
// as blanks do) or one that cannot be taken. When there are
// any, what was written into `iesire` is not to be used. Throws
// TransferOprit when asked to end before its last record.
std::vector<std::string> CitesteTabelDbf(const TabelDbf& t, const std::string& fisier,
                                         platform::LineSink& iesire);

// Writes the empty template of table `t` (no records, the columns of the
// layout with the types and widths of TipSablon and Coloana). Throws
// std::runtime_error when the file cannot be made.
void ScrieSablonDbf(const TabelDbf& t, const std::string& fisier);

} // namespace olm::transfer
