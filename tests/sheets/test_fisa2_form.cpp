// The Fisa 2 form driven through its widgets: opened from the employee's
// form, filled, closed by the close box and saved; its keys and buttons.

#include "sheets/fisa2_form.h"

#include "fisa2_test_support.h"
#include "main_window/employee_form.h"
#include "sheets/install.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "tax_parameters/impozit_frm.h"

#include <filesystem>

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
        Fisa_II::deschideFormaFisa2 = nullptr;
    }
};

TEST_F(Fisa2Form, ANewEmployeesSheetTypedAndClosedByTheCloseBoxIsSaved) {
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
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.caption(), "Fisa fiscala II - POPESCU ION, cod numeric 1800101221144");
    activate(f);
    expectFocus(f.TAS[0]);

    click(f.TAS[0]);
    click(f.TAS[3]);
    typeInto(f.VenitCS[0], "1500000");
    fakeDialogs().answer(Answer::Yes);
    // The focus is still in January's income: closing leaves it first.
    EXPECT_TRUE(closeByCloseBox(f));
    expectMessages({{"Salvati modificarile?", "  ", Icon::None}});

    const std::string linie = "1800101221144,#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#10#,400114,"
                              "##,##,##,##,,##,#X#,##,##,#X#,##,##,##,##,1500000,270000," +
                              std::string(22, ',') + "1500000,270000\r\n";
    EXPECT_EQ(readBytes("FF2.txt"), linie);
    EXPECT_EQ(readBytes("FF2_2002.txt"), linie);

    runDeferredDeletes();
    EXPECT_FALSE(Fisa2::loaded());
    EXPECT_TRUE(angajat.visible());
    EXPECT_EQ(angajat.CodS.text(), "");
    EXPECT_EQ(angajat.NumeS.text(), "");
    EXPECT_EQ(angajat.AdrS[1].text(), "");
    EXPECT_EQ(angajat.AdrS[0].text(), "CLUJ-NAPOCA");
    EXPECT_EQ(angajat.JudS.text(), "CLUJ");
    EXPECT_TRUE(angajat.Ok_Fisa2.enabled());
    activate(angajat); // as the desktop gives the activation to the window shown
    expectFocus(angajat.Option1);
}

TEST_F(Fisa2Form, KeysButtonsAndAFailedSave) {
    std::filesystem::copy_file(testData("../../data/CALC.ICO"), "CALC.ICO");
    Fisa2::deschide();
    Fisa2& f = Fisa2::instance();
    ASSERT_TRUE(showActive(f));
    EXPECT_TRUE(f.Picture1.hasPicture());
    EXPECT_FALSE(f.VenitCS[12].canTakeFocus());
    EXPECT_FALSE(f.ImpS[12].canTakeFocus());

    // Enter goes down the column; from December to "Terminat fisa F2".
    typeInto(f.VenitCS[0], "abc");
    pressEnter(f.VenitCS[0]);
    expectFocus(f.VenitCS[1]);
    EXPECT_EQ(f.VenitCS[0].text(), "0");
    EXPECT_EQ(f.ImpS[0].text(), "0");
    typeInto(f.VenitCS[11], "2000000");
    pressEnter(f.VenitCS[11]);
    expectFocus(f.Command1);
    EXPECT_EQ(f.ImpS[11].text(), "370000");
    EXPECT_EQ(f.VenitCS[12].text(), "2000000");
    typeInto(f.ImpS[11], "5");
    pressEnter(f.ImpS[11]);
    expectFocus(f.Command1);
    EXPECT_EQ(f.ImpS[12].text(), "5");
    expectMessages({});

    click(f.Command1);
    expectOneMessage("Nu ati marcat tipul de venit ", "", Icon::Exclamation);
    expectFocus(f.TAS[0]);
    EXPECT_TRUE(f.visible());

    click(f.Command3);
    ASSERT_EQ(fakeDialogs().messages.size(), 1u);
    EXPECT_EQ(fakeDialogs().messages[0].text.substr(0, 4), "AS1-");
    expectMessages({{fakeDialogs().messages[0].text, "", Icon::Exclamation}});
    click(f.Picture1);
    EXPECT_EQ(fakeCalculator().starts, 1);
    click(f.Command2);
    ASSERT_TRUE(ImpozitFrm::loaded());
    EXPECT_TRUE(ImpozitFrm::instance().visible());
    EXPECT_FALSE(ImpozitFrm::instance().PrelMod.enabled());
    unloadForm<ImpozitFrm>();

    click(f.Command10);
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF2.txt"});
    EXPECT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(f.VenitCS[0].text(), "") << "a zero box is emptied by the image";

    // A save that fails keeps the window open with what was typed.
    click(f.TAS[1]);
    std::filesystem::remove("FF2.txt");
    std::filesystem::create_directory("FF2.txt");
    fakeDialogs().answer(Answer::Yes);
    click(f.Command1);
    ASSERT_EQ(fakeDialogs().messages.size(), 2u);
    EXPECT_EQ(fakeDialogs().messages[0].text, "Salvati modificarile?");
    EXPECT_EQ(fakeDialogs().messages[1].icon, Icon::Exclamation);
    expectMessages({"Salvati modificarile?", fakeDialogs().messages[1].text});
    ASSERT_TRUE(Fisa2::loaded());
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.TAS[1].value(), 1);
    EXPECT_EQ(f.VenitCS[11].text(), "2000000");

    // No: nothing written, and a sheet with no type gets AS4 silently.
    click(f.TAS[1]);
    fakeDialogs().answer(Answer::No);
    EXPECT_TRUE(closeByCloseBox(f));
    expectMessages({"Salvati modificarile?"});
    EXPECT_TRUE(std::filesystem::is_directory("FF2.txt"));
    EXPECT_EQ(Fisa2Date.TAS[3], 1);
}

} // namespace
} // namespace olm::testing
