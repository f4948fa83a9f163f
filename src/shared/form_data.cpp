#include "shared/form_data.h"

namespace olm {

FormaFisaII AngajatFisaII;
FormaFisa1 Fisa1Date;
FormaFisa2 Fisa2Date;
std::function<void()> ArataFisaIIHandler;

void ArataFisaII() {
    if (ArataFisaIIHandler) {
        ArataFisaIIHandler();
    }
}

void resetFormData() {
    AngajatFisaII = {};
    Fisa1Date = {};
    Fisa2Date = {};
}

} // namespace olm
