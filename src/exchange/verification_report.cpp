#include "exchange/verification_report.h"

#include "shared/state.h"

#include <array>
#include <string_view>
#include <utility>

namespace olm {

namespace {

const std::string Regula(100, '-');

constexpr std::array<std::string_view, 9> CasetaRegularizare{
    "      ====================================================================",
    "     | ATENTIE! NU SE FACE REGULARIZAREA pentru un angajat daca:          |",
    "     |     1. are venituri din alte surse                                 |",
    "     |     2. data inceperii/incetarii activitatii este diferita de       |",
    "     |       inceputul/sfarsitul anului fiscal                            |",
    "     |     3. are coeficienti de deducere egali cu zero                   |",
    "     |     4. este persoana romana fara domiciliu in Romania              |",
    "     |     5. este persoana straina (codul angajatului incepe cu cifra 9) |",
    "      ====================================================================",
};

} // namespace

void RaportVerificare::scrie(std::string linie) { linii_.push_back(std::move(linie)); }

void RaportVerificare::eroare(std::string linie) {
    linii_.push_back(std::move(linie));
    existaErori_ = true;
}

void ScrieAntetSectiune(RaportVerificare& raport, int sectiune) {
    const std::string an = anFiscalText();
    if (sectiune > 1) {
        raport.scrie(Regula);
    }
    switch (sectiune) {
    case 1:
        raport.scrie("1.Erori privind inregistrarile multiple, goale sau cu structura eronata.");
        raport.scrie(std::string(71, '='));
        raport.scrie("     (Fisierele anului " + an + " sunt rescrise in ordinea crescatoare a codului,");
        raport.scrie("         fara inregistrarile multiple, goale sau cu structura eronata.)");
        break;
    case 6:
        raport.scrie("6.Erori de corelare coeficienti in FF1_" + an + ".txt si Ded_" + an + ".txt");
        raport.scrie("(COEF.DED.SIT.PROPRIE + COEF.DED.SUPLIM. <> COEF.TOTAL DED).");
        raport.scrie(std::string(62, '='));
        break;
    default: {
        // Sections 2 to 5 each name the file they check.
        constexpr std::array<std::string_view, 4> Fisiere{"Rep_", "FF1_", "FF2_", "Ded_"};
        const auto fisier = Fisiere.at(static_cast<std::size_t>(sectiune - 2));
        raport.scrie(std::to_string(sectiune) + ".Erori in " + std::string(fisier) + an + ".txt.");
        raport.scrie(std::string(32, '='));
        if (sectiune == 3) {
            for (std::string_view l : CasetaRegularizare) {
                raport.scrie(std::string(l));
            }
        }
        break;
    }
    }
}

void ScrieNotaAbandon(RaportVerificare& raport) {
    // "aaaa" stands as written: the note has always named the files so.
    raport.scrie("   Atentie ! Din cauza erorilor de structura in FF1_aaaa.txt si/sau Ded_aaaa.txt ");
    raport.scrie("procedura de verificare a corelarii a fost abandonata.");
}

void ScrieSfarsitRaport(RaportVerificare& raport) {
    raport.scrie(Regula);
    raport.scrie("                  Sfarsit verificari");
}

std::string MesajFaraErori(bool repGol, bool ff1Gol, bool ff2Gol, bool dedGol) {
    const std::string an = anFiscalText();
    std::string goale;
    if (repGol) {
        goale += "Rep_" + an + ".txt e gol, ";
    }
    if (ff1Gol) {
        goale += "Ff1_" + an + ".txt e gol, ";
    }
    if (ff2Gol) {
        goale += "Ff2_" + an + ".txt e gol, ";
    }
    if (dedGol) {
        goale += "Ded_" + an + ".txt e gol. ";
    }
    if (repGol && ff1Gol && ff2Gol && dedGol) {
        return goale;
    }
    return "Verificarea a fost efectuata si nu sunt erori. " + goale;
}

std::string NumeCopieRaport(const std::string& codAngajator) {
    std::size_t sfarsit = 0;
    while (sfarsit < codAngajator.size() && codAngajator[sfarsit] >= '0' && codAngajator[sfarsit] <= '9') {
        ++sfarsit;
    }
    std::size_t inceput = 0;
    while (inceput + 1 < sfarsit && codAngajator[inceput] == '0') {
        ++inceput;
    }
    const std::string cifre = sfarsit == 0 ? "0" : codAngajator.substr(inceput, sfarsit - inceput);
    return "erori_" + cifre + ".txt";
}

} // namespace olm
