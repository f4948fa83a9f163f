#include "shared/fisa1_sheet_text.h"

#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"

namespace olm {

namespace {

constexpr std::string_view Luni = "Ian  Feb  Mar  Apr  Mai  Iun  Iul  Aug  Sept Oct  Nov  Dec";

constexpr std::array<std::string_view, 14> EticheteLuni = {
    "Ianuarie          1.", "Februarie         2.", "Martie            3.",
    "Aprilie           4.", "Mai               5.", "Iunie             6.",
    "Iulie             7.", "August            8.", "Septembrie        9.",
    "Octombrie        10.", "Noiembrie        11.", "Decembrie        12.",
    "Prima de vacanta 13.", "Total            14."};

// The labels of section VI, bare; line 9 is split over two lines.
constexpr std::array<std::string_view, 11> EticheteVI = {
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
constexpr std::array<std::string_view, 11> BlancuriVIScurte = {"  ", "", "", "", "", "", " ", "", "", " ", " "};

constexpr std::size_t RandNoua = 8; // the label of line 9 that stands alone

// An amount as it stands, or nothing when it is 0: zero amounts print blank.
std::string_view nenul(std::string_view text) { return ValoareText(text) == 0 ? std::string_view() : text; }

// A label filled to 60 characters and its amount right-aligned in 20, blank when it is 0.
void etichetaSuma(TextFoaie& t, std::string_view eticheta, std::string_view valoare) {
    t.laStanga(eticheta, 60);
    t.suma(nenul(valoare), 20);
    t.gataLinia();
}

// The cells of the twelve months of a coefficient row, each 5 characters
// wide: a value of 0 is blank, a shorter number text is right-aligned, a text
// of 5 characters or more is one blank and the whole text.
void celule(TextFoaie& t, const std::array<double, 12>& valori) {
    for (const double v : valori) {
        if (v == 0) {
            t.blancuri(5);
            continue;
        }
        char cifre[LungimeMaximaTextNumar];
        const std::string_view text(cifre, static_cast<std::size_t>(ScrieTextNumar(cifre, v) - cifre));
        if (text.size() < 5) {
            t.laDreapta(text, 5);
        } else {
            t.blancuri(1);
            t.adauga(text);
        }
    }
}

void calitate(TextFoaie& t, const PersoanaFoaie& p) {
    if (p.sotie) {
        t.adauga("sot(sotie)");
    }
    if (p.copil) {
        t.adauga(p.sotie ? "/copil" : "copil");
    }
    if (p.alta) {
        t.adauga((p.sotie || p.copil) ? "/alta" : "alta");
    }
}

void situatie(TextFoaie& t, bool invalid1, bool invalid2, bool alteSituatii) {
    if (invalid1) {
        t.adauga("Invalid.gr.I ");
    }
    if (invalid2) {
        t.adauga(invalid1 ? "/ Invalid.gr.II " : "Invalid.gr.II ");
    }
    if (alteSituatii) {
        t.adauga((invalid1 || invalid2) ? "/ Alte situatii " : "Alte situatii ");
    }
}

void sectiuneaVI(TextFoaie& t, const FoaieFisa1& f) {
    t.linie(" VI. DATE REFERITOARE LA REGULARIZAREA IMPOZITULUI");
    const FormaSectiuneaVI forma = f.formaVI;
    if (forma == FormaSectiuneaVI::EticheteScurte) {
        for (std::size_t i = 0; i < EticheteVI.size(); ++i) {
            t.linie(EticheteVI[i], BlancuriVIScurte[i]);
        }
        return;
    }
    const bool valori = forma == FormaSectiuneaVI::CuValori || forma == FormaSectiuneaVI::CuValoriCompletate;
    std::size_t v = 0;
    for (std::size_t i = 0; i < EticheteVI.size(); ++i) {
        if (i == RandNoua && forma == FormaSectiuneaVI::CuValori) {
            t.linie(EticheteVI[i]);
        } else if (i == RandNoua || !valori) {
            t.laStanga(EticheteVI[i], 60);
            t.gataLinia();
        } else {
            etichetaSuma(t, EticheteVI[i], f.regularizare[v++]);
        }
    }
    t.linie(Rigla());
}

void dependant(TextFoaie& t, std::size_t numar, const PersoanaFoaie& p) {
    t.linie("   ", std::to_string(numar), ". Cod ", p.cod);
    t.linie("   Nume : ", p.nume, "   Prenume : ", p.prenume);
    t.adauga("   Calitatea : ");
    calitate(t, p);
    t.blancuri(9);
    situatie(t, p.invalid1, p.invalid2, p.alteSituatii);
    t.gataLinia();
    t.linie("   Coeficienti       ", Luni);
    t.adauga("   de deducere     ");
    celule(t, p.coeficienti);
    t.gataLinia();
    t.linie("");
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
        p.coeficienti[m] = ValNumar(coeficienti[m]);
    }
    return p;
}

void ScrieFisa1(TextFoaie& t, const FoaieFisa1& f) {
    const CapFoaie& c = f.cap;

    t.linie(c.linieExemplar);
    t.linie("");
    t.linie(Rigla());
    t.blancuri(22);
    t.linie("FISA FISCALA 1 pentru anul ", c.an);
    t.blancuri(25);
    t.linie("(pentru functia de baza) ");
    t.linie(Rigla());
    t.blancuri(49);
    t.linie("Fisa fiscala rectificativa : ", DaNu(c.rectificativa));
    t.blancuri(49);
    t.linie("Fisa fiscala regularizata  : ", DaNu(f.regularizata));
    t.linie(Rigla());

    adaugaIdentificare(t, c);
    t.linie("");
    t.linie("Persoana fizica romana fara domiciliu in Romania : ", DaNu(f.faraDomiciliu));
    t.linie(Rigla());

    t.linie("III. DATE PRIVIND INDEPLINIREA CONDITIILOR PENTRU CALCULUL IMPOZITULUI ANUAL ");
    t.linie("     SI REGULARIZAREA ACESTUIA ");
    t.linie(Rigla());
    t.linie("  Alte surse supuse impozitului pe venitul anual global : ", DaNu(f.alteSurse));
    t.linie("  Data angajarii : ", f.dataAngajarii, "  Data incetarii activitatii : ", f.dataIncetarii);
    t.linie(Rigla());

    t.linie(" IV. DEDUCERI PERSONALE");
    t.linie(Rigla());
    t.linie("A. Total coeficient  ", Luni);
    t.adauga("  deducere calculat");
    celule(t, f.coeficientCalculat);
    t.gataLinia();
    t.linie(Rigla());
    t.linie("B. Situatia proprie pentru deducere ");
    t.blancuri(5);
    situatie(t, f.invalid1, f.invalid2, false);
    t.gataLinia();
    t.blancuri(21);
    t.linie(Luni);
    t.blancuri(19);
    celule(t, f.coeficientPropriu);
    t.gataLinia();
    t.linie(Rigla());
    t.linie("C. Date referitoare la persoanele aflate in intretinere");
    for (std::size_t i = 0; i < f.persoane.size(); ++i) {
        dependant(t, i + 1, f.persoane[i]);
    }

    t.linie(Rigla());
    t.linie("  V. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII");
    t.linie(Rigla());
    t.linie("A.  Luna                       Venit net          Impozit calculat");
    t.blancuri(53);
    t.linie("si retinut");
    t.linie(Rigla());
    for (std::size_t r = 0; r < EticheteLuni.size(); ++r) {
        if (r == 13) {
            t.linie(Rigla());
        }
        RandSume(t, EticheteLuni[r], nenul(f.venitNet[r]), nenul(f.impozit[r]));
    }
    t.linie(Rigla());
    t.linie("");
    etichetaSuma(t, "B. Cheltuieli profesionale acordate :", f.cheltuieliAcordate);
    t.adauga("C. Numar de luni pentru care s-au acordat cheltuieli profesionale : ");
    t.suma(nenul(f.luniCheltuieli), 12);
    t.gataLinia();
    t.linie(Rigla());

    sectiuneaVI(t, f);
    t.linie("VII. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII CU IMPUNERE FINALA");
    etichetaSuma(t, "  Venit net :", f.impunereFinala[0]);
    etichetaSuma(t, "  Impozit calculat si retinut :", f.impunereFinala[1]);
    t.linie(Rigla());
    etichetaSuma(t, "VIII. VENIT NET DIN SALARII SCUTIT DE IMPOZITUL PE VENIT :  ", f.impunereFinala[2]);
    t.linie(Rigla());
    adaugaDeclaratie(t, c.semnatar, c.functie);
}

std::vector<std::string> LiniiFisa1(const FoaieFisa1& f) {
    TextFoaie t;
    ScrieFisa1(t, f);
    return t.linii();
}

} // namespace olm
