#pragma once

// The files of the employees' records, "FF1.txt", "FF2.txt" and
// "Deduceri.txt", read and rewritten in one pass each. A rewrite goes to a
// scratch file renamed over the working file, and the yearly copy is written
// from the same pass and replaced in the same commit, so both hold the same
// lines afterwards, also after a crash.

#include "platform/lines.h"
#include "shared/record_line.h"
#include "shared/result.h"

#include <optional>
#include <string>
#include <vector>

namespace olm {

class RescriereGrup;

struct FisierDate {
    std::string nume;   // the working name: "FF1.txt"
    std::string prefix; // of the yearly copy: "FF1"
    StructuraRecord structura;
};

const FisierDate& FisierFf1();      // "FF1.txt", copies "FF1_" + year + ".txt"
const FisierDate& FisierFf2();      // "FF2.txt", copies "FF2_" + year + ".txt"
const FisierDate& FisierDeduceri(); // "Deduceri.txt", copies "Ded_" + year + ".txt"

// "FF1_2002.txt" for the fiscal year 2002.
std::string copieAnuala(const FisierDate& f);

struct LiniaGasita {
    std::string linie;
    int numar = 0; // 1-based
};

// The employee's first line among the lines of a file of this layout, read
// up to it; nothing when he has none.
std::optional<LiniaGasita> PrimaLinieAngajat(platform::LineSource& linii, StructuraRecord structura,
                                             const std::string& cod);
// The same from the file; a missing file has no line. Throws platform::FileError.
std::optional<LiniaGasita> PrimaLinieAngajat(const FisierDate& f, const std::string& cod);

// Copies the lines of a file of this layout without any line of the
// employee: `inlocuire`, when given, takes the place of his first line, or is
// appended when he has none; `laSfarsit` are appended at the end. Returns the
// 1-based number of the line `inlocuire` stands on (0 without it).
int RescrieLinii(platform::LineSource& din, platform::LineSink& in, StructuraRecord structura,
                 const std::string& cod, const std::optional<std::string>& inlocuire,
                 const std::vector<std::string>& laSfarsit);

// Rewrites the file so, and its yearly copy with the same lines, unless the
// working file was damaged (VerificaFisiereLucru). `pozitie` receives the
// number RescrieLinii returns. A failure names its file ("Eroare 61 la
// scrierea fisierului FF1.txt."); a working file that cannot be written
// stays as it was.
Rezultat RescrieAngajat(const FisierDate& f, const std::string& cod,
                        const std::optional<std::string>& inlocuire,
                        const std::vector<std::string>& laSfarsit = {}, int* pozitie = nullptr);

// The same rewrite added to a group of files, to be replaced with the others
// (RescriereGrup::finalizeaza): nothing is replaced yet. A failure is
// returned as RescrieAngajat's; the group must then not be finalised.
Rezultat PregatesteRescriere(RescriereGrup& grup, const FisierDate& f, const std::string& cod,
                             const std::optional<std::string>& inlocuire,
                             const std::vector<std::string>& laSfarsit = {}, int* pozitie = nullptr);

} // namespace olm
