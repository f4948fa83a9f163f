#include "shared/tax_grid.h"

#include "shared/state.h"
#include "support/file_bytes.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <tuple>

namespace olm {
namespace {

RandImpozitar rand(double luna, double inf, double sup, double fix, double procent) {
    return {false, luna, inf, sup, fix, procent};
}

using testing::readBytes;
using testing::writeBytes;

class TaxGrid : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        NrRandImpozitar = 129;
    }
};

// --- The tax of an amount ----------------------------------------------------

TEST_F(TaxGrid, TaxOfAMonthFromItsBracket) {
    Impozitar[0] = rand(1, 2000001, 4600000, 300000, 25);
    Impozitar[1] = rand(1, 0, 2000000, 0, 10);
    double venit = 2500999;
    EXPECT_EQ(CalculImpozit(1, venit), 425000);
    EXPECT_EQ(venit, 2500999);

    // The bracket is chosen on the amount, the tax on the amount truncated.
    venit = 2000999;
    EXPECT_EQ(CalculImpozit(1, venit), 300000);
    venit = 2000000;
    EXPECT_EQ(CalculImpozit(1, venit), 200000); // (2,000,000 - 0 + 1) x 10%, rounded
}

TEST_F(TaxGrid, AmountTruncatedToThousandsAndTiesToEven) {
    Impozitar[0] = rand(1, 0, 1000000, 100, 50);
    double venit = 999; // B = 0: 100 + 1 x 0.5
    EXPECT_EQ(CalculImpozit(1, venit), 100);
    venit = 1999; // B = 1000: 100 + 1001 x 0.5 = 600.5
    EXPECT_EQ(CalculImpozit(1, venit), 600);
    Impozitar[0].fix = 101;
    venit = 999; // 101.5
    EXPECT_EQ(CalculImpozit(1, venit), 102);
}

TEST_F(TaxGrid, YearUsesTheAnnualBlockAndMonthsFallBackToAnEarlierBlock) {
    Impozitar[0] = rand(13, 0, 99999999, 1000, 0);
    Impozitar[1] = rand(6, 0, 99999999, 600, 0);
    Impozitar[2] = rand(1, 0, 99999999, 100, 0);
    double venit = 5000;
    EXPECT_EQ(CalculImpozit(13, venit), 1000);
    EXPECT_EQ(CalculImpozit(1, venit), 100);
    EXPECT_EQ(CalculImpozit(5, venit), 100);
    EXPECT_EQ(CalculImpozit(6, venit), 600);
    EXPECT_EQ(CalculImpozit(12, venit), 600);
}

TEST_F(TaxGrid, NoFittingRowGivesNoTax) {
    double venit = 5000;
    EXPECT_EQ(CalculImpozit(1, venit), 0); // empty grid

    Impozitar[0] = rand(1, 10000, 20000, 700, 10);
    EXPECT_EQ(CalculImpozit(1, venit), 0); // below every lower limit

    // A full grid of later months only: the scan runs off its end.
    for (auto& r : Impozitar) {
        r = rand(13, 0, 1, 500, 0);
    }
    EXPECT_EQ(CalculImpozit(1, venit), 0);
    // A full grid whose lower limits are all above the amount.
    for (auto& r : Impozitar) {
        r = rand(1, 100000, 200000, 500, 0);
    }
    EXPECT_EQ(CalculImpozit(1, venit), 0);
}

TEST_F(TaxGrid, NegativeAmountIsTaxedAsZeroAndWrittenBack) {
    Impozitar[0] = rand(1, 0, 1000000, 50, 10);
    double venit = -2500;
    EXPECT_EQ(CalculImpozit(1, venit), 50); // 50 + 1 x 0.1, rounded
    EXPECT_EQ(venit, 0);
}

// --- Reading the grid ---------------------------------------------------------

