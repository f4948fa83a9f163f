#include "listings/listab_iv.h"

#include "listings/listing_controls.h"
#include "listings/monthly_table.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "shared/listing_header.h"

namespace olm {

ListabIV::ListabIV()
    : Frame1(*this, {10, 8, 420, 190}),
      Option1(Frame1, {15, 16, 200, 22}, "Fise fiscala 1"),
      Option2(Frame1, {15, 44, 200, 22}, "Fise fiscale 2"),
      Label1(Frame1, {15, 88, 220, 20}, "Luna pentru centralizare date :"),
      Combo2(Frame1, {240, 86, 165, 24}),
      Command1(Frame1, {150, 138, 120, 32}, "Listare") {
    setCaption("Conditii listare centralizator lunar");
    setSize(440, 208);
    // The Fisa 1 sheets are listed unless the clerk chooses otherwise, and
    // the window shows it.
    Option1.setValue(true);
    for (const char* luna : LuniCentralizator) {
        Combo2.addItem(luna);
    }
    setTabOrder({&Option1, &Option2, &Combo2, &Command1});
    Command1.onClick([this] { Command1_Click(); });
}

void ListabIV::deschide() { ArataPesteFereastraPrincipala(instance()); }

void ListabIV::formLoad() { Combo2.setListIndex(0); }

void ListabIV::Command1_Click() {
    platform::showMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    const FelFisa fel = Option1.value() ? FelFisa::Fisa1 : FelFisa::Fisa2;
    const int luna = Combo2.listIndex();
    platform::BusyCursor clepsidra; // over writing, showing and printing
    ListeazaSiTipareste(FisierListab4, [&] { ScrieListab4(fel, luna); });
}

} // namespace olm
