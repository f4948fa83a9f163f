#include "listings/lis_fise1.h"

#include "listings/fisa1_listing.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "shared/state.h"

namespace olm {

namespace {

constexpr int UnaFisa = 3; // the entry "- o fisa" of the selection list

} // namespace

LisFise1::LisFise1()
    : Frame1(*this, {10, 8, 500, 300}),
      Label1(Frame1, {15, 22, 150, 20}, "Exemplar pentru :"),
      Label2(Frame1, {15, 54, 150, 20}, "Fise 1 de listat"),
      Label3(Frame1, {15, 86, 150, 20}, "Alegeti :"),
      Combo1(Frame1, {170, 20, 315, 24}),
      Combo2(Frame1, {170, 52, 315, 24}),
      Combo3(Frame1, {170, 84, 315, 24}),
      Label20(Frame1, {170, 110, 315, 20}),
      Label4(Frame1, {15, 140, 470, 36},
             "Completati  numele si prenumele , functia persoanei care semneaza fisele fiscale"),
      Label5(Frame1, {15, 186, 150, 20}, "Nume si prenume :"),
      Label6(Frame1, {15, 218, 150, 20}, "Functie :"),
      Dnupren(Frame1, {170, 184, 315, 24}),
      Dfunc(Frame1, {170, 216, 315, 24}),
      Command1(Frame1, {190, 254, 120, 32}, "Listare") {
    setCaption("Conditii pentru listare fise 1");
    setSize(520, 318);
    Label4.setWordWrap(true);
    Combo1.setHighlightOnFocus(true);
    Combo2.setHighlightOnFocus(true);
    for (const char* item : ItemiExemplar) {
        Combo1.addItem(item);
    }
    for (const char* item : {"- toate", "- cele neregularizate", "- cele regularizate", "- o fisa"}) {
        Combo2.addItem(item);
    }
    Combo3.setSorted(true);
    setTabOrder({&Combo1, &Combo2, &Combo3, &Dnupren, &Dfunc, &Command1});

    Combo1.onClick([this] { Combo1_Click(); });
    Combo2.onClick([this] { Combo2_Click(); });
    Combo3.onAlegere([this](const std::string& cod) { Combo3_Click(cod); });
    Command1.onClick([this] { Command1_Click(); });
}

void LisFise1::deschide() { ArataPesteFereastraPrincipala(instance()); }

void LisFise1::formLoad() {
    Combo3.setVisible(false);
    Label20.setVisible(false);
    Combo1.setListIndex(0);
    Combo2.setListIndex(0);
    PregatesteSemnatar(Dnupren, Dfunc, [this]() -> platform::Control& {
        return Combo2.listIndex() == UnaFisa ? static_cast<platform::Control&>(Combo3) : Command1;
    });
}

void LisFise1::Combo1_Click() { AlegeExemplar(Combo1.listIndex()); }

void LisFise1::Combo2_Click() {
    const bool una = Combo2.listIndex() == UnaFisa;
    Command1.setVisible(!una);
    Combo3.setVisible(una);
    Label20.setVisible(una);
    if (!una) {
        return;
    }
    Combo3.incarca(SursaFise1(), "FF1");
    Label20.setCaption(TextFiseIncarcate(Combo3.listCount(), 1));
}

void LisFise1::Combo3_Click(const std::string& cod) {
    if (cod.empty()) {
        return;
    }
    ListeazaSiTipareste(FisierListaFise1, [&] { ScrieFisa1Angajat(cod, semnatar()); });
}

void LisFise1::Command1_Click() {
    platform::showMessage(MesajVizualizare(FisierListaFise1), "", platform::Icon::Exclamation);
    platform::BusyCursor clepsidra; // over writing, showing and printing
    static constexpr SelectieFise1 selectii[] = {SelectieFise1::Toate, SelectieFise1::Neregularizate,
                                                 SelectieFise1::Regularizate};
    const int i = Combo2.listIndex();
    if (i >= 0 && i < 3) {
        ListeazaSiTipareste(FisierListaFise1, [&] { ScrieFise1(selectii[i], semnatar()); });
    }
    FunctieSemnatar = Dfunc.text();
    NumeSemnatar = Dnupren.text();
}

} // namespace olm
