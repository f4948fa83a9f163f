// The window of other functions driven from the main window: each entry of
// its list reaches its function (whose rules are tested without windows).

#include "exchange/install.h"
#include "exchange/other_functions_form.h"
#include "main_window/intro_form.h"
#include "platform/files.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace olm::testing {
namespace {

namespace files = platform::files;
using platform::Answer;
using platform::Icon;

class AlteFunctiiForm : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        writeBytes("Cuantum.txt", "2002,03,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,1600000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", "13,0,999999999,0,10\r\n 1,0,1800000,0,18\r\neof\r\n");
        // A whole-year sheet to regularise, after a line that is none.
        std::vector<std::string> c(structuraFf1().size());
        c[0] = "1800101221144";
        c[1] = "POPESCU";
        c[72] = "9000000";
        for (std::size_t i = 22; i < 34; ++i) {
            c[i] = "1";
        }
        fisa_ = unesteCampuri(c, structuraFf1());
        files::writeLines("FF1_2002.txt", {"o linie straina", fisa_});
        instaleazaSchimburi();
        ASSERT_TRUE(Main());
        ASSERT_TRUE(activate(intro()));
    }
    void TearDown() override {
        unloadAllForms();
        Intro::deschideAlteFunctii = nullptr;
    }
    static Intro& intro() { return Intro::instance(); }

    std::string fisa_;
};

TEST_F(AlteFunctiiForm, EachEntryRunsItsFunctionOnAClickOrEnterOnly) {
    ASSERT_TRUE(click(*intro().Command6));
    ASSERT_TRUE(AlteFunctii::loaded());
    AlteFunctii& w = AlteFunctii::instance();
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(w.caption(), "Alte functii ale aplicatiei");
    EXPECT_EQ(w.widget()->parentWidget(), intro().widget()) << "stays in front of the main window";
    EXPECT_EQ(w.widget()->windowModality(), Qt::WindowModal);
    ASSERT_EQ(w.List1.listCount(), 5);
    expectFocus(w.List1);

    // The arrows move the selection and run nothing.
    ASSERT_TRUE(pressKey(w.List1, Qt::Key_Home));
    ASSERT_TRUE(pressKey(w.List1, Qt::Key_Down));
    EXPECT_EQ(w.List1.listIndex(), 1);
    expectMessages({});
    EXPECT_EQ(files::readLines("FF1.txt")[1], fisa_);

    // Enter runs the entry chosen: the regularisation, which the sorted copy follows.
    intro().Check1->setValue(1);
    ASSERT_TRUE(pressEnter(w.List1));
    expectOneMessage("Regularizarea a fost efectuata. Liniile care nu au structura fisei 1 au fost copiate "
                     "nemodificate: 1.",
                     " ", Icon::None);
    const auto ff1 = files::readLines("FF1.txt");
    ASSERT_EQ(ff1.size(), 2u);
    EXPECT_EQ(taieCampuri(ff1[1], structuraFf1()).campuri[14], "X");
    EXPECT_EQ(files::readLines("FF1_2002.txt"), ff1);
    EXPECT_EQ(files::readLines("ff1_sort1.txt"), ff1);

    // A click on the other entries.
    fakeDialogs().answerInput(std::nullopt);
    fakeDialogs().answer(Answer::No);
    for (const char* intrare :
         {"1. PRELUARE fise fiscale  din anul precedent (initializate si fara fisele celor plecati).",
          "3. RESTAURARE   fisiere de date  (din subdirector in directorul de lucru)",
          "4. SALVARE   fisiere de date  (intr-un subdirector desemnat prin cod angajator)",
          "5. UNIRE  fisiere de date preluate de pe una sau mai multe dischete"}) {
        ASSERT_TRUE(pick(w.List1, intrare));
    }
    const auto texte = fakeDialogs().texts();
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_TRUE(texte[0].starts_with("   Preluare abandonata."));
    EXPECT_EQ(texte[1], "Restaurarea nu a fost efectuata.");
    EXPECT_EQ(texte[2], "Fisiere goale.");
    EXPECT_TRUE(texte[3].starts_with("    Fiecare angajator trebuie sa predea"));
    fakeDialogs().messages.clear();

    ASSERT_TRUE(click(w.Command11));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"help1.txt"});

    ASSERT_TRUE(closeByCloseBox(w));
    runDeferredDeletes();
    EXPECT_FALSE(AlteFunctii::loaded());
    EXPECT_TRUE(intro().visible());
}

} // namespace
} // namespace olm::testing
