#include "shared/tax_grid.h"

#include "shared/number_text.h"
#include "shared/parameter_file.h"

#include <cmath>

namespace olm {

namespace {

const std::string NumeCitire = "impozitar.txt";
const std::string NumeScriere = "Impozitar.txt";

// The four first fields are cut at the commas; the fifth is the rest of the
// line. A field the line does not reach stays empty and reads as 0.
std::array<std::string_view, 5> taieRand(std::string_view linie) {
    std::array<std::string_view, 5> campuri{};
    std::size_t inceput = 0;
    for (int c = 0; c < 4; ++c) {
        const std::size_t virgula = linie.find(',', inceput);
        if (virgula == std::string_view::npos) {
            campuri[c] = linie.substr(inceput);
            inceput = linie.size();
            break;
        }
        campuri[c] = linie.substr(inceput, virgula - inceput);
        inceput = virgula + 1;
        if (c == 3) {
            campuri[4] = linie.substr(inceput);
        }
    }
    return campuri;
}

RandImpozitar citesteRand(const std::array<std::string_view, 5>& campuri) {
    RandImpozitar rand;
    rand.gol = false;
    rand.luna = ValoareText(campuri[0]);
    rand.limitaInf = ValoareText(campuri[1]);
    rand.limitaSup = ValoareText(campuri[2]);
    rand.fix = ValoareText(campuri[3]);
    rand.procent = ValoareText(campuri[4]);
    return rand;
}

// The month, blanks aside, is written in digits.
bool lunaInCifre(std::string_view linie) {
    const std::string_view luna = linie.substr(0, linie.find(','));
    bool cifre = false;
    for (char c : luna) {
        if (c >= '0' && c <= '9') {
            cifre = true;
        } else if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return cifre;
}

} // namespace

const std::array<std::string_view, 15> ComentariuImpozitar = {
    "Daca apar erori in acest fisier (nu se mai respecta structura",
    "detaliata mai jos), regasiti impozitarul de baza (luna ianuarie",
    "si anul) in fisierul Impozitar_copie.txt.",
    "*************************************************************",
    "* Structurarea fisierului Impozitar este urmatoarea :       *",
    "* - primele doua cifre reprezinta luna de la care este      *",
    "*   valabil impozitarul (de forma ' x' sau ' xx' 13 pentru  *",
    "*   impozitul anual), limita inferioara a intervalului,     *",
    "*   limita superioara a intervalului, valoarea fixa a       *",
    "*   impozitului, procentul de impozitare.                   *",
    "* - informatiile sunt inregistrate in ordine descendenta    *",
    "*   a lunii si limitei inferioare.                          *",
    "* - partea de date este despartita de acest comentariu      *",
    "*   prin linia continand cuvantul eof                       *",
    "*************************************************************",
};

Rezultat CitesteImpozitar(const std::vector<std::string>& linii, const std::string& nume) {
    Impozitar = {};
    std::size_t k = 0;
    for (std::size_t i = 0; i < linii.size(); ++i) {
        const std::string_view linie = i == 0 ? FaraMarcaUtf8(linii[0]) : std::string_view(linii[i]);
        if (linie == "eof") {
            return Rezultat::reusit();
        }
        if (k == Impozitar.size()) {
            return Rezultat::esec("Fisierul " + nume + " are mai mult de " + std::to_string(Impozitar.size()) +
                                  " de randuri.");
        }
        if (!lunaInCifre(linie)) {
            return Rezultat::esec(LinieEronata(nume, i + 1, "luna nu este un numar"));
        }
        const auto campuri = taieRand(linie);
        for (std::size_t c = 1; c < campuri.size(); ++c) {
            if (!CampNumeric(campuri[c])) {
                return Rezultat::esec(LinieEronata(nume, i + 1, CampNenumeric(c + 1, campuri[c])));
            }
        }
        Impozitar[k++] = citesteRand(campuri);
    }
    return Rezultat::esec("Fisierul " + nume + " nu se termina cu linia eof.");
}

Rezultat CitesteImpozitar() {
    std::vector<std::string> linii;
    if (Rezultat r = CitesteLiniiParametri(NumeCitire, linii); !r) {
        Impozitar = {};
        return r;
    }
    return CitesteImpozitar(linii, NumeCitire);
}

std::string LinieImpozitar(const RandImpozitar& rand) {
    std::string luna = TextNumar(rand.luna);
    if (luna.size() < 2) {
        luna.insert(0, 2 - luna.size(), ' ');
    }
    return luna + "," + TextNumar(rand.limitaInf) + "," + TextNumar(rand.limitaSup) + "," +
           TextNumar(rand.fix) + "," + TextNumar(rand.procent);
}

std::vector<std::string> LiniiImpozitar() {
    std::vector<std::string> linii;
    for (const RandImpozitar& rand : Impozitar) {
        if (rand.gol) {
            break;
        }
        linii.push_back(LinieImpozitar(rand));
    }
    linii.emplace_back("eof");
    linii.insert(linii.end(), ComentariuImpozitar.begin(), ComentariuImpozitar.end());
    return linii;
}

Rezultat ScrieImpozitar() { return ScrieLiniiParametri(NumeScriere, LiniiImpozitar()); }

double CalculImpozit(int luna, double& venit) {
    if (!(venit >= 0)) {
        venit = 0;
    }
    // An empty row ends both scans: past it there is no grid.
    std::size_t i = 0;
    const std::size_t n = Impozitar.size();
    while (i < n && !Impozitar[i].gol && luna < Impozitar[i].luna) {
        ++i;
    }
    while (i < n && !Impozitar[i].gol && venit < Impozitar[i].limitaInf) {
        ++i;
    }
    if (i == n || Impozitar[i].gol) {
        return 0;
    }
    const RandImpozitar& rand = Impozitar[i];
    const double baza = std::floor(venit / 1000) * 1000;
    return RotunjireLei(rand.fix + (baza - rand.limitaInf + 1) * (rand.procent / 100));
}

} // namespace olm