TEST_F(TaxGrid, ReadsRowsUpToEofAndIgnoresTheCommentBlock) {
    writeBytes("impozitar.txt", "13,0,21600000,0,18\r\n"
                                 " 1,1800001,4600000,324000,23\r\n"
                                 " 1,0,1800000,0,12.5\n"
                                 "eof\r\n"
                                 " 2,5,5,5,5\r\n");
    ASSERT_TRUE(CitesteImpozitar().ok());
    EXPECT_FALSE(Impozitar[0].gol);
    EXPECT_EQ(Impozitar[0].luna, 13);
    EXPECT_EQ(Impozitar[0].limitaSup, 21600000);
    EXPECT_EQ(Impozitar[0].procent, 18);
    EXPECT_EQ(Impozitar[1].luna, 1);
    EXPECT_EQ(Impozitar[1].limitaInf, 1800001);
    EXPECT_EQ(Impozitar[1].fix, 324000);
    EXPECT_EQ(Impozitar[2].procent, 12.5);
    EXPECT_TRUE(Impozitar[3].gol);
}

TEST_F(TaxGrid, MissingFieldsReadAsZero) {
    writeBytes("impozitar.txt", " 2,100\r\n 3,1,2,3,4\r\neof\r\n");
    ASSERT_TRUE(CitesteImpozitar().ok());
    EXPECT_EQ(Impozitar[0].luna, 2);
    EXPECT_EQ(Impozitar[0].limitaInf, 100);
    EXPECT_EQ(Impozitar[0].limitaSup, 0);
    EXPECT_EQ(Impozitar[0].fix, 0);
    EXPECT_EQ(Impozitar[0].procent, 0);
    EXPECT_EQ(Impozitar[1].procent, 4);
}

TEST_F(TaxGrid, EndLineMustBeExactlyEofAndOtherLinesRows) {
    const struct {
        const char* name;
        std::vector<std::string> linii;
        std::string eroare;
        double procent; // of the first row
    } rows[] = {
        {"byte-order mark", {"\xEF\xBB\xBF 1,0,1,0,10", "eof"}, "", 10},
        {"end line in capitals", {" 1,0,1,0,10", "EOF", "eof"}, "Fisierul G.txt are linia 2 eronata: luna nu este un numar.", 10},
        {"end line with a blank", {" 1,0,1,0,10", "eof ", "eof"}, "Fisierul G.txt are linia 2 eronata: luna nu este un numar.", 10},
        {"letters for the month", {" 1,0,1,0,10", " 2,0,1,0,20", "x3,0,1,0,30", "eof"},
         "Fisierul G.txt are linia 3 eronata: luna nu este un numar.", 10},
        {"empty line", {"", "eof"}, "Fisierul G.txt are linia 1 eronata: luna nu este un numar.", 0},
        {"mark past the first line", {" 1,0,1,0,10", "\xEF\xBB\xBF 2,0,1,0,20", "eof"},
         "Fisierul G.txt are linia 2 eronata: luna nu este un numar.", 10},
        {"no end line", {" 1,0,1,0,10"}, "Fisierul G.txt nu se termina cu linia eof.", 10},
        {"numbers with blanks around, a sign, an exponent, empty", {" 1, +0 ,1e6,,1.0E1 ", "eof"}, "", 10},
        {"a letter O for a zero", {" 1,0,16O0000,0,10", "eof"},
         "Fisierul G.txt are linia 1 eronata: campul 3 (\"16O0000\") nu este un numar.", 0},
        {"a comma for the decimal point", {" 1,0,1,0,12,5", "eof"},
         "Fisierul G.txt are linia 1 eronata: campul 5 (\"12,5\") nu este un numar.", 0},
        {"a number too large to hold", {" 1,0,1e400,0,10", "eof"},
         "Fisierul G.txt are linia 1 eronata: campul 3 (\"1e400\") nu este un numar.", 0},
        {"a number too small to hold, read as 0", {" 1,0,1,0.0001e-400,10", "eof"}, "", 10},
        {"a blank inside", {" 1,0,1,0,10", " 1,1 000,1,0,10", "eof"},
         "Fisierul G.txt are linia 2 eronata: campul 2 (\"1 000\") nu este un numar.", 10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CitesteImpozitar(row.linii, "G.txt").eroare, row.eroare);
        EXPECT_EQ(Impozitar[0].procent, row.procent);
    }
}

