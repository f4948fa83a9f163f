// The printable image of the Fisa 1 on screen.

#include "fisa1_test_support.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "sheets/fisa1_image.h"
#include "sheets/fisa1_regularisation.h"
#include "shared/employer_record.h"
#include "shared/sheet_text.h"

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

    // Lines of the regularisation example (65, 29, 79 and 80 characters).
    const std::string linii = readBytes("ListF1.txt");
    for (const std::string& l : {std::string("Ianuarie          1.           4.000.000                  462.000"),
                                 std::string("Total            14.          57.000.000                6.420.000"),
                                 std::string("   Calitatea : copil         "),
                                 "  deducere calculat" + std::string(4, ' ') + "1    1    1    1    1    1  1.5  1.5"
                                     "  1.5  1.5  1.5  1.5",
                                 laStanga("B. Cheltuieli profesionale acordate :", 60) + laDreapta("2.880.000", 20)}) {
        EXPECT_NE(linii.find("\r\n" + l + "\r\n"), std::string::npos) << l;
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
