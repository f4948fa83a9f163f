// The employee's form and the decision dialog driven through their widgets:
// a code typed and looked up, the dialog answered, what is loaded, the
// picker, deletion, dates and marks.

#include "identification_fixture.h"
#include "shared/sheet_records.h"
#include "tax_parameters/cuantum_frm.h"

#include <QTest>

namespace olm::testing {
namespace {

const std::string kX = "2800618056490";
const std::string kY = "1800604069575";
const std::string kStrain = "9701011234561"; // a foreign person's code
const std::string kNou = "1800101123450";    // no sheets

RecordFf1 fisa1(const std::string& cod, const std::string& nume) {
    RecordFf1 r;
    r.id = {cod, nume, "ION", "ALBA IULIA", "ALBA", "STR. MARE", "1", "510000", "", "", "", "", ""};
    r.MarcaRectif = "X";
    r.MarcaInv2 = "X";
    r.DataAngajarii = "01.03.2002";
    r.VenitN[2] = "3000000";
    return r;
}

RecordFf2 fisa2(const std::string& cod, const std::string& nume) {
    RecordFf2 r;
    r.id = {cod, nume, "ION", "DEVA", "HUNEDOARA", "", "", "", "", "", "", "", ""};
    r.TipAS[3] = "X";
    r.VenitCS[0] = "500";
    return r;
}

const std::string kFf1Y = linieFf1(fisa1(kY, "ILIE"));
const std::string kFf1X = linieFf1(fisa1(kX, "POPESCU"));
const std::string kFf2X = linieFf2(fisa2(kX, "POPESCU"));
const std::string kDepX = kX + ",2991116035942,#POPESCU#,#ANA#,#X#,##,##,##,##,##,1,,,,,,,,,,,";
const std::string kDepY = kY + ",5010101123456,#ILIE#,#DAN#,##,#X#,##,##,##,##,1,,,,,,,,,,,";

class EmployeeForm : public IdentificationForms {
protected:
    void SetUp() override {
        IdentificationForms::SetUp();
        writeBytes("FF1.txt", crlf({kFf1Y, kFf1X}));
        writeBytes("FF2.txt", crlf({kFf2X}));
        writeBytes("Deduceri.txt", crlf({kDepX, kDepY}));
    }

    Fisa_II& deschide() {
        Fisa_II::deschideDinAngajator("CLUJ");
        Fisa_II& f = Fisa_II::instance();
        activate(f);
        return f;
    }

    // Types a code and leaves the box with Enter.
    static void cod(Fisa_II& f, const std::string& text) {
        typeInto(f.CodS, text);
        pressEnter(f.CodS);
    }

    frmGasit& dialog() {
        EXPECT_TRUE(frmGasit::loaded());
        return frmGasit::instance();
    }

    // A button of the dialog clicked; the dialog unloaded by it is freed.
    static void choose(platform::Control& b) {
        click(b);
        runDeferredDeletes();
    }

