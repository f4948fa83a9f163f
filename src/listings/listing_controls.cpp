#include "listings/listing_controls.h"

#include "shared/state.h"

namespace olm {

void AlegeExemplar(int index) {
    static const std::array<const char*, 3> tipuri = {"angajat", "angajator", "unitatea fiscala"};
    if (index >= 0 && index < static_cast<int>(tipuri.size())) {
        TipExemplar = tipuri[static_cast<std::size_t>(index)];
    }
}

PickerFise::PickerFise(platform::Parent parent, const platform::Geometry& g) : ComboBox(parent, g) {
    onClick([this] {
        if (programul_ || !alegere_) {
            return;
        }
        int i = listIndex();
        if (i < 0) {
            if (listCount() == 0) {
                return;
            }
            programul_ = true;
            setListIndex(0);
            programul_ = false;
            i = 0;
        }
        alegere_(itemTag(i));
    });
}

void PickerFise::incarca(const std::string& sursa, std::string_view marca) {
    std::vector<ItemFisa> itemi;
    try {
        itemi = ItemiFise(sursa, marca);
    } catch (const platform::FileError& e) {
        AnuntaEroareFisier(e);
    }
    programul_ = true;
    clear();
    for (const auto& item : itemi) {
        addItem(item.text, 0, item.cod);
    }
    programul_ = false;
}

std::string TextFiseIncarcate(int numar, int fisa) {
    return "  S-au incarcat " + std::to_string(numar) + " fise " + std::to_string(fisa) + ". Alegeti o fisa !";
}

void PregatesteSemnatar(platform::TextBox& nume, platform::TextBox& functie,
                        std::function<platform::Control&()> urmatorul) {
    for (platform::TextBox* caseta : {&nume, &functie}) {
        caseta->setSelectAllOnFocus(false);
        caseta->setUpperCaseOnLeaving(true);
    }
    nume.setText(NumeSemnatar);
    functie.setText(FunctieSemnatar);
    nume.onKeyPress([&functie](int key) { return key == platform::key::Enter && functie.setFocus(); });
    functie.onKeyPress([urmatorul = std::move(urmatorul)](int key) {
        if (key != platform::key::Enter) {
            return false;
        }
        urmatorul().setFocus();
        return true;
    });
}

} // namespace olm
