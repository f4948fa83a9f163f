#include "exchange/install.h"

#include "exchange/other_functions_form.h"
#include "main_window/intro_form.h"

namespace olm {

void instaleazaSchimburi() { Intro::deschideAlteFunctii = [] { AlteFunctii::deschide(); }; }

} // namespace olm
