// The Fisa 2 form driven through its widgets: opened from the employee's
// form, typed, closed by the close box and saved; its keys and buttons.

#include "sheets/fisa2_form.h"

#include "fisa2_test_support.h"
#include "main_window/employee_form.h"
#include "sheets/install.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/label_fit.h"
#include "support/file_bytes.h"
#include "tax_parameters/impozit_frm.h"

namespace olm::testing {
namespace {

using platform::Answer;
using platform::Icon;

class Fisa2Form : public Fisa2Test {
protected:
    void SetUp() override {
        Fisa2Test::SetUp();
        for (const char* f : {"FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            writeBytes(f, "");
        }
        instaleazaFormeFise();
    }
    void TearDown() override {
        unloadAllForms();
        ArataFisaIIHandler = nullptr;
        Fisa_II::deschideFormaFisa1 = nullptr;
        Fisa_II::deschideFormaFisa2 = nullptr;
    }
};

TEST_F(Fisa2Form, ANewEmployeesSheetClosedByTheCloseBoxIsSaved) {
    Fisa_II::deschideDinAngajator("CLUJ");
    Fisa_II& angajat = Fisa_II::instance();
    ASSERT_TRUE(showActive(angajat));
    typeInto(angajat.AdrS[0], "CLUJ-NAPOCA");
    typeInto(angajat.CodS, "1800101221144");
    pressEnter(angajat.CodS);
    typeInto(angajat.NumeS, "POPESCU");
    typeInto(angajat.PrenS, "ION");
    typeInto(angajat.AdrS[1], "MEMORANDUMULUI");
    typeInto(angajat.AdrS[2], "10");
    typeInto(angajat.AdrS[3], "400114");
    ASSERT_TRUE(click(angajat.Ok_Fisa2));

    ASSERT_TRUE(Fisa2::loaded());
    Fisa2& f = Fisa2::instance();
    EXPECT_FALSE(angajat.visible());
    EXPECT_EQ(f.caption(), "Fisa fiscala II - POPESCU ION, cod numeric 1800101221144");
    EXPECT_EQ(labelsCutShort(f), std::vector<std::string>{});
    activate(f);
    expectFocus(f.TAS[0]);
    click(f.TAS[0]);
    click(f.TAS[3]);
    pasteInto(f.VenitCS[0], "1500000\t270000"); // two cells of a copied row: the first
    fakeDialogs().answer(Answer::Yes);
    EXPECT_TRUE(closeByCloseBox(f)); // the focus still in January's income
    expectMessages({{"Salvati modificarile?", "  ", Icon::None}});
    const std::string linie = "1800101221144,#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#10#,400114,"
                              "##,##,##,##,,##,#X#,##,##,#X#,##,##,##,##,1500000,270000," +
                              std::string(22, ',') + "1500000,270000\r\n";
    EXPECT_EQ(readBytes("FF2.txt"), linie);
    EXPECT_EQ(readBytes("FF2_2002.txt"), linie);

    // Back to the employee's form, ready for the next one in the same place.
    runDeferredDeletes();
    EXPECT_FALSE(Fisa2::loaded());
    EXPECT_TRUE(angajat.visible());
    EXPECT_EQ(angajat.CodS.text() + angajat.NumeS.text() + angajat.AdrS[1].text(), "");
    EXPECT_EQ(angajat.AdrS[0].text() + " " + angajat.JudS.text(), "CLUJ-NAPOCA CLUJ");
    activate(angajat);
    expectFocus(angajat.Option1);
}

TEST_F(Fisa2Form, KeysButtonsAndAFailedSave) {
    std::filesystem::copy_file(testData("../../data/CALC.ICO"), "CALC.ICO");
    Fisa2::deschide();
    Fisa2& f = Fisa2::instance();
    ASSERT_TRUE(showActive(f));
    EXPECT_TRUE(f.Picture1.hasPicture());
    EXPECT_FALSE(f.VenitCS[12].canTakeFocus());
    // Enter goes down the column; from December to "Terminat fisa F2".
    typeInto(f.VenitCS[0], "abc");
    pressEnter(f.VenitCS[0]);
    expectFocus(f.VenitCS[1]);
    EXPECT_EQ(f.ImpS[0].text(), "0");
    typeInto(f.ImpS[11], "5");
    pressEnter(f.ImpS[11]);
    expectFocus(f.Command1);
    EXPECT_EQ(f.ImpS[12].text(), "5");

    click(f.Command1);
    expectOneMessage("Nu ati marcat tipul de venit ", "", Icon::Exclamation);
    expectFocus(f.TAS[0]);
    click(f.Picture1);
    EXPECT_EQ(fakeCalculator().starts, 1);
    click(f.Command2);
    EXPECT_FALSE(ImpozitFrm::instance().PrelMod.enabled());
    click(f.Command10);
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF2.txt"});
    EXPECT_EQ(f.VenitCS[0].text(), "") << "a zero box is emptied by the image";

    // A save that fails keeps the window open with what was typed; a sheet
    // closed with no type gets AS4 silently.
    std::filesystem::remove("FF2.txt");
    std::filesystem::create_directory("FF2.txt");
    fakeDialogs().answer(Answer::Yes);
    EXPECT_FALSE(closeByCloseBox(f));
    ASSERT_EQ(fakeDialogs().messages.size(), 2u);
    expectMessages({"Salvati modificarile?", {fakeDialogs().messages[1].text, "", Icon::Exclamation}});
    EXPECT_EQ(f.ImpS[11].text(), "5");
    EXPECT_EQ(f.TAS[3].value(), 1);
    fakeDialogs().answer(Answer::No);
    EXPECT_TRUE(closeByCloseBox(f));
}

} // namespace
} // namespace olm::testing
