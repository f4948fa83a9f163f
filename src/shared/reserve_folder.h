#pragma once

// The subdirectory "Rezerva_1" (or the first free of "Rezerva_2", ...) that
// keeps the files a step of the program would otherwise lose. It is made by
// the step's own commit, so that a crash never leaves it empty or half
// filled.

#include "platform/file_transaction.h"

#include <string>

namespace olm {

class Rezerva {
public:
    explicit Rezerva(platform::files::Transaction& t) : t_(t) {}

    // Copies a file into the subdirectory, within the commit.
    void pastreaza(const std::string& fisier);
    // Moves what no commit can copy (a directory) into the subdirectory, at
    // once and under its name, so before any pastreaza(): the subdirectory
    // appears at once with it inside, never empty. `ce` is what the clerk is
    // told it was.
    void muta(const std::string& nume, const std::string& ce);
    // "Au fost pastrate in subdirectorul /lucru/Rezerva_1/ : FF1.txt.", and
    // what was moved; empty when nothing was kept.
    std::string mesaj() const;

private:
    void alege();

    platform::files::Transaction& t_;
    std::string nume_;
    std::string pastrate_;
    std::string mutat_;
};

} // namespace olm
