// The printable image of the Fisa 2 being entered: its layout, what it takes
// from the windows, the zero boxes it empties, the viewer and the printer.

#include "sheets/fisa2_image.h"

#include "fisa2_test_support.h"
#include "support/fakes.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace olm::testing {
namespace {

class Fisa2Image : public Fisa2Test {
protected:
    void SetUp() override {
        Fisa2Test::SetUp();
        FormaFisa2& f = Fisa2Date;
        f.TAS[0] = f.TAS[3] = 1;
        f.VenitCS[0] = "1500000";
        f.ImpS[0] = "270000";
        f.VenitCS[1] = f.ImpS[1] = "0";
        f.ImpS[2] = "abc";
        f.VenitCS[12] = "1500000";
        f.ImpS[12] = "270000";
    }
};

TEST_F(Fisa2Image, WrittenFromTheWindowsShownAndPrintedOnOnePage) {
    AngajatFisaII.Xrectif = 1;
    ASSERT_TRUE(TiparesteImagineFisa2(Fisa2Date));
    expectFileMatches("ListF2.txt", testData("sheets/ListF2-imagine.txt"));

    // The zero boxes are empty in the window afterwards; the others keep their text.
    EXPECT_EQ(Fisa2Date.VenitCS[1], "");
    EXPECT_EQ(Fisa2Date.ImpS[1], "");
    EXPECT_EQ(Fisa2Date.ImpS[2], "");
    EXPECT_EQ(Fisa2Date.VenitCS[0], "1500000");
    EXPECT_EQ(Fisa2Date.ImpS[12], "270000");

    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF2.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    ASSERT_EQ(fakePrinter().jobs[0].pages.size(), 1u);
    // The address of exactly 63 characters adds its line of blanks: 50 lines.
    EXPECT_EQ(fakePrinter().jobs[0].pages[0].size(), 50u);
    EXPECT_EQ(fakePrinter().jobs[0].pages[0][30], "Ianuarie     1.           1.500.000                  270.000");
}

TEST_F(Fisa2Image, WhatChangesWithTheValuesShown) {
    struct Rand {
        const char* nume;
        std::function<void()> pregateste;
        std::size_t linie; // from 0
        std::string text;
        std::size_t linii;
    } randuri[] = {
        {"no type ticked", [] { Fisa2Date.TAS = {}; }, 24, "     FUNCTIA DE BAZA        Tip venit : ", 49},
        {"types 2 and 8", [] { Fisa2Date.TAS = {0, 1, 0, 0, 0, 0, 0, 1}; }, 24,
         "     FUNCTIA DE BAZA        Tip venit :  AS2 AS8", 49},
        {"not corrective", [] {}, 7, "                                                 Fisa fiscala rectificativa : NU",
         49},
        {"an employer who is a person",
         [] {
             TipAngajator = 2;
             AngajatorFisaI.Nume = "POP";
             AngajatorFisaI.Prenume = "ANA";
         },
         13, "Nume,prenume  : POP ANA", 49},
        {"an employee in the capital, postal code and sector by their text",
         [] { AngajatFisaII.AdrS = {"bucuresti", "LIPSCANI", "5", "0", "A1", "", "2", "", "0"}; }, 21,
         "Domiciliu     : bucuresti,str.LIPSCANI,nr.5,cod postal 0,bl.A1,et.2,sect.0", 49},
        {"a name of 63 characters ends with a line of blanks",
         [] {
             AngajatFisaII.NumeS = std::string(59, 'N');
             AngajatFisaII.PrenS = "ION";
         },
         21, std::string(16, ' '), 50},
        {"a negative income, grouped", [] { Fisa2Date.VenitCS[4] = "-1500"; }, 33,
         "Mai          5.              -1.500                         ", 49},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        SetUp();
        AngajatFisaII.AdrS[1] = "MEMORANDUM"; // an address shorter than 63 characters
        r.pregateste();
        const std::vector<std::string> l = ImagineFisa2(Fisa2Date);
        ASSERT_EQ(l.size(), r.linii);
        EXPECT_EQ(l[r.linie], r.text);
    }
}

TEST_F(Fisa2Image, AFileThatCannotBeWrittenIsReportedAndNeitherShownNorPrinted) {
    std::filesystem::create_directory("listf2.txt");
    const Rezultat r = TiparesteImagineFisa2(Fisa2Date);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.eroare.rfind("Eroare ", 0), 0u);
    EXPECT_NE(r.eroare.find(" la scrierea fisierului ListF2.txt."), std::string::npos);
    EXPECT_TRUE(fakeTextViewer().shown.empty());
    EXPECT_TRUE(fakePrinter().jobs.empty());
    EXPECT_EQ(fakePrinter().dialogsShown, 0);
}

} // namespace
} // namespace olm::testing
