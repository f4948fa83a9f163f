#include "exchange/verification_files.h"

#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/result.h"

namespace olm {

namespace files = platform::files;

std::vector<std::string> CitesteFisierVerificat(const std::string& nume) {
    try {
        return files::readLines(nume);
    } catch (const platform::FileError& e) {
        throw EsecVerificare(mesajEroareCitire(e.number(), nume));
    }
}

void CitesteFisierVerificat(const std::string& nume, const std::function<void(std::string&&)>& fiecare) {
    try {
        files::LineReader cititor(nume);
        std::string linie;
        while (cititor.next(linie)) {
            fiecare(std::move(linie));
        }
    } catch (const platform::FileError& e) {
        throw EsecVerificare(mesajEroareCitire(e.number(), nume));
    }
}

std::size_t AdaugaFisierVerificat(RescriereGrup& grup, const std::string& nume) {
    for (const SetFisiere& set : seturiFisiere()) {
        if (set.lucru == nume && files::exists(copieAnuala(set))) {
            return grup.adauga(nume, copieAnuala(set));
        }
    }
    return grup.adauga(nume);
}

void ScrieFisierVerificat(const std::string& nume, const std::vector<std::string>& linii) {
    ScrieFisierVerificat(nume, [&linii](platform::LineSink& fisier) {
        for (const std::string& linie : linii) {
            fisier.writeLine(linie);
        }
    });
}

void ScrieFisierVerificat(const std::string& nume, const std::function<void(platform::LineSink&)>& scrie) {
    RescriereGrup grup;
    scrie(grup.linii(AdaugaFisierVerificat(grup, nume)));
    if (const Rezultat scris = grup.finalizeaza(); !scris) {
        throw EsecVerificare(scris.eroare);
    }
}

void StergeFisierVerificat(const std::string& nume) {
    try {
        files::remove(nume);
    } catch (const platform::FileError& e) {
        throw EsecVerificare(mesajEroareScriere(e.number(), nume));
    }
}

} // namespace olm
