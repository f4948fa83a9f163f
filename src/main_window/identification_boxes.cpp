#include "main_window/identification_boxes.h"

#include "main_window/address_rules.h"
#include "platform/dialogs.h"
#include "shared/record_line.h"
#include "shared/state.h"

namespace olm {

void adaugaCaseteAdresa(platform::ControlArray<platform::TextBox>& adrese, platform::Frame& cadru,
                        std::span<const CasetaAdresa> casete,
                        std::vector<std::unique_ptr<platform::Label>>& etichete) {
    for (const CasetaAdresa& c : casete) {
        platform::TextBox& b = adrese.add(cadru, c.loc);
        b.setMaxLength(c.lungime);
        b.setUpperCaseOnLeaving(true);
        b.setRefusedCharacters("#");
        etichete.push_back(std::make_unique<platform::Label>(cadru, c.locEticheta, c.eticheta));
    }
}

void parasesteAdresa(platform::ControlArray<platform::TextBox>& adrese, int i) {
    if (i == 3 || i == 8) {
        adrese[i].setText(ValoareCaText(adrese[i].text()));
    }
    adrese[8].setText(SectorPastrat(adrese[8].text(), adrese[0].text()));
}

void umpleJudete(platform::ComboBox& lista) {
    lista.clear();
    for (const auto& judet : Judete) {
        lista.addItem(judet);
    }
}

void alegeJudet(platform::ComboBox& lista, std::string_view judet) {
    if (fataBlancuri(judet).empty()) {
        lista.setListIndex(0);
    } else if (!lista.setText(std::string(judet))) {
        lista.setText(" ");
    }
}

void laEnter(platform::Control& din, platform::Control& spre) {
    din.onKeyPress([&spre](int key) {
        if (key == platform::key::Enter) {
            spre.setFocus();
        }
        return false;
    });
}

void oglindeste(platform::TextBox& caseta, std::string& camp) {
    caseta.onChange([&caseta, &camp] { camp = caseta.text(); });
}

void codIncorect() { platform::showMessage("Cod incorect", "  ", platform::Icon::Exclamation); }

} // namespace olm
