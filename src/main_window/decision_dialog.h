#pragma once

// The decision dialog `frmGasit`: shown by the employee's form when the code
// typed already has sheets, it offers to modify a sheet, create the missing
// one or delete one (the captions by the sheets he has, FiseAngajat). It opens
// over the employee's form, modal to it: that form waits for the decision.
// Closing it by its close box takes no decision and leaves the employee's
// form as typed, its sheet buttons disabled until the code is entered again.

#include "platform/controls.h"

namespace olm {

class frmGasit : public platform::SingleForm<frmGasit> {
public:
    // Shows the dialog afresh for the sheets in FiseAngajat, the focus on
    // its first button.
    static void arata();

    platform::Label Label1{*this, {12, 10, 200, 20}, "  Decizie :"};
    platform::ControlArray<platform::Button> but;

private:
    friend class platform::SingleForm<frmGasit>;
    frmGasit();

    void formUnload(bool& cancel) override;
    void but_Click(int index);

    bool decizie_ = false; // a button decided: closing empties nothing
};

} // namespace olm