    // The form with a code without sheets typed, the Fisa 1 form not opened.
    Fisa_II& nouFaraFisa1() {
        Fisa_II::deschideFormaFisa1 = [] {};
        Fisa_II& f = deschide();
        cod(f, kNou);
        return f;
    }
};

TEST_F(EmployeeForm, ACodeWithoutSheetsOpensNoDialog) {
    Fisa_II& f = deschide();
    expectFocus(f.Option1);
    f.AdrS[0].setText("CLUJ-NAPOCA");
    cod(f, kNou);
    EXPECT_FALSE(frmGasit::loaded());
    expectMessages({});
    EXPECT_EQ(CodAngajat, kNou);
    EXPECT_EQ(FiseAngajat, "");
    expectFocus(f.NumeS);
    EXPECT_TRUE(AngajatFisaII.Ok_Fisa1 && AngajatFisaII.Ok_Fisa2);
    // The sheet forms are not there yet: their buttons stay disabled.
    EXPECT_FALSE(f.Ok_Fisa1.enabled());
    EXPECT_FALSE(f.Ok_Fisa2.enabled());
}

TEST_F(EmployeeForm, AWrongCodeIsRefusedAndKeepsTheFocus) {
    Fisa_II& f = deschide();
    cod(f, "1234");
    expectOneMessage("Cod incorect", "  ", platform::Icon::Exclamation);
    expectFocus(f.CodS);

    f.CodS.setText("");
    pressEnter(f.CodS);
    EXPECT_EQ(f.CodS.text(), "0");
    expectOneMessage("Cod incorect", "  ", platform::Icon::Exclamation);
}

TEST_F(EmployeeForm, ModifyingAFisa1LoadsHimAndHisDependants) {
    Fisa_II& f = deschide();
    cod(f, kX);
    frmGasit& d = dialog();
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(d.caption(), "Cod angajat existent !");
    EXPECT_EQ(d.but[0].caption(), "Modific Fisa 1");
    EXPECT_EQ(d.but[1].caption(), "Modific Fisa 2");
    EXPECT_EQ(d.but[2].caption(), "Sterg Fisa 1");
    EXPECT_EQ(d.but[3].caption(), "Sterg Fisa 2");
    EXPECT_TRUE(d.but[3].enabled());
    EXPECT_EQ(d.widget()->parentWidget(), f.widget()); // over the employee's form, modal to it
    EXPECT_EQ(d.widget()->focusWidget(), d.but[0].widget());
    activate(d); // as the window manager does
    expectFocus(d.but[0]);

    choose(d.but[0]);
    EXPECT_FALSE(frmGasit::loaded());
    activate(f); // the employee's form has the activation back
    EXPECT_EQ(ModIncarcare, 3);
    EXPECT_EQ(f.NumeS.text(), "POPESCU");
    EXPECT_EQ(f.AdrS[0].text(), "ALBA IULIA");
    EXPECT_EQ(f.JudS.text(), "ALBA");
    EXPECT_EQ(f.Xrectif.value(), 1);
    EXPECT_EQ(f.Inv2A.value(), 1);
    EXPECT_EQ(f.Job0.text(), "01/03/2002");
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.but_sterg_fisa.caption(), "Sterge fisa 1");
    EXPECT_TRUE(f.but_sterg_fisa.enabled());
    EXPECT_EQ(TipFisaCrt, 1);
    EXPECT_EQ(Fisa1Date.VenitN[2], "3000000");
    EXPECT_EQ(NrPersoane, 1);
    EXPECT_EQ(Fisa1Date.persoana.NumeI, "POPESCU");
    expectMessages({});

    // "Sterge fisa" deletes the sheet being edited, and his dependants.
    click(f.but_sterg_fisa);
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kFf1Y}));
    EXPECT_EQ(readBytes("Deduceri.txt"), crlf({kDepY}));
    EXPECT_EQ(readBytes("FF2.txt"), crlf({kFf2X}));
    EXPECT_EQ(f.CodS.text(), "");
    EXPECT_EQ(f.NumeS.text(), "");
    EXPECT_EQ(f.AdrS[0].text(), "ALBA IULIA"); // the locality stays for the next employee
    EXPECT_EQ(f.Xrectif.value(), 0);
    EXPECT_EQ(f.but_sterg_fisa.caption(), "Sterge fisa");
    EXPECT_FALSE(f.but_sterg_fisa.enabled());
    expectFocus(f.Option1);
}

TEST_F(EmployeeForm, TheDialogDeletesTheChosenSheetOnly) {
    Fisa_II& f = deschide();
    cod(f, kX);
    choose(dialog().but[3]); // "Sterg Fisa 2"
    EXPECT_FALSE(frmGasit::loaded());
    EXPECT_EQ(readBytes("FF2.txt"), "");
    EXPECT_EQ(platform::files::readLines("FF1.txt").size(), 2u);
    EXPECT_EQ(readBytes("FF2_2002.txt"), "");
    EXPECT_EQ(f.CodS.text(), "");

    // Now he has a Fisa 1 only: the fourth button is empty and disabled.
    cod(f, kX);
    EXPECT_EQ(dialog().but[1].caption(), "Creez Fisa 2");
    EXPECT_EQ(dialog().but[3].caption(), "");
    EXPECT_FALSE(dialog().but[3].enabled());
    choose(dialog().but[1]);
    EXPECT_EQ(ModIncarcare, 4);
    EXPECT_EQ(f.NumeS.text(), "POPESCU");
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_TRUE(AngajatFisaII.Ok_Fisa2);
    EXPECT_FALSE(AngajatFisaII.Ok_Fisa1);
}

