// The deduction-parameters window driven through its widgets: what its boxes
// do to typed text, the Enter chain, the view-only way in, and what closing
// leaves in "Cuantum.txt".

#include "tax_parameters/cuantum_frm.h"

#include "platform/files.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/drive.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    void TearDown() override { unloadForm<CuantumFrm>(); }

    static CuantumFrm& deschide() {
        CuantumFrm::deschide();
        CuantumFrm& f = CuantumFrm::instance();
        activate(f);
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
    EXPECT_EQ(texts({&f.AnF, &f.Cuanta[12], &f.Sotie[4], &f.hand3}),
              (std::vector<std::string>{"2002", "21600000", "1", "0.25"}));
    EXPECT_FALSE(f.hand3.enabled()) << "shown, never edited";
    EXPECT_FALSE(f.prima_zi.visible());
    EXPECT_FALSE(f.ultima_zi.visible());
    expectFocus(f.Cuanta[0]);

    typeInto(f.Copil[2], "0,75");
    pressEnter(f.Copil[2]);
    expectFocus(f.Copil[3]);
    EXPECT_EQ(f.Copil[2].text(), "0.75");

    click(f.Command1);
    EXPECT_FALSE(CuantumFrm::loaded());
    std::vector<std::string> asteptat = liniiCuantum();
    asteptat[3] = " 3,1800000,0.75,1,0.5,";
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(asteptat));
    EXPECT_EQ(CoefCopil[2], "0.75");
    EXPECT_EQ(AnFiscal, 2002);
    expectMessages({});
}

TEST_F(CuantumFrmTest, AmountsKeepTheNumberAtTheirStart) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    // Only the value before the second dot; an empty amount is 0; a "," ends an amount.
    const char* tastate[] = {"1.500.000", "1900000", "", "1800000,5"};
    for (int i = 0; i < 4; ++i) {
        typeInto(f.Cuanta[i], tastate[i]);
        pressEnter(f.Cuanta[i]);
    }
    EXPECT_EQ(texts({&f.Cuanta[0], &f.Cuanta[1], &f.Cuanta[2], &f.Cuanta[3]}),
              (std::vector<std::string>{"1.5", "1900000", "0", "1800000"}));

    // The year takes four characters when typed.
    typeInto(f.AnF, "200345");
    EXPECT_EQ(f.AnF.text(), "2003");
    pressEnter(f.AnF);
    expectFocus(f.Cuanta[0]);

    unloadForm<CuantumFrm>();
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
    pressEnter(f.Cuanta[12]);
    expectFocus(f.Copil[0]);
    f.Copil[11].setFocus();
    pressEnter(f.Copil[11]);
    expectFocus(f.Sotie[0]);
    f.Alta[11].setFocus();
    pressEnter(f.Alta[11]);
    expectFocus(f.Maxi);
    pressEnter(f.Maxi);
    pressEnter(f.hand1);
    expectFocus(f.hand2); // hand3 is outside the chain
    pressEnter(f.hand2);
    expectFocus(f.Proc_ch);
    pressEnter(f.Proc_ch);
    pressEnter(f.CotaIF);
    expectFocus(f.Command1);
    pressEnter(f.Command1); // presses "OK"
    EXPECT_FALSE(CuantumFrm::loaded());
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(liniiCuantum()));
}

TEST_F(CuantumFrmTest, ASaveThatFailsIsReportedAndTheFileStaysWhole) {
    const std::string fisier = crlf(liniiCuantum());
    CuantumFrm& f = deschide(fisier);
    typeInto(f.Copil[2], "0,75");
    {
        const auto redenumire = FailingWriter::atRename("cuantum.txt");
        click(f.Command1);
        EXPECT_EQ(redenumire.failures(), 1);
    }
    expectOneMessage("Eroare 57 la scrierea fisierului Cuantum.txt.", "", platform::Icon::Exclamation);
    EXPECT_EQ(readBytes("Cuantum.txt"), fisier);
    EXPECT_EQ(entries(), std::vector<std::string>{"Cuantum.txt"});
}

TEST_F(CuantumFrmTest, ABoxStillBeingTypedInIsSavedNormalised) {
    CuantumFrm& f = deschide(crlf(liniiCuantum()));
    // Two cells of a copied row: the amount is the first, never both run together.
    pasteInto(f.Cuanta[1], "1500000\t2");
    typeInto(f.CotaIF, "0,16");
    unloadForm<CuantumFrm>(); // the close box, the focus still in the box
    std::vector<std::string> asteptat = liniiCuantum();
    asteptat[2] = " 2,1500000,0.5,1,0.5,";
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

    unloadForm<CuantumFrm>();
    EXPECT_EQ(readBytes("Cuantum.txt"), fisier);
    expectMessages({});

    // The next opening starts from the designed state.
    CuantumFrm& g = deschide();
    EXPECT_TRUE(g.Command1.visible());
    EXPECT_TRUE(g.Copil[0].enabled());
    EXPECT_FALSE(g.hand3.enabled());
}

TEST_F(CuantumFrmTest, ParametersThatCannotBeReadAreNeverWrittenOver) {
    const std::string numaiVizualizare = "\r\nParametrii pot fi numai vizualizati; fisierul nu va fi rescris.";
    CuantumFrm& f = deschide();
    expectOneMessage("Fisierul Cuantum.txt nu exista." + numaiVizualizare, "", platform::Icon::Exclamation);
    EXPECT_TRUE(f.citireEsuata());
    EXPECT_FALSE(f.Cuanta[0].enabled());
    EXPECT_FALSE(f.Command1.visible());
    unloadForm<CuantumFrm>();
    EXPECT_FALSE(platform::files::exists("Cuantum.txt"));

    std::filesystem::create_directory("Cuantum.txt");
    deschide();
    expectOneMessage("Cuantum.txt este un director, nu un fisier." + numaiVizualizare, "", platform::Icon::Exclamation);
    unloadForm<CuantumFrm>();
    EXPECT_TRUE(std::filesystem::is_directory("Cuantum.txt"));
    std::filesystem::remove("Cuantum.txt");

    // A file cut short keeps its bytes.
    std::vector<std::string> scurt = liniiCuantum();
    scurt.resize(8);
    deschide(crlf(scurt));
    expectOneMessage("Fisierul Cuantum.txt nu se termina cu linia eof." + numaiVizualizare, "",
                     platform::Icon::Exclamation);
    unloadForm<CuantumFrm>();
    EXPECT_EQ(readBytes("Cuantum.txt"), crlf(scurt));
}

} // namespace
} // namespace olm::testing
