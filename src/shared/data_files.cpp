#include "shared/data_files.h"

#include "platform/files.h"
#include "shared/file_group.h"
#include "shared/state.h"

namespace olm {

const SetFisiere& SetRepfisc() {
    static const SetFisiere s{"Repfisc.txt", "Rep"};
    return s;
}

const SetFisiere& SetFf1() {
    static const SetFisiere s{"FF1.txt", "FF1"};
    return s;
}

const SetFisiere& SetFf2() {
    static const SetFisiere s{"FF2.txt", "FF2"};
    return s;
}

const SetFisiere& SetDeduceri() {
    static const SetFisiere s{"Deduceri.txt", "Ded"};
    return s;
}

const std::vector<SetFisiere>& seturiFisiere() {
    static const std::vector<SetFisiere> seturi = {SetRepfisc(), SetFf1(), SetFf2(), SetDeduceri()};
    return seturi;
}

const std::vector<SetFisiere>& seturiFisiereLaSalvare() {
    static const std::vector<SetFisiere> seturi = {SetFf1(), SetFf2(), SetDeduceri(), SetRepfisc()};
    return seturi;
}

std::string copieAnuala(const SetFisiere& set, const std::string& an) {
    return set.prefix + "_" + an + ".txt";
}

std::string copieAnuala(const SetFisiere& set) {
    return copieAnuala(set, std::to_string(AnDateLucru != 0 ? AnDateLucru : AnFiscal));
}

Rezultat ActualizeazaCopiileAnuale(const std::vector<SetFisiere>& seturi) {
    RescriereGrup grup;
    for (const auto& set : seturi) {
        if (platform::files::exists(set.lucru)) {
            grup.copiaza(grup.adauga(copieAnuala(set)), set.lucru);
        }
    }
    return grup.finalizeaza();
}

} // namespace olm
