#include "shared/fisa2_sheet_text.h"

#include "shared/sheet_text.h"

namespace olm {

namespace {

constexpr std::array<const char*, 13> EticheteLuni = {
    "Ianuarie     1.", "Februarie    2.", "Martie       3.", "Aprilie      4.",
    "Mai          5.", "Iunie        6.", "Iulie        7.", "August       8.",
    "Septembrie   9.", "Octombrie   10.", "Noiembrie   11.", "Decembrie   12.",
    "Total       13."};

} // namespace

std::vector<std::string> LiniiFisa2(const FoaieFisa2& f) {
    std::vector<std::string> l;
    const CapFoaie& c = f.cap;
    l.reserve(50 + c.antetAngajator.size());

    l.push_back(c.linieExemplar);
    l.emplace_back();
    l.emplace_back();
    l.push_back(Rigla());
    l.push_back(std::string(24, ' ') + "FISA FISCALA 2  pentru anul " + c.an);
    l.push_back("   (pentru venituri din salarii altele decat cele de la functia de baza)");
    l.push_back(Rigla());
    l.push_back(std::string(49, ' ') + "Fisa fiscala rectificativa : " + DaNu(c.rectificativa));
    l.push_back(Rigla());

    adaugaIdentificare(l, c);
    l.push_back(Rigla());

    l.push_back("III. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII, ALTELE DECAT CELE DE LA ");
    std::string tipuri = "     FUNCTIA DE BAZA        Tip venit : ";
    for (std::size_t k = 0; k < f.tipuri.size(); ++k) {
        if (f.tipuri[k]) {
            tipuri += " AS" + std::to_string(k + 1);
        }
    }
    l.push_back(tipuri);
    l.push_back(Rigla());
    l.push_back(" Luna                    Venit baza         Impozit calculat");
    l.push_back("                          de calcul            si retinut");
    l.push_back(Rigla());
    for (std::size_t r = 0; r < EticheteLuni.size(); ++r) {
        if (r == 12) {
            l.push_back(Rigla());
        }
        l.push_back(RandSume(EticheteLuni[r], f.venit[r], f.impozit[r]));
    }
    l.push_back(Rigla());
    adaugaDeclaratie(l, c.semnatar, c.functie);
    return l;
}

} // namespace olm