TEST_F(TaxGrid, ReadingEmptiesTheGridFirst) {
    for (auto& r : Impozitar) {
        r = rand(5, 1, 2, 3, 4);
    }
    writeBytes("impozitar.txt", " 1,0,1,0,10\r\neof\r\n");
    ASSERT_TRUE(CitesteImpozitar().ok());
    EXPECT_FALSE(Impozitar[0].gol);
    EXPECT_TRUE(Impozitar[1].gol);
    EXPECT_TRUE(Impozitar[129].gol);
}

TEST_F(TaxGrid, AtMost130Rows) {
    std::string text;
    for (int i = 0; i < 130; ++i) {
        text += "13," + std::to_string(1000 - i) + ",0,0,1\r\n";
    }
    writeBytes("impozitar.txt", text + "eof\r\n");
    ASSERT_TRUE(CitesteImpozitar().ok());
    EXPECT_EQ(Impozitar[129].limitaInf, 871);

    writeBytes("impozitar.txt", text + " 1,0,0,0,1\r\neof\r\n");
    const Rezultat r = CitesteImpozitar();
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.eroare.find("impozitar.txt"), std::string::npos);
    EXPECT_EQ(Impozitar[129].limitaInf, 871);
}

TEST_F(TaxGrid, MissingFileIsReported) {
    Impozitar[0] = rand(1, 0, 1, 0, 10);
    const Rezultat r = CitesteImpozitar();
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.eroare.find("impozitar.txt"), std::string::npos);
    EXPECT_TRUE(Impozitar[0].gol);
}

// --- Writing the grid ---------------------------------------------------------

TEST_F(TaxGrid, WritesTheFileByteForByte) {
    Impozitar[0] = rand(13, 21600001, 55200000, 3888000, 23);
    Impozitar[1] = rand(5, 0, 1800000, 0, 12.5);
    Impozitar[2] = rand(1, 0, 1800000, 0, 18);
    Impozitar[4] = rand(1, 9, 9, 9, 9); // after an empty row: not written
    ASSERT_TRUE(ScrieImpozitar().ok());
    testing::expectFileMatches("Impozitar.txt", testing::testData("tax_grid/Impozitar.txt"));
}

TEST_F(TaxGrid, EmptyGridWritesEofFirst) {
    ASSERT_TRUE(ScrieImpozitar().ok());
    const std::string scris = readBytes(testing::testData("tax_grid/Impozitar.txt"));
    EXPECT_EQ(readBytes("Impozitar.txt"), scris.substr(scris.find("eof\r\n")));
}

TEST_F(TaxGrid, RewriteReplacesTheFileAndReadsBackTheSameGrid) {
    writeBytes("impozitar.txt", " 1,0,1,0,10\r\neof\r\nlinie scrisa de mana\r\n");
    for (std::size_t i = 0; i < Impozitar.size(); ++i) {
        Impozitar[i] = rand(13, 1000000 - double(i), 2000000, 1.5 * i, 12.5);
    }
    const auto scrisa = Impozitar;
    ASSERT_TRUE(ScrieImpozitar().ok());

    // One file, under the spelling found, and no scratch file beside it.
    EXPECT_EQ(testing::entries(), std::vector<std::string>{"impozitar.txt"});
    EXPECT_EQ(readBytes("impozitar.txt").find("linie scrisa de mana"), std::string::npos);

    ASSERT_TRUE(CitesteImpozitar().ok());
    const auto valori = [](const RandImpozitar& r) {
        return std::tuple(r.luna, r.limitaInf, r.limitaSup, r.fix, r.procent);
    };
    for (std::size_t i = 0; i < Impozitar.size(); ++i) {
        EXPECT_EQ(valori(Impozitar[i]), valori(scrisa[i])) << "row " << i;
    }
}

} // namespace
} // namespace olm
