#pragma once

// The window "Conditii listare centralizator lunar": the Fisa 1 or the Fisa 2
// sheets and the month; "Listare" writes the monthly table "Listab4.txt",
// shows it in the text viewer and prints it.

#include "platform/controls.h"

namespace olm {

class ListabIV : public platform::SingleForm<ListabIV> {
public:
    // Shows the window over the main window, which takes no input until it
    // closes.
    static void deschide();

    platform::Frame Frame1;
    platform::OptionButton Option1, Option2;
    platform::Label Label1;
    platform::ComboBox Combo2;
    platform::Button Command1;

    void Command1_Click();

private:
    friend class platform::SingleForm<ListabIV>;
    ListabIV();

    void formLoad() override;
};

} // namespace olm
