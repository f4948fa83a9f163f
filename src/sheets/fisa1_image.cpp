#include "sheets/fisa1_image.h"

#include "shared/dependants.h"
#include "shared/fisa1_sheet_text.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "sheets/sheet_head_from_forms.h"

#include <algorithm>

namespace olm {

namespace {

template <std::size_t N>
void golesteZerourile(std::array<std::string, N>& casete) {
    for (std::string& c : casete) {
        if (ValoareText(c) == 0) {
            c.clear();
        }
    }
}

// The boxes' coefficients, read with "," as a decimal point.
std::array<double, 12> valori(const std::array<std::string, 12>& coeficienti) {
    std::array<double, 12> c;
    std::transform(coeficienti.begin(), coeficienti.end(), c.begin(),
                   [](const std::string& v) { return ValNumar(v); });
    return c;
}

std::vector<PersoanaFoaie> persoane() {
    std::vector<PersoanaFoaie> p;
    for (int r = 1; r <= std::min<int>(NrPersoane, MaxPersoane); ++r) {
        // Views of the register's cells, which stay while the image is made.
        std::array<std::string_view, 6> marci;
        std::array<std::string_view, 12> coeficienti;
        for (int k = 0; k < 6; ++k) {
            marci[static_cast<std::size_t>(k)] = CelulaPersoana(r, 4 + k);
        }
        for (int i = 0; i < 12; ++i) {
            coeficienti[static_cast<std::size_t>(i)] = CelulaPersoana(r, 10 + i);
        }
        p.push_back(PersoanaDinTexte(CelulaPersoana(r, 1), CelulaPersoana(r, 2), CelulaPersoana(r, 3), marci,
                                     coeficienti));
    }
    return p;
}

} // namespace

std::vector<std::string> ImagineFisa1(FormaFisa1& f) {
    for (std::string* c : {&f.ChAc, &f.Luni}) {
        if (ValoareText(*c) == 0) {
            c->clear();
        }
    }
    golesteZerourile(f.Reg);
    golesteZerourile(f.VenitN);
    golesteZerourile(f.ImpC);

    FoaieFisa1 foaie;
    foaie.cap = CapDinFormulare();
    foaie.cap.rectificativa = esteMarcat(MarcaRectif);
    foaie.regularizata = esteMarcat(MarcaReg);
    foaie.faraDomiciliu = esteMarcat(MarcaFaraDom);
    foaie.alteSurse = esteMarcat(MarcaAlteS);
    foaie.dataAngajarii = AngajatFisaII.Job0;
    foaie.dataIncetarii = AngajatFisaII.Job1;
    foaie.coeficientCalculat = valori(f.CoefCalc);
    foaie.coeficientPropriu = valori(f.CoefProp);
    foaie.invalid1 = esteMarcat(MarcaInv1);
    foaie.invalid2 = esteMarcat(MarcaInv2);
    foaie.persoane = persoane();
    std::copy(f.VenitN.begin(), f.VenitN.end(), foaie.venitNet.begin());
    std::copy(f.ImpC.begin(), f.ImpC.end(), foaie.impozit.begin());
    foaie.cheltuieliAcordate = f.ChAc;
    foaie.luniCheltuieli = f.Luni;
    foaie.formaVI = FormaSectiuneaVI::CuValoriCompletate;
    std::copy_n(f.Reg.begin(), 10, foaie.regularizare.begin());
    std::copy_n(f.Reg.begin() + 10, 3, foaie.impunereFinala.begin());
    return LiniiFisa1(foaie);
}

Rezultat TiparesteImagineFisa1(FormaFisa1& f) { return TiparesteImaginea(FisierImagineFisa1, ImagineFisa1(f)); }

} // namespace olm
