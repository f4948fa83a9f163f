#include "transfer/transfer.h"

#include "platform/files.h"
#include "platform/termination.h"
#include "shared/file_group.h"
#include "shared/result.h"
#include "transfer/dbf_table.h"

#include <cctype>
#include <cstdio>

namespace olm::transfer {

namespace files = platform::files;

int CitesteAnul() {
    std::optional<std::string> linie;
    try {
        linie = files::readFirstLine(FisierAn);
    } catch (const platform::FileError&) {
        return 0;
    }
    if (!linie || linie->size() != 4) {
        return 0;
    }
    for (char c : *linie) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return 0;
        }
    }
    return std::stoi(*linie);
}

std::vector<std::string> TransferaTabele() {
    const int an = CitesteAnul();
    if (an == 0) {
        return {std::string("Fisierul ") + FisierAn + " nu contine anul fiscal (patru cifre)."};
    }
    // Each table goes into the scratch file of its text file; all four
    // replace their files in one commit, and only when nothing went wrong.
    std::vector<std::string> erori;
    RescriereGrup grup;
    for (const TabelDbf& t : TabeleDbf()) {
        const std::size_t i = grup.adauga(t.fisierText);
        const std::vector<std::string> e = CitesteTabelDbf(t, NumeTabelAnual(t, an), grup.linii(i));
        erori.insert(erori.end(), e.begin(), e.end());
    }
    if (!erori.empty()) {
        return erori;
    }
    // The last moment to stop: once the commit has begun it finishes, and
    // the four files are all old or all new.
    if (platform::terminationRequested()) {
        throw TransferOprit{};
    }
    if (const Rezultat scris = grup.finalizeaza(); !scris) {
        erori.push_back(scris.eroare);
    }
    return erori;
}

int RuleazaTransfer() {
    // A list left by an earlier run must not pass for this run's.
    try {
        files::remove(FisierErori);
    } catch (const platform::FileError& e) {
        std::fprintf(stderr, "%s\n", mesajEroareScriere(e.number(), FisierErori).c_str());
        return 1;
    }
    std::vector<std::string> erori;
    try {
        erori = TransferaTabele();
    } catch (const TransferOprit&) {
        return 1; // the scratch files went with the writers
    }
    if (erori.empty()) {
        return 0;
    }
    if (platform::terminationRequested()) {
        return 1; // stopping: no list is left behind
    }
    try {
        files::writeLines(FisierErori, erori);
    } catch (const platform::FileError& e) {
        std::fprintf(stderr, "%s\n", mesajEroareScriere(e.number(), FisierErori).c_str());
    }
    return 1;
}

} // namespace olm::transfer
