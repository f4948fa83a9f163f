#pragma once

// The window "Alte functii ale aplicatiei": a list of five functions, each
// run at once by a click on its entry or by Enter on it (moving the selection
// with the arrow keys runs nothing: one entry rewrites every sheet without a
// question). Opened over the main window, which it shows again when it
// closes.

#include "platform/controls.h"

namespace olm {

class AlteFunctii : public platform::SingleForm<AlteFunctii> {
public:
    // Shows the window over the main window.
    static void deschide();

    platform::Label Label1;
    platform::ListBox List1;
    platform::Label Label3;
    platform::Button Command11;

    // The entries of List1, by index.
    enum Functie { Preluare = 0, Regularizare, Restaurare, Salvare, Unire };
    // Runs the function of an entry, as a click on it does.
    void List1_Click(int index);

    // The window's own functions.
    void butPrelAnPrec();
    void butRegText();
    void butUnire();

private:
    friend class platform::SingleForm<AlteFunctii>;
    AlteFunctii();

    void formUnload(bool& cancel) override;
    void Command11_Click();
};

} // namespace olm
