#include "shared/form_data.h"

namespace olm {

FormaFisaII AngajatFisaII;
FormaFisa1 Fisa1Date;
FormaFisa2 Fisa2Date;
std::function<void()> ArataFisaIIHandler;
std::function<void()> ArataAnFiscHandler;

void ArataFisaII() {
    if (ArataFisaIIHandler) {
        ArataFisaIIHandler();
    }
}

void ArataAnFisc() {
    if (ArataAnFiscHandler) {
        ArataAnFiscHandler();
    }
}

void resetFormData() {
    AngajatFisaII = {};
    Fisa1Date = {};
    Fisa2Date = {};
}

} // namespace olm
