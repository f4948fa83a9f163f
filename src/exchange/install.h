#pragma once

// Hooks the windows of the exchange functions into the main window. Called
// once when the program starts, before the main window loads.

namespace olm {

void instaleazaSchimburi();

} // namespace olm
