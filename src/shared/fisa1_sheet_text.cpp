#include "shared/fisa1_sheet_text.h"

#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"

namespace olm {

namespace {

constexpr const char* Luni = "Ian  Feb  Mar  Apr  Mai  Iun  Iul  Aug  Sept Oct  Nov  Dec";

constexpr std::array<const char*, 14> EticheteLuni = {
    "Ianuarie          1.", "Februarie         2.", "Martie            3.",
    "Aprilie           4.", "Mai               5.", "Iunie             6.",
    "Iulie             7.", "August            8.", "Septembrie        9.",
    "Octombrie        10.", "Noiembrie        11.", "Decembrie        12.",
    "Prima de vacanta 13.", "Total            14."};

// The labels of section VI, bare; line 9 is split over two lines.
constexpr std::array<const char*, 11> EticheteVI = {
    "   1.Venit net :",
    "   2.Cheltuieli profesionale acordate :",
    "   3.Cheltuieli profesionale cuvenite :",
    "   4.Venit net recalculat (1+2-3) :",
    "   5.Deduceri personale cuvenite :",
    "   6.Venit anual baza de calcul (4-5) :",
    "   7.Impozit anual :",
    "   8.Total impozit lunar calculat si retinut:",
    "   9.Diferenta de impozit ramas de achitat",
    "     de catre angajat (7-8) :",
    "  10.Diferenta de impozit de restituit angajatului (8-7) :"};

// The bare labels when no annual base deduction is set keep, after some of
// them, the blanks the form was drawn with.
constexpr std::array<const char*, 11> BlancuriVIScurte = {"  ", "", "", "", "", "", " ", "", "", " ", " "};

constexpr std::size_t RandNoua = 8; // the label of line 9 that stands alone

// An amount as it stands, or nothing when it is 0: zero amounts print blank.
std::string_view nenul(std::string_view text) { return ValoareText(text) == 0 ? std::string_view() : text; }

// An amount grouped by thousands, blank when it is 0.
std::string suma(std::string_view text) { return FormatMii(nenul(text)); }

// A label filled to 60 characters and its amount right-aligned in 20.
std::string etichetaSuma(std::string_view eticheta, std::string_view valoare) {
    return laStanga(eticheta, 60) + laDreapta(suma(valoare), 20);
}

std::string celula(std::string_view valoare) {
    const std::string text = VirgulaPunct(valoare);
    if (ValoareText(text) == 0) {
        return std::string(5, ' ');
    }
    return text.size() < 5 ? laDreapta(text, 5) : " " + text;
}

std::string calitate(const PersoanaFoaie& p) {
    std::string t;
    if (p.sotie) {
        t += "sot(sotie)";
    }
    if (p.copil) {
        t += p.sotie ? "/copil" : "copil";
    }
    if (p.alta) {
        t += (p.sotie || p.copil) ? "/alta" : "alta";
    }
    return t;
}

std::string situatie(bool invalid1, bool invalid2, bool alteSituatii) {
    std::string t;
    if (invalid1) {
        t += "Invalid.gr.I ";
    }
    if (invalid2) {
        t += invalid1 ? "/ Invalid.gr.II " : "Invalid.gr.II ";
    }
    if (alteSituatii) {
        t += (invalid1 || invalid2) ? "/ Alte situatii " : "Alte situatii ";
    }
    return t;
}

void sectiuneaVI(std::vector<std::string>& l, const FoaieFisa1& f) {
    l.push_back(" VI. DATE REFERITOARE LA REGULARIZAREA IMPOZITULUI");
    const FormaSectiuneaVI forma = f.formaVI;
    if (forma == FormaSectiuneaVI::EticheteScurte) {
        for (std::size_t i = 0; i < EticheteVI.size(); ++i) {
            l.push_back(std::string(EticheteVI[i]) + BlancuriVIScurte[i]);
        }
        return;
    }
    const bool valori = forma == FormaSectiuneaVI::CuValori || forma == FormaSectiuneaVI::CuValoriCompletate;
    std::size_t v = 0;
    for (std::size_t i = 0; i < EticheteVI.size(); ++i) {
        if (i == RandNoua) {
            l.push_back(forma == FormaSectiuneaVI::CuValori ? std::string(EticheteVI[i])
                                                            : laStanga(EticheteVI[i], 60));
            continue;
        }
        l.push_back(valori ? etichetaSuma(EticheteVI[i], f.regularizare[v]) : laStanga(EticheteVI[i], 60));
        ++v;
    }
    l.push_back(Rigla());
}

} // namespace

PersoanaFoaie PersoanaDinTexte(std::string_view cod, std::string_view nume, std::string_view prenume,
                               const std::array<std::string_view, 6>& marci,
                               const std::array<std::string_view, 12>& coeficienti) {
    PersoanaFoaie p;
    p.cod = cod;
    p.nume = nume;
    p.prenume = prenume;
    bool* const semne[] = {&p.sotie, &p.copil, &p.alta, &p.invalid1, &p.invalid2, &p.alteSituatii};
    for (std::size_t i = 0; i < marci.size(); ++i) {
        *semne[i] = esteMarcat(marci[i]);
    }
    for (std::size_t m = 0; m < 12; ++m) {
        p.coeficienti[m] = NormNumar(coeficienti[m]);
    }
    return p;
}

std::string CeluleCoeficienti(const std::array<std::string, 12>& valori) {
    std::string t;
    for (const auto& v : valori) {
        t += celula(v);
    }
    return t;
}

std::vector<std::string> LiniiFisa1(const FoaieFisa1& f) {
    std::vector<std::string> l;
    const CapFoaie& c = f.cap;
    l.reserve(120 + c.antetAngajator.size() + 6 * f.persoane.size());
    const std::string blancuri49(49, ' ');

    l.push_back(c.linieExemplar);
    l.emplace_back();
    l.push_back(Rigla());
    l.push_back(std::string(22, ' ') + "FISA FISCALA 1 pentru anul " + c.an);
    l.push_back(std::string(25, ' ') + "(pentru functia de baza) ");
    l.push_back(Rigla());
    l.push_back(blancuri49 + "Fisa fiscala rectificativa : " + DaNu(c.rectificativa));
    l.push_back(blancuri49 + "Fisa fiscala regularizata  : " + DaNu(f.regularizata));
    l.push_back(Rigla());

    adaugaIdentificare(l, c);
    l.emplace_back();
    l.push_back(std::string("Persoana fizica romana fara domiciliu in Romania : ") + DaNu(f.faraDomiciliu));
    l.push_back(Rigla());

    l.push_back("III. DATE PRIVIND INDEPLINIREA CONDITIILOR PENTRU CALCULUL IMPOZITULUI ANUAL ");
    l.push_back("     SI REGULARIZAREA ACESTUIA ");
    l.push_back(Rigla());
    l.push_back(std::string("  Alte surse supuse impozitului pe venitul anual global : ") + DaNu(f.alteSurse));
    l.push_back("  Data angajarii : " + f.dataAngajarii + "  Data incetarii activitatii : " + f.dataIncetarii);
    l.push_back(Rigla());

    l.push_back(" IV. DEDUCERI PERSONALE");
    l.push_back(Rigla());
    l.push_back(std::string("A. Total coeficient  ") + Luni);
    l.push_back("  deducere calculat" + CeluleCoeficienti(f.coeficientCalculat));
    l.push_back(Rigla());
    l.push_back("B. Situatia proprie pentru deducere ");
    l.push_back(std::string(5, ' ') + situatie(f.invalid1, f.invalid2, false));
    l.push_back(std::string(21, ' ') + Luni);
    l.push_back(std::string(19, ' ') + CeluleCoeficienti(f.coeficientPropriu));
    l.push_back(Rigla());
    l.push_back("C. Date referitoare la persoanele aflate in intretinere");
    for (std::size_t i = 0; i < f.persoane.size(); ++i) {
        const PersoanaFoaie& p = f.persoane[i];
        l.push_back("   " + std::to_string(i + 1) + ". Cod " + p.cod);
        l.push_back("   Nume : " + p.nume + "   Prenume : " + p.prenume);
        l.push_back("   Calitatea : " + calitate(p) + std::string(9, ' ') +
                    situatie(p.invalid1, p.invalid2, p.alteSituatii));
        l.push_back(std::string("   Coeficienti       ") + Luni);
        l.push_back("   de deducere     " + CeluleCoeficienti(p.coeficienti));
        l.emplace_back();
    }

    l.push_back(Rigla());
    l.push_back("  V. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII");
    l.push_back(Rigla());
    l.push_back("A.  Luna                       Venit net          Impozit calculat");
    l.push_back(std::string(53, ' ') + "si retinut");
    l.push_back(Rigla());
    for (std::size_t r = 0; r < EticheteLuni.size(); ++r) {
        if (r == 13) {
            l.push_back(Rigla());
        }
        l.push_back(RandSume(EticheteLuni[r], nenul(f.venitNet[r]), nenul(f.impozit[r])));
    }
    l.push_back(Rigla());
    l.emplace_back();
    l.push_back(etichetaSuma("B. Cheltuieli profesionale acordate :", f.cheltuieliAcordate));
    l.push_back("C. Numar de luni pentru care s-au acordat cheltuieli profesionale : " +
                laDreapta(suma(f.luniCheltuieli), 12));
    l.push_back(Rigla());

    sectiuneaVI(l, f);
    l.push_back("VII. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII CU IMPUNERE FINALA");
    l.push_back(etichetaSuma("  Venit net :", f.impunereFinala[0]));
    l.push_back(etichetaSuma("  Impozit calculat si retinut :", f.impunereFinala[1]));
    l.push_back(Rigla());
    l.push_back(etichetaSuma("VIII. VENIT NET DIN SALARII SCUTIT DE IMPOZITUL PE VENIT :  ", f.impunereFinala[2]));
    l.push_back(Rigla());
    adaugaDeclaratie(l, c.semnatar, c.functie);
    return l;
}

} // namespace olm
