// The Fisa 1 and Fisa 2 listings written from the data files, without the
// windows: the worked examples byte for byte, the selections, the errors.

#include "listing_test_support.h"
#include "listings/fisa1_listing.h"
#include "listings/fisa2_listing.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/record_lines.h"

#include <filesystem>

namespace olm::testing {
namespace {

const Semnatar Popescu{"popescu ion", "director economic"};

TEST_F(ListingTest, WorkedExamplesByteForByte) {
    TipExemplar = "angajat";
    ScrieFisa1Angajat("2650712080016", Popescu);
    expectFileMatches("ListF1.txt", expected("ListF1-IONESCU-copie-angajat.txt"));

    TipExemplar = "angajator";
    ScrieFise1(SelectieFise1::Toate, Popescu);
    expectFileMatches("ListF1.txt", expected("ListF1-toate-copie-angajator.txt"));
    EXPECT_EQ(CodAngajat, "1810930080051");
    EXPECT_EQ(ContorLinii, 94);

    TipExemplar = "unitatea fiscala";
    ScrieFisa2Angajat("1720220080042", Popescu);
    expectFileMatches("ListF2.txt", expected("ListF2-POPA-copie-unitatea-fiscala.txt"));
    EXPECT_EQ(ContorLinii, 49);
}

// The employees' codes of the sheets in a listing, in order.
std::vector<std::string> coduri(const std::string& listare) {
    std::vector<std::string> c;
    for (const auto& l : platform::files::readLines(listare)) {
        if (l.starts_with("Cod angajat   : ")) {
            c.push_back(l.substr(16));
        }
    }
    return c;
}

const std::string Ionescu = "2650712080016", Popa = "1720220080042", Enache = "1810930080051";

TEST_F(ListingTest, SelectionsOfFisa1) {
    struct Rand {
        const char* nume;
        SelectieFise1 selectie;
        const char* tipLista;
        const char* dest;
        std::vector<std::string> coduri;
    } randuri[] = {
        {"all", SelectieFise1::Toate, "T", "ff1.txt", {Ionescu, Popa, Enache}},
        {"regularised", SelectieFise1::Regularizate, "R", "Ff1R.txt", {Ionescu}},
        {"not regularised", SelectieFise1::Neregularizate, "N", "Ff1N.txt", {Popa, Enache}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        ScrieFise1(r.selectie, Popescu);
        EXPECT_EQ(coduri("ListF1.txt"), r.coduri);
        EXPECT_EQ(TipLista, r.tipLista);
        EXPECT_EQ(FisierDest, r.dest);
    }
    EXPECT_EQ(platform::files::readLines("Ff1R.txt").size(), 1u) << "the filtered copies stay";
}

TEST_F(ListingTest, TheAlphabeticalCopyIsReadWhileItExists) {
    auto linii = platform::files::readLines("FF1.txt");
    platform::files::writeLines("ff1_sort1.txt", {linii[2], linii[0], linii[1]});
    ScrieFise1(SelectieFise1::Toate, Popescu);
    EXPECT_EQ(coduri("ListF1.txt"), (std::vector<std::string>{Enache, Ionescu, Popa}));
    EXPECT_EQ(ItemiFise(SursaFise1(), "FF1")[0].text, "ENACHE ALEXANDRU--" + Enache + "--FF1");
    EXPECT_EQ(SursaFise2(), "ff2.txt");
}

TEST_F(ListingTest, OneEmployeeIsEveryLineOfHisCodeAndNoOther) {
    // A code that begins with his code belongs to someone else.
    platform::files::appendLine("FF2.txt", linieCu(structuraFf2(), {{0, Popa + "1"}, {1, "ALTUL"}}));
    platform::files::appendLine("FF2.txt", linieCu(structuraFf2(), {{0, Popa}, {1, "POPA"}, {47, "0"}}));
    ScrieFisa2Angajat(Popa, Popescu);
    EXPECT_EQ(coduri("ListF2.txt"), (std::vector<std::string>{Popa, Popa}));
    EXPECT_EQ(platform::files::readLines("ListF2.txt").size(), 130u);
    EXPECT_EQ(CodAngajat, Popa);
}

TEST_F(ListingTest, Fisa1ValuesFromTheRecord) {
    struct Rand {
        const char* nume;
        double deducereAnuala;
        std::string linie;
        FormaSectiuneaVI forma;
        std::array<std::string, 4> vi; // lines 1, 4, 6, 7
    } randuri[] = {
        {"a lower-case x is regularised", 1600000,
         linieCu(structuraFf1(), {{14, " x"}, {72, "1000"}, {75, "300"}, {76, "200"}, {78, "500"}, {80, "7"}}),
         FormaSectiuneaVI::CuValori, {"1000", "1100", "600", "7"}},
        {"lines 4 and 6 never below 0", 1600000,
         linieCu(structuraFf1(), {{14, "X"}, {72, "1000"}, {76, "1200"}, {78, "500"}}),
         FormaSectiuneaVI::CuValori, {"1000", "0", "0", ""}},
        {"not regularised: labels only", 1600000, linieCu(structuraFf1(), {{72, "1000"}}),
         FormaSectiuneaVI::DoarEtichete, {"", "", "", ""}},
        {"no annual base deduction", 0, linieCu(structuraFf1(), {{14, "X"}}), FormaSectiuneaVI::EticheteScurte,
         {"", "", "", ""}},
        {"a short line gives empty fields", 1600000, "123,#SCURT", FormaSectiuneaVI::DoarEtichete, {"", "", "", ""}},
    };
    const IndexPersoane niciuna;
    FoaieFisa1 f; // one sheet for every row, as a listing fills it
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        DeducereBaza[12] = r.deducereAnuala;
        CompleteazaFisa1(f, r.linie, niciuna);
        EXPECT_EQ(f.formaVI, r.forma);
        EXPECT_EQ((std::array<std::string, 4>{f.regularizare[0], f.regularizare[3], f.regularizare[5],
                                              f.regularizare[6]}),
                  r.vi);
    }
}

TEST_F(ListingTest, Fisa2MonthsOfZeroPrintBlankTheTotalsAsTheyStand) {
    FoaieFisa2 f;
    f.cap = CapListare(Popescu);
    // The sheet's amounts are views of the line, as in a listing: it outlives them.
    const std::string linie =
        linieCu(structuraFf2(), {{0, "7"}, {22, "0"}, {23, "12"}, {24, "1500"}, {46, "0"}, {47, ""}});
    CompleteazaFisa2(f, linie);
    EXPECT_EQ(f.venit[0], "");
    EXPECT_EQ(f.impozit[0], "12");
    EXPECT_EQ(f.venit[1], "1500");
    EXPECT_EQ(f.venit[12], "0");
    EXPECT_EQ(f.impozit[12], "");
    EXPECT_EQ(f.cap.semnatar, "POPESCU ION");
}

TEST_F(ListingTest, DependantsIndexKeepsTheFirst20OfEachEmployee) {
    // Employee 9's lines broken by another's and by an empty line; the last
    // line of the file, employee 7's, without its line end.
    std::vector<std::string> linii;
    for (int i = 1; i <= 22; ++i) {
        linii.push_back(linieCu(structuraDeduceri(), {{0, "9"}, {1, std::to_string(i)}, {4, "X"}, {10, "1.50"}}));
        if (i == 3) {
            linii.push_back(linieCu(structuraDeduceri(), {{0, "8"}, {1, "alt"}}));
            linii.push_back("");
        }
    }
    writeBytes("Deduceri.txt", crlf(linii) + linieCu(structuraDeduceri(), {{0, "7"}, {21, "0.5"}}));
    const IndexPersoane index = IndexPersoane::citeste();
    const auto ale = index.persoane("9");
    ASSERT_EQ(ale.size(), 20u);
    EXPECT_EQ(ale[3].cod, "4") << "the lines after another's still his";
    EXPECT_EQ(ale[19].cod, "20");
    EXPECT_TRUE(ale[0].sotie);
    EXPECT_EQ(ale[0].coeficienti[0], 1.5);
    EXPECT_EQ(index.persoane("8").size(), 1u);
    ASSERT_EQ(index.persoane("7").size(), 1u);
    EXPECT_EQ(index.persoane("7")[0].coeficienti[11], 0.5);
    EXPECT_TRUE(index.persoane("6").empty());

    // Many employees, their lines dealt out in turns: each finds his own, in order.
    linii.clear();
    for (int runda = 0; runda < 3; ++runda) {
        for (int a = 100; a < 400; a += 1 + runda) {
            linii.push_back(linieCu(structuraDeduceri(), {{0, std::to_string(a)}, {1, std::to_string(runda)}}));
        }
    }
    platform::files::writeLines("Deduceri.txt", linii);
    const IndexPersoane multe = IndexPersoane::citeste();
    for (int a = 100; a < 400; ++a) {
        const auto p = multe.persoane(std::to_string(a));
        ASSERT_EQ(p.size(), 1u + (a % 2 == 0) + (a % 3 == 1)) << a;
        EXPECT_EQ(p.back().cod, std::to_string(p.size() == 1 ? 0 : (a % 3 == 1 ? 2 : 1))) << a;
    }
}

// Ionescu's two dependants and 19 more: one of them after another employee's
// line, the last at the end of the file without its line end.
void douazeciSiUnaDePersoane() {
    std::string ded = readBytes("Deduceri.txt");
    for (int i = 3; i <= 21; ++i) {
        if (i == 10) {
            ded += linieCu(structuraDeduceri(), {{0, Popa}, {1, "1"}, {2, "ALTUL"}}) + "\r\n";
        }
        ded += linieCu(structuraDeduceri(), {{0, Ionescu},
                                              {1, "50" + std::to_string(1000000000 + i)},
                                              {2, "COPIL" + std::to_string(i)},
                                              {3, std::string(i, 'Q')},
                                              {5, "X"},
                                              {10 + i % 12, i % 3 ? "0.5" : "1.25"}});
        ded += i < 21 ? "\r\n" : "";
    }
    writeBytes("Deduceri.txt", ded);
}

TEST_F(ListingTest, TwentyDependantsRunOverFourPagesEachWithTheEmployeesCode) {
    douazeciSiUnaDePersoane();
    TipExemplar = "angajat";
    ScrieFisa1Angajat(Ionescu, Popescu);
    expectFileMatches("ListF1.txt", testData("listings/ListF1-IONESCU-20-persoane.txt"));
    EXPECT_EQ(ContorLinii, 218);
}

TEST_F(ListingTest, AnUnknownCopyKindLeavesAnEmptyLineInItsPlace) {
    TipExemplar = "altul";
    ScrieFisa2Angajat(Popa, Popescu);
    const auto linii = platform::files::readLines("ListF2.txt");
    ASSERT_EQ(linii.size(), 65u);
    EXPECT_EQ(linii[0], "");
    EXPECT_EQ(linii[3], std::string(80, '_'));
    EXPECT_EQ(ContorLinii, 49);
}

TEST_F(ListingTest, MissingFilesGiveAnEmptyListingOrTheNoEmployerLine) {
    std::filesystem::remove("Repfisc.txt");
    std::filesystem::remove("Deduceri.txt");
    ScrieFisa1Angajat(Ionescu, Popescu);
    const auto linii = platform::files::readLines("ListF1.txt");
    EXPECT_EQ(linii[11], "Nu sunt date despre angajator");
    EXPECT_EQ(linii.size(), 130u);

    std::filesystem::remove("FF1.txt");
    ListeazaSiTipareste(FisierListaFise1, [] { ScrieFise1(SelectieFise1::Toate, Popescu); });
    EXPECT_EQ(readBytes("ListF1.txt"), "");
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF1.txt"});
    EXPECT_EQ(fakePrinter().dialogsShown, 1);
}

TEST_F(ListingTest, AListingThatCannotBeWrittenIsReportedAndNeitherShownNorPrinted) {
    std::filesystem::create_directory("ListF2.txt");
    ListeazaSiTipareste(FisierListaFise2, [] { ScrieFise2(Popescu); });
    ASSERT_EQ(fakeDialogs().messages.size(), 1u);
    EXPECT_EQ(fakeDialogs().messages[0].text.substr(0, 7), "Eroare ");
    EXPECT_EQ(fakeDialogs().messages[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(fakeTextViewer().shown.empty());
    EXPECT_EQ(fakePrinter().dialogsShown, 0);
}

} // namespace
} // namespace olm::testing
