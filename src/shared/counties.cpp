#include "shared/counties.h"

#include "shared/state.h"

namespace olm {

void IncarcaJudete() {
    Judete = {
        " ",
        "ALBA",          "ARAD",      "ARGES",     "BACAU",     "BIHOR",
        "BISTRITA-NASAUD", "BOTOSANI", "BRASOV",   "BRAILA",    "BUCURESTI",
        "BUZAU",         "CARAS SEVERIN", "CALARASI", "CLUJ",   "CONSTANTA",
        "COVASNA",       "DAMBOVITA", "DOLJ",      "GALATI",    "GIURGIU",
        "GORJ",          "HARGHITA",  "HUNEDOARA", "IALOMITA",  "IASI",
        "ILFOV",         "MARAMURES", "MEHEDINTI", "MURES",     "NEAMT",
        "OLT",           "PRAHOVA",   "SATU MARE", "SALAJ",     "SIBIU",
        "SUCEAVA",       "TELEORMAN", "TIMIS",     "TULCEA",    "VASLUI",
        "VALCEA",        "VRANCEA",
    };
}

} // namespace olm
