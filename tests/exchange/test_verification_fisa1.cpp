#include "exchange/verification_fisa1_record.h"
#include "exchange/verification_fisa1_sheets.h"
#include "exchange/verification_screening.h"
#include "platform/control_items.h"
#include "shared/state.h"
#include "verification_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace olm::testing {
namespace {

using Campuri = std::vector<std::string>;
using Linii = std::vector<std::string>;

Linii verificaFisa(const Campuri& campuri) {
    const std::string linie = linieFisa1(campuri);
    RaportVerificare raport;
    VerificaInregistrareFf1(CitesteValoriFf1(linie), raport);
    EXPECT_EQ(raport.existaErori(), !raport.linii().empty());
    return raport.linii();
}

struct Caz {
    const char* nume;
    std::function<void(Campuri&)> schimba;
    Linii asteptat;
};

void verificaCazuri(const Campuri& baza, std::initializer_list<Caz> cazuri) {
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        DeducereBaza[12] = 1600000;
        Campuri f = baza;
        c.schimba(f);
        EXPECT_EQ(verificaFisa(f), c.asteptat);
    }
}

using Fisa1Record = VerificationTest;

TEST_F(Fisa1Record, FieldChecksOfASheetThatDoesNotQualify) {
    Campuri baza = campuriFisa1("1750305123453");
    baza[16] = "X"; // other income: the regularisation is out of the way
    const std::string c = "1750305123453";
    verificaCazuri(baza, {
        {"a sound sheet", [](Campuri&) {}, {}},
        {"a wrong code", [](Campuri& f) { f[0] = "1800101221145"; }, {"CNP 1800101221145 eronat."}},
        {"grade I without an own 2", [](Campuri& f) { f[17] = " x"; },
         {c + " coef.de deducere pentru situatie proprienecorelati cu marcajul pentru handicap."}},
        {"an own 2 without grade I", [](Campuri& f) { f[34] = "2"; },
         {c + " coef.de deducere pentru situatie proprienecorelati cu marcajul pentru handicap."}},
        {"an own 0.5", [](Campuri& f) { f[34] = "0.5"; },
         {c + " coef.de deducere pentru situatie propriediferiti de 0, 1, 1.5, 2."}},
        {"income before the hiring month", [](Campuri& f) { f[20] = "01/03/2002"; },
         {c + " Venituri si/sau impozite in afara intervalului de activitate (3,12)."}},
        {"the holiday bonus counts in the total", [](Campuri& f) { f[70] = "1000000"; },
         {c + " Total venit net gresit (V.14.1)= 60000000 # 61000000(cel corect)"}},
        {"a wrong total tax", [](Campuri& f) { f[73] = "8000000"; },
         {c + " Total impozit calculat si retinut gresit (V.14.2)= 8000000 # 9000000(cel corect)"}},
        {"amounts with decimals add up as written",
         [](Campuri& f) { f[46] = "100.10"; f[48] = "200.20"; f[72] = "50000300.3"; }, {}},
        {"negative months of expenses", [](Campuri& f) { f[74] = "-1"; },
         {c + " Nr.de luni pentru acord.chelt.prof.negativ."}},
        {"more months of expenses than months with a deduction", [](Campuri& f) { f[74] = "13"; },
         {c + " Nr.luni pentru acord.chelt.prof.=13, mai mare decat nr.de luni cu drept de deducere=12"}},
        {"... unless the surname holds **", [](Campuri& f) { f[1] = "POP**"; f[74] = "13"; }, {}},
        {"a foreign person's months are not checked",
         [](Campuri& f) { f[0] = "9800101123455"; f[74] = "-1"; }, {}},
        {"half a leu of final tax goes to the even neighbour", [](Campuri& f) { f[83] = "30"; f[84] = "5"; },
         {c + " Impozit final (VII.) gresit = 5 # 4 (cel corect)."}},
    });
}

