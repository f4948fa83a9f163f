// The deduction-parameters window driven through its widgets: what its boxes
// do to typed text, the Enter chain, the view-only way in, and what closing
// leaves in "Cuantum.txt".

#include "tax_parameters/cuantum_frm.h"

#include "shared/state.h"
#include "support/fakes.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

std::vector<std::string> liniiCuantum() {
    std::vector<std::string> linii{"2002,01,31"};
    for (int luna = 1; luna <= 12; ++luna) {
        linii.push_back((luna < 10 ? " " : "") + std::to_string(luna) + ",1800000,0.5,1,0.5,");
    }
    linii.push_back("13,21600000,3,1,0.5,0.25,0.15,0.1,");
    linii.push_back("eof");
    return linii;
}

class CuantumFrmTest : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { inchide<CuantumFrm>(); }

    static CuantumFrm& deschide() {
        CuantumFrm::deschide();
        CuantumFrm& f = CuantumFrm::instance();
        activeaza(f);
        return f;
    }
    // Opens the window on a parameters file of these bytes.
    static CuantumFrm& deschide(const std::string& fisier) {
        writeBytes("Cuantum.txt", fisier);
        return deschide();
    }

    // Every box of the window but the two hidden working days.
    static std::vector<platform::TextBox*> casete(CuantumFrm& f) {
        std::vector<platform::TextBox*> toate{&f.AnF, &f.Maxi, &f.hand1, &f.hand2,
                                              &f.hand3, &f.Proc_ch, &f.CotaIF};
        for (int i = 0; i < 13; ++i) {
            toate.push_back(&f.Cuanta[i]);
        }
        for (int i = 0; i < 12; ++i) {
            toate.push_back(&f.Copil[i]);
            toate.push_back(&f.Sotie[i]);
            toate.push_back(&f.Alta[i]);
        }
        return toate;
    }
};

TEST_F(CuantumFrmTest, ShowsTheFileAndSavesACoefficientTypedWithAComma) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    EXPECT_EQ(f.caption(), "Initializari parametri conform legislatiei in vigoare");
    EXPECT_EQ(f.AnF.text(), "2002");
    EXPECT_EQ(f.Cuanta[12].text(), "21600000");
    EXPECT_EQ(f.Sotie[4].text(), "1");
    EXPECT_EQ(f.hand3.text(), "0.25");
    EXPECT_FALSE(f.hand3.enabled()) << "shown, never edited";
    EXPECT_FALSE(f.prima_zi.visible());
    EXPECT_FALSE(f.ultima_zi.visible());
    EXPECT_TRUE(f.Cuanta[0].hasFocus());

    tasteaza(f.Copil[2], "0,75");
    enter(f.Copil[2]);
    EXPECT_TRUE(f.Copil[3].hasFocus());
    EXPECT_EQ(f.Copil[2].text(), "0.75");

    clic(f.Command1);
    EXPECT_FALSE(CuantumFrm::loaded());
    std::vector<std::string> asteptat = liniiCuantum();
    asteptat[3] = " 3,1800000,0.75,1,0.5,";
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(asteptat));
    EXPECT_EQ(CoefCopil[2], "0.75");
    EXPECT_EQ(AnFiscal, 2002);
    EXPECT_TRUE(fakeDialogs().messages.empty());
}

TEST_F(CuantumFrmTest, AmountsKeepTheNumberAtTheirStart) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    tasteaza(f.Cuanta[0], "1.500.000"); // only the value before the second dot
    enter(f.Cuanta[0]);
    EXPECT_EQ(f.Cuanta[0].text(), "1.5");
    tasteaza(f.Cuanta[1], "1900000");
    enter(f.Cuanta[1]);
    EXPECT_EQ(f.Cuanta[1].text(), "1900000");
    tasteaza(f.Cuanta[2], "");
    enter(f.Cuanta[2]);
    EXPECT_EQ(f.Cuanta[2].text(), "0");
    tasteaza(f.Cuanta[3], "1800000,5"); // a "," ends an amount
    enter(f.Cuanta[3]);
    EXPECT_EQ(f.Cuanta[3].text(), "1800000");

    // The year takes four characters when typed.
    tasteaza(f.AnF, "200345");
    EXPECT_EQ(f.AnF.text(), "2003");
    enter(f.AnF);
    EXPECT_TRUE(f.Cuanta[0].hasFocus());

    inchide<CuantumFrm>();
    std::vector<std::string> asteptat = liniiCuantum();
    asteptat[0] = "2003,01,31";
    asteptat[1] = " 1,1.5,0.5,1,0.5,";
    asteptat[2] = " 2,1900000,0.5,1,0.5,";
    asteptat[3] = " 3,0,0.5,1,0.5,";
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(asteptat));
    EXPECT_EQ(DeducereBaza[1], 1900000);
}

