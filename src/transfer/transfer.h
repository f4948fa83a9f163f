#pragma once

// The converter of DBF tables into the four working text files, run as the
// program "olm-transfer" in the working directory, without arguments.
//
// It reads the fiscal year from "tr12.txt" (exactly four digits) and the
// tables "Rep_", "FF1_", "FF2_", "Ded_" + year + ".dbf" (names matched
// without regard to case), and writes "Repfisc.txt", "FF1.txt", "FF2.txt"
// and "Deduceri.txt" in the record layouts, all four together and only
// when nothing went wrong. Every structure error or failure is a line of
// "ferr.txt"; a run without any removes an older "ferr.txt".

#include <string>
#include <vector>

namespace olm::transfer {

inline constexpr const char* FisierAn = "tr12.txt";
inline constexpr const char* FisierErori = "ferr.txt";

// The fiscal year of "tr12.txt", or 0 when its first line is not exactly
// four digits (or the file cannot be read).
int CitesteAnul();

// Converts the tables; returns the lines written into "ferr.txt" (none when
// the text files were written). Throws TransferOprit when asked to end from
// outside before the text files are replaced: their scratch files are gone
// then, and the text files are as they were.
std::vector<std::string> TransferaTabele();

// The whole run: the exit status of the program, 0 when the text files were
// written, 1 when "ferr.txt" lists what went wrong. Asked to end from outside
// it stops and writes no "ferr.txt"; the program then ends by the signal
// caught (platform::terminationSignal()).
int RuleazaTransfer();

} // namespace olm::transfer
