#include "shared/data_files.h"

#include "platform/files.h"
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
    Rezultat rez;
    for (const auto& set : seturi) {
        const std::string copie = copieAnuala(set);
        try {
            platform::files::copy(set.lucru, copie);
        } catch (const platform::FileError& e) {
            if (rez) {
                rez = Rezultat::esec(mesajEroareScriere(e.number(), copie));
            }
        }
    }
    return rez;
}

} // namespace olm
