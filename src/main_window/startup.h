#pragma once

// What the main window does when it loads, apart from its widgets: it makes
// sure it is the only instance on the working directory, finishes the writes
// that a crash interrupted, reads the parameter files and swaps the yearly
// data files.

#include "platform/instance_lock.h"

#include <string>

namespace olm {

enum class StarePornire {
    Pornit,        // the program runs on this year's files
    AltaInstanta,  // another instance holds the working directory: end silently
    FaraParametri, // no fiscal year could be read from "Cuantum.txt": say so and end, no data file touched
    Oprit,         // the files cannot be worked on (lock, swap): say why and end
};

struct RezultatPornire {
    StarePornire stare = StarePornire::Pornit;
    // The message for the clerk: why the program ends, or what the start
    // found and did (parameters that could not be read, files kept aside);
    // the program then goes on with what was read (taxes cannot be computed
    // until a faulty grid is mended).
    std::string mesaj;
    int renumiriReluate = 0;    // renames of a commit a crash interrupted, done now
    int temporareSterse = 0;    // scratch files of unfinished rewrites removed
};

// The start-up steps. The lock stays held for as long as the caller keeps it.
// A lock held on another computer is offered to the clerk to take over.
RezultatPornire PornesteLucrul(platform::InstanceLock& lock);

// The exit steps; returns the message for the clerk (the yearly copies that
// could not be written, or what was found), empty when all went well.
std::string TerminaLucrul();

} // namespace olm
