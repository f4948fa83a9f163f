#include "shared/parameter_file.h"

#include "platform/files.h"
#include "shared/file_messages.h"
#include "shared/record_line.h"

#include <exception>

namespace olm {

namespace files = platform::files;

Rezultat CitesteLiniiParametri(const std::string& nume, std::vector<std::string>& linii) {
    linii.clear();
    try {
        if (const std::string altceva = files::notAFileMessage(nume); !altceva.empty()) {
            return Rezultat::esec(altceva);
        }
        if (!files::exists(nume)) {
            return Rezultat::esec("Fisierul " + nume + " nu exista.");
        }
        linii = files::readLines(nume);
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareCitire(e.number(), nume));
    } catch (const std::exception&) {
        return Rezultat::esec("Fisierul " + nume + " nu poate fi citit.");
    }
}

Rezultat ScrieLiniiParametri(const std::string& nume, std::vector<std::string> linii) {
    // One value per field, one record per line, whatever a box let through.
    for (std::string& l : linii) {
        faraRupturiDeRand(l);
    }
    try {
        files::writeLines(nume, linii);
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareScriere(e.number(), nume));
    } catch (const std::exception&) {
        return Rezultat::esec("Fisierul " + nume + " nu a putut fi scris.");
    }
}

std::string_view FaraMarcaUtf8(std::string_view linie) {
    constexpr std::string_view marca = "\xEF\xBB\xBF";
    if (linie.starts_with(marca)) {
        linie.remove_prefix(marca.size());
    }
    return linie;
}

std::string LinieEronata(const std::string& nume, std::size_t numar, const std::string& motiv) {
    return "Fisierul " + nume + " are linia " + std::to_string(numar) + " eronata" +
           (motiv.empty() ? "." : ": " + motiv + ".");
}

std::string CampNenumeric(std::size_t numar, std::string_view camp) {
    return "campul " + std::to_string(numar) + " (\"" + std::string(camp) + "\") nu este un numar";
}

} // namespace olm
