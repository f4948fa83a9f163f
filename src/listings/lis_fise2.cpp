#include "listings/lis_fise2.h"

#include "listings/fisa2_listing.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "shared/state.h"

namespace olm {

LisFise2::LisFise2()
    : Frame1(*this, {10, 8, 500, 320}),
      Label1(Frame1, {15, 18, 470, 20}, "Alegeti exemplarul de listat pentru fise fiscale 2"),
      Combo1(Frame1, {15, 42, 315, 24}),
      Frame2(Frame1, {15, 76, 200, 72}),
      Combo3(Frame1, {230, 92, 255, 24}),
      Label20(Frame1, {230, 120, 255, 20}),
      Label2(Frame1, {15, 160, 470, 36},
             "Completati numele si prenumele , functia persoanei care semneaza fisele fiscale"),
      Label3(Frame1, {15, 206, 150, 20}, "Nume si prenume :"),
      Label4(Frame1, {15, 238, 150, 20}, "Functie :"),
      Dnupren(Frame1, {170, 204, 315, 24}),
      Dfunc(Frame1, {170, 236, 315, 24}),
      Command1(Frame1, {190, 274, 120, 32}, "Listare") {
    setCaption("Conditii pentru listare fise 2");
    setSize(520, 338);
    Label2.setWordWrap(true);
    Combo1.setHighlightOnFocus(true);
    Option1.add(Frame2, platform::Geometry{10, 16, 150, 22}, "- toate");
    Option1.add(Frame2, platform::Geometry{10, 42, 150, 22}, "- una");
    for (const char* item : ItemiExemplar) {
        Combo1.addItem(item);
    }
    setTabOrder({&Combo1, &Option1[0], &Option1[1], &Combo3, &Dnupren, &Dfunc, &Command1});

    Combo1.onClick([this] { Combo1_Click(); });
    Option1.bind(&platform::OptionButton::onGotFocus, [this](int i) { Option1_GotFocus(i); });
    Option1.bind(&platform::OptionButton::onLostFocus, [this](int i) { Option1_LostFocus(i); });
    Combo3.onAlegere([this](const std::string& cod) { Combo3_Click(cod); });
    Command1.onClick([this] { Command1_Click(); });
}

void LisFise2::deschide() { ArataPesteFereastraPrincipala(instance()); }

void LisFise2::formLoad() {
    TipLista = "T";
    Option1[0].setValue(true);
    Combo3.setVisible(false);
    Label20.setVisible(false);
    Combo1.setListIndex(0);
    PregatesteSemnatar(Dnupren, Dfunc, [this]() -> platform::Control& {
        return Option1[0].value() ? static_cast<platform::Control&>(Command1) : Combo3;
    });
}

void LisFise2::Combo1_Click() { AlegeExemplar(Combo1.listIndex()); }

void LisFise2::Option1_GotFocus(int index) {
    const bool una = index == 1;
    Command1.setVisible(!una);
    Combo3.setVisible(una);
    Label20.setVisible(una);
    TipLista = una ? "S" : "T";
    if (una) {
        Combo3.incarca(SursaFise2(), "FF2");
        Label20.setCaption(TextFiseIncarcate(Combo3.listCount(), 2));
    }
}

void LisFise2::Option1_LostFocus(int index) {
    const bool una = index == 1;
    Combo3.setVisible(una);
    TipLista = una ? "S" : "T";
    if (una) {
        Combo3.incarca(SursaFise2(), "FF2");
    }
}

void LisFise2::Combo3_Click(const std::string& cod) {
    if (cod.empty()) {
        return;
    }
    ListeazaSiTipareste(FisierListaFise2, [&] { ScrieFisa2Angajat(cod, semnatar()); });
}

void LisFise2::Command1_Click() {
    platform::showMessage(MesajVizualizare(FisierListaFise2), "", platform::Icon::Exclamation);
    platform::BusyCursor clepsidra; // over writing, showing and printing
    if (TipLista == "S") {
        return;
    }
    FunctieSemnatar = Dfunc.text();
    NumeSemnatar = Dnupren.text();
    ListeazaSiTipareste(FisierListaFise2, [&] { ScrieFise2(semnatar()); });
}

} // namespace olm
