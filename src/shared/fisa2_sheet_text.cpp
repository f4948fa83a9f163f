#include "shared/fisa2_sheet_text.h"

#include "shared/sheet_text.h"

namespace olm {

namespace {

constexpr std::array<std::string_view, 13> EticheteLuni = {
    "Ianuarie     1.", "Februarie    2.", "Martie       3.", "Aprilie      4.",
    "Mai          5.", "Iunie        6.", "Iulie        7.", "August       8.",
    "Septembrie   9.", "Octombrie   10.", "Noiembrie   11.", "Decembrie   12.",
    "Total       13."};

} // namespace

void ScrieFisa2(TextFoaie& t, const FoaieFisa2& f) {
    const CapFoaie& c = f.cap;

    t.linie(c.linieExemplar);
    t.linie("");
    t.linie("");
    t.linie(Rigla());
    t.blancuri(24);
    t.linie("FISA FISCALA 2  pentru anul ", c.an);
    t.linie("   (pentru venituri din salarii altele decat cele de la functia de baza)");
    t.linie(Rigla());
    t.blancuri(49);
    t.linie("Fisa fiscala rectificativa : ", DaNu(c.rectificativa));
    t.linie(Rigla());

    adaugaIdentificare(t, c);
    t.linie(Rigla());

    t.linie("III. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII, ALTELE DECAT CELE DE LA ");
    t.adauga("     FUNCTIA DE BAZA        Tip venit : ");
    for (std::size_t k = 0; k < f.tipuri.size(); ++k) {
        if (f.tipuri[k]) {
            t.adauga(" AS");
            t.adauga(std::to_string(k + 1));
        }
    }
    t.gataLinia();
    t.linie(Rigla());
    t.linie(" Luna                    Venit baza         Impozit calculat");
    t.linie("                          de calcul            si retinut");
    t.linie(Rigla());
    for (std::size_t r = 0; r < EticheteLuni.size(); ++r) {
        if (r == 12) {
            t.linie(Rigla());
        }
        RandSume(t, EticheteLuni[r], f.venit[r], f.impozit[r]);
    }
    t.linie(Rigla());
    adaugaDeclaratie(t, c.semnatar, c.functie);
}

std::vector<std::string> LiniiFisa2(const FoaieFisa2& f) {
    TextFoaie t;
    ScrieFisa2(t, f);
    return t.linii();
}

} // namespace olm
