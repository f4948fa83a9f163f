#pragma once

// What the main window does when it loads, apart from its widgets: it makes
// sure it is the only instance on the working directory, reads the parameter
// files and swaps the yearly data files.

#include "platform/instance_lock.h"

#include <string>

namespace olm {

enum class StarePornire {
    Pornit,        // the program runs on this year's files
    AltaInstanta,  // another instance holds the working directory: end silently
    FaraParametri, // no fiscal year could be read from "Cuantum.txt": say so and end, no data file touched
};

struct RezultatPornire {
    StarePornire stare = StarePornire::Pornit;
    // The message for the clerk: why the program ends, or what of the
    // parameter files could not be read (the program goes on with what was
    // read; taxes cannot be computed until a faulty grid is mended).
    std::string mesaj;
};

// The start-up steps. The lock stays held for as long as the caller keeps it.
RezultatPornire PornesteLucrul(platform::InstanceLock& lock);

// The exit steps; returns a message naming the yearly copies that could not be
// written, empty when all went well.
std::string TerminaLucrul();

} // namespace olm
