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

std::optional<LiniaGasita> PrimaLinieAngajat(platform::LineSource& linii, StructuraRecord structura,
                                             const std::string& cod) {
    std::string linie;
    int numar = 0;
    while (linii.next(linie)) {
        ++numar;
        if (esteLiniaAngajatului(linie, structura, cod)) {
            return LiniaGasita{std::move(linie), numar};
        }
    }
    return std::nullopt;
}

std::optional<LiniaGasita> PrimaLinieAngajat(const FisierDate& f, const std::string& cod) {
    files::LineReader cititor(f.nume);
    return PrimaLinieAngajat(cititor, f.structura, cod);
}

int RescrieLinii(platform::LineSource& din, platform::LineSink& in, StructuraRecord structura,
                 const std::string& cod, const std::optional<std::string>& inlocuire,
                 const std::vector<std::string>& laSfarsit) {
    int scrise = 0;
    int locInlocuire = 0;
    std::string linie;
    while (din.next(linie)) {
        if (!esteLiniaAngajatului(linie, structura, cod)) {
            in.writeLine(linie);
            ++scrise;
        } else if (inlocuire && locInlocuire == 0) {
            in.writeLine(*inlocuire);
            locInlocuire = ++scrise;
        }
    }
    if (inlocuire && locInlocuire == 0) {
        in.writeLine(*inlocuire);
        locInlocuire = ++scrise;
    }
    for (const auto& l : laSfarsit) {
        in.writeLine(l);
    }
    return locInlocuire;
}

namespace {

// The working file read and written with its yearly copy, keeping in mind
// what a failure concerns: reading the working file, or writing one of the two.
struct RescriereCuCopie : platform::LineSource, platform::LineSink {
    RescriereCuCopie(const std::string& nume, const std::string& copie) : nume(nume), copie(copie) {}

    bool next(std::string& linie) override {
        la(true, nume);
        const bool citita = cititor->next(linie);
        la(false, nume);
        return citita;
    }
    void writeLine(const std::string& linie) override {
        la(false, nume);
        lucru->writeLine(linie);
        la(false, copie);
        anual->writeLine(linie);
    }
    void la(bool c, const std::string& f) {
        citire = c;
        fisier = &f;
    }
    Rezultat eroare(const platform::FileError& e) const {
        return Rezultat::esec(citire ? mesajEroareCitire(e.number(), *fisier) : mesajEroareScriere(e.number(), *fisier));
    }

    const std::string& nume;
    const std::string& copie;
    const std::string* fisier = &nume;
    bool citire = false;
    std::optional<files::LineReader> cititor;
    files::AtomicWriter* lucru = nullptr;
    files::AtomicWriter* anual = nullptr;
};

} // namespace

Rezultat PregatesteRescriere(files::Transaction& t, const FisierDate& f, const std::string& cod,
                             const std::optional<std::string>& inlocuire,
                             const std::vector<std::string>& laSfarsit, int* pozitie) {
    const std::string copie = copieAnuala(f);
    RescriereCuCopie r(f.nume, copie);
    try {
        r.la(true, f.nume);
        r.cititor.emplace(f.nume);
        r.la(false, f.nume);
        r.lucru = &t.write(f.nume);
        r.la(false, copie);
        r.anual = &t.write(copie);
        const int loc = RescrieLinii(r, r, f.structura, cod, inlocuire, laSfarsit);
        if (pozitie) {
            *pozitie = loc;
        }
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        return r.eroare(e);
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
