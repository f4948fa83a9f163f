#pragma once

// The pieces the two sheet listing windows share: the copy-kind list, the
// one-sheet picker, and the signer's boxes.

#include "listings/sheet_listing.h"
#include "platform/controls.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace olm {

// The copy kinds, in the order of the list: the employee's copy, the
// employer's original, the tax office's copy.
inline constexpr std::array<const char*, 3> ItemiExemplar = {
    "- copie pentru angajat", "- original pentru angajator", "- copie pentru unitatea fiscala"};
// `TipExemplar` from the chosen item ("angajat", "angajator", "unitatea
// fiscala"); any other index changes nothing.
void AlegeExemplar(int index);

// The picker of one sheet. Its items carry the employee's code; only the
// clerk's choice is reported, never the program filling or emptying it.
class PickerFise : public platform::ComboBox {
public:
    PickerFise(platform::Parent parent, const platform::Geometry& g);

    // Empties the list and fills it with one item for each line of the
    // file (ItemiFise). A file that cannot be read is reported and leaves the
    // list empty.
    void incarca(const std::string& sursa, std::string_view marca);
    // The clerk chose an item: its code (empty for an item without one).
    void onAlegere(std::function<void(const std::string& cod)> handler) { alegere_ = std::move(handler); }

private:
    bool programul_ = false;
    std::function<void(const std::string&)> alegere_;
};

// "  S-au incarcat " + n + " fise 1. Alegeti o fisa !"
std::string TextFiseIncarcate(int numar, int fisa);

// The signer's boxes: their text is not selected when they take the focus,
// turns to upper case when they are left, and starts as the signer last
// stored by a listing; Enter moves from the name to the function, and from
// the function to the control `urmatorul` names.
void PregatesteSemnatar(platform::TextBox& nume, platform::TextBox& functie,
                        std::function<platform::Control&()> urmatorul);

} // namespace olm
