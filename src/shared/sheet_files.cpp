#include "shared/sheet_files.h"

#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
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

Rezultat PregatesteRescriere(RescriereGrup& grup, const FisierDate& f, const std::string& cod,
                             const std::optional<std::string>& inlocuire,
                             const std::vector<std::string>& laSfarsit, int* pozitie) {
    try {
        files::LineReader cititor(f.nume);
        const std::size_t i = grup.adauga(f.nume, copieAnuala(f));
        const int loc = RescrieLinii(cititor, grup.linii(i), f.structura, cod, inlocuire, laSfarsit);
        if (pozitie) {
            *pozitie = loc;
        }
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareCitire(e.number(), f.nume));
    }
    return grup.rezultat();
}

Rezultat RescrieAngajat(const FisierDate& f, const std::string& cod,
                        const std::optional<std::string>& inlocuire,
                        const std::vector<std::string>& laSfarsit, int* pozitie) {
    if (Rezultat v = VerificaFisiereLucru({SetFisiere{f.nume, f.prefix}}); !v) {
        return v;
    }
    RescriereGrup grup;
    int loc = 0;
    Rezultat r = PregatesteRescriere(grup, f, cod, inlocuire, laSfarsit, &loc);
    if (r) {
        r = grup.finalizeaza();
    }
    if (r && pozitie) {
        *pozitie = loc;
    }
    return r;
}

} // namespace olm
