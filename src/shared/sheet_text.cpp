#include "shared/sheet_text.h"

#include "shared/number_text.h"
#include "shared/record_line.h"

namespace olm {

namespace {

constexpr std::size_t LatimeBucata = 63;

// The lines written into `text`, added to `linii`.
void adaugaLiniile(std::vector<std::string>& linii, const TextFoaie& text) {
    for (auto& l : text.linii()) {
        linii.push_back(std::move(l));
    }
}

// The capital has no county, however it is typed.
bool esteCapitala(std::string_view localitate) {
    return localitate.size() == 9 && majuscule(localitate) == "BUCURESTI";
}

} // namespace

void adaugaBucati(TextFoaie& text, std::string_view eticheta, std::string_view valoare) {
    const std::size_t bucati = valoare.size() / LatimeBucata + 1;
    for (std::size_t i = 0; i < bucati; ++i) {
        if (i == 0) {
            text.adauga(eticheta);
        } else {
            text.blancuri(16);
        }
        text.linie(valoare.substr(std::min(i * LatimeBucata, valoare.size()), LatimeBucata));
    }
}

void adaugaBucati(std::vector<std::string>& linii, std::string_view eticheta, std::string_view valoare) {
    TextFoaie text;
    adaugaBucati(text, eticheta, valoare);
    adaugaLiniile(linii, text);
}

void AdaugaAdresa(std::string& t, const PartiAdresa& a, CodPrezent regula) {
    auto prezent = [regula](std::string_view v) {
        return regula == CodPrezent::DupaValoare ? ValoareText(v) != 0 : !v.empty();
    };
    t += a.localitate;
    if (!esteCapitala(a.localitate)) {
        t.append(",jud.").append(a.judet);
    }
    t.append(",str.").append(a.strada).append(",nr.").append(a.numar);
    if (prezent(a.codPostal)) {
        t.append(",cod postal ").append(a.codPostal);
    }
    const std::pair<std::string_view, std::string_view> parti[] = {
        {",bl.", a.bloc}, {",sc.", a.scara}, {",et.", a.etaj}, {",ap.", a.apartament}};
    for (const auto& [eticheta, valoare] : parti) {
        if (!valoare.empty()) {
            t.append(eticheta).append(valoare);
        }
    }
    if (prezent(a.sector)) {
        t.append(",sect.").append(a.sector);
    }
}

std::string TextAdresa(const PartiAdresa& a, CodPrezent regula) {
    std::string t;
    AdaugaAdresa(t, a, regula);
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

std::string_view DaNu(bool marcat) { return marcat ? "DA" : "NU"; }

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

void RandSume(TextFoaie& text, std::string_view eticheta, std::string_view venit, std::string_view impozit) {
    text.adauga(eticheta);
    text.suma(venit, 20);
    text.suma(impozit, 25);
    text.gataLinia();
}

void adaugaIdentificare(TextFoaie& text, const CapFoaie& cap) {
    text.linie(" I. DATE DE IDENTIFICARE ANGAJATOR");
    text.linie(Rigla());
    for (const auto& linie : cap.antetAngajator) {
        text.linie(linie);
    }
    text.linie(Rigla());
    text.linie(" II. DATE DE IDENTIFICARE ANGAJAT");
    text.linie(Rigla());
    text.linie("Cod angajat   : ", cap.cod);
    adaugaBucati(text, "Nume, prenume : ", cap.numePrenume);
    adaugaBucati(text, "Domiciliu     : ", cap.adresa);
}

void adaugaDeclaratie(TextFoaie& text, std::string_view nume, std::string_view functie) {
    text.linie("   Sub sanctiunile aplicate faptei de fals in acte publice, declar ca datele din");
    text.linie("aceasta fisa fiscala sunt corecte si complete.");
    adaugaSemnatura(text, nume, functie);
}

void adaugaSemnatura(TextFoaie& text, std::string_view nume, std::string_view functie) {
    text.linie("Nume, prenume  ", nume);
    text.linie("Functia  ", functie);
    text.adauga("Semnatura si stampila angajatorului");
    text.linie(std::string_view(Rigla()).substr(0, 42));
}

void adaugaSemnatura(std::vector<std::string>& linii, std::string_view nume, std::string_view functie) {
    TextFoaie text;
    adaugaSemnatura(text, nume, functie);
    adaugaLiniile(linii, text);
}

} // namespace olm
