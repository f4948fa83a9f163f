#include "sheets/fisa2_image.h"

#include "platform/files.h"
#include "platform/text_viewer.h"
#include "shared/employee_identity.h"
#include "shared/employer_record.h"
#include "shared/fisa2_sheet.h"
#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/printing.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

std::vector<std::string> ImagineFisa2(FormaFisa2& f) {
    const FormaFisaII& angajat = AngajatFisaII;
    FoaieFisa2 foaie;
    // Every copy made from the form is the employee's, whatever the listings chose last.
    foaie.exemplar = "(copie pentru angajat)";
    foaie.anFiscal = AnFiscal;
    foaie.rectificativa = angajat.Xrectif == 1;
    foaie.antetAngajator = liniiAntetAngajator(AngajatorFisaI, TipAngajator);
    foaie.codAngajat = angajat.CodS;
    foaie.numePrenume = angajat.NumeS + " " + angajat.PrenS;
    foaie.domiciliu = TextAdresa(AdresaFisaII(), CodPrezent::DupaText);
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
    return liniiFisa2(foaie);
}

Rezultat TiparesteImagineFisa2(FormaFisa2& f) {
    try {
        platform::files::writeLines(FisierImagineFisa2, ImagineFisa2(f));
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareScriere(e.number(), FisierImagineFisa2));
    }
    platform::textViewer().show(FisierImagineFisa2);
    TiparesteFisier(FisierImagineFisa2);
    return Rezultat::reusit();
}

} // namespace olm
