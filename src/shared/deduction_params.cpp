#include "shared/deduction_params.h"

#include "shared/number_text.h"
#include "shared/parameter_file.h"
#include "shared/state.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace olm {

namespace {

const std::string NumeFisier = "Cuantum.txt";

CitireCuantum eroare(const std::string& text, bool anCitit) {
    CitireCuantum c;
    c.eroare = "Fisierul " + NumeFisier + " " + text;
    c.anCitit = anCitit;
    return c;
}

// Four digits, from 1990 to 2100, blanks aside.
std::optional<int> anFiscalValid(std::string_view camp) {
    std::string cifre;
    for (char c : camp) {
        if (c >= '0' && c <= '9') {
            cifre += c;
        } else if (c != ' ' && c != '\t') {
            return std::nullopt;
        }
    }
    if (cifre.size() != 4) {
        return std::nullopt;
    }
    const int an = std::stoi(cifre);
    return an >= 1990 && an <= 2100 ? std::optional<int>(an) : std::nullopt;
}

// A day below 10 gets a "0" in front: 3 becomes 03.
std::string ziDouaCifre(const std::string& zi) { return ValoareText(zi) < 10 ? "0" + zi : zi; }

// The fields that follow the month, each ended by its own comma; nothing when
// the line holds fewer.
std::optional<std::vector<std::string_view>> campuriDupaLuna(std::string_view linie, std::size_t dupaLuna,
                                                             std::size_t cate) {
    std::vector<std::string_view> campuri;
    campuri.reserve(cate);
    std::size_t inceput = dupaLuna;
    for (std::size_t k = 0; k < cate; ++k) {
        const std::size_t virgula = linie.find(',', inceput);
        if (virgula == std::string_view::npos) {
            return std::nullopt;
        }
        campuri.push_back(linie.substr(inceput, virgula - inceput));
        inceput = virgula + 1;
    }
    return campuri;
}

// Why a line cannot be taken: nothing when it was taken or passed over, an
// empty text when it lacks fields.
using Defect = std::optional<std::string>;

// The first field that is not a number; `primul` is the number of the first
// of them in the line.
Defect campNenumeric(const std::vector<std::string_view>& campuri, std::size_t primul) {
    for (std::size_t k = 0; k < campuri.size(); ++k) {
        if (!CampNumeric(campuri[k])) {
            return CampNenumeric(primul + k, campuri[k]);
        }
    }
    return std::nullopt;
}

// Takes one month line or the annual line, or passes it over when its month
// is none of them. A line with a field that is not a number is taken in no part.
Defect citesteLinie(std::string_view linie) {
    const std::size_t virgula = linie.find(',');
    if (auto defect = campNenumeric({linie.substr(0, virgula)}, 1)) {
        return defect;
    }
    const double luna = ValoareText(linie.substr(0, virgula));
    if (luna != std::floor(luna) || luna < 1 || luna > 13) {
        return std::nullopt;
    }
    if (virgula == std::string_view::npos) {
        return "";
    }
    CasuteCuantum& c = CuantumCasute;
    const auto campuri = campuriDupaLuna(linie, virgula + 1, luna <= 12 ? 4 : 7);
    if (!campuri) {
        return "";
    }
    if (auto defect = campNenumeric(*campuri, 2)) {
        return defect;
    }
    if (luna <= 12) {
        const auto i = static_cast<std::size_t>(luna) - 1;
        const auto& f = *campuri;
        DeducereBaza[i] = ValoareText(f[0]);
        c.Cuanta[i] = TextNumar(DeducereBaza[i]);
        CoefCopil[i] = c.Copil[i] = NormNumar(f[1]);
        CoefSotie[i] = c.Sotie[i] = NormNumar(f[2]);
        CoefAlta[i] = c.Alta[i] = NormNumar(f[3]);
        return std::nullopt;
    }
    const auto& f = *campuri;
    DeducereBaza[12] = ValoareText(f[0]);
    c.Cuanta[12] = TextNumar(DeducereBaza[12]);
    CoefMax = c.Maxi = NormNumar(f[1]);
    CoefInv1 = c.hand1 = NormNumar(f[2]);
    CoefInv2 = c.hand2 = NormNumar(f[3]);
    CoefInv3 = c.hand3 = NormNumar(f[4]);
    ProcChProf = c.Proc_ch = NormNumar(f[5]);
    CotaImpFinal = c.CotaIF = NormNumar(f[6]);
    return std::nullopt;
}

// Line 1: the year, the first working day, the last working day (the whole
// rest of the line). Nothing is taken from a line that is not whole.
std::optional<CitireCuantum> citestePrimaLinie(std::string_view linie) {
    const std::size_t v1 = linie.find(',');
    const std::size_t v2 = v1 == std::string_view::npos ? v1 : linie.find(',', v1 + 1);
    if (v2 == std::string_view::npos) {
        return eroare("are prima linie eronata.", false);
    }
    const std::optional<int> an = anFiscalValid(linie.substr(0, v1));
    if (!an) {
        return eroare("are linia 1 eronata: anul fiscal \"" + std::string(linie.substr(0, v1)) +
                          "\" nu este un an din patru cifre intre 1990 si 2100.",
                      false);
    }
    for (auto [zi, camp] : {std::pair{"prima", linie.substr(v1 + 1, v2 - v1 - 1)}, {"ultima", linie.substr(v2 + 1)}}) {
        if (!CampNumeric(camp)) {
            return eroare("are linia 1 eronata: " + std::string(zi) + " zi lucratoare \"" + std::string(camp) +
                              "\" nu este un numar.",
                          false);
        }
    }
    AnFiscal = *an;
    PrimaZi = ziDouaCifre(TextNumar(linie.substr(v1 + 1, v2 - v1 - 1)));
    UltimaZi = ziDouaCifre(std::string(linie.substr(v2 + 1)));
    CuantumCasute.AnF = anFiscalText();
    CuantumCasute.prima_zi = PrimaZi;
    CuantumCasute.ultima_zi = UltimaZi;
    TextAnFisc = std::string(linie);
    return std::nullopt;
}

std::string eticheta(int luna) {
    const std::string text = " " + std::to_string(luna);
    return text.substr(text.size() - 2);
}

} // namespace