TEST_F(Fisa1Record, RegularisationMarkAndSectionSix) {
    const std::string c = "1750305123453";
    const auto faraVI = [](Campuri& f) {
        for (std::size_t i = 78; i <= 82; ++i) {
            f[i] = "";
        }
    };
    verificaCazuri(campuriFisa1Regularizata(c), {
        {"a sound regularised sheet", [](Campuri&) {}, {}},
        {"wrong VI.3", [](Campuri& f) { f[76] = "2800000"; },
         {c + " Chelt.prof.cuvenite (VI.3.) gresite = 2800000 # 2880000 (cele corecte). "}},
        {"a negative VI.4 is passed over", [](Campuri& f) { f[77] = "-5"; }, {}},
        {"a VI.5 capped at VI.4 stands",
         [](Campuri& f) { f[77] = "10000000"; f[78] = "10000000"; },
         {c + " Venit net recalculat (VI.4.) gresit = 10000000 # 60000000 (cel corect). "}},
        {"VI.9 and VI.10 are judged from the stored VI.7",
         [](Campuri& f) { f[80] = "8000000"; f[82] = "1000000"; },
         {c + " Impozit anual (VI.7.) gresit = 8000000 # 8304000 (cel corect)."}},
        {"wrong VI.10", [](Campuri& f) { f[82] = "700000"; },
         {c + " Diferenta impozit de restituit (VI.10.) gresita = 700000 # 696000 (cea corecta)."}},
        {"VI.5 without the zero-income rule", [](Campuri& f) {
             for (std::size_t i = 46; i <= 72; i += 2) {
                 f[i] = "";
             }
             puneDeLa(f, 75, {"", "2880000", "0", "19200000", "0", "0", "0", "9000000"});
         }, {}},
        {"the mark without section VI", [&](Campuri& f) { faraVI(f); f[83] = ""; f[84] = ""; },
         {c + " are conditiile de regularizare indeplinite, are marcajul 'X' si nu are date de regularizare."}},
        {"... is no fault with a VII income", faraVI, {}},
        {"section VI without the mark", [](Campuri& f) { f[14] = ""; },
         {c + " are conditiile de regularizare indeplinite, are date de regularizare dar nu are marcajul 'X'."}},
        {"the mark without the conditions", [](Campuri& f) { f[16] = "X"; },
         {c + " nu are conditiile de regularizare indeplinite dar are marcajul 'X'."}},
        {"section VI without the conditions", [](Campuri& f) { f[16] = "X"; f[14] = ""; },
         {c + " nu are conditiile de regularizare indeplinite,nu are marcajul 'X' dar are date de regularizare ."}},
        {"neither mark nor section VI", [&](Campuri& f) { faraVI(f); f[14] = ""; f[83] = ""; f[84] = ""; },
         {c + " are conditiile de regularizare indeplinite, nu are marcajul 'X' si nu are date de regularizare."}},
        {"no annual base deduction: no regularisation check",
         [](Campuri& f) { DeducereBaza[12] = 0; f[76] = "1"; f[84] = "1"; },
         {c + " Impozit final (VII.) gresit = 1 # 150000 (cel corect)."}},
    });
}

// The Fisa 1 pass over lines as the screening hands them over.
struct Trecere {
    Linii raport;
    Linii ff1;
    bool eroareData;
};

Trecere treci(const Linii& linii) {
    std::vector<std::string> elemente;
    for (const auto& l : linii) {
        elemente.push_back(ElementSortareFf1(l));
    }
    platform::sortItemTexts(elemente);
    RaportVerificare raport;
    Fise1Verificate f = VerificaFise1(elemente, raport);
    return {raport.linii(), f.linii, f.eroareData};
}

Campuri perioada(const std::string& d1, const std::string& d2) {
    Campuri f = campuriFisa1("1830710123451");
    f[20] = d1;
    f[21] = d2;
    return f;
}

