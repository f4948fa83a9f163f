// The monthly centralising table written from the data files, without the
// window: the worked example byte for byte, the rows of both sheets, the
// alphabetical order.

#include "listing_test_support.h"
#include "listings/monthly_table.h"
#include "support/record_lines.h"

namespace olm::testing {
namespace {

TEST_F(ListingTest, MonthlyTableOfMarchByteForByte) {
    NumeSemnatar = "popescu ion";
    FunctieSemnatar = "director economic";
    ScrieListab4(FelFisa::Fisa1, 2);
    expectFileMatches("Listab4.txt", expected("Listab4-fisa1-martie.txt"));
    EXPECT_EQ(TitluLista, "1");
    EXPECT_EQ(FisierDest, "ff1.txt");
    EXPECT_EQ(TotalVenitLuna, 10000000);
    EXPECT_EQ(TotalImpozitLuna, 678000);
}

TEST(RandListab4, RowsOfBothSheets) {
    const RandListare randuri[] = {
        {"December of a Fisa 1; a name of 37 runs on with its last character", FelFisa::Fisa1,
         linieCu(structuraFf1(), {{1, std::string(20, 'A')}, {2, std::string(16, 'B')}, {68, "1500.50"}, {69, "-3"}}),
         {"1" + std::string(20, ' ') + std::string(20, 'A') + " " + std::string(15, 'B') + " " +
              std::string(8, ' ') + "1500.5" + std::string(12, ' ') + "-3",
          std::string(21, ' ') + "B"}},
        {"a name of 36 fits with one blank", FelFisa::Fisa2, linieCu(structuraFf2(), {{1, std::string(35, 'A')}}),
         {"1" + std::string(20, ' ') + std::string(35, 'A') + "  " + std::string(13, ' ') + "0" +
          std::string(13, ' ') + "0"}},
        {"December of a Fisa 2; a name of 81 puts its whole remainder on one line", FelFisa::Fisa2,
         linieCu(structuraFf2(), {{0, "1720220080042"}, {1, std::string(40, 'A')}, {2, std::string(40, 'B')},
                                  {44, "1200000"}}),
         {"1     1720220080042  " + std::string(36, 'A') + " " + std::string(7, ' ') + "1200000" +
              std::string(13, ' ') + "0",
          std::string(21, ' ') + "AAAA " + std::string(40, 'B')}},
    };
    for (const RandListare& r : randuri) {
        SCOPED_TRACE(r.nume);
        TotaluriLuna t;
        std::vector<std::string> linii;
        RandListab4(r.linie, r.fel, 11, 1, t, linii);
        EXPECT_EQ(linii, r.randuri);
    }
}

TEST_F(ListingTest, MonthlyTableReadsTheAlphabeticalCopyAndWritesAWideTotalWhole) {
    platform::files::writeLines("ff2_sort1.txt", {linieCu(structuraFf2(), {{0, "9"}, {22, "123456789012345"}}),
                                                  linieCu(structuraFf2(), {{0, "8"}, {22, "1"}})});
    ScrieListab4(FelFisa::Fisa2, -1);
    const auto tabel = platform::files::readLines("Listab4.txt");
    EXPECT_EQ(tabel[2], std::string(29, ' ') + "fise fiscale 2 pentru luna  2002") << "no month chosen";
    EXPECT_EQ(tabel[17].substr(0, 8), "1     9 ");
    EXPECT_EQ(tabel[20], "      TOTAL" + std::string(47, ' ') + "123456789012346" + std::string(13, ' ') + "0");
}

} // namespace
} // namespace olm::testing
