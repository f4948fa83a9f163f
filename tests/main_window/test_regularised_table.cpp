#include "main_window/regularised_table.h"
#include "platform/files.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "support/record_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
namespace fs = std::filesystem;
using testing::fakeDialogs;
using testing::fakePrinter;
using testing::fakeTextViewer;
using Linii = std::vector<std::string>;

// The expected tables, written by hand from the table's layout.
std::string asteptat(const std::string& nume) { return testing::testData("regularised_table/" + nume); }

struct Sume {
    std::string retinut, venitAnual, impozitAnual, ramas, restituit;
};

// The income of January (46) and VI.3 (76) are not in the table.
std::string fisa1(const std::string& cod, const std::string& nume, const std::string& prenume,
                  const std::string& marcaReg, const Sume& s) {
    return testing::linieCu(structuraFf1(), {{0, cod}, {1, nume}, {2, prenume}, {3, "IASI"}, {4, "IASI"},
                                             {14, marcaReg}, {46, "1000000"}, {73, s.retinut}, {76, "99"},
                                             {79, s.venitAnual}, {80, s.impozitAnual}, {81, s.ramas},
                                             {82, s.restituit}, {85, "7"}});
}

class RegularisedTable : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        files::writeLines("Repfisc.txt", {"19,1,#SC ALFA SRL#,##,##,#IASI#,#IASI#,#LAPUSNEANU#,#10#,700000,"
                                          "##,##,##,##,,#0232111222#,##"});
    }
};

TEST_F(RegularisedTable, RowsInAlphabeticalOrderWithTheirTotals) {
    files::writeLines("FF1.txt", {
        fisa1("1800101221144", "POPESCU", "ION", "X", {"6400000", "30000000", "6300000", "", "100000"}),
        fisa1("1550404000004", "IONESCU", "GHEORGHE", "", {"900000", "7000000", "900000", "", ""}),
        fisa1("2850606000006", "VASILESCU-DUMITRESCU", "ELENA-GABRIELA-IOAN", "X",
              {"500000", "4000000", "450000", "", "50000"}),
        fisa1("2650303000003", "albu", "ana maria", " x ", {"1450000", "12000000", "1500000", "50000", "0"}),
        fisa1("1700202000002", "POPESCU", "ION", "X", {"1000000", "8000000", "1200000", "200000", ""}),
        fisa1("1650505000005", "CONSTANTINESCU-PRIBEAGU", "ALEXANDRU-MIHAITA", "X",
              {"2000000", "10000000", "2000000", "", ""}),
    });
    ScrieTabel5();
    testing::expectFileMatches("tab5.txt", asteptat("tab5_regularizate.txt"));
    EXPECT_EQ(TotVenitAnual, 64000000);
    EXPECT_EQ(TotRestituit, 150000);
    EXPECT_EQ(files::readLines("Ff1R.txt").size(), 5u);
    EXPECT_EQ(files::readLines("ff1_sort.txt").size(), 6u);
    EXPECT_EQ(TitluLista, "1 regularizate (tabel V)");
    EXPECT_EQ(TipLista, "R");
}

TEST_F(RegularisedTable, TotalsBeyondFifteenDigitsStayExact) {
    const Sume mare{"", "4503599627370497", "", "", ""}; // 2^52 + 1: a double would lose the 1 in the sum
    files::writeLines("FF1.txt", {fisa1("1800101221144", "POPESCU", "ION", "X", mare),
                                  fisa1("1700202000002", "POPESCU", "ION", "X", mare)});
    ScrieTabel5();
    EXPECT_EQ(TotVenitAnual, 9007199254740994);
    EXPECT_NE(testing::readBytes("tab5.txt").find("      TOTAL" + std::string(50, ' ') + "9007199254740994"),
              std::string::npos);
}

TEST_F(RegularisedTable, NoRegularisedSheetShowsZeroTotalsAndIsViewedAndPrinted) {
    files::writeLines("FF1.txt", {fisa1("1550404000004", "IONESCU", "GHEORGHE", "", {"1", "2", "3", "4", "5"})});
    TabelFise1Regularizate();
    testing::expectFileMatches("tab5.txt", asteptat("tab5_fara_regularizate.txt"));
    testing::expectOneMessage("NotePad este folosit numai pentru vizualizare. In fereastra Print "
                              "puteti da OK pentru listare la imprimanta.",
                              "", platform::Icon::Exclamation);
    EXPECT_EQ(fakeTextViewer().shown, (Linii{"tab5.txt"}));
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].setup.pointSize, 7);
    testing::expectBytesMatch(testing::crlf(fakePrinter().jobs[0].pages[0]), asteptat("tab5_fara_regularizate.txt"),
                              "printed");
}

TEST_F(RegularisedTable, ASortedFileLeftBehindDoesNotStandInForMissingSheets) {
    files::writeLines("ff1_sort.txt",
                      {fisa1("1800101221144", "POPESCU", "ION", "X", {"1", "2", "3", "4", "5"})});
    ScrieTabel5();
    testing::expectFileMatches("tab5.txt", asteptat("tab5_fara_regularizate.txt"));
}

TEST_F(RegularisedTable, AnErrorIsShownAndNothingIsViewedOrPrinted) {
    fs::create_directories("tab5.txt");
    TabelFise1Regularizate();
    EXPECT_EQ(fakeDialogs().texts().back(), "Eroare 75.");
    EXPECT_TRUE(fakeTextViewer().shown.empty());
    EXPECT_TRUE(fakePrinter().jobs.empty());
}

} // namespace
} // namespace olm
