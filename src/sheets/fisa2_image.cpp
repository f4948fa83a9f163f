#include "sheets/fisa2_image.h"

#include "shared/fisa2_sheet_text.h"
#include "shared/number_text.h"
#include "sheets/sheet_head_from_forms.h"

namespace olm {

std::vector<std::string> ImagineFisa2(FormaFisa2& f) {
    FoaieFisa2 foaie;
    foaie.cap = CapDinFormulare();
    foaie.cap.rectificativa = AngajatFisaII.Xrectif == 1;
    for (std::size_t k = 0; k < 8; ++k) {
        foaie.tipuri[k] = f.TAS[k] == 1;
    }
    for (std::size_t k = 0; k < 13; ++k) {
        for (std::string* caseta : {&f.VenitCS[k], &f.ImpS[k]}) {
            if (ValoareText(*caseta) == 0) {
                caseta->clear();
            }
        }
        foaie.venit[k] = f.VenitCS[k];
        foaie.impozit[k] = f.ImpS[k];
    }
    return LiniiFisa2(foaie);
}

Rezultat TiparesteImagineFisa2(FormaFisa2& f) { return TiparesteImaginea(FisierImagineFisa2, ImagineFisa2(f)); }

} // namespace olm
