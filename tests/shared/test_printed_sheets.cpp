// The printed Fisa 1 and Fisa 2 sheets built from plain values: the rows each
// rule makes. The whole layouts are compared with the worked examples by the
// listings' tests.

#include "shared/fisa1_sheet_text.h"
#include "shared/fisa2_sheet_text.h"
#include "shared/sheet_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace olm {
namespace {

using Linii = std::vector<std::string>;

// The lines from the one that starts with `titlu`, `cate` of them.
Linii dupa(const Linii& l, const std::string& titlu, std::size_t cate) {
    const auto it = std::find_if(l.begin(), l.end(), [&](const std::string& x) { return x.starts_with(titlu); });
    EXPECT_NE(it, l.end()) << titlu;
    if (it == l.end()) {
        return {};
    }
    return Linii(it, it + static_cast<std::ptrdiff_t>(std::min<std::size_t>(cate, l.end() - it)));
}

TEST(PrintedSheets, CoefficientCells) {
    struct Rand {
        const char* nume;
        double valoare;
        const char* celule; // the cell and the next one (holding 1)
    } randuri[] = {
        {"a whole number right-aligned", 3, "    3    1"},
        {"a decimal", 1.5, "  1.5    1"},
        {"zero is blank", 0, "         1"},
        {"five characters: one blank and the whole value", 1.125, " 1.125    1"},
        {"longer still never glued to the next", 10.255, " 10.255    1"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FoaieFisa1 f;
        f.coeficientCalculat.fill(1);
        f.coeficientCalculat[0] = r.valoare;
        EXPECT_EQ(dupa(LiniiFisa1(f), "  deducere calculat", 1)[0].substr(19, std::string(r.celule).size()),
                  r.celule);
    }
}

TEST(PrintedSheets, QualityAndSituationOfADependantAndTheEmployee) {
    struct Rand {
        const char* nume;
        std::array<std::string_view, 6> marci; // spouse, child, other, inv. I, inv. II, other situation
        const char* calitate;
        const char* proprie; // the employee's own line when his marks are inv. I and II
    } randuri[] = {
        {"none", {"", "", "", "", "", ""}, "   Calitatea :          ", "     "},
        {"spouse and other", {"X", "", "x", "", "", ""}, "   Calitatea : sot(sotie)/alta         ", "     "},
        {"child, grade II, other situation", {"", " X", "", "", "X", "X"},
         "   Calitatea : copil         Invalid.gr.II / Alte situatii ", "     Invalid.gr.II "},
        {"all", {"X", "X", "X", "X", "X", "X"},
         "   Calitatea : sot(sotie)/copil/alta         Invalid.gr.I / Invalid.gr.II / Alte situatii ",
         "     Invalid.gr.I / Invalid.gr.II "},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FoaieFisa1 f;
        f.persoane.push_back(PersoanaDinTexte("1", "A", "B", r.marci, {}));
        f.invalid1 = f.persoane[0].invalid1;
        f.invalid2 = f.persoane[0].invalid2;
        const Linii l = LiniiFisa1(f);
        EXPECT_EQ(dupa(l, "   Calitatea", 1), Linii{r.calitate});
        EXPECT_EQ(dupa(l, "B. Situatia", 2)[1], r.proprie);
    }
}

TEST(PrintedSheets, SectionVIInItsFourForms) {
    FoaieFisa1 f;
    f.regularizare = {"73500000", "", "2880000", "0", "57600000", "", "2862000", "2907000", "", "45000"};
    struct Rand {
        const char* nume;
        FormaSectiuneaVI forma;
        Linii asteptat; // lines 1, 8, the two halves of 9, 10 and the line after
    } randuri[] = {
        {"with the amounts", FormaSectiuneaVI::CuValori,
         {"   1.Venit net :                                                      73.500.000",
          "   8.Total impozit lunar calculat si retinut:                          2.907.000",
          "   9.Diferenta de impozit ramas de achitat",
          "     de catre angajat (7-8) :                                                   ",
          "  10.Diferenta de impozit de restituit angajatului (8-7) :                45.000", std::string(80, '_')}},
        {"the sheet's image fills line 9 too", FormaSectiuneaVI::CuValoriCompletate,
         {"   1.Venit net :                                                      73.500.000",
          "   8.Total impozit lunar calculat si retinut:                          2.907.000",
          "   9.Diferenta de impozit ramas de achitat                  ",
          "     de catre angajat (7-8) :                                                   ",
          "  10.Diferenta de impozit de restituit angajatului (8-7) :                45.000", std::string(80, '_')}},
        {"labels only", FormaSectiuneaVI::DoarEtichete,
         {"   1.Venit net :                                            ",
          "   8.Total impozit lunar calculat si retinut:               ",
          "   9.Diferenta de impozit ramas de achitat                  ",
          "     de catre angajat (7-8) :                               ",
          "  10.Diferenta de impozit de restituit angajatului (8-7) :  ", std::string(80, '_')}},
        {"no annual base deduction: bare labels, no rule", FormaSectiuneaVI::EticheteScurte,
         {"   1.Venit net :  ", "   8.Total impozit lunar calculat si retinut:",
          "   9.Diferenta de impozit ramas de achitat", "     de catre angajat (7-8) : ",
          "  10.Diferenta de impozit de restituit angajatului (8-7) : ",
          "VII. CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII CU IMPUNERE FINALA"}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        f.formaVI = r.forma;
        const Linii vi = dupa(LiniiFisa1(f), " VI.", 13);
        ASSERT_EQ(vi.size(), 13u);
        EXPECT_EQ((Linii{vi[1], vi[8], vi[9], vi[10], vi[11], vi[12]}), r.asteptat);
    }
}

TEST(PrintedSheets, AmountsWiderThanTheirColumnAreWrittenWhole) {
    TextFoaie t;
    RandSume(t, "Total       13.", "123456789012345678901234567", "0");
    RandSume(t, "Mai          5.", "", "");
    RandSume(t, "Iunie        6.", "-1234567.5", "12345");
    EXPECT_EQ(t.linii(), (Linii{"Total       13.123.456.789.012.345.678.901.234.567                        0",
                                "Mai          5." + std::string(45, ' '),
                                "Iunie        6.        -1.234.567.5                   12.345"}));
}

TEST(PrintedSheets, CopyLineByCopyKind) {
    struct Rand {
        const char* tip;
        const char* linie;
    } randuri[] = {
        {"angajat", "(copie pentru angajat)"},
        {"unitatea fiscala", "(copie pentru unitatea fiscala)"},
        {" Angajator", "(original pentru  Angajator)"},
        {"altcineva", ""},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.tip);
        EXPECT_EQ(LinieExemplar(r.tip), r.linie);
    }
}

TEST(PrintedSheets, Fisa2TypeLine) {
    struct Rand {
        const char* nume;
        std::array<bool, 8> tipuri;
        const char* linie;
    } randuri[] = {
        {"none", {}, "     FUNCTIA DE BAZA        Tip venit : "},
        {"2 and 8", {false, true, false, false, false, false, false, true},
         "     FUNCTIA DE BAZA        Tip venit :  AS2 AS8"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FoaieFisa2 f;
        f.tipuri = r.tipuri;
        EXPECT_EQ(dupa(LiniiFisa2(f), "     FUNCTIA", 1), Linii{r.linie});
    }
}

TEST(PrintedSheets, NameOf63And64CharactersWraps) {
    FoaieFisa2 f;
    f.cap.antetAngajator = Linii(5, "angajator");
    f.cap.numePrenume = std::string(63, 'N');
    EXPECT_EQ(dupa(LiniiFisa2(f), "Nume, prenume : ", 2)[1], std::string(16, ' '));
    f.cap.numePrenume += "M";
    EXPECT_EQ(dupa(LiniiFisa2(f), "Nume, prenume : ", 2)[1], std::string(16, ' ') + "M");
    EXPECT_EQ(LiniiFisa2(f).size(), 50u) << "one line more than a sheet of one-line texts";
}

} // namespace
} // namespace olm
