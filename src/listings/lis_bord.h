#pragma once

// The window "Conditii pentru listare Borderou": which sheets the hand-in list
// holds, who signs it and whom the tax office may call; "Listare" writes
// "Borderou.txt", shows it in the text viewer and prints it.

#include "listings/listing_controls.h"
#include "platform/controls.h"

namespace olm {

class LisBord : public platform::SingleForm<LisBord> {
public:
    // Shows the window over the main window, which takes no input until it
    // closes.
    static void deschide();

    platform::Frame Frame1;
    platform::Label Label1, Label2;
    platform::ComboBox Combo2;
    platform::Label Label3, Label5;
    platform::ControlArray<platform::Label> Label4; // of DpersC, Dtel, Dfunc
    platform::TextBox Dnupren, Dfunc, Dtel, DpersC;
    platform::Label Label6;
    platform::Button Command1;

    void Command1_Click();
    void Dtel_LostFocus();
    void DpersC_LostFocus();

private:
    friend class platform::SingleForm<LisBord>;
    LisBord();

    void formLoad() override;
};

} // namespace olm
