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

TEST(RandBorderou, RowsOfBothSheets) {
    const std::string a30(30, 'A'), b10(10, 'B');
    const RandListare randuri[] = {
        {"a name of 41 runs on, a short code, lower-case marks, no income", FelFisa::Fisa1,
         linieCu(structuraFf1(), {{0, "1234567890"}, {1, a30}, {2, b10}, {13, " x"}, {14, "x "}, {73, "0"}}),
         {"    1    1234567890 " + a30 + " " + b10.substr(1) + "  X         X     X " + std::string(41, ' ') + "0",
          std::string(20, ' ') + "B"}},
        {"a name of 40 fills its column", FelFisa::Fisa1,
         linieCu(structuraFf1(), {{0, "7"}, {1, a30}, {2, b10.substr(1)}}),
         {"    1             7 " + a30 + " " + b10.substr(1) + "  X" + std::string(59, ' ')}},
        {"a Fisa 2 has no regularisation column", FelFisa::Fisa2,
         linieCu(structuraFf2(), {{0, "7"}, {1, "POPA"}, {2, "ION"}, {14, "X"}, {46, "-1500000"}}),
         {"    1             7 POPA ION" + std::string(32, ' ') + "        X       " + std::string(15, ' ') +
          "-1.500.000" + std::string(21, ' ')}},
    };
    for (const RandListare& r : randuri) {
        SCOPED_TRACE(r.nume);
        TotaluriBorderou t;
        std::vector<std::string> linii;
        RandBorderou(r.linie, r.fel, t, linii);
        EXPECT_EQ(linii, r.randuri);
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
    EXPECT_EQ(linii.back().substr(0, 5), "   12");
    EXPECT_EQ(t.TotVenitFF2, 12) << "whole lei, half to even";
    EXPECT_EQ(t.TotImpozitFF2, 14);

    linii.clear();
    TotalBorderou(t, Popescu, linii);
    // A two-digit count of corrective sheets pushes the amounts one column on.
    EXPECT_EQ(linii[1], "      TOTAL" + std::string(46, ' ') + "    11     1     1    10" +
                            "9.907.919.180.215.101" + std::string(19, ' ') + "25");
}

TEST_F(HandInList, MissingSheetsListNoRowsAndAnUnreadableOneKeepsTheOldList) {
    std::filesystem::remove("FF1.txt");
    std::filesystem::remove("FF2.txt");
    ScrieBorderou(ContinutBorderou::Toate, Popescu);
    const auto linii = platform::files::readLines("Borderou.txt");
    EXPECT_EQ(linii.size(), 33u) << "the head and the totals";

    std::filesystem::create_directory("FF2.txt");
    EXPECT_THROW(ScrieBorderou(ContinutBorderou::Fise2, Popescu), platform::FileError);
    EXPECT_EQ(platform::files::readLines("Borderou.txt"), linii);
}

} // namespace
} // namespace olm::testing
