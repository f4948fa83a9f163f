// The verification window driven from the main window: the diskette's text
// files and the working directory's DBF tables brought in, "Lista erori",
// the report (or the converter's list) in the viewer.

#include "acquisition_test_support.h"
#include "exchange/install.h"
#include "exchange/verification_form.h"
#include "main_window/intro_form.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "transfer/dbf_test_support.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace olm::testing {
namespace {

namespace files = platform::files;
using platform::Icon;

const std::string Angajator = "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,,##,##";

class VerificationWindow : public AcquisitionTest {
protected:
    void SetUp() override {
        AcquisitionTest::SetUp();
        writeBytes("Cuantum.txt", "2002,03,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,1600000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", "13,0,999999999,0,10\r\n 1,0,1800000,0,18\r\neof\r\n");
        for (const char* copie : {"Rep_2002.txt", "FF1_2002.txt", "FF2_2002.txt", "Ded_2002.txt"}) {
            writeBytes(copie, "");
        }
        instaleazaSchimburi();
        ASSERT_TRUE(Main());
        ASSERT_TRUE(activate(Intro::instance()));
        ASSERT_TRUE(click(*Intro::instance().Command9));
        ASSERT_TRUE(activate(w()));
    }
    void TearDown() override {
        unloadAllForms();
        Intro::deschideAlteFunctii = Intro::deschideVerif_fis = nullptr;
        AcquisitionTest::TearDown();
    }
    static Verif_fis& w() { return Verif_fis::instance(); }
    // "VERIFICARE" after the clerk's answer to its question.
    void verificare(platform::Answer raspuns) {
        fakeDialogs().answer(raspuns);
        ASSERT_TRUE(click(w().Command1));
        expectOneMessage("Se sterg fisierele TXT existente in \r\ndirectorul aplicatiei. Continuati ? ", "",
                         Icon::None, platform::Buttons::YesNo);
    }
    // Which of "VERIFICARE" and "Lista erori" can be pressed, and whether "  Asteptati !" shows.
    static std::string stare() {
        return std::string(w().Command1.enabled() ? "V" : "-") + (w().Command2.enabled() ? "L" : "-") +
               (w().Label1.visible() ? "A" : "-");
    }
};

TEST_F(VerificationWindow, TheDisketteTextFilesGiveTheReportInTheViewerAndOnPaper) {
    Intro& intro = Intro::instance();
    EXPECT_EQ(w().caption(), "Verificare fisiere din alte aplicatii");
    EXPECT_EQ(w().widget()->parentWidget(), intro.widget()) << "stays in front of the main window";
    EXPECT_EQ(w().widget()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(texts({&w().Option2[0], &w().Option2[1], &w().Option1[0], &w().Option1[1]}),
              (std::vector<std::string>{"1", "0", "0", "1"}));
    EXPECT_EQ(stare(), "V--");
    EXPECT_EQ(readBytes("tr12.txt"), "2002\r\n");
    ASSERT_TRUE(click(w().Command3));
    ASSERT_EQ(fakeDialogs().messages.size(), 1u);
    EXPECT_EQ(fakeDialogs().messages[0].title, "Atentie la selectarea optiunilor de verificare.");
    EXPECT_TRUE(fakeDialogs().messages[0].text.ends_with("\r\nsi se continua verificarile pentru fisierele text."));
    fakeDialogs().messages.clear();

    // The working directory's text files: no question, the checks at once.
    ASSERT_TRUE(click(w().Command1));
    EXPECT_EQ(stare(), "-L-");
    ASSERT_TRUE(click(w().Command2));
    expectOneMessage("Rep_2002.txt e gol, Ff1_2002.txt e gol, Ff2_2002.txt e gol, Ded_2002.txt e gol. ", "", Icon::None);
    EXPECT_EQ(stare(), "V--");

    // The diskette's employer (of the earlier form, repaired there too) and Fisa 1 files.
    writeBytes("discheta/Rep_2002.txt", readBytes(example("verification/in/Repfisc.txt")));
    writeBytes("discheta/FF1_2002.txt", readBytes(example("verification/in/FF1.txt")));
    ASSERT_TRUE(click(w().Option2[1]));
    verificare(platform::Answer::Yes);
    EXPECT_EQ(stare(), "-L-");
    EXPECT_EQ(readBytes("discheta/Rep_2002.txt"), Angajator + "\r\n");
    EXPECT_EQ(fakeClock().waits, std::vector<double>{5});
    EXPECT_EQ(readBytes("FF1.txt"), readBytes(example("verification/in/FF1.txt")));
    EXPECT_EQ(readBytes("FF1_2002.txt"), readBytes("FF1.txt")) << "the yearly copy follows";

    // The alphabetical copies, while kept, follow the files the checks rewrite.
    intro.Check1->setValue(1);
    ASSERT_TRUE(click(w().Command2));
    expectMessages({});
    EXPECT_TRUE(std::ranges::is_permutation(files::readLines("ff1_sort1.txt"), files::readLines("FF1.txt")));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"erori.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].pages[0][0], "1.Erori privind inregistrarile multiple, goale sau cu structura eronata.");
    expectShownAndPrintedUnderHourglass();
    EXPECT_EQ(readBytes("erori_10203045.txt"), readBytes("erori.txt"));
    EXPECT_EQ(stare(), "V--");

    ASSERT_TRUE(closeByCloseBox(w()));
    runDeferredDeletes();
    EXPECT_FALSE(Verif_fis::loaded());
    EXPECT_TRUE(intro.visible());
}

TEST_F(VerificationWindow, DbfTablesOfTheWorkingDirectoryGoThroughTheConverter) {
    const auto& tabele = transfer::TabeleDbf();
    scrieTabel("Rep_2002.dbf", coloaneStrat(tabele[0]),
               {valoriStrat(tabele[0], Angajator)});
    auto fara = coloaneStrat(tabele[1]);
    fara.pop_back(); // VSCUTIT
    scrieTabel("FF1_2002.dbf", fara, {});
    writeBytes("FF1.txt", "as it was\r\n");

    ASSERT_TRUE(click(w().Option1[0]));
    verificare(platform::Answer::No);
    EXPECT_EQ(stare(), "V--");
    EXPECT_EQ(readBytes("FF1.txt"), "as it was\r\n");

    // A structure error: "Lista erori" shows the converter's list, no check runs.
    verificare(platform::Answer::Yes);
    ASSERT_TRUE(click(w().Command2));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ferr.txt"});
    EXPECT_EQ(files::readLines("ferr.txt"), std::vector<std::string>{"Fisierul FF1_2002.dbf: lipseste coloana VSCUTIT."});
    EXPECT_FALSE(files::exists("erori.txt"));
    EXPECT_EQ(stare(), "V--");

    // The tables right: converted (FF2 and Ded from their templates) and checked.
    scrieTabel("FF1_2002.dbf", coloaneStrat(tabele[1]), {});
    verificare(platform::Answer::Yes);
    EXPECT_FALSE(files::exists("ferr.txt"));
    EXPECT_EQ(readBytes("FF2_2002.dbf"), readBytes("FF2.dbf"));
    EXPECT_EQ(readBytes("Rep_2002.txt"), Angajator + "\r\n") << "the yearly copy follows";
    ASSERT_TRUE(click(w().Command2));
    expectOneMessage("Verificarea a fost efectuata si nu sunt erori. Ff1_2002.txt e gol, Ff2_2002.txt e gol, "
                     "Ded_2002.txt e gol. ", "", Icon::None);
}

} // namespace
} // namespace olm::testing
