#include "shared/sheet_text.h"

#include "shared/number_text.h"
#include "shared/record_line.h"

namespace olm {

namespace {

constexpr std::size_t LatimeBucata = 63;

} // namespace

void adaugaBucati(std::vector<std::string>& linii, const std::string& eticheta, const std::string& valoare) {
    static const std::string continuare(16, ' ');
    const std::size_t bucati = valoare.size() / LatimeBucata + 1;
    for (std::size_t i = 0; i < bucati; ++i) {
        const std::string bucata =
            i * LatimeBucata < valoare.size() ? valoare.substr(i * LatimeBucata, LatimeBucata) : "";
        linii.push_back((i == 0 ? eticheta : continuare) + bucata);
    }
}

std::string TextAdresa(const PartiAdresa& a, CodPrezent regula) {
    auto prezent = [regula](const std::string& v) {
        return regula == CodPrezent::DupaValoare ? ValoareText(v) != 0 : !v.empty();
    };
    std::string t = a.localitate;
    if (majuscule(a.localitate) != "BUCURESTI") {
        t += ",jud." + a.judet;
    }
    t += ",str." + a.strada + ",nr." + a.numar;
    if (prezent(a.codPostal)) {
        t += ",cod postal " + a.codPostal;
    }
    const std::pair<const char*, const std::string*> parti[] = {
        {",bl.", &a.bloc}, {",sc.", &a.scara}, {",et.", &a.etaj}, {",ap.", &a.apartament}};
    for (const auto& [eticheta, valoare] : parti) {
        if (!valoare->empty()) {
            t += eticheta + *valoare;
        }
    }
    if (prezent(a.sector)) {
        t += ",sect." + a.sector;
    }
    return t;
}

} // namespace olm
