#include "shared/deduction_params.h"

#include "platform/files.h"
#include "shared/number_text.h"
#include "shared/state.h"

#include <array>
#include <cmath>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

namespace olm {

namespace files = platform::files;

namespace {

const std::string NumeFisier = "Cuantum.txt";

Rezultat eroare(const std::string& text) { return Rezultat::esec("Fisierul " + NumeFisier + " " + text); }

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

// Takes one month line or the annual line; false when it is malformed.
bool citesteLinie(std::string_view linie) {
    const std::size_t virgula = linie.find(',');
    const double luna = ValoareText(linie.substr(0, virgula));
    if (luna != std::floor(luna) || luna < 1 || luna > 13) {
        return true;
    }
    if (virgula == std::string_view::npos) {
        return false;
    }
    CasuteCuantum& c = CuantumCasute;
    if (luna <= 12) {
        const auto campuri = campuriDupaLuna(linie, virgula + 1, 4);
        if (!campuri) {
            return false;
        }
        const auto i = static_cast<std::size_t>(luna) - 1;
        const auto& f = *campuri;
        DeducereBaza[i] = ValoareText(f[0]);
        c.Cuanta[i] = TextNumar(DeducereBaza[i]);
        CoefCopil[i] = c.Copil[i] = NormNumar(f[1]);
        CoefSotie[i] = c.Sotie[i] = NormNumar(f[2]);
        CoefAlta[i] = c.Alta[i] = NormNumar(f[3]);
        return true;
    }
    const auto campuri = campuriDupaLuna(linie, virgula + 1, 7);
    if (!campuri) {
        return false;
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
    return true;
}

// Line 1: the year, the first working day, the last working day (the whole
// rest of the line).
bool citestePrimaLinie(const std::string& linie) {
    const std::size_t v1 = linie.find(',');
    if (v1 == std::string::npos) {
        return false;
    }
    const std::size_t v2 = linie.find(',', v1 + 1);
    if (v2 == std::string::npos) {
        return false;
    }
    const double an = ValoareText(std::string_view(linie).substr(0, v1));
    AnFiscal = std::fabs(an) < 1e9 ? static_cast<int>(an) : 0;
    PrimaZi = ziDouaCifre(TextNumar(std::string_view(linie).substr(v1 + 1, v2 - v1 - 1)));
    UltimaZi = ziDouaCifre(linie.substr(v2 + 1));
    CuantumCasute.AnF = anFiscalText();
    CuantumCasute.prima_zi = PrimaZi;
    CuantumCasute.ultima_zi = UltimaZi;
    TextAnFisc = linie;
    return true;
}

std::string eticheta(int luna) {
    const std::string text = " " + std::to_string(luna);
    return text.substr(text.size() - 2);
}

} // namespace

Rezultat CitesteCuantum() {
    try {
        if (!files::exists(NumeFisier)) {
            return eroare("nu exista.");
        }
        files::LineReader cititor(NumeFisier);
        std::string linie;
        if (!cititor.next(linie) || !citestePrimaLinie(linie)) {
            return eroare("are prima linie eronata.");
        }
        if (!cititor.next(linie)) {
            return eroare("este incomplet.");
        }
        // The line after the one in hand is read first: the last line of a
        // file that lacks "eof" is not taken.
        std::string urmatoarea;
        for (int numar = 2;; ++numar) {
            if (linie == "eof") {
                return Rezultat::reusit();
            }
            if (!cititor.next(urmatoarea)) {
                return eroare("nu se termina cu linia eof.");
            }
            if (!citesteLinie(linie)) {
                return eroare("are linia " + std::to_string(numar) + " eronata.");
            }
            linie.swap(urmatoarea);
        }
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareCitire(e.number(), NumeFisier));
    } catch (const std::exception&) {
        return eroare("nu poate fi citit.");
    }
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

    try {
        files::AtomicWriter scriitor(NumeFisier);
        scriitor.writeLine(c.AnF + "," + c.prima_zi + "," + c.ultima_zi);
        for (std::size_t i = 0; i < 12; ++i) {
            scriitor.writeLine(eticheta(static_cast<int>(i) + 1) + "," + c.Cuanta[i] + "," + c.Copil[i] + "," +
                               c.Sotie[i] + "," + c.Alta[i] + ",");
        }
        scriitor.writeLine("13," + c.Cuanta[12] + "," + c.Maxi + "," + c.hand1 + "," + c.hand2 + "," +
                           c.hand3 + "," + c.Proc_ch + "," + c.CotaIF + ",");
        scriitor.writeLine("eof");
        scriitor.commit();
        return Rezultat::reusit();
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareScriere(e.number(), NumeFisier));
    } catch (const std::exception&) {
        return eroare("nu a putut fi scris.");
    }
}

} // namespace olm
