#pragma once

// Hooks the sheet forms onto the employee's form. Called once at start, before
// the main window loads (app/main.cpp); the tests call it the same way.

namespace olm {

void instaleazaFormeFise();

} // namespace olm
