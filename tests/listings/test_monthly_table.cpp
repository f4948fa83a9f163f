// The monthly centralising table written from the data files, without the
// window: the worked example byte for byte, the rows of both sheets, the
// order and the exact totals.

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
    const std::string a36(36, 'A');
    struct Rand {
        const char* nume;
        FelFisa fel;
        int luna;
        std::string linie;
        std::vector<std::string> randuri;
    } randuri[] = {
        {"a name of 36 fits with one blank; empty amounts print 0", FelFisa::Fisa1, 0,
         linieCu(structuraFf1(), {{0, "7"}, {1, std::string(20, 'A')}, {2, std::string(15, 'B')}, {48, "5"}}),
         {"1     7              " + std::string(20, 'A') + " " + std::string(15, 'B') + " " +
          std::string(13, ' ') + "0" + std::string(13, ' ') + "0"}},
        {"a name of 37 runs on with its last character", FelFisa::Fisa1, 11,
         linieCu(structuraFf1(), {{1, std::string(20, 'A')}, {2, std::string(16, 'B')}, {68, "1500.50"}, {69, "-3"}}),
         {"1" + std::string(20, ' ') + std::string(20, 'A') + " " + std::string(15, 'B') + " " +
              std::string(8, ' ') + "1500.5" + std::string(12, ' ') + "-3",
          std::string(21, ' ') + "B"}},
        {"a name of 81 puts its whole remainder on one line", FelFisa::Fisa2, 0,
         linieCu(structuraFf2(), {{0, "1720220080042"}, {1, std::string(40, 'A')}, {2, std::string(40, 'B')},
                                  {22, "1200000"}, {23, "216000"}}),
         {"1     1720220080042  " + a36 + " " + std::string(7, ' ') + "1200000" + std::string(8, ' ') + "216000",
          std::string(21, ' ') + "AAAA " + std::string(40, 'B')}},
        {"December of a Fisa 2; no month chosen is January", FelFisa::Fisa2, 11,
         linieCu(structuraFf2(), {{1, "X"}, {22, "9"}, {44, "45"}, {45, "46"}}),
         {"1" + std::string(20, ' ') + "X " + std::string(35, ' ') + std::string(12, ' ') + "45" +
          std::string(12, ' ') + "46"}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        TotaluriLuna t;
        std::vector<std::string> linii;
        RandListab4(r.linie, r.fel, r.luna, 1, t, linii);
        EXPECT_EQ(linii, r.randuri);
        EXPECT_EQ(linii[0].size(), 86u);
    }
    TotaluriLuna t;
    std::vector<std::string> linii;
    RandListab4(linieCu(structuraFf2(), {{22, "9"}, {44, "45"}}), FelFisa::Fisa2, -1, 1, t, linii);
    EXPECT_EQ(t.venit, 9);
}

TEST_F(ListingTest, MonthlyTableReadsTheAlphabeticalCopyAndAddsExactly) {
    // Eleven incomes whose sum passes 2^53, where a double would lose a leu.
    std::vector<std::string> linii;
    for (int i = 0; i < 11; ++i) {
        linii.push_back(linieCu(structuraFf2(), {{0, std::to_string(i)}, {22, "900719925474099"}, {23, "1"}}));
    }
    platform::files::writeLines("ff2_sort1.txt", linii);
    ScrieListab4(FelFisa::Fisa2, 0);
    const auto tabel = platform::files::readLines("Listab4.txt");
    EXPECT_EQ(tabel[2], std::string(29, ' ') + "fise fiscale 2 pentru luna IANUARIE 2002");
    EXPECT_EQ(tabel[17].substr(0, 8), "1     0 ");
    EXPECT_EQ(tabel[29], "      TOTAL" + std::string(47, ' ') + "9907919180215089" + std::string(12, ' ') + "11")
        << "a total wider than its column is written whole";
    EXPECT_EQ(tabel.back(), "Semnatura si stampila angajatorului" + std::string(42, '_'));
    EXPECT_EQ(FisierDest, "ff2_sort1.txt");
}

} // namespace
} // namespace olm::testing
