#pragma once

// Several files rewritten by one function, replaced all of them or none, also
// across a crash (one commit of the file layer). Each goes through its own
// scratch file; a failure while writing (a full disk) leaves every file as it
// was. A working data file can be given with its yearly copy: both get the
// same lines in the same commit, so the copy never waits for the exit.

#include "platform/file_transaction.h"
#include "platform/lines.h"
#include "shared/result.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// The first failure of a group: the file it concerns and the error number.
struct EsecGrup {
    std::string fisier;
    int numar = 0;
    bool citire = false; // reading a source given to copiaza()
    // While the files were being replaced: the next start completes them.
    bool laInlocuire = false;
    // A refusal that no error number tells (names of one file, a source that
    // is not a file), in the clerk's words; nothing was written.
    std::string motiv;
};

class RescriereGrup {
public:
    RescriereGrup();
    ~RescriereGrup();
    RescriereGrup(const RescriereGrup&) = delete;
    RescriereGrup& operator=(const RescriereGrup&) = delete;

    // Adds a file, and returns its index.
    std::size_t adauga(const std::string& nume);
    // Adds a working file with its yearly copy, which gets the same content.
    std::size_t adauga(const std::string& nume, const std::string& copie);
    // A directory made by the commit, for files added after it.
    void director(const std::string& nume);

    // Adds to the content of the file at this index. After a failure nothing
    // more is written.
    void scrie(std::size_t fisier, const std::string& linie);
    void scrie(std::size_t fisier, const std::vector<std::string>& linii);
    // Lines held elsewhere and seen through views.
    void scrie(std::size_t fisier, const std::vector<std::string_view>& linii);
    // The bytes of another file, as they are; a missing file adds nothing,
    // a directory or a link to nothing is a failure.
    void copiaza(std::size_t fisier, const std::string& sursa);
    // The file at this index as a sink of lines (for the rewrites on lines).
    platform::LineSink& linii(std::size_t fisier);

    bool ok() const { return !esec_; }
    const std::optional<EsecGrup>& esec() const { return esec_; }
    // The first failure as told to the clerk: "Eroare 61 la scrierea
    // fisierului FF1.txt." (or "la citirea" for a source), or its motiv;
    // success without one.
    Rezultat rezultat() const;

    // Replaces the files unless a failure came first (the scratch files are
    // then dropped), and returns rezultat().
    Rezultat finalizeaza();

private:
    struct Fisier;
    void esueaza(const std::string& fisier, const platform::FileError& e, bool citire = false);

    std::unique_ptr<platform::files::Transaction> tranzactie_;
    std::vector<std::unique_ptr<Fisier>> fisiere_;
    std::optional<EsecGrup> esec_;
};

} // namespace olm
