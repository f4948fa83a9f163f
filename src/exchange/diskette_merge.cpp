#include "exchange/diskette_merge.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drive.h"
#include "platform/file_error.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/state.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace olm {

namespace drive = platform::drive;
using platform::Icon;

namespace {

constexpr double PauzaIntreDischete = 3; // seconds
constexpr const char* TitluEroare = "  ";

const std::string IntrebareUnire =
    "    Fiecare angajator trebuie sa predea la unitatea fiscala "
    "cate un singur fisier Rep_aaaa.txt, Ff1_aaaa.txt, Ff2_aaaa.txt, Ded_aaaa.txt.\r\n\r\n"
    "    Daca ati incarcat fise fiscale pe mai multe statii de lucru, salvati-le pe dischete si "
    "apoi utilizati functia de 'Unire dischete'."
    "   In caz de manevrare gresita a dischetelor, puteti relua de la capat operatia "
    "de unire. \r\n"
    "   ATENTIE ! Apeland functia de 'Unire dischete' se sterg datele introduse pe acest calculator.\r\n\r\n"
    "   PASI DE URMAT inainte de unire dischete, daca ati incarcat fise fiscale pe ACEST calculator : \r\n"
    "        1. SALVATI fisierele in subdirector (se poate reveni cu RESTAURARE din subdirector).\r\n"
    "        2. SALVATI fisierele pe discheta.\r\n"
    "Dischetele de la toate statiile de lucru (inclusiv statia de fata) se vor introduce pe rand pentru a fi unite.\r\n\r\n"
    "   Continuati unirea fisierelor text ?";

enum class Pas { Reusit, Sarit, Oprit };

// One step on the diskette. No diskette: the clerk puts one in and the step
// runs again, or he gives up. A file gone from the diskette is passed over;
// any other error ends the merge.
Pas pePas(const std::string& fisier, const std::function<void()>& fa) {
    for (;;) {
        int numar = 0;
        try {
            fa();
            return Pas::Reusit;
        } catch (const platform::FileError& e) {
            numar = e.number();
        }
        const std::string eroare = "Eroare " + std::to_string(numar);
        switch (numar) {
        case platform::FileNotFound:
            platform::showMessage("Fisierul " + fisier + " nu exista pe discheta.", TitluEroare,
                                  Icon::Exclamation);
            return Pas::Sarit;
        case platform::DiskNotReady:
            if (platform::dialogs().message(eroare + ". Nu ati introdus discheta in unitate .", TitluEroare,
                                            Icon::Exclamation,
                                            platform::Buttons::RetryCancel) == platform::Answer::Retry) {
                continue;
            }
            return Pas::Oprit;
        case platform::BadFileName:
            platform::showMessage(eroare + ". Discheta defecta. Refaceti discheta si reluati faza de unire. ",
                                  TitluEroare, Icon::Exclamation);
            return Pas::Oprit;
        case platform::PathFileAccessError:
            platform::showMessage(eroare + ". Fisier defect. Refaceti discheta si reluati faza de unire. ",
                                  TitluEroare, Icon::Exclamation);
            return Pas::Oprit;
        default:
            platform::showMessage(eroare + ".", TitluEroare, Icon::Exclamation);
            return Pas::Oprit;
        }
    }
}

// Asks for the next diskette; false when the clerk has no more.
bool urmatoareaDischeta(bool prima) {
    for (;;) {
        if (platform::askYesNo(prima ? "Introduceti prima discheta. Ati introdus discheta ?"
                                     : "Introduceti discheta urmatoare. Ati introdus discheta ?",
                               "  ")) {
            return true;
        }
        if (!platform::askYesNo("Mai aveti dischete de introdus ?", " ")) {
            return false;
        }
    }
}

} // namespace

RezultatUnire UnesteDischete() {
    RezultatUnire rez;
    NrDischete = 0;
    if (!platform::askYesNo(IntrebareUnire, "Unire fisiere text preluate de pe mai multe dischete  ")) {
        return rez;
    }
    rez.stare = RezultatUnire::Stare::Intrerupta;

    // Indexes of seturiFisiere(): employer, Fisa 1, Fisa 2, dependants. The
    // yearly copies get the same in the same commit.
    const auto& seturi = seturiFisiere();
    RescriereGrup grup;
    for (const auto& set : seturi) {
        grup.adauga(set.lucru, copieAnuala(set));
    }
    std::vector<std::string> angajator; // of the last diskette that has one
    int dischete = 0;

    while (grup.ok() && urmatoareaDischeta(dischete == 0)) {
        if (pePas("", [] { drive::checkReady(); }) == Pas::Oprit) {
            return rez;
        }
        ++dischete;
        for (std::size_t i = 0; i < seturi.size(); ++i) {
            const std::string fisier = copieAnuala(seturi[i]);
            std::optional<std::vector<std::string>> linii;
            const Pas p = pePas(fisier, [&] {
                if (drive::hasFile(fisier)) {
                    linii = drive::readLines(fisier);
                }
            });
            if (p == Pas::Oprit) {
                return rez;
            }
            if (!linii) {
                continue;
            }
            if (seturi[i].lucru == SetRepfisc().lucru) {
                angajator = std::move(*linii);
                continue;
            }
            grup.scrie(i, *linii);
            const auto n = static_cast<std::int64_t>(linii->size());
            if (seturi[i].lucru == SetFf1().lucru) {
                rez.fise1 += n;
            } else if (seturi[i].lucru == SetFf2().lucru) {
                rez.fise2 += n;
            }
        }
        if (!platform::clock().busyWait(PauzaIntreDischete)) {
            return rez; // the program is ending: as "Anuleaza", nothing written
        }
    }

    grup.scrie(0, angajator);
    if (const Rezultat scris = grup.finalizeaza(); !scris) {
        platform::showMessage(scris.eroare, "", Icon::Exclamation);
        return rez;
    }
    NrDischete = dischete;
    rez.stare = RezultatUnire::Stare::Efectuata;
    platform::showMessage("S-au restaurat " + std::to_string(rez.fise1) + " fise fiscale tip 1 si " +
                              std::to_string(rez.fise2) + " fise fiscale tip 2 de pe " +
                              std::to_string(NrDischete) + " dischete.",
                          " ", Icon::None);
    return rez;
}

} // namespace olm
