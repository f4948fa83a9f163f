#include "shared/entry_checks.h"

#include "platform/date_style.h"
#include "platform/dialogs.h"
#include "shared/number_text.h"
#include "shared/state.h"

#include <regex>

namespace olm {

bool VerificaPersoana(const DatePersoana& persoana) {
    if (ValoareText(persoana.CodI) == 0) {
        return true;
    }
    double suma = 0;
    for (const std::string& coef : persoana.CoefI) {
        suma += ValNumar(coef);
    }
    const char* mesaj = nullptr;
    if (suma == 0) {
        mesaj = "Nu ati completat coeficientii de deducere.";
    } else if (!persoana.Sotie && !persoana.Copil && !persoana.Alta) {
        mesaj = "Nu ati dat calitatea persoanei";
    }
    if (mesaj == nullptr) {
        return true;
    }
    platform::dialogs().message(mesaj, "", platform::Icon::Exclamation, platform::Buttons::Ok);
    return false;
}

bool StilDataAcceptat(const std::string& stil) {
    // Day and month as two-digit numbers, in this order, separated by "/",
    // then the year: every date the program types, stores and cuts apart has
    // its day at characters 1-2 and its month at 4-5. "mm" is a month too, as
    // the message to the clerk writes it.
    static const std::regex forma("dd/[Mm]{2}/(yy|yyyy)");
    return std::regex_match(stil, forma);
}

void VerificaData() {
    EroareStilData = 0;
    if (!StilDataAcceptat(platform::shortDateStyle())) {
        platform::dialogs().message("Nu aveti setarea 'Short date Style: dd/mm/yy' (la Regional Settings).", "",
                                    platform::Icon::Exclamation, platform::Buttons::Ok);
        EroareStilData = 1;
    }
}

} // namespace olm
