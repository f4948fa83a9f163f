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

// Writes the working file of each set over its copy of the fiscal year, so
// that an abnormal end of the program loses none of the changes made so far.
// Every copy is tried; a failure names the first copy that could not be
// written ("Eroare 61 la scrierea fisierului FF1_2002.txt.") and leaves that
// copy as it was.
Rezultat ActualizeazaCopiileAnuale(const std::vector<SetFisiere>& seturi);

} // namespace olm
