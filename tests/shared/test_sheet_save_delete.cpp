// Saving and deleting an employee's Fisa 1 (with his dependants) and Fisa 2:
// the lines written, the other employees' lines kept, the yearly copies.

#include "platform/files.h"
#include "shared/fisa1_record.h"
#include "shared/fisa2_record.h"
#include "shared/record_shape.h"
#include "shared/sheet_files.h"
#include "sheet_test_support.h"

#include <filesystem>

namespace olm {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::writeBytes;

const std::string kX = "2800618056490"; // the employee saved
const std::string kLiniaA = "1800604069575,#ILIE#,#STEFAN#,#BOTOSANI#,#BOTOSANI#,##,##,,##,##,##,##,,"
                            "##,##,##,##,##,##,##,,,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,"
                            "5,1,,,,,,,,,,,,,,,,,,,,,,,,,5,1,12,,,,,,,,,,,";
// Another employee whose street holds the code of the one saved.
const std::string kLiniaB = "2530218423134,#BUCUR#,#IULIANA#,#ARAD#,#ARAD#,#" + kX +
                            "#,##,,##,##,##,##,,##,##,##,##,##,##,##,,,1,1,1,1,1,1,1,1,1,1,1,1,1,"
                            "1,1,1,1,1,1,1,1,1,1,1,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";

void angajatulX() {
    CodAngajat = kX;
    FormaFisaII& f = AngajatFisaII;
    f.CodS = kX;
    f.NumeS = "POPESCU";
    f.PrenS = "ION";
    f.AdrS = {"CLUJ-NAPOCA", "STR. LUNGA", "3", "400100", "", "", "", "", ""};
    f.JudS = "CLUJ";
    MarcaRectif = "X";
    DataAngajarii = "01/03/2002";
}

void fisa1() {
    FormaFisa1& f = Fisa1Date;
    for (int i = 0; i < 12; ++i) {
        f.CoefCalc[static_cast<std::size_t>(i)] = "2";
        f.CoefProp[static_cast<std::size_t>(i)] = "1";
    }
    f.CoefProp[0] = "1,5";  // typed with a comma
    f.CoefCalc[5] = "0,0";  // zero: an empty field
    f.VenitN[0] = "1000000";
    f.ImpC[0] = "150000";
    f.VenitN[12] = "0"; // a bonus row of zeros is empty
    f.VenitN[13] = "1000000";
    f.ImpC[13] = "150000";
    f.Luni = "0";
    f.Reg[0] = "99"; // VI.1 is not stored
    f.Reg[2] = "5";
    f.Reg[7] = "88"; // VI.8 is not stored
    f.Reg[10] = "7";
}

const std::string kLiniaX = kX +
                            ",#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,#STR. LUNGA#,#3#,400100,##,##,##,##,,"
                            "#X#,##,##,##,##,##,##,01/03/2002,,"
                            "2,2,2,2,2,,2,2,2,2,2,2,"
                            "1.5,1,1,1,1,1,1,1,1,1,1,1,"
                            "1000000,150000" +
                            std::string(25, ',') + "1000000,150000,,,5,,,,,,,7,,";

class SheetSaveDelete : public testing::SheetTest {};

TEST_F(SheetSaveDelete, NewFisa1IsAppendedAndASecondSaveReplacesIt) {
    writeBytes("FF1.txt", crlf({kLiniaA, kLiniaB}));
    writeBytes("Deduceri.txt", "");
    angajatulX();
    fisa1();

    ASSERT_TRUE(SalveazaFisa1());
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kLiniaA, kLiniaB, kLiniaX}));
    EXPECT_TRUE(VerificaStructura(kLiniaX, SablonFf1));
    EXPECT_EQ(PozitiiFisa[1], 3);

    Fisa1Date.VenitN[13] = "2000000";
    ASSERT_TRUE(SalveazaFisa1());
    const auto linii = platform::files::readLines("FF1.txt");
    ASSERT_EQ(linii.size(), 3u);
    EXPECT_EQ(linii[0], kLiniaA);
    EXPECT_EQ(linii[1], kLiniaB);
    EXPECT_NE(linii[2].find(",2000000,150000,"), std::string::npos);
    EXPECT_EQ(readBytes("FF1_2002.txt"), readBytes("FF1.txt"));
    EXPECT_EQ(readBytes("Ded_2002.txt"), readBytes("Deduceri.txt"));
}

TEST_F(SheetSaveDelete, TwoStoredLinesOfOneEmployeeAreFoldedIntoOne) {
    const std::string vechi1 = kX + ",#VECHI#,#UNU#";
    const std::string vechi2 = kX + ",#VECHI#,#DOI#";
    writeBytes("FF1.txt", crlf({kLiniaA, vechi1, kLiniaB, vechi2}));
    angajatulX();
    fisa1();
    ASSERT_TRUE(SalveazaFisa1());
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kLiniaA, kLiniaX, kLiniaB}));
    EXPECT_EQ(PozitiiFisa[1], 2);

    writeBytes("FF2.txt", crlf({vechi1, kLiniaA, vechi2}));
    ASSERT_TRUE(SalveazaFisa2());
    const auto ff2 = platform::files::readLines("FF2.txt");
    ASSERT_EQ(ff2.size(), 2u);
    EXPECT_TRUE(ff2[0].starts_with(kX + ",#POPESCU#"));
    EXPECT_EQ(ff2[1], kLiniaA);
}

