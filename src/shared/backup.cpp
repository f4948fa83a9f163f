#include "shared/backup.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/employer_record.h"
#include "shared/file_group.h"
#include "shared/program_title.h"
#include "shared/record_line.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

#include <filesystem>
#include <vector>

namespace olm {

namespace files = platform::files;
using platform::Icon;

namespace {

// The subdirectory as the clerk is shown it: the working directory, the name
// and a closing separator.
std::string caleAfisata(const std::string& sub) {
    return (std::filesystem::current_path() / sub).string() + "/";
}

std::string descriereEroare(const std::string& fisier, int numar) {
    return fisier + " (eroare " + std::to_string(numar) + ")";
}

// Why a group of files was not written: "Nu au putut fi copiate :
// FF1.txt (eroare 61).", or what was found in place of a file.
std::string cauzaEsec(const EsecGrup& e) {
    return e.motiv.empty() ? "Nu au putut fi copiate : " + descriereEroare(e.fisier, e.numar) + "." : e.motiv;
}

bool codCifre(const std::string& cod) {
    if (cod.empty() || cod.size() > 13) {
        return false;
    }
    for (char c : cod) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

} // namespace

std::string subdirectorSalvare(const std::string& cod) {
    return (cod.size() <= 10 ? "J" : "F") + cod;
}

bool SalvareDate() {
    // A damaged working file is not saved over a good backup, nor emptied
    // with its good yearly copy; an employer file emptied from outside is
    // damage too, not "nothing to save".
    if (const Rezultat verificat = VerificaFisiereLucru(seturiFisiereLaSalvare()); !verificat) {
        platform::showMessage(verificat.eroare, "", Icon::Exclamation);
        return false;
    }
    std::string linie;
    try {
        linie = files::readFirstLine("repfisc.txt").value_or("");
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareCitire(e.number(), "Repfisc.txt"), "", Icon::Exclamation);
        return false;
    }
    if (fataBlancuri(linie).empty()) {
        platform::showMessage("Fisiere goale.", "", Icon::Exclamation);
        return false;
    }
    const std::string cod = linie.substr(0, linie.find(','));
    const std::string sub = subdirectorSalvare(cod);
    const std::string cale = caleAfisata(sub);

    const auto refuz = [&](const std::string& cauza) {
        platform::showMessage("Salvarea nu a fost efectuata, subdirectorul " + cale + " a ramas neschimbat. " + cauza,
                              "", Icon::Exclamation);
        return false;
    };
    if (!codCifre(cod)) {
        // Only a code of digits can be asked back by the restore.
        return refuz("Codul angajatorului din Repfisc.txt nu este format numai din cifre.");
    }
    // The four files replace the previous backup in one commit, which also
    // makes the subdirectory: after a failure or a crash it holds wholly the
    // old backup or wholly the new one.
    RescriereGrup salvare;
    salvare.director(sub);
    for (const auto& p : seturiFisiereLaSalvare()) {
        // A missing working file holds no data: it is saved empty.
        salvare.copiaza(salvare.adauga(sub + "/" + copieAnuala(p)), p.lucru);
    }
    if (!salvare.finalizeaza()) {
        return refuz(cauzaEsec(*salvare.esec()));
    }

    bool golite = false;
    if (platform::askYesNo("Doriti sa stergeti fisierele text de date din directorul de lucru ?", "",
                           Icon::None)) {
        // The working files and their yearly copies are emptied in one commit:
        // after any end of the program the next start finds them both empty,
        // and never takes the empty working files for last year's data.
        RescriereGrup grup;
        for (const auto& p : seturiFisiereLaSalvare()) {
            grup.adauga(p.lucru, copieAnuala(p));
        }
        if (grup.finalizeaza()) {
            golite = true;
            CurataFisaI();
        } else {
            const EsecGrup& e = *grup.esec();
            platform::showMessage("Fisierele de lucru nu au fost sterse : " +
                                      (e.motiv.empty() ? descriereEroare(e.fisier, e.numar) + "." : e.motiv),
                                  "", Icon::Exclamation);
        }
    }
    platform::showMessage("Salvarea a fost efectuata in subdirectorul " + cale, " ", Icon::None);
    return golite;
}

bool RestaurareDate() {
    const std::string cod =
        platform::dialogs().input("Dati CF/CNP angajator de restaurat : ", "", "").value_or("");
    if (cod.empty()) {
        platform::showMessage("Restaurarea nu a fost efectuata.", " ", Icon::None);
        return false;
    }
    if (!codCifre(cod)) {
        platform::showMessage("Cod incorect. Restaurarea nu a fost efectuata.", "", Icon::Exclamation);
        return false;
    }
    const std::string sub = subdirectorSalvare(cod);
    const std::string cale = caleAfisata(sub);
    bool areFisiere = false;
    try {
        areFisiere = files::directoryHasFiles(sub);
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareCitire(e.number(), cale), "", Icon::Exclamation);
        return false;
    }
    if (!areFisiere) {
        platform::showMessage("Subdirectorul " + cale + "din care se doreste restaurarea nu exista.",
                              TitluProgram, Icon::None);
        return false;
    }

    std::vector<std::string> surse;
    bool areAnul = false;
    for (const auto& p : seturiFisiereLaSalvare()) {
        surse.push_back(sub + "/" + copieAnuala(p));
        areAnul = areAnul || files::entryKind(surse.back()) != files::EntryKind::Missing;
    }
    if (!areAnul) {
        // The subdirectory holds files of other years only: emptying the
        // working files would lose them for nothing.
        platform::showMessage("Restaurarea nu a fost efectuata.", " ", Icon::None);
        return false;
    }

    // Every working file is replaced, by its saved copy or by an empty file
    // when none was saved, so that nothing of the employer worked on before
    // stays beside the one restored. The yearly copies of the year get the
    // same in the same commit: the exit then finds them equal, and no
    // previous employer's data come back from them.
    RescriereGrup grup;
    const auto& seturi = seturiFisiereLaSalvare();
    for (std::size_t i = 0; i < seturi.size(); ++i) {
        grup.copiaza(grup.adauga(seturi[i].lucru, copieAnuala(seturi[i])), surse[i]);
    }
    if (grup.finalizeaza()) {
        platform::showMessage("Restaurarea a fost efectuata.", " ", Icon::None);
        return true;
    }
    const EsecGrup& e = *grup.esec();
    if (e.laInlocuire) {
        platform::showMessage("Restaurarea nu a fost efectuata pentru : " + descriereEroare(e.fisier, e.numar) + ".",
                              "", Icon::Exclamation);
        return true;
    }
    platform::showMessage("Restaurarea nu a fost efectuata, fisierele de lucru au ramas neschimbate. " + cauzaEsec(e), "",
                          Icon::Exclamation);
    return false;
}

} // namespace olm
