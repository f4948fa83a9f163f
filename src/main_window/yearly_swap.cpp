#include "main_window/yearly_swap.h"

#include "platform/files.h"
#include "shared/record_shape.h"
#include "shared/state.h"

#include <functional>

namespace olm {

namespace files = platform::files;

namespace {

// Every step of the swap is best-effort: a step that fails is skipped and the
// next one runs. Returns whether the step succeeded.
bool pas(const std::function<void()>& fa) {
    try {
        fa();
        return true;
    } catch (const platform::FileError&) {
        return false;
    } catch (const std::exception&) {
        return false;
    }
}

// The working files hold last year's data (0) or already this year's (1), as
// told by the employer line of the working employer file.
int flagStructura() {
    int flag = 0;
    pas([&] {
        if (files::exists("Repfisc.txt") && files::length("Repfisc.txt") != 0) {
            auto linie = files::readFirstLine("Repfisc.txt");
            if (!VerificaStructura(linie.value_or(""), SablonRepfisc2001)) {
                flag = 1;
            }
        }
    });
    return flag;
}

// An employer line of the earlier layout of this year carries the kind between
// "#" marks; it is rewritten in the current layout. Only the first line is
// kept, as the employer file holds one line.
void convertesteAngajatorVechi() {
    const std::string copie = copieAnuala(SetRepfisc());
    pas([&] {
        if (!files::exists(copie) || files::length(copie) == 0) {
            return;
        }
        auto linie = files::readFirstLine(copie).value_or("");
        if (!VerificaStructura(linie, SablonRepfiscVechi)) {
            return;
        }
        const auto inceputTip = linie.find(",#");
        const auto sfarsitTip = linie.find("#,#", inceputTip + 2);
        if (inceputTip == std::string::npos || sfarsitTip == std::string::npos) {
            return;
        }
        const std::string cod = linie.substr(0, inceputTip);
        const std::string tip = linie.substr(inceputTip + 2, sfarsitTip - inceputTip - 2);
        const std::string rest = linie.substr(sfarsitTip + 1);
        files::writeLines(copie, {cod + "," + tip + rest});
    });
}

void schimbaSet(const SetFisiere& set, int flag) {
    const std::string anual = copieAnuala(set);
    const std::string precedent = copieAnuala(set, anPrecedentText());

    pas([&] {
        if (!files::exists(set.lucru)) {
            files::createEmpty(set.lucru);
        }
    });
    if (flag == 0) {
        // The working file holds last year's data: it becomes last year's copy.
        pas([&] { files::copy(set.lucru, precedent); });
    } else {
        // The working file holds this year's data (a run that did not end
        // normally): last year's copy, when there is one, is left alone.
        pas([&] {
            if (!files::exists(precedent)) {
                files::createEmpty(precedent);
            }
        });
    }
    pas([&] {
        if (files::exists(anual)) {
            files::copy(anual, set.lucru);
        } else if (flag == 0) {
            files::createEmpty(set.lucru);
        } else {
            // This year's data exist only under the working name: keep them
            // and give them their yearly copy.
            files::copy(set.lucru, anual);
        }
    });
}

} // namespace

void SchimbaFisiereLaPornire() {
    const int flag = flagStructura();
    convertesteAngajatorVechi();
    for (const auto& set : seturiFisiere()) {
        schimbaSet(set, flag);
    }
}

std::vector<std::string> SchimbaFisiereLaIesire() {
    for (const char* sortat : {"ff1_sort1.txt", "ff2_sort1.txt"}) {
        pas([&] { files::remove(sortat); });
    }

    const auto& ordine = seturiFisiereLaSalvare();

    std::vector<std::string> nesalvate;
    std::vector<bool> salvat(ordine.size(), false);
    for (size_t i = 0; i < ordine.size(); ++i) {
        const std::string anual = copieAnuala(ordine[i]);
        salvat[i] = pas([&] {
            if (files::exists(ordine[i].lucru)) {
                files::copy(ordine[i].lucru, anual);
            } else {
                files::createEmpty(anual);
            }
        });
        if (!salvat[i]) {
            nesalvate.push_back(anual);
        }
    }
    for (size_t i = 0; i < ordine.size(); ++i) {
        if (!salvat[i]) {
            // This year's data are only in the working file: never overwrite it.
            continue;
        }
        const std::string precedent = copieAnuala(ordine[i], anPrecedentText());
        pas([&] {
            if (files::exists(precedent)) {
                files::copy(precedent, ordine[i].lucru);
            } else {
                files::createEmpty(ordine[i].lucru);
            }
        });
    }

    for (const char* sortat : {"ff1_sort.txt", "ff2_sort.txt", "Dedu_sort.txt", "rep_sort.txt"}) {
        pas([&] { files::remove(sortat); });
    }
    return nesalvate;
}

} // namespace olm
