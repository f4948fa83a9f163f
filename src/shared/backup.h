#pragma once

// Backup and restore of the four data files in a subdirectory of the working
// directory named after the employer's code: "J" + code for a fiscal code (at
// most 10 characters), "F" + code for a personal numeric code. The files keep
// the names of the yearly copies of the fiscal year ("FF1_2002.txt",
// "FF2_2002.txt", "Ded_2002.txt", "Rep_2002.txt").

#include <string>

namespace olm {

// "J" + code or "F" + code.
std::string subdirectorSalvare(const std::string& cod);

// Copies the four working files into the employer's subdirectory, in one
// commit that also makes the subdirectory when missing: the previous backup
// is replaced wholly or not at all, also across a crash. A missing working
// file is saved as an empty one; a damaged one is not saved at all
// (VerificaFisiereLucru). When the copy fails the clerk is told why, the
// working files are kept and nothing is reported as done; so it is when the
// employer's code is not digits (at most 13), which the restore could never
// ask for. Otherwise the clerk is asked whether to empty the working files
// (and the employer's form); they are emptied together with their yearly
// copies, all or none. A "Repfisc.txt" that cannot be read is reported and
// nothing is saved. Returns true when the working files were emptied (a
// caller holding sorted copies of them must rebuild them).
bool SalvareDate();

// Asks for an employer's code (digits only, at most 13) and puts that
// employer's saved files of the fiscal year in place of the four working
// files and of their yearly copies of the year; a file whose saved file is
// absent is emptied, so no file of another employer stays beside the one
// restored. All eight are replaced together or none: a failed copy, or a
// saved file that is there but is no file that can be read (a directory, a
// link to nothing), is reported naming that file and changes nothing. A
// subdirectory without files of the fiscal year restores nothing. Returns
// true when the working files were replaced.
bool RestaurareDate();

} // namespace olm
