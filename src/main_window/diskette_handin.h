#pragma once

// The hand-in of the data to the tax office: the diskette is emptied and the
// four working files are copied onto it under the fiscal year's names
// ("FF1_2002.txt", "FF2_2002.txt", "Ded_2002.txt", "Rep_2002.txt").

namespace olm {

enum class RezultatPredare {
    Efectuata,    // the clerk said the diskette was in and the copies were made
    Neefectuata,  // the clerk said there was no diskette
    Intrerupta,   // an error ended the command, or the clerk gave up
};

// Asks whether the diskette is in, empties it and makes the copies, then
// waits 5 seconds (also after a No) before the closing message. An error
// waits 20 seconds, then: no diskette (71) offers to retry the step that
// failed or to give up; 52, 61 and any other number end the command with
// "Eroare " + number and its meaning. Files deleted or copied before an error
// stay as they are. A request to end the program cuts each wait short, and
// the command stops there without its message, as "Anuleaza" would stop it.
//
// The caller unticks "Sortare" first (which deletes the sorted copies), shows
// the hourglass during the call, and gives the focus back to the first button
// unless the result is Intrerupta.
RezultatPredare PredareDischeta();

} // namespace olm
