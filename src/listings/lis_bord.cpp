#include "listings/lis_bord.h"

#include "listings/handin_list.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "shared/listing_header.h"
#include "shared/printing.h"
#include "shared/state.h"

namespace olm {

LisBord::LisBord()
    : Frame1(*this, {10, 8, 500, 340}),
      Label1(Frame1, {15, 16, 470, 20}, "Continutul borderoului de listat"),
      Label2(Frame1, {15, 44, 80, 20}, "Alegeti :"),
      Combo2(Frame1, {100, 42, 385, 24}),
      Label3(Frame1, {15, 78, 470, 36},
             "Completati  numele si prenumele , functia persoanei care semneaza fisele fiscale"),
      Label5(Frame1, {15, 124, 150, 20}, "Nume si prenume :"),
      Dnupren(Frame1, {170, 122, 315, 24}),
      Dfunc(Frame1, {170, 154, 315, 24}),
      Dtel(Frame1, {170, 186, 315, 24}),
      DpersC(Frame1, {170, 218, 315, 24}),
      Label6(Frame1, {15, 250, 470, 36},
             "Pentru o incadrare buna in pagina in format A4 la listarea sub WordPad, setati Font Size=9."),
      Command1(Frame1, {190, 296, 120, 32}, "Listare") {
    setCaption("Conditii pentru listare Borderou");
    setSize(520, 358);
    Label4.add(Frame1, platform::Geometry{15, 220, 150, 20}, "Pers. de contact :");
    Label4.add(Frame1, platform::Geometry{15, 188, 150, 20}, "Telefon :");
    Label4.add(Frame1, platform::Geometry{15, 156, 150, 20}, "Functie :");
    Label3.setWordWrap(true);
    Label6.setWordWrap(true);
    Combo2.setHighlightOnFocus(true);
    for (const char* item : {"- toate fisele 1 si 2", "   - numai fisele 1", "       - numai fisele 1 neregularizate",
                             "       - numai fisele 1 regularizate", "   - numai fisele 2"}) {
        Combo2.addItem(item);
    }
    for (platform::TextBox* caseta : {&Dtel, &DpersC}) {
        caseta->setSelectAllOnFocus(false);
    }
    DpersC.setUpperCaseOnLeaving(true);
    setTabOrder({&Combo2, &Dnupren, &Dfunc, &Dtel, &DpersC, &Command1});
    setEnterOrder({&Dtel, &DpersC, &Command1});

    Dtel.onLostFocus([this] { Dtel_LostFocus(); });
    DpersC.onLostFocus([this] { DpersC_LostFocus(); });
    Command1.onClick([this] { Command1_Click(); });
}

void LisBord::deschide() { ArataPesteFereastraPrincipala(instance()); }

void LisBord::formLoad() {
    Combo2.setListIndex(0);
    PregatesteSemnatar(Dnupren, Dfunc, [this]() -> platform::Control& { return Dtel; });
    // Like the signer's, the contact the list prints shows in its boxes.
    Dtel.setText(TelefonContact);
    DpersC.setText(PersoanaContact);
}

void LisBord::Dtel_LostFocus() { TelefonContact = Dtel.text(); }

void LisBord::DpersC_LostFocus() { PersoanaContact = DpersC.text(); }

void LisBord::Command1_Click() {
    platform::showMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    FunctieSemnatar = Dfunc.text();
    NumeSemnatar = Dnupren.text();
    const int i = Combo2.listIndex();
    if (i < 0 || i > static_cast<int>(ContinutBorderou::Fise2)) {
        return;
    }
    const Semnatar semnatar{Dnupren.text(), Dfunc.text()};
    platform::BusyCursor clepsidra; // over writing, showing and printing
    ListeazaSiTipareste(
        FisierBorderou, [&] { ScrieBorderou(static_cast<ContinutBorderou>(i), semnatar); }, TiparesteBorderou);
}

} // namespace olm
