#include "shared/file_messages.h"

#include "platform/files.h"
#include "shared/result.h"

namespace olm {

namespace files = platform::files;

namespace {

// As the clerk knows the name: without the "./" of the working directory.
std::string faraPunct(std::string nume) {
    if (nume.rfind("./", 0) == 0) {
        nume.erase(0, 2);
    }
    return nume;
}

} // namespace

std::string mesajNumeLegate(const platform::LinkedNamesError& e) {
    if (e.link()) {
        return "Fisierul " + faraPunct(e.file()) + " este o legatura catre " + e.other() + ".";
    }
    return "Fisierele " + faraPunct(e.file()) + " si " + faraPunct(e.other()) + " sunt unul si acelasi fisier.";
}

std::string mesajEsecScriere(const platform::FileError& e, const std::string& fisier) {
    if (const auto* legate = dynamic_cast<const platform::LinkedNamesError*>(&e)) {
        return mesajNumeLegate(*legate);
    }
    return mesajEroareScriere(e.number(), fisier);
}

} // namespace olm