TEST_F(EmployeeForm, ClosingTheDialogTakesNoDecisionAndKeepsTheForm) {
    Fisa_II::deschideFormaFisa1 = [] {};
    Fisa_II::deschideFormaFisa2 = [] {};
    Fisa_II& f = deschide();
    f.AdrS[0].setText("SIBIU");
    cod(f, kX);
    EXPECT_TRUE(f.Ok_Fisa1.enabled() && f.Ok_Fisa2.enabled());
    activate(dialog());
    expectFocus(dialog().but[0]);
    closeByCloseBox(dialog());
    runDeferredDeletes();
    EXPECT_FALSE(frmGasit::loaded());
    EXPECT_EQ(f.CodS.text(), kX);
    EXPECT_EQ(f.AdrS[0].text(), "SIBIU");
    EXPECT_EQ(ModIncarcare, 0);
    // Nothing was loaded: no sheet opens until the code is looked up again.
    EXPECT_FALSE(f.Ok_Fisa1.enabled());
    EXPECT_FALSE(f.Ok_Fisa2.enabled());
    EXPECT_EQ(platform::files::readLines("FF1.txt").size(), 2u);
    EXPECT_EQ(platform::files::readLines("FF2.txt").size(), 1u);
}

TEST_F(EmployeeForm, AForeignPersonIsAnnouncedBeforeTheLookup) {
    writeBytes("FF2.txt", crlf({linieFf2(fisa2(kStrain, "SMITH"))}));
    Fisa_II& f = deschide();
    cod(f, kStrain);
    expectOneMessage("Persoana straina (fara drept de deducere).", "  ", platform::Icon::Exclamation);
    EXPECT_EQ(dialog().but[0].caption(), "Modific Fisa 2");
    EXPECT_EQ(dialog().but[2].caption(), "");
    choose(dialog().but[0]);
    EXPECT_EQ(ModIncarcare, 2);
    EXPECT_EQ(f.NumeS.text(), "SMITH");
    EXPECT_EQ(f.JudS.text(), "HUNEDOARA");
    EXPECT_EQ(Fisa2Date.TAS[3], 1);
    EXPECT_EQ(Fisa2Date.VenitCS[0], "500");
    EXPECT_EQ(PozitiiFisa[0], 1);
}

TEST_F(EmployeeForm, ThePickerLoadsAStoredSheetAtOnce) {
    Fisa_II& f = deschide();
    click(f.Option2);
    EXPECT_TRUE(f.Combo1.visible());
    expectFocus(f.Combo1);
    ASSERT_EQ(f.Combo1.listCount(), 3);
    EXPECT_EQ(f.Combo1.list(0), "ILIE ION--" + kY + "--FF1");
    EXPECT_EQ(f.Combo1.list(1), "POPESCU ION--" + kX + "--FF1");
    EXPECT_EQ(f.Combo1.list(2), "POPESCU ION--" + kX + "--FF2");
    EXPECT_EQ(f.Label20.caption(), "LISTA ALFABETICA ( s-au incarcat 3 fise )");

    pick(f.Combo1, "POPESCU ION--" + kX + "--FF2");
    EXPECT_EQ(f.CodS.text(), kX);
    EXPECT_EQ(f.AdrS[0].text(), "DEVA");
    EXPECT_EQ(f.but_sterg_fisa.caption(), "Sterge fisa 2");
    EXPECT_TRUE(f.but_sterg_fisa.enabled());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_TRUE(AngajatFisaII.Ok_Fisa2);
    EXPECT_FALSE(AngajatFisaII.Ok_Fisa1);

    pick(f.Combo1, "POPESCU ION--" + kX + "--FF1");
    EXPECT_EQ(f.AdrS[0].text(), "ALBA IULIA");
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.Job0.text(), "01/03/2002");
    EXPECT_EQ(f.but_sterg_fisa.caption(), "Sterge fisa 1");
    EXPECT_FALSE(AngajatFisaII.Ok_Fisa2);

    click(f.but_sterg_fisa);
    EXPECT_EQ(readBytes("FF1.txt"), crlf({kFf1Y}));
    EXPECT_EQ(readBytes("FF2.txt"), crlf({kFf2X}));
    expectMessages({});

    // "Fise noi" hides the picker and empties the employee, locality and county apart.
    f.NumeS.setText("X");
    click(f.Option1);
    EXPECT_FALSE(f.Combo1.visible());
    EXPECT_EQ(f.NumeS.text(), "");
    EXPECT_EQ(f.AdrS[0].text(), "ALBA IULIA");

    // "Fise incarcate" chosen with an arrow key: the focus goes to the picker, as after a click.
    pressKey(f.Option1, Qt::Key_Down);
    expectFocus(f.Combo1);
    EXPECT_EQ(f.Combo1.listCount(), 2);
}

