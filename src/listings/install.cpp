#include "listings/install.h"

#include "listings/lis_fise1.h"
#include "listings/lis_fise2.h"
#include "main_window/intro_form.h"

namespace olm {

void instaleazaListari() {
    Intro::deschideLisFise1 = [] { LisFise1::deschide(); };
    Intro::deschideLisFise2 = [] { LisFise2::deschide(); };
}

} // namespace olm
