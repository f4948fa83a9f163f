#include "shared/reserve_folder.h"

#include "platform/files.h"

#include <filesystem>

namespace olm {

namespace files = platform::files;

void Rezerva::pastreaza(const std::string& fisier) {
    for (int n = 1; nume_.empty(); ++n) {
        const std::string nume = "Rezerva_" + std::to_string(n);
        if (files::entryKind(nume) == files::EntryKind::Missing) {
            nume_ = nume;
            t_.makeDirectory(nume_);
        }
    }
    t_.copy(fisier, nume_ + "/" + fisier);
    pastrate_ += (pastrate_.empty() ? "" : ", ") + fisier;
}

std::string Rezerva::mesaj() const {
    if (pastrate_.empty()) {
        return "";
    }
    return "Au fost pastrate in subdirectorul " + (std::filesystem::current_path() / nume_).string() + "/ : " +
           pastrate_ + ".";
}

} // namespace olm
