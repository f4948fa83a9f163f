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

// "Eroare 53 la citirea fisierului FF1.txt."
inline std::string mesajEroareCitire(int numar, const std::string& fisier) {
    return "Eroare " + std::to_string(numar) + " la citirea fisierului " + fisier + ".";
}

// "Eroare 61 la scrierea fisierului FF1.txt."
inline std::string mesajEroareScriere(int numar, const std::string& fisier) {
    return "Eroare " + std::to_string(numar) + " la scrierea fisierului " + fisier + ".";
}

} // namespace olm
