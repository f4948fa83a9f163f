// The printable image of the Fisa 2 being entered: made from the windows,
// the zero boxes emptied, shown and printed.

#include "sheets/fisa2_image.h"

#include "fisa2_test_support.h"
#include "platform/files.h"
#include "support/fakes.h"

namespace olm::testing {
namespace {

class Fisa2Image : public Fisa2Test {
protected:
    void SetUp() override {
        Fisa2Test::SetUp();
        FormaFisa2& f = Fisa2Date;
        f.TAS[0] = f.TAS[3] = 1;
        f.VenitCS[0] = f.VenitCS[12] = "1500000";
        f.ImpS[0] = f.ImpS[12] = "270000";
        f.VenitCS[1] = f.ImpS[1] = "0";
        f.ImpS[2] = "abc";
    }
};

TEST_F(Fisa2Image, WrittenFromTheWindowsShownAndPrinted) {
    AngajatFisaII.Xrectif = 1;
    AngajatorFisaI.TipAngajator.clear(); // the kind comes from the code on the form, not the saved line
    ASSERT_TRUE(TiparesteImagineFisa2(Fisa2Date));
    // The employee's address is exactly 63 characters: a line of blanks follows it.
    expectFileMatches("ListF2.txt", testData("sheets/ListF2-imagine.txt"));
    EXPECT_EQ(Fisa2Date.VenitCS[1] + Fisa2Date.ImpS[1] + Fisa2Date.ImpS[2], "") << "zero boxes emptied";
    EXPECT_EQ(Fisa2Date.VenitCS[0], "1500000");
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF2.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].pages, std::vector<std::vector<std::string>>{
                                               platform::files::readLines("ListF2.txt")});
}

TEST_F(Fisa2Image, TheEmployeesPostalCodeAndSectorCountByTheirText) {
    AngajatFisaII.AdrS = {"Bucuresti", "LIPSCANI", "5", "0", "", "", "", "", "0"};
    EXPECT_EQ(ImagineFisa2(Fisa2Date).at(21), "Domiciliu     : Bucuresti,str.LIPSCANI,nr.5,cod postal 0,sect.0");
}

TEST_F(Fisa2Image, AFileThatCannotBeWrittenIsReportedNeitherShownNorPrinted) {
    std::filesystem::create_directory("listf2.txt");
    EXPECT_NE(TiparesteImagineFisa2(Fisa2Date).eroare.find(" la scrierea fisierului ListF2.txt."),
              std::string::npos);
    EXPECT_TRUE(fakeTextViewer().shown.empty());
    EXPECT_EQ(fakePrinter().dialogsShown, 0);
}

} // namespace
} // namespace olm::testing
