#pragma once

// One verification of the four working files that another application
// produced ("Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"): the
// screening, the employer's check, the Fisa 1 checks, the Fisa 2 check, the
// dependants' checks and the correlation of the coefficients, in this order,
// into the report "erori.txt". The files are left sorted and repaired; when
// errors were found the report is also kept as "erori_" and the employer's
// code ".txt".
//
// It reads the fiscal year, the deduction parameters and the tax grid of the
// process-wide state, and keeps its own state: nothing of the sheet open in
// the program changes.

#include <string>

namespace olm {

inline constexpr const char* RaportVerificareFisier = "erori.txt";

struct RezultatVerificare {
    // A file could not be read or written: the message for the clerk. The
    // verification stopped there: what it rewrote before stays rewritten,
    // and nothing else of this result is to be shown.
    std::string eroare;
    // Errors were found: the report is to be shown.
    bool existaErori = false;
    // No error was found: the text of the message that says so.
    std::string mesaj;
    // The name of the report's copy ("erori_10203045.txt"); made only when
    // errors were found, an older one deleted in every case.
    std::string copie;
};

RezultatVerificare VerificaFisiereExterne();

} // namespace olm
