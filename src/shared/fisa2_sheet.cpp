#include "shared/fisa2_sheet.h"

#include "shared/number_text.h"
#include "shared/sheet_text.h"

#include <algorithm>

namespace olm {

namespace {

const std::string Linie(80, '_');

constexpr const char* EticheteLuni[13] = {
    "Ianuarie     1.", "Februarie    2.", "Martie       3.", "Aprilie      4.", "Mai          5.",
    "Iunie        6.", "Iulie        7.", "August       8.", "Septembrie   9.", "Octombrie   10.",
    "Noiembrie   11.", "Decembrie   12.", "Total       13.",
};

// Right-aligned so that it ends in the column's last place; a longer text
// pushes the line on rather than being cut.
std::string aliniat(const std::string& text, std::size_t latime) {
    return std::string(latime - std::min(latime, text.size()), ' ') + text;
}

std::string randLuna(int k, const std::string& venit, const std::string& impozit) {
    return EticheteLuni[k] + aliniat(FormatMii(venit), 20) + aliniat(FormatMii(impozit), 25);
}

} // namespace

std::string tipuriVenit(const std::array<bool, 8>& tipuri) {
    std::string t;
    for (std::size_t k = 0; k < tipuri.size(); ++k) {
        if (tipuri[k]) {
            t += " AS" + std::to_string(k + 1);
        }
    }
    return t;
}

std::vector<std::string> liniiFisa2(const FoaieFisa2& f) {
    std::vector<std::string> l;
    if (f.exemplar) {
        l.push_back(*f.exemplar);
    }
    l.insert(l.end(), {"", "", Linie,
                       "                        FISA FISCALA 2  pentru anul " + std::to_string(f.anFiscal),
                       "   (pentru venituri din salarii altele decat cele de la functia de baza)", Linie,
                       "                                                 Fisa fiscala rectificativa : " +
                           std::string(f.rectificativa ? "DA" : "NU"),
                       Linie, " I. DATE DE IDENTIFICARE ANGAJATOR", Linie});
    l.insert(l.end(), f.antetAngajator.begin(), f.antetAngajator.end());
    l.insert(l.end(), {Linie, " II. DATE DE IDENTIFICARE ANGAJAT", Linie, "Cod angajat   : " + f.codAngajat});
    adaugaBucati(l, "Nume, prenume : ", f.numePrenume);
    adaugaBucati(l, "Domiciliu     : ", f.domiciliu);
    l.insert(l.end(), {Linie, "III. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII, ALTELE DECAT CELE DE LA ",
                       "     FUNCTIA DE BAZA        Tip venit : " + tipuriVenit(f.tipuri), Linie,
                       " Luna                    Venit baza         Impozit calculat",
                       "                          de calcul            si retinut", Linie});
    for (int k = 0; k < 12; ++k) {
        l.push_back(randLuna(k, f.venit[static_cast<std::size_t>(k)], f.impozit[static_cast<std::size_t>(k)]));
    }
    l.push_back(Linie);
    l.push_back(randLuna(12, f.venit[12], f.impozit[12]));
    l.insert(l.end(), {Linie, "   Sub sanctiunile aplicate faptei de fals in acte publice, declar ca datele din",
                       "aceasta fisa fiscala sunt corecte si complete.", "Nume, prenume  " + f.semnatarNume,
                       "Functia  " + f.semnatarFunctie,
                       "Semnatura si stampila angajatorului__________________________________________"});
    return l;
}

} // namespace olm
