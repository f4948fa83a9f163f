// The dependants register loaded from "Deduceri.txt" and shown on the Fisa 1
// form's record.

#include "shared/dependants.h"
#include "sheet_test_support.h"
#include "support/fakes.h"

namespace olm {
namespace {

using testing::crlf;
using testing::dependant;
using testing::expectMessages;
using testing::expectOneMessage;
using testing::writeBytes;

using testing::kX;

class Dependants : public testing::SheetTest {};

TEST_F(Dependants, AllHisLinesAreReadWhereverTheyStand) {
    writeBytes("Deduceri.txt",
               crlf({dependant(kX, 1), dependant("1800604069575", 2), dependant(kX, 3),
                     // his code as another's dependant, and as the start of a longer code
                     "1800604069575," + kX + ",#A#,#B#,##,##,##,##,##,##,,,,,,,,,,,,",
                     dependant(kX + "1", 4), dependant(kX, 5)}));
    CodAngajat = kX;
    const CitireDeduceri c = CitesteDeduceri();
    ASSERT_TRUE(c.rezultat);
    EXPECT_EQ(c.lasate, 0);
    ASSERT_EQ(NrPersoane, 3);
    EXPECT_EQ(TabelPersoane[1][2], "NUME1");
    EXPECT_EQ(TabelPersoane[2][2], "NUME3");
    EXPECT_EQ(TabelPersoane[3][2], "NUME5");
    EXPECT_EQ(TabelPersoane[3][1], "1000000000005");
    EXPECT_EQ(TabelPersoane[3][10], "0.5");
    EXPECT_EQ(TabelPersoane[3][11], "");
    EXPECT_TRUE(TabelPersoane[4][2].empty());
}

TEST_F(Dependants, MarksAreReadUpperCasedAndTheSpouseMarkKeepsItsBlanks) {
    writeBytes("Deduceri.txt", crlf({kX + ",1,#A#,#B#,# x#,# x #,#x#,##,#X#,# x#,1,,,,,,,,,,,2"}));
    CodAngajat = kX;
    ASSERT_TRUE(CitesteDeduceri().rezultat);
    ASSERT_EQ(NrPersoane, 1);
    EXPECT_EQ(TabelPersoane[1][4], " X");
    EXPECT_EQ(TabelPersoane[1][5], "X");
    EXPECT_EQ(TabelPersoane[1][6], "X");
    EXPECT_EQ(TabelPersoane[1][7], "");
    EXPECT_EQ(TabelPersoane[1][9], "X");
    EXPECT_EQ(TabelPersoane[1][21], "2");

    PersoanaCurenta = 1;
    AfiseazaPersoana();
    const PersoanaAfisata& p = Fisa1Date.persoana;
    EXPECT_EQ(p.CodI, "1");
    EXPECT_EQ(p.NumeI, "A");
    EXPECT_EQ(p.Sotie, 0); // " X" is not "X"
    EXPECT_EQ(p.Copil, 1);
    EXPECT_EQ(p.Alta, 1);
    EXPECT_EQ(p.inv1, 0);
    EXPECT_EQ(p.inv2, 1);
    EXPECT_EQ(p.CoefI[0], "1");
    EXPECT_EQ(p.CoefI[1], "0"); // an empty coefficient shows 0
    EXPECT_EQ(p.CoefI[11], "2");
}

TEST_F(Dependants, MoreThanTwentyKeepTheFirstTwentyAndTellTheClerk) {
    std::vector<std::string> linii;
    for (int n = 1; n <= 23; ++n) {
        linii.push_back(dependant(kX, n));
    }
    writeBytes("Deduceri.txt", crlf(linii));
    CodAngajat = kX;
    const CitireDeduceri c = CitesteDeduceri();
    EXPECT_EQ(NrPersoane, 20);
    EXPECT_EQ(TabelPersoane[20][2], "NUME20");
    EXPECT_EQ(c.gasite, 23);
    EXPECT_EQ(c.lasate, 3);
    AnuntaCitireDeduceri(c);
    expectOneMessage("Angajatul " + kX + " are 23 persoane in intretinere in fisierul Deduceri.txt; s-au "
                     "incarcat primele 20. Celelalte 3 nu au fost incarcate si nu se pastreaza la salvarea fisei.",
                     "", platform::Icon::Exclamation);
}

TEST_F(Dependants, AnEmployeeWithoutLinesLeavesAnEmptyRegister) {
    TabelPersoane[2][3] = "RAMAS";
    NrPersoane = 2;
    writeBytes("Deduceri.txt", crlf({dependant("1800604069575", 1)}));
    CodAngajat = kX;
    const CitireDeduceri c = CitesteDeduceri();
    EXPECT_TRUE(c.rezultat);
    EXPECT_EQ(NrPersoane, 0);
    EXPECT_TRUE(TabelPersoane[2][3].empty());
    AnuntaCitireDeduceri(c);
    expectMessages({});
    EXPECT_EQ(SfatPersoaneInregistrate(2), "Sunt inregistrate 2 persoane");
}

} // namespace
} // namespace olm
