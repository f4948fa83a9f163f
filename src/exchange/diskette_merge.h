#pragma once

// The merge of the data files brought on diskettes from several
// workstations: the hand-in files of every diskette ("FF1_2002.txt",
// "FF2_2002.txt", "Ded_2002.txt", "Rep_2002.txt") are put one after the
// other into the working files, and the employer file of the last diskette
// that has one becomes "Repfisc.txt". Nothing inside the records is looked
// at: an employee found on two diskettes has two lines.

#include <cstdint>

namespace olm {

struct RezultatUnire {
    enum class Stare {
        Renuntat,   // the clerk did not start it: nothing changed
        Efectuata,  // the working files hold the diskettes read
        Intrerupta, // an error or the clerk ended it: the working files are as they were
    };
    Stare stare = Stare::Renuntat;
    std::int64_t fise1 = 0; // lines taken into "FF1.txt"
    std::int64_t fise2 = 0; // lines taken into "FF2.txt"
};

// Asks whether to go on (the merge replaces the data of this computer), then
// asks for one diskette after another until the clerk has no more, waiting 3
// seconds after each one, and says how many sheets of each type came from
// how many diskettes (NrDischete). The working files are replaced only at
// the end, together, and their yearly copies refreshed; until then they stay
// as they were, so an error never leaves them half merged.
//
// Each diskette is first checked to be in the drive: no diskette offers to
// retry or to give up (which ends the merge). A file missing from a diskette
// is passed over. A damaged diskette (52), a file that cannot be read (75)
// or any other error of the drive ends the merge with its message, and so
// does a working file that cannot be written, named in the message. A
// request to end the program during a wait ends it as giving up does.
//
// The caller shows the hourglass during the call.
RezultatUnire UnesteDischete();

} // namespace olm
