#include "shared/data_files.h"

#include "platform/files.h"
#include "shared/file_group.h"
#include "shared/file_messages.h"
#include "shared/reserve_folder.h"
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

std::string DefectFisierLucru(const std::string& lucru, const std::string& copie) {
    namespace files = platform::files;
    if (!files::exists(lucru)) {
        return "";
    }
    if (files::isEmpty(lucru)) {
        return files::isEmpty(copie) ? "" : "era gol";
    }
    if (files::holdsNulByte(lucru) && !files::sameBytes(lucru, copie)) {
        return "era deteriorat (contine caractere nule)";
    }
    return "";
}

std::string ConstatareDefect(const std::string& lucru, const std::string& defect, const std::string& copie) {
    return "Fisierul " + lucru + " " + defect + ": copia " + copie +
           (platform::files::exists(copie) ? " a ramas neschimbata" : " lipsea");
}

Rezultat VerificaFisiereLucru(const std::vector<SetFisiere>& seturi, const std::string& refuz) {
    namespace files = platform::files;
    files::Transaction t;
    Rezerva rezerva(t);
    // "Fisierul FF1.txt era gol: copia FF1_2002.txt a ramas neschimbata",
    // completed once the commit tells whether the copy took its place; or
    // "...: copia FF1_2002.txt lipsea", which takes no place.
    struct Gasit {
        std::string text;
        bool areCopie;
    };
    std::vector<Gasit> gasite;
    const auto mesaj = [&](const std::string& incheiere, const std::string& dupa) {
        std::string m;
        for (const auto& g : gasite) {
            m += g.text + (g.areCopie ? incheiere : "") + ". ";
        }
        return Rezultat::esec(m + dupa + refuz);
    };
    for (const auto& set : seturi) {
        const std::string copie = copieAnuala(set);
        try {
            const std::string defect = DefectFisierLucru(set.lucru, copie);
            if (defect.empty()) {
                continue;
            }
            const bool areCopie = files::exists(copie);
            gasite.push_back({ConstatareDefect(set.lucru, defect, copie), areCopie});
            if (!files::isEmpty(set.lucru)) {
                rezerva.pastreaza(set.lucru);
            }
            if (areCopie) {
                t.copy(copie, set.lucru);
            } else {
                t.createEmpty(set.lucru);
            }
        } catch (const platform::FileError& e) {
            return mesaj("", mesajEsecScriere(e, set.lucru) + " ");
        }
    }
    if (gasite.empty()) {
        return Rezultat::reusit();
    }
    try {
        t.commit();
    } catch (const platform::FileError& e) {
        return mesaj("", mesajEsecScriere(e, e.file()) + " ");
    }
    const std::string pastrate = rezerva.mesaj();
    return mesaj(" si i-a luat locul", pastrate.empty() ? "" : pastrate + " ");
}

Rezultat ActualizeazaCopiileAnuale(const std::vector<SetFisiere>& seturi) {
    if (Rezultat r = VerificaFisiereLucru(seturi); !r) {
        return r;
    }
    RescriereGrup grup;
    for (const auto& set : seturi) {
        if (platform::files::exists(set.lucru)) {
            grup.copiaza(grup.adauga(copieAnuala(set)), set.lucru);
        }
    }
    return grup.finalizeaza();
}

} // namespace olm
