#include "shared/sheet_files.h"

#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;

const FisierDate& FisierFf1() {
    static const FisierDate f{SetFf1().lucru, SetFf1().prefix, structuraFf1()};
    return f;
}

const FisierDate& FisierFf2() {
    static const FisierDate f{SetFf2().lucru, SetFf2().prefix, structuraFf2()};
    return f;
}

const FisierDate& FisierDeduceri() {
    static const FisierDate f{SetDeduceri().lucru, SetDeduceri().prefix, structuraDeduceri()};
    return f;
}

std::string copieAnuala(const FisierDate& f) { return copieAnuala(SetFisiere{f.nume, f.prefix}); }

std::optional<LiniaGasita> PrimaLinieAngajat(const FisierDate& f, const std::string& cod) {
    files::LineReader cititor(f.nume);
    std::string linie;
    int numar = 0;
    while (cititor.next(linie)) {
        ++numar;
        if (esteLiniaAngajatului(linie, f.structura, cod)) {
            return LiniaGasita{std::move(linie), numar};
        }
    }
    return std::nullopt;
}

Rezultat PregatesteRescriere(files::Transaction& t, const FisierDate& f, const std::string& cod,
                             const std::optional<std::string>& inlocuire,
                             const std::vector<std::string>& laSfarsit, int* pozitie) {
    const std::string copie = copieAnuala(f);
    // What a failure concerns: reading the working file, or writing one of the two.
    const std::string* fisierCurent = &f.nume;
    bool citire = false;
    try {
        citire = true;
        files::LineReader cititor(f.nume);
        citire = false;
        files::AtomicWriter& lucru = t.write(f.nume);
        fisierCurent = &copie;
        files::AtomicWriter& anual = t.write(copie);
        auto scrieLinie = [&](const std::string& l) {
            fisierCurent = &f.nume;
            lucru.writeLine(l);
            fisierCurent = &copie;
            anual.writeLine(l);
        };

        int scrise = 0;
        int locInlocuire = 0;
        std::string linie;
        for (;;) {
            fisierCurent = &f.nume;
            citire = true;
            if (!cititor.next(linie)) {
                break;
            }
            citire = false;
            if (!esteLiniaAngajatului(linie, f.structura, cod)) {
                scrieLinie(linie);
                ++scrise;
            } else if (inlocuire && locInlocuire == 0) {
                scrieLinie(*inlocuire);
                locInlocuire = ++scrise;
            }
        }
        citire = false;
        if (inlocuire && locInlocuire == 0) {
            scrieLinie(*inlocuire);
            locInlocuire = ++scrise;
        }
        for (const auto& l : laSfarsit) {
            scrieLinie(l);
        }
        if (pozitie) {
            *pozitie = locInlocuire;
        }
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        return Rezultat::esec(citire ? mesajEroareCitire(e.number(), *fisierCurent)
                                     : mesajEroareScriere(e.number(), *fisierCurent));
    }
}

Rezultat ScrieTot(files::Transaction& t) {
    try {
        t.commit();
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        std::string fisier = e.file();
        if (fisier.rfind("./", 0) == 0) {
            fisier.erase(0, 2);
        }
        return Rezultat::esec(mesajEroareScriere(e.number(), fisier));
    }
}

Rezultat RescrieAngajat(const FisierDate& f, const std::string& cod,
                        const std::optional<std::string>& inlocuire,
                        const std::vector<std::string>& laSfarsit, int* pozitie) {
    files::Transaction t;
    int loc = 0;
    Rezultat r = PregatesteRescriere(t, f, cod, inlocuire, laSfarsit, &loc);
    if (r) {
        r = ScrieTot(t);
    }
    if (r && pozitie) {
        *pozitie = loc;
    }
    return r;
}

} // namespace olm
