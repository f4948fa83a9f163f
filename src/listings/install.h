#pragma once

// The listing windows take their places in the program.

namespace olm {

// Sets the main window's hooks of the listing windows; called before the main
// window loads.
void instaleazaListari();

} // namespace olm
