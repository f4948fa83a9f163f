#include "main_window/startup.h"

#include "main_window/yearly_swap.h"
#include "platform/dialogs.h"
#include "platform/file_transaction.h"
#include "shared/deduction_params.h"
#include "shared/tax_grid.h"

#include <filesystem>
#include <optional>

namespace olm {

namespace {

using Lock = platform::InstanceLock;

std::string motiv(int eroare) {
    switch (eroare) {
    case platform::DiskFull:
        return "discul este plin";
    case platform::PermissionDenied:
        return "nu exista drept de scriere in director";
    case platform::PathFileAccessError:
        return "directorul nu permite scrierea";
    default:
        return "eroare " + std::to_string(eroare);
    }
}

// Takes the lock, or says why the program must end (nothing when another
// instance of this computer holds it, or the clerk leaves the other
// computer's lock alone).
std::optional<RezultatPornire> blocheaza(Lock& lock) {
    Lock::Outcome o = lock.tryAcquire();
    if (o.state == Lock::State::HeldElsewhere &&
        // Enter leaves the other computer's lock alone: its program may be
        // running still, and two programs writing the same files lose data.
        platform::askYesNoDefaultNo("Directorul de lucru " + Lock::directory() +
                               " este folosit de programul pornit pe calculatorul " + o.host +
                               " (procesul " + std::to_string(o.pid) +
                               "). Daca programul nu mai ruleaza acolo, il puteti prelua. "
                               "Preluati directorul ?",
                           "", platform::Icon::Exclamation)) {
        o = lock.takeOver();
    }
    switch (o.state) {
    case Lock::State::Acquired:
        return std::nullopt;
    case Lock::State::HeldHere:
    case Lock::State::HeldElsewhere:
        return RezultatPornire{StarePornire::AltaInstanta, ""};
    case Lock::State::Failed:
        break;
    }
    return RezultatPornire{StarePornire::Oprit,
                           "Programul nu poate porni: in directorul de lucru " + Lock::directory() +
                               " nu se poate crea fisierul de blocare (" + motiv(o.error) + ")."};
}

} // namespace

RezultatPornire PornesteLucrul(platform::InstanceLock& lock) {
    if (auto oprire = blocheaza(lock)) {
        return *oprire;
    }
    RezultatPornire rezultat;
    // Before any file is read: the renames of a commit that a crash cut
    // short are completed, the scratch files of unfinished rewrites removed.
    try {
        const auto refacere = platform::files::recoverInterruptedWrites();
        rezultat.renumiriReluate = refacere.completed;
        rezultat.temporareSterse = refacere.removed;
    } catch (const platform::files::DamagedRecordError&) {
        // Which scratch file goes where is not known: the clerk puts the
        // files right by hand, as the README tells, before the next start.
        return {StarePornire::Oprit, "Programul nu poate porni: scrierea intrerupta a fisierelor de date nu poate fi "
                                     "terminata. Fisierele au fost lasate asa cum erau."};
    } catch (const platform::FileError& e) {
        // The record of the commit is the program's own: the clerk knows the
        // data files it was writing, not it.
        const bool dinJurnal = platform::files::isOwnFile(std::filesystem::path(e.file()).filename().string());
        return {StarePornire::Oprit, "Programul nu poate porni: scrierea intrerupta " +
                                         (dinJurnal ? std::string("a fisierelor de date") : "a fisierului " + e.file()) +
                                         " nu poate fi terminata (eroare " + std::to_string(e.number()) + ")."};
    }
    // Without the fiscal year the yearly copies cannot be named: touching the
    // data files then would scatter them under wrong names. A fault further
    // on leaves the parameters not read as they were, and is told.
    const CitireCuantum cuantum = CitesteCuantum();
    if (!cuantum.anCitit) {
        return {StarePornire::FaraParametri,
                cuantum.eroare + " Programul nu poate porni fara parametrii din Cuantum.txt."};
    }
    if (!cuantum.ok()) {
        rezultat.mesaj = cuantum.eroare + " Parametrii care nu au putut fi cititi au ramas neschimbati.";
    }
    Rezultat impozitar = CitesteImpozitar();
    if (!impozitar.ok()) {
        rezultat.mesaj += (rezultat.mesaj.empty() ? "" : "\r\n") + impozitar.eroare +
                          " Impozitele nu pot fi calculate corect.";
    }
    RezultatSchimb schimb = SchimbaFisiereLaPornire();
    if (!schimb.reusit) {
        return {StarePornire::Oprit, schimb.mesaj + " Programul se opreste."};
    }
    if (!schimb.mesaj.empty()) {
        rezultat.mesaj += (rezultat.mesaj.empty() ? "" : "\r\n") + schimb.mesaj;
    }
    return rezultat;
}

std::string TerminaLucrul() { return SchimbaFisiereLaIesire().mesaj; }

} // namespace olm
