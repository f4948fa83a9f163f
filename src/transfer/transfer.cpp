#include "transfer/transfer.h"

#include "platform/files.h"
#include "shared/result.h"
#include "transfer/dbf_table.h"

#include <cctype>
#include <cstdio>
#include <memory>

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
    std::vector<std::string> erori;
    std::vector<std::unique_ptr<files::AtomicWriter>> scriitori;
    std::string fisier;
    try {
        // Each table goes into the scratch file of its text file; none
        // replaces its file before all four are whole.
        for (const TabelDbf& t : TabeleDbf()) {
            fisier = t.fisierText;
            scriitori.push_back(std::make_unique<files::AtomicWriter>(t.fisierText));
            const std::vector<std::string> e = CitesteTabelDbf(t, NumeTabelAnual(t, an), *scriitori.back());
            erori.insert(erori.end(), e.begin(), e.end());
        }
        if (!erori.empty()) {
            return erori;
        }
        for (std::size_t i = 0; i < scriitori.size(); ++i) {
            fisier = TabeleDbf()[i].fisierText;
            scriitori[i]->prepare();
        }
        for (std::size_t i = 0; i < scriitori.size(); ++i) {
            fisier = TabeleDbf()[i].fisierText;
            scriitori[i]->commit();
        }
    } catch (const platform::FileError& e) {
        erori.push_back(mesajEroareScriere(e.number(), fisier));
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
    const std::vector<std::string> erori = TransferaTabele();
    if (erori.empty()) {
        return 0;
    }
    try {
        files::writeLines(FisierErori, erori);
    } catch (const platform::FileError& e) {
        std::fprintf(stderr, "%s\n", mesajEroareScriere(e.number(), FisierErori).c_str());
    }
    return 1;
}

} // namespace olm::transfer
