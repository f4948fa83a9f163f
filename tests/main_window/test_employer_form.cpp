// The employer's form driven through its widgets: the code and the kind it
// decides, the names and address rules, confirming and closing.

#include "identification_fixture.h"

namespace olm::testing {
namespace {

const std::string kFirma = "19,1,#SC ALFA SRL#,##,##,#CLUJ-NAPOCA#,#CLUJ#,#STR. MARE#,#3#,400100,"
                           "##,##,##,##,,#0264123456#,##";
const std::string kCnpAngajator = "2740711100511";

class EmployerForm : public IdentificationForms {
protected:
    Fisa_I& deschide() {
        Fisa_I::deschide();
        Fisa_I& f = Fisa_I::instance();
        activate(f);
        return f;
    }
};

TEST_F(EmployerForm, OpensFilledFromTheFileAndConfirmsIntoTheEmployeesForm) {
    writeBytes("Repfisc.txt", crlf({kFirma}));
    Fisa_I& f = deschide();
    EXPECT_EQ(f.CodP.text(), "19");
    EXPECT_EQ(f.DenP.text(), "SC ALFA SRL");
    EXPECT_EQ(f.AdrP[0].text(), "CLUJ-NAPOCA");
    EXPECT_EQ(f.AdrP[3].text(), "400100");
    EXPECT_EQ(f.AdrP[9].text(), "0264123456");
    EXPECT_EQ(f.JudP.text(), "CLUJ");
    EXPECT_EQ(f.JudP.listCount(), 43);
    EXPECT_EQ(f.TipAng.caption(), "");
    expectFocus(f.CodP);

    click(f.Ok_Fisa_II);
    expectMessages({});
    EXPECT_EQ(readBytes("Repfisc.txt"), kFirma + "\r\n");
    // The yearly copy in the same step: no crash can bring the old employer back.
    EXPECT_EQ(readBytes("Rep_2002.txt"), kFirma + "\r\n");
    EXPECT_FALSE(f.visible());
    ASSERT_TRUE(Fisa_II::loaded());
    Fisa_II& a = Fisa_II::instance();
    EXPECT_TRUE(a.visible());
    EXPECT_EQ(a.AnFisc.caption(), "2002");
    EXPECT_EQ(a.JudS.text(), "CLUJ"); // the employee's county starts as the employer's
    EXPECT_EQ(AngajatFisaII.JudS, "CLUJ");
    EXPECT_FALSE(a.Frame1.visible());
}

TEST_F(EmployerForm, TheCodeDecidesTheKind) {
    Fisa_I& f = deschide();
    f.NumeP.setText("RAMAS");
    typeInto(f.CodP, "19");
    pressEnter(f.CodP);
    EXPECT_EQ(f.TipAng.caption(), "1 - CF/cod unic de inregistrare");
    EXPECT_EQ(TipAngajator, 1);
    EXPECT_EQ(f.NumeP.text(), "");
    expectFocus(f.DenP);
    EXPECT_EQ(f.CodP.text(), "19"); // the zero padding of the test does not show

    typeInto(f.DenP, "SC BETA SRL");
    typeInto(f.CodP, kCnpAngajator);
    pressEnter(f.CodP);
    EXPECT_EQ(f.TipAng.caption(), "2 - CNP/nr.de identificare fiscala");
    EXPECT_EQ(TipAngajator, 2);
    EXPECT_EQ(f.DenP.text(), "");
    expectFocus(f.NumeP);

    // Kind 2: a firm name cannot be kept; leaving the box empties it.
    typeInto(f.DenP, "X");
    pressTab(f.DenP);
    EXPECT_EQ(f.DenP.text(), "");
    expectFocus(f.NumeP);
    expectMessages({});
}

TEST_F(EmployerForm, AWrongCodeIsRefusedOnLeavingAndOnConfirming) {
    writeBytes("Repfisc.txt", crlf({kFirma}));
    Fisa_I& f = deschide();
    f.CodP.setText("");
    typeInto(f.CodP, "123");
    pressEnter(f.CodP);
    expectOneMessage("Cod incorect", "  ", platform::Icon::Exclamation);
    expectFocus(f.CodP);

    // Empty: no message on leaving, refused on confirming, nothing written.
    f.CodP.setText("");
    pressTab(f.CodP);
    expectMessages({});
    click(f.Ok_Fisa_II);
    expectOneMessage("Cod incorect", "  ", platform::Icon::Exclamation);
    expectFocus(f.CodP);
    EXPECT_EQ(readBytes("Repfisc.txt"), kFirma + "\r\n");
    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(Fisa_II::loaded());
}

TEST_F(EmployerForm, NamesAndAddressAreNormalised) {
    Fisa_I& f = deschide();
    typeInto(f.CodP, "19");
    pressEnter(f.CodP);
    typeInto(f.DenP, "sc #gama srl"); // "#" cannot be typed
    pressEnter(f.DenP);
    EXPECT_EQ(f.DenP.text(), "SC GAMA SRL");
    expectFocus(f.AdrP[0]);

    typeInto(f.AdrP[0], "bucuresti");
    pressEnter(f.AdrP[0]);
    EXPECT_EQ(f.AdrP[0].text(), "BUCURESTI");
    EXPECT_EQ(f.JudP.text(), " ");
    expectFocus(f.AdrP[1]); // the county is skipped in the capital

    typeInto(f.AdrP[3], "012345");
    typeInto(f.AdrP[8], "3");
    pressTab(f.AdrP[8]);
    EXPECT_EQ(f.AdrP[3].text(), "12345");
    EXPECT_EQ(f.AdrP[8].text(), "3");
    f.AdrP[8].setText("7");
    f.AdrP[8].setFocus();
    pressTab(f.AdrP[8]);
    EXPECT_EQ(f.AdrP[8].text(), "");
    f.AdrP[8].setFocus();
    pressTab(f.AdrP[8]);
    EXPECT_EQ(f.AdrP[8].text(), "0"); // an empty sector becomes 0 in the capital

    // Another locality: Enter in it puts the county back to the blank entry
    // and onto the list; Enter in the flat skips the sector and empties it.
    f.AdrP[0].setText("");
    typeInto(f.AdrP[0], "Deva");
    f.JudP.setText("HUNEDOARA");
    pressEnter(f.AdrP[0]);
    EXPECT_EQ(f.JudP.text(), " ");
    expectFocus(f.JudP);
    EXPECT_EQ(f.AdrP[8].text(), ""); // leaving any address box outside the capital
    f.AdrP[8].setText("2");
    f.AdrP[7].setFocus();
    pressEnter(f.AdrP[7]);
    EXPECT_EQ(f.AdrP[8].text(), "");
    expectFocus(f.AdrP[9]);

    click(f.Ok_Fisa_II);
    const std::string scris = readBytes("Repfisc.txt");
    EXPECT_EQ(scris, "19,1,#SC GAMA SRL#,##,##,#DEVA#,# #,##,##,12345,##,##,##,##,,##,##\r\n");
}

TEST_F(EmployerForm, ClosingCopiesTheFileToTheYearlyCopyOnlyWhenItExists) {
    Fisa_I& f = deschide();
    f.unload();
    runDeferredDeletes();
    EXPECT_FALSE(platform::files::exists("rep_2002.txt"));

    writeBytes("Repfisc.txt", crlf({kFirma}));
    writeBytes("Rep_2002.txt", crlf({"VECHI"}));
    deschide();
    closeByCloseBox(Fisa_I::instance());
    runDeferredDeletes();
    EXPECT_FALSE(Fisa_I::loaded());
    EXPECT_EQ(readBytes("Rep_2002.txt"), kFirma + "\r\n");
    EXPECT_EQ(platform::files::listFiles(".").size(), 2u); // no second spelling of the copy
}

} // namespace
} // namespace olm::testing
