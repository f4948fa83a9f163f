#include "sheets/sheet_head_from_forms.h"

#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/text_viewer.h"
#include "shared/employee_identity.h"
#include "shared/employer_record.h"
#include "shared/form_data.h"
#include "shared/listing_header.h"
#include "shared/printing.h"
#include "shared/state.h"

namespace olm {

CapFoaie CapDinFormulare() {
    const FormaFisaII& angajat = AngajatFisaII;
    RecordRepfisc angajator = AngajatorFisaI;
    // The kind the employer's code decided on his form, not the one last saved.
    angajator.TipAngajator = std::to_string(TipAngajator);

    CapFoaie c;
    c.linieExemplar = LinieExemplar("angajat");
    c.an = anFiscalText();
    c.antetAngajator = liniiAntetAngajator(angajator);
    c.cod = angajat.CodS;
    c.numePrenume = angajat.NumeS + " " + angajat.PrenS;
    c.adresa = TextAdresa(AdresaFisaII(), CodPrezent::DupaText);
    return c;
}

Rezultat TiparesteImaginea(const std::string& fisier, const std::vector<std::string>& linii) {
    try {
        platform::files::writeLines(fisier, linii);
    } catch (const platform::FileError& e) {
        return Rezultat::esec(mesajEroareScriere(e.number(), fisier));
    }
    platform::textViewer().show(fisier);
    TiparesteFisier(fisier);
    return Rezultat::reusit();
}

} // namespace olm