TEST_F(Fisa1Record, DateFaultsLeaveTheSheetOut) {
    const std::string c = "1830710123451";
    struct Rand {
        const char* nume;
        std::string d1, d2;
        Linii asteptat;
    };
    const Rand randuri[] = {
        {"leaving in the year before, before the hiring", "01/02/2002", "15/03/2001",
         {c + " an fiscal eronat in data lichidarii 15/03/2001 (an fiscal corect=2002).",
          c + " data lichidarii (15/03/2001) anterioara datei angajarii (01/02/2002)."}},
        {"no such day", "31/02/2002", "", {c + " data angajarii 31/02/2002 eronata."}},
        {"a short year", "15.03.02", "", {c + " an fiscal eronat in data angajarii 15/03/02 (an fiscal corect=2002)."}},
        {"not a date at all", "2002", "", {c + " data angajarii 02//2002 eronata."}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        const Trecere t = treci({linieFisa1(perioada(r.d1, r.d2))});
        EXPECT_EQ(t.raport, r.asteptat);
        EXPECT_TRUE(t.ff1.empty());
        EXPECT_TRUE(t.eroareData);
    }
    const Trecere egale = treci({linieFisa1(perioada("01/01/2002", "01/01/2002"))});
    EXPECT_FALSE(egale.eroareData) << "a sheet may begin and end on the same day";
}

TEST_F(Fisa1Record, OneSheetIsRewrittenFromItsValues) {
    // Income all the year on a sheet from March: reported, and the months
    // before March left out of the record.
    Campuri f = perioada("1-3-2002", "");
    f[74] = "12";
    const Trecere t = treci({linieFisa1(f)});
    EXPECT_EQ(t.raport, Linii{"1830710123451 Venituri si/sau impozite in afara intervalului de activitate (3,12)."});
    ASSERT_EQ(t.ff1.size(), 1u);
    // Zeros written "0"; the months of expenses those from March with a coefficient.
    Campuri scris = perioada("01/3/2002", "");
    puneDeLa(scris, 22, {"0", "0"});
    puneDeLa(scris, 34, {"0", "0"});
    puneDeLa(scris, 46, {"0", "0", "0", "0"});
    puneDeLa(scris, 70, {"0", "0"});
    puneDeLa(scris, 74, {"10", "2880000", "0", "0", "0", "0", "0", "0", "0"});
    scris[85] = "0";
    EXPECT_EQ(t.ff1[0], linieFisa1(scris));
}

TEST_F(Fisa1Record, SheetsOfOneEmployeeMergeInDateOrder) {
    const std::string c = "1830710123451";
    const std::string suprapuse = c + " are mai multe fise cu intervale suprapuse (se pastraza o singura inregistrare)";
    // Two periods that share March: 1 until the 15th, then 1.5.
    Campuri prima = perioada("01/01/2002", "15/03/2002");
    Campuri aDoua = perioada("16/03/2002", "");
    for (std::size_t i = 0; i < 12; ++i) {
        if (i > 2) {
            prima[22 + i] = prima[34 + i] = prima[46 + 2 * i] = prima[47 + 2 * i] = "";
        }
        if (i < 2) {
            aDoua[22 + i] = aDoua[34 + i] = aDoua[46 + 2 * i] = aDoua[47 + 2 * i] = "";
        } else {
            aDoua[22 + i] = "1.5";
        }
    }
    puneDeLa(prima, 72, {"15000000", "2250000", "3"});
    puneDeLa(aDoua, 72, {"50000000", "7500000", "10"});
    puneDeLa(aDoua, 83, {"2000000", "300000"});

    // Given in the reverse order; taken in the order of their hiring dates.
    const Trecere t = treci({linieFisa1(aDoua), linieFisa1(prima)});
    EXPECT_EQ(t.raport, Linii{}) << "each sheet checked alone passes";
    ASSERT_EQ(t.ff1.size(), 1u);
    const CampuriTaiate scris = taieCampuri(t.ff1[0], structuraFf1());
    const auto& s = scris.campuri;
    EXPECT_EQ(s[20], "01/01/2002");
    EXPECT_EQ(s[21], "31/12/2002") << "the second sheet's leaving date after the default";
    EXPECT_EQ(s[24], "1.5") << "the greater coefficient of the shared month";
    EXPECT_EQ(s[36], "1");
    EXPECT_EQ(s[50], "10000000") << "the shared month's amounts added";
    EXPECT_EQ(s[72], "65000000");
    EXPECT_EQ(s[74], "12") << "3 + 10 months, capped at the months with a coefficient";
    EXPECT_EQ(s[75], "5760000");
    for (std::size_t i = 76; i <= 82; ++i) {
        EXPECT_EQ(s[i], "") << "section VI of merged sheets is empty, field " << i + 1;
    }
    EXPECT_EQ(s[83], "3000000");

    // The same hiring date twice, and a period inside another: the sheet
    // taken first stays.
    const Trecere dubla = treci({linieFisa1(perioada("01/01/2002", "30/06/2002")), linieFisa1(perioada("01/01/2002", "")),
                                 linieFisa1(perioada("01/03/2002", "31/05/2002"))});
    EXPECT_EQ(dubla.raport, (Linii{suprapuse, suprapuse}));
    ASSERT_EQ(dubla.ff1.size(), 1u);
    EXPECT_EQ(taieCampuri(dubla.ff1[0], structuraFf1()).campuri[21], "") << "the sheet to the year's end was taken";
    EXPECT_FALSE(dubla.eroareData);
}

} // namespace
} // namespace olm::testing
