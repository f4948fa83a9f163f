#include "main_window/diskette_handin.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drive.h"
#include "platform/file_error.h"
#include "shared/data_files.h"
#include "shared/state.h"

#include <functional>
#include <string>

namespace olm {

namespace drive = platform::drive;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr double AsteptareFinal = 5;  // seconds before the closing message
constexpr double AsteptareEroare = 20; // seconds before an error message
constexpr const char* TitluIntrebare = "  ";
constexpr const char* TitluMesaj = " ";

// Runs one step of the hand-in. On "no diskette" the clerk may put one in and
// retry the same step, or give up; any other error ends the command. Returns
// false when the command must end.
bool pas(const std::function<void()>& fa) {
    for (;;) {
        int numar = 0;
        try {
            fa();
            return true;
        } catch (const platform::FileError& e) {
            numar = e.number();
        }
        if (!platform::clock().busyWait(AsteptareEroare)) {
            return false; // the program is ending: as "Anuleaza"
        }
        const std::string eroare = "Eroare " + std::to_string(numar);
        switch (numar) {
        case platform::DiskNotReady:
            if (platform::dialogs().message(eroare + ". Nu ati introdus discheta in unitate .",
                                            TitluIntrebare, Icon::Exclamation,
                                            Buttons::RetryCancel) == Answer::Retry) {
                continue;
            }
            return false;
        case platform::BadFileName:
            platform::showMessage(eroare + ". Discheta defecta.", TitluIntrebare, Icon::Exclamation);
            return false;
        case platform::DiskFull:
            platform::showMessage(eroare + ". Discheta plina. ", TitluIntrebare, Icon::Exclamation);
            return false;
        default:
            platform::showMessage(eroare + ".", TitluIntrebare, Icon::Exclamation);
            return false;
        }
    }
}

} // namespace

RezultatPredare PredareDischeta() {
    const bool introdusa = platform::askYesNo("Ati introdus discheta  ?", TitluIntrebare, Icon::None);
    if (!introdusa) {
        // The program ending meanwhile has nothing more to tell.
        if (platform::clock().busyWait(AsteptareFinal)) {
            platform::showMessage("Salvarea nu a fost efectuata.", TitluMesaj, Icon::None);
        }
        return RezultatPredare::Neefectuata;
    }

    if (!pas([] { drive::emptyRoot(); })) {
        return RezultatPredare::Intrerupta;
    }
    for (const auto& set : seturiFisiereLaSalvare()) {
        if (!pas([&] { drive::copyOnto(set.lucru, copieAnuala(set)); })) {
            return RezultatPredare::Intrerupta;
        }
    }
    if (platform::clock().busyWait(AsteptareFinal)) {
        platform::showMessage("Salvarea a fost efectuata.", TitluMesaj, Icon::None);
    }
    return RezultatPredare::Efectuata;
}

} // namespace olm