TEST_F(EmployeeForm, DeletingAPickedFisa2LeavesTheCodeBoxAlone) {
    Fisa_II& f = deschide();
    click(f.Option2);
    pick(f.Combo1, "POPESCU ION--" + kX + "--FF2");
    ASSERT_EQ(f.but_sterg_fisa.caption(), "Sterge fisa 2");
    ASSERT_FALSE(f.Frame1.visible());

    // The button is disabled while it has the focus: the focus must not run
    // on to the code box and check it.
    click(f.but_sterg_fisa);
    EXPECT_EQ(readBytes("FF2.txt"), "");
    expectMessages({});
    EXPECT_EQ(f.CodS.text(), "");
    expectFocus(f.Option1);
    EXPECT_EQ(focused(), f.Option1.widget());

    // Nothing is left to refuse a click elsewhere.
    click(f.Xrectif);
    expectFocus(f.Xrectif);
    expectMessages({});
}

TEST_F(EmployeeForm, DatesAreCheckedWhenTheirBoxIsLeft) {
    Fisa_II& f = nouFaraFisa1();
    click(f.Ok_Fisa1);
    ASSERT_TRUE(f.Frame1.visible());

    typeInto(f.Job0, "12.03.2002");
    pressEnter(f.Job0);
    EXPECT_EQ(f.Job0.text(), "12/03/2002");
    expectFocus(f.Job1);

    typeInto(f.Job1, "11-03-2002");
    pressTab(f.Job1);
    expectOneMessage("\r\nData incetarii activitatii este anterioara datei angajarii. ", "",
                     platform::Icon::None);
    EXPECT_EQ(f.Job1.text(), "");
    expectFocus(f.Job1);

    typeInto(f.Job1, "31/02/2002");
    pressTab(f.Job1);
    expectMessages({"Data incetarii activitatii incorecta."});
    typeInto(f.Job1, "12/03/2002");
    pressTab(f.Job1);
    expectMessages({});
    EXPECT_EQ(f.Job1.text(), "12/03/2002");

    f.Job0.setText("");
    typeInto(f.Job0, "/  /");
    pressTab(f.Job0);
    EXPECT_EQ(f.Job0.text(), "");
    expectMessages({});
}

TEST_F(EmployeeForm, TheMarksExcludeEachOther) {
    Fisa_II& f = nouFaraFisa1();
    click(f.Ok_Fisa1);
    f.Job0.setText("01/02/2002");
    f.XAlteS.setValue(1);

    click(f.Xreg);
    EXPECT_EQ(f.Xreg.value(), 1);
    EXPECT_EQ(f.Job0.text(), "");
    EXPECT_EQ(f.XAlteS.value(), 0);
    EXPECT_FALSE(f.Job0.enabled());
    EXPECT_FALSE(f.Xdedu.enabled());
    EXPECT_FALSE(f.XAlteS.enabled());
    click(f.Xreg);
    EXPECT_TRUE(f.Job0.enabled());
    EXPECT_TRUE(f.Xdedu.enabled());

    f.Inv1A.setValue(1);
    click(f.Xdedu);
    EXPECT_EQ(f.Inv1A.value(), 0);
    EXPECT_FALSE(f.Xreg.enabled());
    EXPECT_FALSE(f.Inv1A.enabled());
    EXPECT_FALSE(f.Inv2A.enabled());
    EXPECT_EQ(AngajatFisaII.Xdedu, 1);

    // A new code clears the marks, and with them what they disabled.
    f.CodS.setFocus();
    EXPECT_EQ(f.Xdedu.value(), 0);
    EXPECT_TRUE(f.Xreg.enabled());
    EXPECT_FALSE(f.Frame1.visible());
}

