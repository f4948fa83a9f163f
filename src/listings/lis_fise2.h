#pragma once

// The window "Conditii pentru listare fise 2": for whom the copy is, all Fisa 2
// sheets or one picked from the list, and who signs; the sheets are written
// into "ListF2.txt", shown in the text viewer and printed.

#include "listings/listing_controls.h"
#include "platform/controls.h"

namespace olm {

class LisFise2 : public platform::SingleForm<LisFise2> {
public:
    // Shows the window over the main window, which takes no input until it
    // closes.
    static void deschide();

    platform::Frame Frame1;
    platform::Label Label1;
    platform::ComboBox Combo1;
    platform::Frame Frame2;
    platform::ControlArray<platform::OptionButton> Option1; // "- toate", "- una"
    PickerFise Combo3;
    platform::Label Label20, Label2, Label3, Label4;
    platform::TextBox Dnupren, Dfunc;
    platform::Button Command1;

    void Combo1_Click();
    void Option1_GotFocus(int index);
    void Option1_LostFocus(int index);
    void Combo3_Click(const std::string& cod);
    void Command1_Click();

private:
    friend class platform::SingleForm<LisFise2>;
    LisFise2();

    void formLoad() override;
    Semnatar semnatar() const { return {Dnupren.text(), Dfunc.text()}; }
};

} // namespace olm
