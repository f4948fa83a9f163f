// The printable image of the Fisa 1 on screen.

#include "fisa1_test_support.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "sheets/fisa1_image.h"
#include "sheets/fisa1_regularisation.h"
#include "shared/employer_record.h"

#include <algorithm>
#include <filesystem>

namespace olm::testing {
namespace {

class Fisa1Image : public Fisa1Rules {
protected:
    // The regularised year with a child from July, the employer and the
    // employee as their forms show them.
    void SetUp() override {
        Fisa1Rules::SetUp();
        AngajatorFisaI = citesteLinieRepfisc(
            "23456783,2,#SC BETA PROD SRL#,##,##,#BRASOV#,#BRASOV#,#LUNGA#,#10#,0,##,##,##,##,,#0268411222#,##");
        TipAngajator = 1; // the form's kind, not the record's text
        FormaFisaII& e = AngajatFisaII;
        e.CodS = kAngajat;
        e.NumeS = "POPESCU";
        e.PrenS = "ION";
        e.AdrS = {"CLUJ-NAPOCA", "MEMORANDUMULUI", "10", "0", "", "", "", "", ""};
        e.JudS = "CLUJ";
        MarcaReg = "X";
        f().CoefProp.fill("1");
        f().CoefCalc.fill("1");
        PersoanaCurenta = 1;
        f().persoana.CodI = "5020715123451";
        ASSERT_TRUE(ParasesteCod(f()));
        f().persoana.NumeI = "POPESCU";
        ParasesteNume(f(), 2);
        f().persoana.PrenI = "ANDREI";
        ParasesteNume(f(), 3);
        f().Option1_0 = 1;
        AlegeConditii(f());
        veniturileExemplului();
        RegularizeazaFisa1(f());
        ASSERT_TRUE(messages().empty());
    }
};

TEST_F(Fisa1Image, TheRegularisedSheetWithAChildFromJuly) {
    ASSERT_TRUE(TiparesteImagineFisa1(f()).ok());
    expectFileMatches("ListF1.txt", testData("sheets/ListF1-imagine.txt"));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF1.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);

    const std::string linii = readBytes("ListF1.txt");
    const std::string asteptate[] = {
        "  deducere calculat    1    1    1    1    1    1  1.5  1.5  1.5  1.5  1.5  1.5",
        "   Calitatea : copil         ",
        "Ianuarie          1.           4.000.000                  462.000",
        "Total            14.          57.000.000                6.420.000",
        "B. Cheltuieli profesionale acordate :" + std::string(23, ' ') + std::string(11, ' ') + "2.880.000",
    };
    const std::size_t lungimi[] = {79, 29, 65, 65, 80};
    for (std::size_t i = 0; i < std::size(asteptate); ++i) {
        SCOPED_TRACE(asteptate[i]);
        EXPECT_EQ(asteptate[i].size(), lungimi[i]);
        EXPECT_NE(linii.find("\r\n" + asteptate[i] + "\r\n"), std::string::npos);
    }
    // The zero amounts show blank on the form too, as printed.
    EXPECT_EQ(f().Reg[9] + f().Reg[12] + f().ImpP[12], "600000");
}

TEST_F(Fisa1Image, AFileThatCannotBeWrittenIsToldAndNothingShown) {
    std::filesystem::create_directory("ListF1.txt");
    EXPECT_EQ(TiparesteImagineFisa1(f()).eroare.rfind("Eroare ", 0), 0u);
    EXPECT_TRUE(fakeTextViewer().shown.empty());
    EXPECT_TRUE(fakePrinter().jobs.empty());
}

} // namespace
} // namespace olm::testing
