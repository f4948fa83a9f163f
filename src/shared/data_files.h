#pragma once

// The four data files: each has a working name, which the program uses while
// it runs, and yearly copies named by a prefix, "_", the year and ".txt"
// ("FF1_2002.txt"), kept in the working directory, in the backup
// subdirectories and on the hand-in diskette.

#include "shared/result.h"

#include <string>
#include <vector>

namespace olm {

struct SetFisiere {
    std::string lucru;  // "Repfisc.txt"
    std::string prefix; // "Rep"
};

const SetFisiere& SetRepfisc();  // "Repfisc.txt", "Rep_"
const SetFisiere& SetFf1();      // "FF1.txt", "FF1_"
const SetFisiere& SetFf2();      // "FF2.txt", "FF2_"
const SetFisiere& SetDeduceri(); // "Deduceri.txt", "Ded_"

// Employer, Fisa 1, Fisa 2, dependants: the order of the start-up.
const std::vector<SetFisiere>& seturiFisiere();
// Fisa 1, Fisa 2, dependants, employer: the order in which the sets are
// saved at exit, backed up, restored and handed in.
const std::vector<SetFisiere>& seturiFisiereLaSalvare();

// "FF1_2002.txt": the copy of a set for a year.
std::string copieAnuala(const SetFisiere& set, const std::string& an);
// The copy of a set for the year of the working files' data (AnDateLucru,
// or AnFiscal before the start-up swap fixed it).
std::string copieAnuala(const SetFisiere& set);

// Why a working file must not replace its yearly copy, as the messages say
// it ("era gol", "era deteriorat (contine caractere nule)"); empty when it
// may. No record line comes from a file with a NUL byte that its copy does
// not have, nor from an empty file whose copy has lines: every step of the
// program that empties a working file empties its copy in the same commit,
// so such a file was damaged from outside. A missing working file holds no
// data and is left to the caller. Throws platform::FileError.
std::string DefectFisierLucru(const std::string& lucru, const std::string& copie);

// A damaged working file and what stays of its yearly copy, as the clerk is
// told them: "Fisierul FF1.txt era gol: copia FF1_2002.txt a ramas
// neschimbata", or "...: copia FF1_2002.txt lipsea" when there was none.
std::string ConstatareDefect(const std::string& lucru, const std::string& defect, const std::string& copie);

// Run before each save that rewrites working files with their yearly copies
// (or backs them up): a damaged working file is put in "Rezerva_N" and
// refilled from its copy, which stays as it is, in one commit; the save is
// then refused with one message that says what was found and done, ended by
// `refuz` (what was not done).
Rezultat VerificaFisiereLucru(const std::vector<SetFisiere>& seturi,
                              const std::string& refuz = "Salvarea nu a fost efectuata.");

// Writes the working file of each set over its copy of the working year, all
// in one commit; a missing working file holds no data and leaves its copy
// alone; nor does a damaged one (VerificaFisiereLucru). A failure names its
// file ("Eroare 61 la scrierea fisierului FF1_2002.txt.") and every copy
// stays as it was.
Rezultat ActualizeazaCopiileAnuale(const std::vector<SetFisiere>& seturi);

} // namespace olm
