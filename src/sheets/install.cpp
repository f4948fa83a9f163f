#include "sheets/install.h"

#include "main_window/employee_form.h"
#include "sheets/fisa1_form.h"
#include "sheets/fisa2_form.h"

namespace olm {

void instaleazaFormeFise() {
    Fisa_II::deschideFormaFisa1 = [] { Fisa1_F::deschideDinFisaII(); };
    Fisa_II::deschideFormaFisa2 = [] { Fisa2::deschide(); };
}

} // namespace olm
