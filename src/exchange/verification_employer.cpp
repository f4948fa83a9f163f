#include "exchange/verification_employer.h"

#include "exchange/verification_files.h"
#include "shared/check_digits.h"
#include "shared/data_files.h"
#include "shared/number_text.h"
#include "shared/record_shape.h"

namespace olm {

std::string VerificaCodAngajator(const std::vector<std::string>& linii, RaportVerificare& raport) {
    std::string cod;
    for (const std::string& linie : linii) {
        cod = linie.substr(0, linie.find(','));
        std::string cf = cod; // the fiscal-code test pads its argument
        if (!VerificaCNP(cod) && !VerificaCF(cf)) {
            raport.eroare("CF/CNP " + cod + " eronat. ");
        }
        if (ValoareText(cod) == 0) {
            raport.eroare("CF/CNP lipsa. ");
        }
    }
    return cod;
}

std::optional<std::string> RepfiscInFormaCurenta(std::string_view linie) {
    if (!VerificaStructura(linie, SablonRepfiscVechi)) {
        return std::nullopt;
    }
    const std::size_t deschis = linie.find(",#");
    const std::size_t inchis = linie.find("#,#", deschis + 2);
    std::string rez(linie.substr(0, deschis));
    rez += ',';
    rez += linie.substr(deschis + 2, inchis - deschis - 2);
    rez += linie.substr(inchis + 1);
    return rez;
}

bool ReparaRepfisc() {
    const std::string& nume = SetRepfisc().lucru;
    const std::vector<std::string> linii = CitesteFisierVerificat(nume);
    if (linii.empty()) {
        return false;
    }
    const std::optional<std::string> reparata = RepfiscInFormaCurenta(linii.front());
    if (!reparata) {
        return false;
    }
    ScrieFisierVerificat(nume, {*reparata});
    return true;
}

} // namespace olm
