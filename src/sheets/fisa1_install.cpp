#include "sheets/fisa1_install.h"

#include "main_window/employee_form.h"
#include "sheets/fisa1_form.h"

namespace olm {

void instaleazaFormaFisa1() { Fisa_II::deschideFormaFisa1 = [] { Fisa1_F::deschideDinFisaII(); }; }

} // namespace olm
