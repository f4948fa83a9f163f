#include "exchange/install.h"

#include "exchange/other_functions_form.h"
#include "exchange/verification_form.h"
#include "main_window/intro_form.h"

namespace olm {

void instaleazaSchimburi() {
    Intro::deschideAlteFunctii = [] { AlteFunctii::deschide(); };
    Intro::deschideVerif_fis = [] { Verif_fis::deschide(); };
}

} // namespace olm