TEST_F(CuantumFrmTest, TheEnterChain) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    f.Cuanta[12].setFocus();
    enter(f.Cuanta[12]);
    EXPECT_TRUE(f.Copil[0].hasFocus());
    f.Copil[11].setFocus();
    enter(f.Copil[11]);
    EXPECT_TRUE(f.Sotie[0].hasFocus());
    f.Alta[11].setFocus();
    enter(f.Alta[11]);
    EXPECT_TRUE(f.Maxi.hasFocus());
    enter(f.Maxi);
    enter(f.hand1);
    EXPECT_TRUE(f.hand2.hasFocus()) << "hand3 is outside the chain";
    enter(f.hand2);
    EXPECT_TRUE(f.Proc_ch.hasFocus());
    enter(f.Proc_ch);
    enter(f.CotaIF);
    EXPECT_TRUE(f.Command1.hasFocus());
    enter(f.Command1); // presses "OK"
    EXPECT_FALSE(CuantumFrm::loaded());
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(liniiCuantum()));
}

TEST_F(CuantumFrmTest, ABoxStillBeingTypedInIsSavedNormalised) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    tasteaza(f.CotaIF, "0,16");
    inchide<CuantumFrm>(); // the close box, the focus still in the box
    std::vector<std::string> asteptat = liniiCuantum();
    asteptat[13] = "13,21600000,3,1,0.5,0.25,0.15,0.16,";
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(asteptat));
}

TEST_F(CuantumFrmTest, TheViewOnlyWayInChangesNothing) {
    const std::string fisier = crlf(liniiCuantum());
    writeBytes("Cuantum.txt", fisier);
    CuantumFrm::deschideVizualizare();
    CuantumFrm& f = CuantumFrm::instance();
    EXPECT_TRUE(f.visible());
    for (platform::TextBox* c : casete(f)) {
        EXPECT_FALSE(c->enabled());
    }
    EXPECT_FALSE(f.Command1.visible());
    EXPECT_EQ(f.Copil[0].text(), "0.5");

    inchide<CuantumFrm>();
    EXPECT_EQ(readBytes("Cuantum.txt"), fisier);
    EXPECT_TRUE(fakeDialogs().messages.empty());

    // The next opening starts from the designed state.
    CuantumFrm& g = deschide();
    EXPECT_TRUE(g.Command1.visible());
    EXPECT_TRUE(g.Copil[0].enabled());
    EXPECT_FALSE(g.hand3.enabled());
}

TEST_F(CuantumFrmTest, ParametersThatCannotBeReadAreNeverWrittenOver) {
    CuantumFrm& f = deschide();
    ASSERT_EQ(fakeDialogs().messages.size(), 1u);
    EXPECT_NE(fakeDialogs().messages[0].text.find("Cuantum.txt"), std::string::npos);
    EXPECT_EQ(fakeDialogs().messages[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(f.citireEsuata());
    EXPECT_FALSE(f.Cuanta[0].enabled());
    EXPECT_FALSE(f.Command1.visible());
    inchide<CuantumFrm>();
    EXPECT_FALSE(existaFisier("Cuantum.txt"));

    // A file cut short keeps its bytes.
    std::vector<std::string> scurt = liniiCuantum();
    scurt.resize(8);
    fakeDialogs().messages.clear();
    deschide(crlf(scurt));
    EXPECT_EQ(fakeDialogs().messages.size(), 1u);
    inchide<CuantumFrm>();
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(scurt));
}

} // namespace
} // namespace olm::testing
