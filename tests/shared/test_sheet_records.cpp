#include "shared/record_shape.h"
#include "shared/sheet_records.h"
#include "support/sample_data.h"

#include <gtest/gtest.h>

#include <string>

namespace olm {
namespace {

const std::string kCod = "2740711100511";

std::string liniaFf1() {
    return kCod +
           ",#POP#,#ANA, MARIA#,#CLUJ-NAPOCA#,#CLUJ#,#STR. X#,#7#,400100,#B1#,#A#,#2#,#9#,,"
           "#X#,##,##,##,#X#,##,##,01/03/2002,,"
           "2,2,2,2,2,2,2,2,2,2,2,2,"
           "1.5,1,1,1,1,1,1,1,1,1,1,1,"
           "100,10,,,,,,,,,,,,,,,,,,,,,,,50,5,150,15,"
           "3,400,1,2,3,4,5,6,7,8,9,10";
}

TEST(SheetRecords, Fisa1FieldsLandInTheirPlaces) {
    const auto citit = citesteLinieFf1(liniaFf1());
    ASSERT_TRUE(citit.complet);
    const RecordFf1& r = citit.record;
    EXPECT_EQ(r.id.Cod, kCod);
    EXPECT_EQ(r.id.Prenume, "ANA, MARIA"); // a "," inside a text field stays in it
    EXPECT_EQ(r.id.Judet, "CLUJ");
    EXPECT_EQ(r.id.CodPostal, "400100");
    EXPECT_EQ(r.id.Sector, "");
    EXPECT_EQ(r.MarcaRectif, "X");
    EXPECT_EQ(r.MarcaInv1, "X");
    EXPECT_EQ(r.MarcaInv2, "");
    EXPECT_EQ(r.DataAngajarii, "01/03/2002");
    EXPECT_EQ(r.DataIncetarii, "");
    EXPECT_EQ(r.CoefCalc[11], "2");
    EXPECT_EQ(r.CoefProp[0], "1.5");
    EXPECT_EQ(r.VenitN[0], "100");
    EXPECT_EQ(r.ImpC[0], "10");
    EXPECT_EQ(r.VenitN[12], "50"); // the holiday bonus
    EXPECT_EQ(r.ImpC[13], "15");   // the total
    EXPECT_EQ(r.Luni, "3");
    EXPECT_EQ(r.ChAc, "400");
    EXPECT_EQ(r.Reg[0], "1");  // VI.3
    EXPECT_EQ(r.Reg[7], "8");  // VII income
    EXPECT_EQ(r.Reg[9], "10"); // VIII, the rest of the line
    EXPECT_EQ(linieFf1(r), liniaFf1());

    // Read as views into the line, the same fields in the same places.
    const std::string linie = liniaFf1();
    const RecordFf1Vazut v = vedeLinieFf1(linie).record;
    EXPECT_EQ(v.id.Prenume, "ANA, MARIA");
    EXPECT_EQ(v.CoefProp[0], "1.5");
    EXPECT_EQ(v.ImpC[13], "15");
    EXPECT_EQ(v.Reg[9], "10");
    EXPECT_EQ(v.Reg[9].data(), linie.data() + linie.size() - 2) << "a view into the line, not a copy";
}

TEST(SheetRecords, Fisa2AndDependantFieldsLandInTheirPlaces) {
    const std::string ff2 = kCod +
                            ",#POP#,#ANA#,#ARAD#,#ARAD#,##,##,,##,##,##,##,,##,#X#,##,#X#,##,##,##,##,##,"
                            "0,0,5,1" +
                            std::string(21, ',') + "5,1";
    const auto f = citesteLinieFf2(ff2);
    ASSERT_TRUE(f.complet);
    EXPECT_EQ(f.record.TipAS[0], "X");
    EXPECT_EQ(f.record.TipAS[2], "X");
    EXPECT_EQ(f.record.VenitCS[0], "0");
    EXPECT_EQ(f.record.ImpS[1], "1");
    EXPECT_EQ(f.record.VenitCS[12], "5"); // total income, field 47
    EXPECT_EQ(f.record.ImpS[12], "1");
    EXPECT_EQ(linieFf2(f.record), ff2);

    const std::string ded = kCod + ",1791101442252,#POP#,#ION#,# x#,##,##,##,##,##,0.5,,,,,,,,,,,1";
    const auto d = citesteLinieDeduceri(ded);
    ASSERT_TRUE(d.complet);
    EXPECT_EQ(d.record.CodAngajat, kCod);
    EXPECT_EQ(d.record.CodPersoana, "1791101442252");
    EXPECT_EQ(d.record.Marci[0], " x");
    EXPECT_EQ(d.record.Coef[0], "0.5");
    EXPECT_EQ(d.record.Coef[11], "1");
    EXPECT_EQ(linieDeduceri(d.record), ded);

    // The views point into the line they cut, so the cut line outlives them.
    const std::string taiata = ff2.substr(0, ff2.find("0,0,5") + 5);
    const auto vazute = vedeLinieFf2(taiata);
    EXPECT_FALSE(vazute.complet) << "a cut line";
    EXPECT_EQ(vazute.record.TipAS[2], "X");
    EXPECT_EQ(vazute.record.VenitCS[1], "5");
    EXPECT_EQ(vazute.record.ImpS[1], "");
    EXPECT_EQ(vedeLinieDeduceri(ded).record.Coef[11], "1");
}

template <class Citeste, class Scrie>
void expectRoundTrip(const std::vector<std::string>& linii, Citeste citeste, Scrie scrie) {
    for (const auto& l : linii) {
        const auto c = citeste(l);
        ASSERT_TRUE(c.complet) << l;
        ASSERT_EQ(scrie(c.record), l);
    }
}

TEST(SheetRecords, SampleLinesComeBackByteForByte) {
    const auto s = testing::generateSample(300, {.seed = 7});
    expectRoundTrip(s.ff1, citesteLinieFf1, linieFf1);
    expectRoundTrip(s.ff2, citesteLinieFf2, linieFf2);
    expectRoundTrip(s.deduceri, citesteLinieDeduceri, linieDeduceri);
}

TEST(SheetRecords, EmptyRecordsHaveTheShapeOfTheirFiles) {
    EXPECT_TRUE(VerificaStructura(linieFf1({}), SablonFf1));
    EXPECT_TRUE(VerificaStructura(linieFf2({}), SablonFf2));
    EXPECT_TRUE(VerificaStructura(linieDeduceri({}), SablonDeduceri));
}

TEST(SheetRecords, ALineIsTheEmployeesWhenItsFirstFieldIsHisCode) {
    const auto ff1 = structuraFf1();
    EXPECT_TRUE(esteLiniaAngajatului(liniaFf1(), ff1, kCod));
    // A code that only begins the key, or a key that only begins the code.
    EXPECT_FALSE(esteLiniaAngajatului(liniaFf1(), ff1, kCod.substr(0, 12)));
    EXPECT_FALSE(esteLiniaAngajatului("27407111005119,#POP#", ff1, kCod));
    // His code elsewhere in someone else's line.
    EXPECT_FALSE(esteLiniaAngajatului("1800604069575,#" + kCod + "#,##", ff1, kCod));
    // Nobody owns an empty or damaged line, and an empty code owns nothing.
    EXPECT_FALSE(esteLiniaAngajatului("", ff1, ""));
    EXPECT_FALSE(esteLiniaAngajatului(kCod, ff1, kCod));
    EXPECT_FALSE(esteLiniaAngajatului(",#POP#", ff1, ""));

    const auto ded = structuraDeduceri();
    EXPECT_TRUE(esteLiniaAngajatului(kCod + ",1791101442252,#A#", ded, kCod));
    EXPECT_FALSE(esteLiniaAngajatului("1791101442252," + kCod + ",#A#", ded, kCod));
}

} // namespace
} // namespace olm
