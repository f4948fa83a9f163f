// The window of other functions driven from the main window: each entry of
// its list reaches its function (whose rules are tested without windows).

#include "exchange/install.h"
#include "exchange/other_functions_form.h"
#include "main_window/intro_form.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/sample_data.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace olm::testing {
namespace {

namespace files = platform::files;

class AlteFunctiiForm : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        writeBytes("Cuantum.txt", "2002,03,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,1600000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", "13,0,999999999,0,10\r\n 1,0,1800000,0,18\r\neof\r\n");
        writeSample(generateSample(20), yearlyFileNames(2002));
        instaleazaSchimburi();
        ASSERT_TRUE(Main());
        ASSERT_TRUE(activate(Intro::instance()));
    }
    void TearDown() override {
        unloadAllForms();
        Intro::deschideAlteFunctii = nullptr;
    }
};

TEST_F(AlteFunctiiForm, EachEntryRunsItsFunctionOnAClickOrEnterOnly) {
    Intro& intro = Intro::instance();
    ASSERT_TRUE(click(*intro.Command6));
    ASSERT_TRUE(AlteFunctii::loaded());
    AlteFunctii& w = AlteFunctii::instance();
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(w.caption(), "Alte functii ale aplicatiei");
    EXPECT_EQ(w.widget()->parentWidget(), intro.widget()) << "stays in front of the main window";
    EXPECT_EQ(w.widget()->windowModality(), Qt::WindowModal);
    expectFocus(w.List1);

    // The arrows move the selection and run nothing; Enter runs the entry
    // chosen, the regularisation, which the alphabetical copy follows.
    const auto inainte = files::readLines("FF1.txt");
    intro.Check1->setValue(1);
    ASSERT_TRUE(pressKey(w.List1, Qt::Key_Home));
    ASSERT_TRUE(pressKey(w.List1, Qt::Key_Down));
    expectMessages({});
    EXPECT_EQ(files::readLines("FF1.txt"), inainte);
    ASSERT_TRUE(pressEnter(w.List1));
    expectOneMessage("Regularizarea a fost efectuata.", " ", platform::Icon::None);
    auto ff1 = files::readLines("FF1.txt");
    EXPECT_NE(ff1, inainte);
    EXPECT_EQ(files::readLines("FF1_2002.txt"), ff1);
    EXPECT_TRUE(std::ranges::is_permutation(files::readLines("ff1_sort1.txt"), ff1));

    // A click on each of the other entries reaches its function.
    fakeDialogs().answerInput(std::nullopt);
    fakeDialogs().answer(platform::Answer::No);
    fakeDialogs().answer(platform::Answer::No);
    for (int i : {0, 2, 3, 4}) {
        ASSERT_TRUE(pick(w.List1, w.List1.list(i)));
    }
    const auto texte = fakeDialogs().texts();
    ASSERT_EQ(texte.size(), 5u);
    EXPECT_TRUE(texte[0].starts_with("   Preluare abandonata."));
    EXPECT_EQ(texte[1], "Restaurarea nu a fost efectuata.");
    EXPECT_EQ(texte[2], "Doriti sa stergeti fisierele text de date din directorul de lucru ?");
    EXPECT_TRUE(texte[3].starts_with("Salvarea a fost efectuata in subdirectorul "));
    EXPECT_TRUE(texte[4].starts_with("    Fiecare angajator trebuie sa predea"));
    fakeDialogs().messages.clear();

    ASSERT_TRUE(click(w.Command11));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"help1.txt"});
    ASSERT_TRUE(closeByCloseBox(w));
    runDeferredDeletes();
    EXPECT_FALSE(AlteFunctii::loaded());
    EXPECT_TRUE(intro.visible());
}

} // namespace
} // namespace olm::testing
