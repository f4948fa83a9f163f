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

std::string laDreapta(std::string_view text, std::size_t latime) {
    std::string rez;
    if (text.size() < latime) {
        rez.assign(latime - text.size(), ' ');
    }
    rez += text;
    return rez;
}

std::string laStanga(std::string_view text, std::size_t latime) {
    std::string rez(text);
    if (rez.size() < latime) {
        rez.resize(latime, ' ');
    }
    return rez;
}

const std::string& Rigla() {
    static const std::string rigla(80, '_');
    return rigla;
}

const char* DaNu(bool marcat) { return marcat ? "DA" : "NU"; }

std::string LinieExemplar(std::string_view tipExemplar) {
    const std::string tip = majuscule(fataBlancuri(tipExemplar));
    if (tip == "ANGAJAT" || tip == "UNITATEA FISCALA") {
        return "(copie pentru " + std::string(tipExemplar) + ")";
    }
    if (tip == "ANGAJATOR") {
        return "(original pentru " + std::string(tipExemplar) + ")";
    }
    return {};
}

std::string RandSume(std::string_view eticheta, std::string_view venit, std::string_view impozit) {
    return std::string(eticheta) + laDreapta(FormatMii(venit), 20) + laDreapta(FormatMii(impozit), 25);
}

void adaugaIdentificare(std::vector<std::string>& linii, const CapFoaie& cap) {
    linii.push_back(" I. DATE DE IDENTIFICARE ANGAJATOR");
    linii.push_back(Rigla());
    linii.insert(linii.end(), cap.antetAngajator.begin(), cap.antetAngajator.end());
    linii.push_back(Rigla());
    linii.push_back(" II. DATE DE IDENTIFICARE ANGAJAT");
    linii.push_back(Rigla());
    linii.push_back("Cod angajat   : " + cap.cod);
    adaugaBucati(linii, "Nume, prenume : ", cap.numePrenume);
    adaugaBucati(linii, "Domiciliu     : ", cap.adresa);
}

void adaugaDeclaratie(std::vector<std::string>& linii, const std::string& nume,
                      const std::string& functie) {
    linii.push_back("   Sub sanctiunile aplicate faptei de fals in acte publice, declar ca datele din");
    linii.push_back("aceasta fisa fiscala sunt corecte si complete.");
    adaugaSemnatura(linii, nume, functie);
}

void adaugaSemnatura(std::vector<std::string>& linii, const std::string& nume, const std::string& functie) {
    linii.push_back("Nume, prenume  " + nume);
    linii.push_back("Functia  " + functie);
    linii.push_back("Semnatura si stampila angajatorului" + std::string(42, '_'));
}

} // namespace olm
