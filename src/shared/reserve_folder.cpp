#include "shared/reserve_folder.h"

#include "platform/file_transaction.h"
#include "platform/files.h"

#include <filesystem>
#include <stdexcept>

namespace olm {

namespace files = platform::files;

void Rezerva::alege() {
    for (int n = 1; nume_.empty(); ++n) {
        const std::string nume = "Rezerva_" + std::to_string(n);
        if (files::entryKind(nume) == files::EntryKind::Missing) {
            nume_ = nume;
        }
    }
}

void Rezerva::pastreaza(const std::string& fisier) {
    if (nume_.empty()) {
        alege();
        t_.makeDirectory(nume_);
    }
    t_.copy(fisier, nume_ + "/" + fisier);
    pastrate_ += (pastrate_.empty() ? "" : ", ") + fisier;
}

void Rezerva::muta(const std::string& nume, const std::string& ce) {
    if (!nume_.empty()) {
        // The subdirectory is still the commit's scratch directory, which a
        // crash before the commit removes with what was moved into it.
        throw std::logic_error("a move into the kept files' subdirectory after a copy into it: " + nume);
    }
    alege();
    files::moveIntoNewDirectory(nume, nume_);
    mutat_ = ce;
}

std::string Rezerva::mesaj() const {
    const std::string cale = (std::filesystem::current_path() / nume_).string() + "/";
    std::string m;
    if (!pastrate_.empty()) {
        m = "Au fost pastrate in subdirectorul " + cale + " : " + pastrate_ + ".";
    }
    if (!mutat_.empty()) {
        m += (m.empty() ? "" : " ") + mutat_ + " a fost mutat in subdirectorul " + cale + ".";
    }
    return m;
}

} // namespace olm