TEST_F(SheetSaveDelete, LinesOfOthersHoldingTheCodeElsewhereAreLeftAlone) {
    const std::string depDeB = "2530218423134," + kX + ",#BUCUR#,#ION#,##,#X#,##,##,##,##,1,,,,,,,,,,,";
    const std::string depDeX = kX + ",1791101442252,#POPESCU#,#ANA#,#X#,##,##,##,##,##,1,,,,,,,,,,,";
    writeBytes("FF1.txt", crlf({kLiniaB, kLiniaX}));
    writeBytes("FF2.txt", crlf({kLiniaB, kX + ",#POPESCU#"}));
    writeBytes("Deduceri.txt", crlf({depDeB, depDeX}));
    angajatulX();

    ASSERT_TRUE(StergeFisa1());
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kLiniaB}));
    EXPECT_EQ(readBytes("Deduceri.txt"), crlf({depDeB}));
    EXPECT_EQ(readBytes("FF1_2002.txt"), crlf({kLiniaB}));
    EXPECT_EQ(readBytes("Ded_2002.txt"), crlf({depDeB}));

    ASSERT_TRUE(StergeFisa2());
    EXPECT_EQ(readBytes("FF2.txt"), crlf({kLiniaB}));
    EXPECT_EQ(readBytes("FF2_2002.txt"), crlf({kLiniaB}));
    // Deleting a Fisa 2 leaves the dependants alone.
    EXPECT_EQ(readBytes("Deduceri.txt"), crlf({depDeB}));
}

TEST_F(SheetSaveDelete, DependantsAreRewrittenTogetherAtTheEnd) {
    const std::string alt = "1800604069575,1791101442252,#ILIE#,#ANA#,#X#,##,##,##,##,##,1,,,,,,,,,,,";
    writeBytes("FF1.txt", "");
    writeBytes("Deduceri.txt", crlf({kX + ",1,#A#", alt, kX + ",2,#B#", kX + ",3,#C#"}));
    angajatulX();
    fisa1();
    NrPersoane = 2;
    TabelPersoane[1] = {"", "2991116035942", "POPESCU", "LAURA", " X", "", "", "", "", "X",
                        "0,5", "0", "", "", "", "", "", "", "", "", "", ""};
    TabelPersoane[2] = {"", "5010101123456", "POP#ESCU", "RADU", "", "X", "", "X", "", "",
                        "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0.5"};
    ASSERT_TRUE(SalveazaFisa1());
    EXPECT_EQ(readBytes("Deduceri.txt"),
              crlf({alt,
                    // the spouse mark as it stands, the other-situation mark never stored
                    kX + ",2991116035942,#POPESCU#,#LAURA#,# X#,##,##,##,##,##,0.5,,,,,,,,,,,",
                    kX + ",5010101123456,#POPESCU#,#RADU#,##,#X#,##,#X#,##,##,1,1,1,1,1,1,1,1,1,1,1,0.5"}));

    // Saved again without dependants: none of his lines is left.
    NrPersoane = 0;
    ASSERT_TRUE(SalveazaFisa1());
    EXPECT_EQ(readBytes("Deduceri.txt"), crlf({alt}));
}

TEST_F(SheetSaveDelete, Fisa2IsWrittenAsTyped) {
    writeBytes("FF2.txt", crlf({kLiniaA}));
    angajatulX();
    MarcaRectif = "";
    Fisa2Date.TAS = {1, 2, 1, 0, 0, 0, 0, 0}; // AS2 greyed: not ticked
    Fisa2Date.VenitCS[0] = "0";
    Fisa2Date.ImpS[0] = "0";
    Fisa2Date.VenitCS[1] = "1,5";
    Fisa2Date.VenitCS[12] = "1.5";
    ASSERT_TRUE(SalveazaFisa2());
    const std::string asteptat = kX +
                                 ",#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,#STR. LUNGA#,#3#,400100,##,##,##,##,,"
                                 "##,#X#,##,#X#,##,##,##,##,##,0,0,1.5" +
                                 std::string(22, ',') + "1.5,";
    EXPECT_EQ(readBytes("FF2.txt"), crlf({kLiniaA, asteptat}));
    EXPECT_TRUE(VerificaStructura(asteptat, SablonFf2));
    EXPECT_EQ(PozitiiFisa[0], 2);
    EXPECT_EQ(readBytes("FF2_2002.txt"), readBytes("FF2.txt"));
}

TEST_F(SheetSaveDelete, WithoutACodeNothingIsWritten) {
    writeBytes("FF1.txt", crlf({kLiniaA}));
    writeBytes("FF2.txt", crlf({kLiniaA}));
    writeBytes("Deduceri.txt", "");
    angajatulX();
    CodAngajat.clear();
    EXPECT_FALSE(SalveazaFisa1());
    EXPECT_FALSE(SalveazaFisa2());
    EXPECT_FALSE(StergeFisa1());
    EXPECT_FALSE(StergeFisa2());
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kLiniaA}));
    EXPECT_EQ(readBytes("FF2.txt"), crlf({kLiniaA}));
    EXPECT_FALSE(platform::files::exists("FF1_2002.txt"));
}

TEST_F(SheetSaveDelete, AFailureNamesItsFileAndKeepsTheWorkingFile) {
    writeBytes("FF1.txt", crlf({kLiniaA}));
    std::filesystem::create_directory("FF1_2002.txt"); // the yearly copy cannot be written
    angajatulX();
    fisa1();
    const Rezultat r = SalveazaFisa1();
    ASSERT_FALSE(r);
    EXPECT_NE(r.eroare.find("la scrierea fisierului FF1_2002.txt."), std::string::npos) << r.eroare;

    std::filesystem::create_directory("FF2.txt"); // the working file cannot be read
    const Rezultat r2 = SalveazaFisa2();
    ASSERT_FALSE(r2);
    EXPECT_NE(r2.eroare.find("la citirea fisierului FF2.txt."), std::string::npos) << r2.eroare;
    EXPECT_TRUE(std::filesystem::is_directory("FF2.txt"));
}

} // namespace
} // namespace olm