CitireCuantum CitesteCuantum(const std::vector<std::string>& linii) {
    if (linii.empty()) {
        return eroare("are prima linie eronata.", false);
    }
    if (auto gresit = citestePrimaLinie(FaraMarcaUtf8(linii[0]))) {
        return *gresit;
    }
    if (linii.size() == 1) {
        return eroare("este incomplet.", true);
    }
    // A line is taken only when another follows it: the last line of a file
    // that lacks "eof" is not taken.
    for (std::size_t i = 1;; ++i) {
        if (linii[i] == "eof") {
            CitireCuantum c;
            c.anCitit = true;
            return c;
        }
        if (i + 1 == linii.size()) {
            return eroare("nu se termina cu linia eof.", true);
        }
        if (auto defect = citesteLinie(linii[i])) {
            CitireCuantum c;
            c.eroare = LinieEronata(NumeFisier, i + 1, *defect);
            c.anCitit = true;
            return c;
        }
    }
}

CitireCuantum CitesteCuantum() {
    std::vector<std::string> linii;
    if (Rezultat r = CitesteLiniiParametri(NumeFisier, linii); !r) {
        CitireCuantum c;
        c.eroare = r.eroare;
        return c;
    }
    return CitesteCuantum(linii);
}

std::vector<std::string> LiniiCuantum(const CasuteCuantum& c) {
    std::vector<std::string> linii{c.AnF + "," + c.prima_zi + "," + c.ultima_zi};
    for (std::size_t i = 0; i < 12; ++i) {
        linii.push_back(eticheta(static_cast<int>(i) + 1) + "," + c.Cuanta[i] + "," + c.Copil[i] + "," +
                        c.Sotie[i] + "," + c.Alta[i] + ",");
    }
    linii.push_back("13," + c.Cuanta[12] + "," + c.Maxi + "," + c.hand1 + "," + c.hand2 + "," + c.hand3 + "," +
                    c.Proc_ch + "," + c.CotaIF + ",");
    linii.emplace_back("eof");
    return linii;
}

Rezultat SalveazaCuantum() {
    const CasuteCuantum& c = CuantumCasute;
    const double an = ValoareText(c.AnF);
    AnFiscal = std::fabs(an) < 1e9 ? static_cast<int>(an) : 0;
    PrimaZi = c.prima_zi;
    UltimaZi = c.ultima_zi;
    TextAnFisc = c.AnF;
    for (std::size_t i = 0; i < 12; ++i) {
        DeducereBaza[i] = ValoareText(c.Cuanta[i]);
        CoefCopil[i] = c.Copil[i];
        CoefSotie[i] = c.Sotie[i];
        CoefAlta[i] = c.Alta[i];
    }
    DeducereBaza[12] = ValoareText(c.Cuanta[12]);
    CoefMax = c.Maxi;
    CoefInv1 = c.hand1;
    CoefInv2 = c.hand2;
    CoefInv3 = c.hand3;
    ProcChProf = c.Proc_ch;
    CotaImpFinal = c.CotaIF;

    return ScrieLiniiParametri(NumeFisier, LiniiCuantum(c));
}

} // namespace olm
