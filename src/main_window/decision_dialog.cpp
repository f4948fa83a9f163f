#include "main_window/decision_dialog.h"

#include "main_window/decision_table.h"
#include "main_window/employee_form.h"
#include "platform/dialogs.h"
#include "shared/employee_identity.h"
#include "shared/employee_lookup.h"
#include "shared/fisa1_record.h"
#include "shared/fisa2_record.h"
#include "shared/form_data.h"
#include "shared/state.h"


namespace olm {

frmGasit::frmGasit() {
    setCaption("Cod angajat existent !");
    // Wide enough for the whole caption in the title bar.
    setSize(340, 190);
    for (int i = 0; i < 4; ++i) {
        but.add(*this, platform::Geometry{90, 36 + 36 * i, 160, 30});
    }
    but.bind(&platform::Button::onClick, [this](int i) { but_Click(i); });
}

void frmGasit::arata() {
    if (loaded()) {
        // A dialog left over is replaced, not answered.
        instance().decizie_ = true;
        unload();
    }
    frmGasit& f = instance();
    const auto captii = CaptiiDecizie(FiseAngajat);
    for (int i = 0; i < 4; ++i) {
        f.but[i].setCaption(captii[static_cast<std::size_t>(i)]);
        f.but[i].setEnabled(!captii[static_cast<std::size_t>(i)].empty());
    }
    // Over the employee's form, which waits for the decision.
    f.showOver(Fisa_II::instance());
    f.but[0].setFocus();
}

void frmGasit::formUnload(bool& cancel) {
    (void)cancel;
    if (decizie_) {
        return;
    }
    const auto* buton = dynamic_cast<const platform::Button*>(activeControl());
    if (!buton || but.indexOf(*buton) < 0) {
        CurataFisaII();
        return;
    }
    // Closed by its close box: no decision, and the employee's form stays as
    // typed. No sheet was loaded, so its sheet buttons must not open one over
    // the stored sheets; going back to the code looks the employee up again.
    if (Fisa_II::loaded()) {
        AngajatFisaII.Ok_Fisa1 = false;
        AngajatFisaII.Ok_Fisa2 = false;
        Fisa_II::instance().aplicaStari();
    }
}

void frmGasit::but_Click(int index) {
    const Decizie d = DecizieButon(index, FiseAngajat);
    if (d.actiune == Decizie::Actiune::Nimic) {
        return;
    }
    decizie_ = true;
    unload();

    auto arataEroarea = [](const Rezultat& r) {
        if (!r) {
            platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
        }
    };
    switch (d.actiune) {
    case Decizie::Actiune::Deschide: {
        ModIncarcare = d.mod;
        DeschideFisa();
        FormaFisaII& f = AngajatFisaII;
        f.Ok_Fisa2 = d.okFisa2;
        f.Ok_Fisa1 = d.okFisa1;
        f.Frame1 = d.frame1;
        Fisa_II& forma = Fisa_II::instance();
        forma.show();
        forma.aplica();
        break;
    }
    case Decizie::Actiune::StergeFisa1:
        arataEroarea(StergeFisa1());
        CurataFisaII();
        break;
    case Decizie::Actiune::StergeFisa2:
        arataEroarea(StergeFisa2());
        CurataFisaII();
        break;
    case Decizie::Actiune::Nimic:
        break;
    }
}

} // namespace olm
