#pragma once

// Several working files rewritten by one function. Each goes through its own
// scratch file, and all of them are written whole before the first one
// replaces its file: a failure while writing (a full disk) leaves every file
// as it was, and a crash while they replace their files is completed by the
// next start (one commit of the file layer).

#include "platform/file_transaction.h"
#include "shared/result.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace olm {

class RescriereGrup {
public:
    // Opens a scratch file for each name.
    explicit RescriereGrup(std::vector<std::string> nume);

    // Adds lines to the file at this index of the names. After a failure
    // nothing more is written.
    void scrie(std::size_t fisier, const std::string& linie);
    void scrie(std::size_t fisier, const std::vector<std::string>& linii);
    bool ok() const { return eroare_.ok(); }

    // Replaces the files, in the order of the names, unless a failure came
    // first. The first failure names its file: "Eroare 61 la scrierea
    // fisierului FF1.txt."; the scratch files are then dropped.
    Rezultat finalizeaza();

private:
    void esec(std::size_t fisier, const platform::FileError& e);

    std::vector<std::string> nume_;
    std::unique_ptr<platform::files::Transaction> tranzactie_;
    std::vector<platform::files::AtomicWriter*> scriitori_;
    Rezultat eroare_;
};

} // namespace olm
