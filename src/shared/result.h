#pragma once

// The outcome of reading or writing a parameter file: empty error text when it
// went well, otherwise a sentence naming the file, fit to be shown to the clerk.

#include <string>
#include <utility>

namespace olm {

struct Rezultat {
    std::string eroare;

    bool ok() const { return eroare.empty(); }
    explicit operator bool() const { return ok(); }

    static Rezultat reusit() { return {}; }
    static Rezultat esec(std::string text) { return {std::move(text)}; }
};

} // namespace olm
