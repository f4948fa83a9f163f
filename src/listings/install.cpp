#include "listings/install.h"

#include "listings/lis_bord.h"
#include "listings/lis_fise1.h"
#include "listings/lis_fise2.h"
#include "listings/listab_iv.h"
#include "main_window/intro_form.h"

namespace olm {

void instaleazaListari() {
    Intro::deschideLisFise1 = [] { LisFise1::deschide(); };
    Intro::deschideLisFise2 = [] { LisFise2::deschide(); };
    Intro::deschideLisBord = [] { LisBord::deschide(); };
    Intro::deschideListabIV = [] { ListabIV::deschide(); };
}

} // namespace olm