TEST_F(EmployeeForm, TheAddressFollowsItsRules) {
    Fisa_II& f = nouFaraFisa1();
    typeInto(f.AdrS[0], " bucuresti ");
    pressEnter(f.AdrS[0]);
    EXPECT_EQ(f.JudS.text(), " ");
    expectFocus(f.AdrS[1]);
    EXPECT_EQ(f.AdrS[0].text(), " BUCURESTI "); // as typed, upper-cased
    typeInto(f.AdrS[8], "4");
    pressTab(f.AdrS[8]);
    EXPECT_EQ(f.AdrS[8].text(), ""); // not exactly "BUCURESTI"

    f.AdrS[0].setText("BUCURESTI");
    typeInto(f.AdrS[8], "4");
    EXPECT_EQ(f.AdrS[8].text(), "4");
    pressTab(f.AdrS[8]);
    EXPECT_EQ(f.AdrS[8].text(), "4");

    f.AdrS[0].setText("CLUJ-NAPOCA");
    f.AdrS[8].setText("4");
    typeInto(f.AdrS[7], "12");
    pressEnter(f.AdrS[7]);
    EXPECT_EQ(f.AdrS[8].text(), "");
    expectFocus(f.Ok_Fisa1); // the first sheet button that is enabled
    typeInto(f.AdrS[3], "012345");
    pressTab(f.AdrS[3]);
    EXPECT_EQ(f.AdrS[3].text(), "12345");
    EXPECT_EQ(AngajatFisaII.AdrS[3], "12345");
}

TEST_F(EmployeeForm, Fisa2TakesTheCorrectiveMarkShownNow) {
    bool deschisa = false;
    Fisa_II::deschideFormaFisa2 = [&] { deschisa = true; };
    MarcaRectif = "X"; // left from an earlier employee
    Fisa2Date.VenitCS[0] = "RAMAS";
    Fisa_II& f = deschide();
    ASSERT_TRUE(f.Ok_Fisa2.enabled());
    click(f.Ok_Fisa2);
    expectMessages({"Cod incorect"});
    EXPECT_FALSE(deschisa);

    cod(f, kNou);
    click(f.Ok_Fisa2);
    EXPECT_TRUE(deschisa);
    EXPECT_FALSE(f.visible()); // hidden while his Fisa 2 is open
    EXPECT_EQ(MarcaRectif, "");
    EXPECT_EQ(Fisa2Date.VenitCS[0], ""); // a new Fisa 2 starts empty
}

TEST_F(EmployeeForm, HashCannotBeTyped) {
    Fisa_II& f = deschide();
    typeInto(f.NumeS, "pop#escu");
    typeInto(f.AdrS[1], "str#ada");
    EXPECT_EQ(f.NumeS.text(), "POPESCU");
    EXPECT_EQ(AngajatFisaII.AdrS[1], "strada");
}

TEST_F(EmployeeForm, TheYearLabelFollowsTheDeductionParameters) {
    AnFiscal = 2003;
    Fisa_II& f = deschide();
    EXPECT_EQ(f.AnFisc.caption(), "2003"); // the employer confirmed: the year alone

    // The deduction editor opened: the first line as read ...
    writeBytes("Cuantum.txt", "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n"
                              "13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
    CuantumFrm::deschide();
    EXPECT_EQ(f.AnFisc.caption(), "2002,3,31");
    // ... and the year alone once it saved.
    CuantumFrm::unload();
    runDeferredDeletes();
    EXPECT_EQ(f.AnFisc.caption(), "2002");
    expectMessages({});
}

} // namespace
} // namespace olm::testing
