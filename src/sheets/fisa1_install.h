#pragma once

// Puts the Fisa 1 form behind the employee's form: its situation frame's "Ok"
// opens the employee's Fisa 1. Run before the main window loads.

namespace olm {

void instaleazaFormaFisa1();

} // namespace olm
