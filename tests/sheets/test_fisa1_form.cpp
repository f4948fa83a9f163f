// The Fisa 1 form driven through its widgets, from the employee's form to the
// saved line.

#include "fisa1_test_support.h"
#include "main_window/decision_dialog.h"
#include "main_window/employee_form.h"
#include "sheets/fisa1_form.h"
#include "sheets/install.h"
#include "shared/dependants.h"
#include "support/drive.h"
#include "support/label_fit.h"

#include <QWidget>

#include <cmath>
#include <filesystem>

namespace olm::testing {
namespace {

class Fisa1Form : public Fisa1Rules {
protected:
    void SetUp() override {
        Fisa1Rules::SetUp();
        for (const char* nume : {"FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            writeBytes(nume, "");
        }
        instaleazaFormeFise();
    }
    void TearDown() override {
        unloadAllForms();
        Fisa_II::deschideFormaFisa1 = nullptr;
        Fisa_II::deschideFormaFisa2 = nullptr;
        Fisa1Rules::TearDown();
    }

    // Types into a box and leaves it with Enter.
    static void tasteaza(platform::TextBox& caseta, const std::string& text) {
        ASSERT_TRUE(typeInto(caseta, text));
        ASSERT_TRUE(pressEnter(caseta));
    }

    // The employee's form with a new employee hired on the date, his sheet opened.
    static Fisa1_F& deschideFisaNoua(const std::string& angajare, const std::string& cod = kAngajat) {
        Fisa_II::deschideDinAngajator("CLUJ");
        Fisa_II& e = Fisa_II::instance();
        activate(e);
        tasteaza(e.CodS, cod);
        e.NumeS.setText("POPESCU");
        e.PrenS.setText("ION");
        e.AdrS[0].setText("CLUJ-NAPOCA");
        click(e.Ok_Fisa1);
        typeInto(e.Job0, angajare);
        click(e.Command1);
        EXPECT_FALSE(e.visible());
        Fisa1_F& f = Fisa1_F::instance();
        EXPECT_TRUE(activate(f));
        return f;
    }
};

TEST_F(Fisa1Form, ANewSheetTypedAndSavedByTheCloseBox) {
    Fisa1_F& f = deschideFisaNoua("15.03.2002");
    EXPECT_EQ(f.caption(), "Fisa fiscala I - POPESCU ION, cod numeric 1800101221144");
    EXPECT_EQ(labelsCutShort(f), std::vector<std::string>{});
    EXPECT_TRUE(f.Fisa1_III.visible());
    expectFocus(f.Command9);
    EXPECT_FALSE(f.CoefProp[1].visible());
    EXPECT_EQ(f.CoefProp[2].text(), "1");
    ASSERT_TRUE(click(f.Picture1));
    EXPECT_EQ(fakeCalculator().starts, 1);

    tasteaza(f.CoefProp[3], "1,5");
    EXPECT_EQ(f.Inv2A.value(), 1);
    expectFocus(f.CoefProp[4]);
    tasteaza(f.CoefProp[4], "3");
    EXPECT_EQ(f.CoefProp[4].text(), "1");

    click(f.Command9); // to IV.C, whose "OK" leads to section V
    EXPECT_TRUE(f.Fisa1_IIIC.visible());
    click(f.Command7);
    EXPECT_TRUE(f.Fisa1_IV.visible());
    expectFocus(f.VenitN[2]);
    for (int i = 2; i < 12; ++i) {
        tasteaza(f.VenitN[i], "3000000");
    }
    expectFocus(f.VenitN[12]); // the hidden months are passed over

    click(f.Command12);
    EXPECT_EQ(f.Bif[7].value(), 1);

    // The last value typed counts, though the box was never left; of a
    // pasted row of cells only the first.
    pasteInto(f.VenitN[11], "4000000.6\t720000");
    fakeDialogs().answer(platform::Answer::Yes);
    EXPECT_TRUE(closeByCloseBox(f));
    runDeferredDeletes();
    EXPECT_FALSE(Fisa1_F::loaded());
    expectMessages({{"Coeficient gresit", " ", platform::Icon::Exclamation},
                    {"Salvati modificarile?", "  ", platform::Icon::None}});
    EXPECT_EQ(readBytes("FF1.txt"),
              crlf({"1800101221144,#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,##,##,,##,##,##,##,,##,##,##,##,##,#X#,"
                    "##,15/03/2002,,,,1,1.5,1,1,1,1,1,1,1,1,,,1,1.5,1,1,1,1,1,1,1,1,,,,,3000000,252000,"
                    "3000000,108000,3000000,252000,3000000,252000,3000000,252000,3000000,252000,3000000,"
                    "252000,3000000,252000,3000000,252000,4000001,252000,,,31000001,2376000,10,2400000,,,"
                    ",,,,,,,"}));
    Fisa_II& e = Fisa_II::instance();
    EXPECT_TRUE(e.visible());
    EXPECT_EQ(e.CodS.text(), "");
    EXPECT_EQ(e.AdrS[0].text(), "CLUJ-NAPOCA");
}

TEST_F(Fisa1Form, TwoDependantsRegisteredSavedAndFoundAgain) {
    Fisa1_F& f = deschideFisaNoua("15.03.2002");
    EXPECT_FALSE(f.Command10.enabled());
    click(f.Command9);
    ASSERT_TRUE(f.Fisa1_IIIC.visible());
    expectFocus(f.Ok_PersU);
    EXPECT_FALSE(f.Ok_StergP.enabled());

    // A spouse: code, names, quality, then her coefficients from the conditions.
    tasteaza(f.CodI, "2700315123451");
    EXPECT_EQ(f.Alta.value(), 1);
    EXPECT_EQ(f.Label34.caption(), "(Varsta = 32 ani)");
    EXPECT_EQ(f.Ok_PersU.toolTip(), "Sunt inregistrate 1 persoane");
    tasteaza(f.NumeI, "ionescu");
    tasteaza(f.PrenI, "maria");
    expectFocus(f.Sotie);
    click(f.Sotie);
    click(f.PreiauConditii);
    EXPECT_FALSE(f.Sotie.enabled());

    // A child on the next row, his coefficients typed.
    click(f.Ok_PersU);
    expectFocus(f.CodI);
    tasteaza(f.CodI, "1850101123451");
    EXPECT_EQ(f.Copil.value(), 1);
    ASSERT_TRUE(typeInto(f.CoefI[2], "1"));
    ASSERT_TRUE(pressTab(f.CoefI[2]));
    tasteaza(f.CoefI[3], "0,5");
    tasteaza(f.CoefI[4], "2");
    EXPECT_EQ(f.CoefI[4].text(), "0");
    EXPECT_EQ(f.inv2.value(), 1);
    EXPECT_EQ(f.CoefCalc[2].text(), "2.5");
    expectMessages({{"Coeficient gresit", " ", platform::Icon::Exclamation}});

    click(f.Command7); // section V computes the months of expenses
    click(f.Command4);
    ASSERT_TRUE(click(f.Command10));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF1.txt"});
    EXPECT_NE(readBytes("ListF1.txt").find("   2. Cod 1850101123451\r\n"), std::string::npos);
    fakeDialogs().answer(platform::Answer::Yes);
    EXPECT_TRUE(closeByCloseBox(f));
    runDeferredDeletes();
    expectMessages({"Salvati modificarile?"});
    EXPECT_EQ(readBytes("Deduceri.txt"),
              crlf({kAngajat + ",2700315123451,#IONESCU#,#MARIA#,#X#,##,#X#,##,##,##,,,0.5,0.5,0.5,0.5,0.5,0.5,"
                               "0.5,0.5,0.5,0.5",
                    kAngajat + ",1850101123451,##,##,##,#X#,##,##,#X#,##,,,1,0.5,,,,,,,,"}));

    // Opened again: the first dependant shown, the next one a click away.
    Fisa_II& e = Fisa_II::instance();
    activate(e);
    tasteaza(e.CodS, kAngajat);
    ASSERT_TRUE(frmGasit::loaded());
    click(frmGasit::instance().but[0]); // "Modific Fisa 1"
    runDeferredDeletes();
    click(e.Command1);
    Fisa1_F& g = Fisa1_F::instance();
    ASSERT_TRUE(activate(g));
    EXPECT_EQ(g.CoefCalc[2].text(), "2.5");
    click(g.Command9);
    EXPECT_EQ(g.CodI.text(), "2700315123451");
    EXPECT_EQ(g.NumeI.text(), "IONESCU");
    EXPECT_FALSE(g.Sotie.enabled());
    click(g.Ok_PersU);
    EXPECT_EQ(g.CodI.text(), "1850101123451");
    EXPECT_EQ(g.CoefI[3].text(), "0.5");
    EXPECT_EQ(g.Text2.text(), "2");
    expectMessages({});
    fakeDialogs().answer(platform::Answer::No);
    EXPECT_TRUE(closeByCloseBox(g));
}

TEST_F(Fisa1Form, AccessKeysAndClicksTakeWhatWasTypedAndTabFollowsEnter) {
    Fisa1_F& f = deschideFisaNoua("15.03.2002");
    auto tab = [](platform::Control& from, platform::Control& to) { // along the Enter chain, then the buttons
        EXPECT_TRUE(from.setFocus() && pressTab(from) && expectFocus(to));
    };
    tab(f.CoefProp[11], f.Command9);
    auto luminance = [&f](QPalette::ColorRole role) { // of a disabled box's colour, sRGB, plus the screen's flare
        const QColor k = f.CoefCalc[2].widget()->palette().color(QPalette::Disabled, role);
        auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(k.redF()) + 0.7152 * lin(k.greenF()) + 0.0722 * lin(k.blueF()) + 0.05;
    };
    const double text = luminance(QPalette::Text), back = luminance(QPalette::Base);
    EXPECT_GE(std::max(text, back) / std::min(text, back), 4.5) << "the contrast of its text";
    click(f.Command9);
    pressEnter(f.Ok_PersU);
    expectFocus(f.CodI);
    tasteaza(f.CodI, "2700315123451"); // 32 years old: another person, 0.5 a month
    click(f.PreiauConditii);
    tab(f.CoefI[11], f.Ok_PersU);
    typeInto(f.CoefI[3], "1");
    pressAccessKey(f, 'u');
    EXPECT_EQ(CelulaPersoana(1, 13) + "/" + f.CoefCalc[3].text() + "/" + f.Text2.text(), "1/2/2");
    typeInto(f.CodI, "1850101123452"); // a wrong check digit keeps the row
    pressAccessKey(f, 'u');
    EXPECT_TRUE(expectFocus(f.CodI) && f.Text2.text() == "2");
    expectMessages({{"CNP incorect.", "", platform::Icon::Exclamation}});

    typeInto(f.CodI, "");
    pressAccessKey(f, 'i');
    tasteaza(f.VenitN[2], "6200000");
    click(f.VenitN[2]);
    typeKeys(f.VenitN[2], "6500000");
    tab(f.VenitN[2], f.VenitN[3]);
    EXPECT_EQ(f.VenitN[2].text() + "/" + f.ImpP[2].text(), "6500000/853000"); // a coefficient of 1.5
    fakeDialogs().answer(platform::Answer::Yes);
    EXPECT_TRUE(closeByCloseBox(f));
    EXPECT_NE(readBytes("Deduceri.txt").find(",,,0.5,1,0.5,"), std::string::npos);
}

TEST_F(Fisa1Form, ADateOfAnotherYearKeepsTheSheetClosed) {
    Fisa_II::deschideDinAngajator("CLUJ");
    Fisa_II& e = Fisa_II::instance();
    activate(e);
    tasteaza(e.CodS, kAngajat);
    click(e.Ok_Fisa1);
    e.Job1.setText("30/06/2003"); // as a stored sheet brings it, never left
    click(e.Command1);
    EXPECT_FALSE(Fisa1_F::loaded());
    expectOneMessage("\r\nAnul difera de anul fiscal de referinta 2002.", "", platform::Icon::None);
    EXPECT_EQ(e.Job1.text(), "");
    expectFocus(e.Job1);
}

TEST_F(Fisa1Form, AForeignPersonSeesSectionVAloneAndAFailedSaveKeepsTheWindow) {
    Fisa1_F& f = deschideFisaNoua("", "9701011234561");
    EXPECT_TRUE(f.Fisa1_IV.visible());
    EXPECT_FALSE(f.Fisa1_III.visible());
    EXPECT_FALSE(f.Command1.enabled());
    EXPECT_FALSE(f.Luni.enabled());
    expectFocus(f.VenitN[0]);
    EXPECT_EQ(f.CoefProp[0].text(), "");
    ASSERT_TRUE(typeInto(f.VenitN[0], "3000000"));

    std::filesystem::remove("FF1.txt");
    std::filesystem::create_directory("FF1.txt"); // the sheet file cannot be written
    expectMessages({"Persoana straina (fara drept de deducere)."});
    fakeDialogs().answer(platform::Answer::Yes);
    EXPECT_FALSE(closeByCloseBox(f));
    runDeferredDeletes();
    ASSERT_TRUE(Fisa1_F::loaded());
    expectMessages({"Salvati modificarile?", {"Eroare 75 la citirea fisierului FF1.txt.", "",
                                              platform::Icon::Exclamation}});
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.VenitN[0].text(), "3000000");
    EXPECT_EQ(f.ImpP[0].text(), "600000");

    // No writes nothing and lets the window go.
    fakeDialogs().answer(platform::Answer::No);
    ASSERT_TRUE(click(f.Command4));
    ASSERT_TRUE(click(f.Command5));
    runDeferredDeletes();
    EXPECT_FALSE(Fisa1_F::loaded());
    EXPECT_TRUE(std::filesystem::is_directory("FF1.txt"));
    EXPECT_TRUE(Fisa_II::instance().visible());
}

} // namespace
} // namespace olm::testing
