#pragma once

// The window "Conditii pentru listare fise 1": for whom the copy is, which
// Fisa 1 sheets (all, those not regularised, the regularised ones, or one
// picked from the list) and who signs; the sheets are written into
// "ListF1.txt", shown in the text viewer and printed.

#include "listings/listing_controls.h"
#include "platform/controls.h"

namespace olm {

class LisFise1 : public platform::SingleForm<LisFise1> {
public:
    // Shows the window over the main window, which takes no input until it
    // closes.
    static void deschide();

    platform::Frame Frame1;
    platform::Label Label1, Label2, Label3;
    platform::ComboBox Combo1, Combo2;
    PickerFise Combo3;
    platform::Label Label20, Label4, Label5, Label6;
    platform::TextBox Dnupren, Dfunc;
    platform::Button Command1;

    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click(const std::string& cod);
    void Command1_Click();

private:
    friend class platform::SingleForm<LisFise1>;
    LisFise1();

    void formLoad() override;
    Semnatar semnatar() const { return {Dnupren.text(), Dfunc.text()}; }
};

} // namespace olm
