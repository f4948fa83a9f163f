// The hand-in list written from the data files, without the window: every
// choice byte for byte, the rows, the TOTAL line and its exact sums.

#include "listing_test_support.h"
#include "listings/handin_list.h"
#include "platform/file_error.h"
#include "support/file_bytes.h"
#include "support/record_lines.h"

#include <filesystem>

namespace olm::testing {
namespace {

const Semnatar Popescu{"popescu ion", "director economic"};

class HandInList : public ListingTest {
protected:
    void SetUp() override {
        ListingTest::SetUp();
        PersoanaContact = "VASILE ANA";
        TelefonContact = "0268411223";
    }
};

TEST_F(HandInList, EveryChoiceByteForByte) {
    struct Rand {
        const char* nume;
        ContinutBorderou continut;
        std::string golden;
        const char* tipLista;
        const char* citit; // the last file read
    } randuri[] = {
        {"all", ContinutBorderou::Toate, expected("Borderou-toate.txt"), "T", "ff2.txt"},
        {"fisa 1", ContinutBorderou::Fise1, testData("handin_list/Borderou-fise1.txt"), "U", "ff1.txt"},
        {"not regularised", ContinutBorderou::Fise1Neregularizate,
         testData("handin_list/Borderou-fise1-neregularizate.txt"), "N", "Ff1N.txt"},
        {"regularised", ContinutBorderou::Fise1Regularizate,
         testData("handin_list/Borderou-fise1-regularizate.txt"), "R", "Ff1R.txt"},
        {"fisa 2", ContinutBorderou::Fise2, testData("handin_list/Borderou-fise2.txt"), "D", "ff2.txt"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        ScrieBorderou(r.continut, Popescu);
        expectFileMatches("Borderou.txt", r.golden);
        EXPECT_EQ(TipLista, r.tipLista);
        EXPECT_EQ(FisierDest, r.citit);
    }
}

TEST_F(HandInList, TheAlphabeticalCopiesGiveTheOrderAndTheNumberingRunsOn) {
    const auto ff1 = platform::files::readLines("FF1.txt");
    platform::files::writeLines("ff1_sort1.txt", {ff1[2], ff1[0]});
    platform::files::writeLines("ff2_sort1.txt", {});
    const TotaluriBorderou t = ScrieBorderou(ContinutBorderou::Toate, Popescu);
    const auto linii = platform::files::readLines("Borderou.txt");
    EXPECT_EQ(linii[19].substr(0, 20), "    1 1810930080051 ");
    EXPECT_EQ(linii[20].substr(0, 20), "    2 2650712080016 ");
    EXPECT_EQ(linii[21], std::string(122, '_')) << "the sorted Fisa 2 copy is empty";
    EXPECT_EQ(t.NrCrtBord, 2);
    EXPECT_EQ(t.NrFF2, 0);
}

TEST(RandBorderou, RowsOfBothSheets) {
    const std::string nume40(40, 'N');
    struct Rand {
        const char* nume;
        FelFisa fel;
        std::string linie;
        std::vector<std::string> randuri;
    } randuri[] = {
        {"a name of 40 fills its column", FelFisa::Fisa1,
         linieCu(structuraFf1(), {{0, "2650712080016"}, {1, std::string(30, 'A')}, {2, std::string(9, 'B')},
                                  {72, "1234"}, {73, "0"}}),
         {"    1 2650712080016 " + std::string(30, 'A') + " " + std::string(9, 'B') + "  X             " + "    " +
          std::string(16, ' ') + "1.234" + std::string(20, ' ') + "0"}},
        {"a name of 41 runs on, a short code, no income", FelFisa::Fisa1,
         linieCu(structuraFf1(), {{0, "1234567890"}, {1, std::string(30, 'A')}, {2, std::string(10, 'B')},
                                  {13, " x"}, {14, "x "}}),
         {"    1    1234567890 " + std::string(30, 'A') + " " + std::string(9, 'B') + "  X         X     X " +
              std::string(42, ' '),
          std::string(20, ' ') + "B"}},
        {"a Fisa 2 has no regularisation column", FelFisa::Fisa2,
         linieCu(structuraFf2(), {{0, "7"}, {1, "POPA"}, {2, "ION"}, {14, "X"}, {46, "-1500000"}, {47, ""}}),
         {"    1             7 POPA ION" + std::string(32, ' ') + "        X       " + "    " +
          std::string(11, ' ') + "-1.500.000" + std::string(21, ' ')}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        TotaluriBorderou t;
        std::vector<std::string> linii;
        RandBorderou(r.linie, r.fel, t, linii);
        EXPECT_EQ(linii, r.randuri);
        EXPECT_EQ(linii[0].size(), 122u);
    }
}

TEST(RandBorderou, CountsAndExactSums) {
    TotaluriBorderou t;
    std::vector<std::string> linii;
    // Eleven amounts whose sum passes 2^53, where a double would lose the
    // last leu, and ten corrective sheets.
    for (int i = 0; i < 11; ++i) {
        RandBorderou(linieCu(structuraFf1(), {{13, i < 10 ? "X" : ""}, {14, i == 0 ? "X" : ""},
                                              {72, "900719925474099"}, {73, "1"}}),
                     FelFisa::Fisa1, t, linii);
    }
    RandBorderou(linieCu(structuraFf2(), {{46, "12.5"}, {47, "13.5"}}), FelFisa::Fisa2, t, linii);
    EXPECT_EQ(t.NrCrtBord, 12);
    EXPECT_EQ(linii.back().substr(0, 5), "   12");
    EXPECT_EQ(t.NrFF1, 11);
    EXPECT_EQ(t.NrFF2, 1);
    EXPECT_EQ(t.NrRegularizate, 1);
    EXPECT_EQ(t.NrRectificative, 10);
    EXPECT_EQ(t.TotVenitFF1, 9907919180215089);
    EXPECT_EQ(t.TotVenitFF2, 12) << "whole lei, half to even";
    EXPECT_EQ(t.TotImpozitFF2, 14);

    linii.clear();
    TotalBorderou(t, Popescu, linii);
    ASSERT_EQ(linii.size(), 14u);
    // A two-digit count of corrective sheets pushes the amounts one column on.
    EXPECT_EQ(linii[1], "      TOTAL" + std::string(46, ' ') + "    11     1     1    10" +
                            "9.907.919.180.215.101" + std::string(19, ' ') + "25");
    EXPECT_EQ(linii[3], std::string(58, ' ') + "Total fise fiscale 1 :" + "9.907.919.180.215.089" +
                            std::string(19, ' ') + "11");
    EXPECT_EQ(linii[11], "Nume, prenume  POPESCU ION");
    EXPECT_EQ(linii[12], "Functia  DIRECTOR ECONOMIC");
}

TEST_F(HandInList, MissingSheetsListNoRowsAndAnUnreadableOneKeepsTheOldList) {
    std::filesystem::remove("FF1.txt");
    std::filesystem::remove("FF2.txt");
    ScrieBorderou(ContinutBorderou::Toate, Popescu);
    auto linii = platform::files::readLines("Borderou.txt");
    ASSERT_EQ(linii.size(), 33u);
    EXPECT_EQ(linii[20], "      TOTAL" + std::string(46, ' ') + "     0     0     0    0" + std::string(20, ' ') +
                             "0" + std::string(20, ' ') + "0");

    std::filesystem::create_directory("FF2.txt");
    EXPECT_THROW(ScrieBorderou(ContinutBorderou::Fise2, Popescu), platform::FileError);
    EXPECT_EQ(platform::files::readLines("Borderou.txt"), linii);
}

} // namespace
} // namespace olm::testing
