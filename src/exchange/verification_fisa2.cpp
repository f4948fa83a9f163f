#include "exchange/verification_fisa2.h"

#include "exchange/verification_amounts.h"
#include "shared/check_digits.h"
#include "shared/number_text.h"
#include "shared/record_line.h"

#include <string>

namespace olm {

void VerificaFisa2(std::string_view linie, RaportVerificare& raport) {
    const CampuriVazute c = taieCampuriVazute(linie, structuraFf2());
    const std::string cod(c.campuri[0]);
    double venit = 0;
    double impozit = 0;
    for (std::size_t luna = 0; luna < 12; ++luna) {
        venit += ValoareText(c.campuri[22 + 2 * luna]);
        impozit += ValoareText(c.campuri[23 + 2 * luna]);
    }
    const std::string_view totalVenit = c.campuri[46];
    const std::string_view totalImpozit = c.campuri[47];

    if (!VerificaCNP(cod)) {
        raport.eroare("CNP " + cod + " eronat.");
    }
    if (!SumeEgale(ValoareText(totalVenit), venit)) {
        raport.eroare(cod + " Total venit net gresit = " + std::string(totalVenit) + " # " + TextNumar(venit) +
                      "(cel corect).");
    }
    if (!SumeEgale(ValoareText(totalImpozit), impozit)) {
        raport.eroare(cod + " Total impozit calculat si retinut gresit = " + std::string(totalImpozit) + " # " +
                      TextNumar(impozit) + "(cel corect).");
    }
}

} // namespace olm
