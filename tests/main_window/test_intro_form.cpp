// The main window driven through its widgets: start-up, commands and exit.

#include "main_window/employer_form.h"
#include "main_window/intro_form.h"
#include "platform/date_style.h"
#include "tax_parameters/impozit_frm.h"
#include "shared/state.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/sample_data.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using namespace olm::testing;
using olm::Intro;

class IntroForm : public ::testing::Test {
protected:
    void SetUp() override {
        olm::resetState();
        writeBytes("Cuantum.txt", "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
    }
    void TearDown() override { unloadAllForms(); }
    Intro& start() {
        EXPECT_TRUE(olm::Main());
        Intro& intro = Intro::instance();
        activate(intro);
        return intro;
    }
};

TEST_F(IntroForm, StartsOnTheMainWindowAndExitWritesTheYearlyCopies) {
    writeBytes("FF1.txt", "last year\r\n");
    Intro& intro = start();

    EXPECT_TRUE(intro.visible());
    EXPECT_EQ(intro.caption(), "Impozitul pe venit (varianta distribuita de Velmora) - versiunea 2.1 /2002");
    EXPECT_EQ(olm::Judete[42], "VRANCEA");
    EXPECT_EQ(olm::NrRandImpozitar, 129);
    EXPECT_EQ(readBytes("FF1_2001.txt"), "last year\r\n");
    writeBytes("FF1.txt", "this year\r\n");

    // The window's close box.
    closeByCloseBox(intro);
    runDeferredDeletes();
    EXPECT_FALSE(Intro::loaded());

    EXPECT_EQ(readBytes("FF1_2002.txt"), "this year\r\n");
    EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
    for (const char* f : {"Rep_2002.txt", "FF2_2002.txt", "Ded_2002.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(f)) << f;
    }
    expectMessages({});
}

TEST_F(IntroForm, OpenWindowsRunTheirOwnClosingStepsBeforeTheExit) {
    Intro& intro = start();
    click(*intro.Command8);
    ASSERT_TRUE(olm::ImpozitFrm::loaded());

    closeByCloseBox(intro);
    runDeferredDeletes();

    EXPECT_FALSE(olm::ImpozitFrm::loaded());
    // The grid editor writes its file when it closes, comment block included.
    EXPECT_NE(readBytes("Impozitar.txt").find("eof\r\nDaca apar erori"), std::string::npos);
}

TEST_F(IntroForm, WithoutDeductionParametersTheProgramSaysSoAndEnds) {
    std::filesystem::remove("Cuantum.txt");
    EXPECT_FALSE(olm::Main());
    expectOneMessage("Fisierul Cuantum.txt nu exista. Programul nu poate porni fara parametrii din Cuantum.txt.", "",
                     olm::platform::Icon::Exclamation);
    runDeferredDeletes();
    EXPECT_FALSE(Intro::loaded());
    EXPECT_FALSE(std::filesystem::exists("FF1.txt"));
}

TEST_F(IntroForm, ButtonsOfWindowsNotYetThereStayDisabled) {
    Intro& intro = start();
    for (auto* b : {intro.Command3.get(), intro.Command5.get(), intro.Command2.get(),
                    intro.Command11.get(), intro.Command6.get(), intro.Command9.get()}) {
        EXPECT_FALSE(b->enabled()) << b->caption();
    }
    for (auto* b : {intro.Command1.get(), intro.Tabel5.get(), intro.But_salvari.get(), intro.b_salv.get(), intro.b_rest.get(),
                    intro.Command10.get(), intro.Command8.get(), intro.Command7.get()}) {
        EXPECT_TRUE(b->enabled()) << b->caption();
    }
}

TEST_F(IntroForm, SortingMakesTheAlphabeticalCopiesAndTheHelpUntickesIt) {
    auto sample = olm::testing::generateSample(30, {});
    olm::testing::writeSample(sample, olm::testing::yearlyFileNames(2002));
    Intro& intro = start();

    click(*intro.Check1);
    ASSERT_EQ(intro.Check1->value(), 1);
    EXPECT_TRUE(std::filesystem::exists("ff1_sort1.txt"));
    EXPECT_TRUE(std::filesystem::exists("ff2_sort1.txt"));

    fakeDialogs().answer(olm::platform::Answer::Yes);
    writeBytes("help1.hlp", "help text\r\n");
    click(*intro.Command7);

    EXPECT_EQ(intro.Check1->value(), 0);
    EXPECT_FALSE(std::filesystem::exists("ff1_sort1.txt"));
    EXPECT_FALSE(std::filesystem::exists("ff2_sort1.txt"));
    expectOneMessage("Doriti listarea fisierului help.txt ?", "", olm::platform::Icon::None,
                     olm::platform::Buttons::YesNo);
    // The help contents first, then the printable help text.
    ASSERT_EQ(fakeTextViewer().shown.size(), 2u);
    EXPECT_EQ(fakeTextViewer().shown[1], "help.txt");
}

TEST_F(IntroForm, TheSheetsOpenOnlyWithADayFirstDateStyle) {
    Intro& intro = start();
    olm::platform::setShortDateStyle("MM/dd/yy");
    click(*intro.Command1);
    olm::platform::setShortDateStyle("dd/MM/yy");

    expectMessages({"Nu aveti setarea 'Short date Style: dd/mm/yy' (la Regional Settings)."});
    EXPECT_TRUE(intro.visible());
    EXPECT_FALSE(olm::Fisa_I::loaded());

    click(*intro.Command1);
    ASSERT_TRUE(olm::Fisa_I::loaded());
    EXPECT_TRUE(olm::Fisa_I::instance().visible());
    EXPECT_FALSE(intro.visible());
}

TEST_F(IntroForm, BackgroundRunsFromBlueToBlack) {
    Intro& intro = start();
    QWidget* fundal = intro.Fundal->widget();
    QImage image(fundal->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    fundal->render(&image);
    const int h = image.height();
    EXPECT_EQ(QColor(image.pixel(5, 0)), QColor(0, 0, 255));
    EXPECT_NEAR(QColor(image.pixel(5, h / 2)).blue(), 128, 2);
    EXPECT_EQ(QColor(image.pixel(5, h / 2)).red(), 0);
    EXPECT_LE(QColor(image.pixel(5, h - 1)).blue(), 1);
}

// A window with unsaved edits that asks on closing and will not close.
class RefusingForm : public olm::platform::SingleForm<RefusingForm> {
    friend class olm::platform::SingleForm<RefusingForm>;

public:
    static inline std::vector<bool> answers;
    static inline bool refuse = true;

protected:
    void formUnload(bool& cancel) override {
        answers.push_back(olm::platform::askYesNo("Salvati modificarile?", " "));
        cancel = refuse;
    }
};

TEST_F(IntroForm, EndedFromOutsideNoWindowAsksAndTheExitStepsRun) {
    writeBytes("FF1.txt", "last year\r\n");
    start();
    RefusingForm::instance().show();
    RefusingForm::answers.clear();
    writeBytes("FF1.txt", "this year\r\n");

    olm::TerminaLaCerere();
    runDeferredDeletes();

    EXPECT_FALSE(Intro::loaded());
    // Asked, and nobody answered: No.
    EXPECT_FALSE(RefusingForm::answers.empty());
    EXPECT_EQ(std::count(RefusingForm::answers.begin(), RefusingForm::answers.end(), true), 0);
    EXPECT_EQ(readBytes("FF1_2002.txt"), "this year\r\n");
    EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
    EXPECT_FALSE(std::filesystem::exists(".olm.lock"));
    EXPECT_TRUE(fakeDialogs().messages.empty());
    RefusingForm::refuse = false;
    RefusingForm::unload();
    olm::platform::setUnattended(false);
}

TEST_F(IntroForm, FilesThatCannotBeSwappedAreReportedAndTheProgramEndsWithAFailure) {
    writeBytes("FF1.txt", "last year\r\n");
    std::filesystem::create_directory("FF2_2002.txt");
    int cod = 0;
    EXPECT_FALSE(olm::Main(&cod));
    EXPECT_EQ(cod, 1);
    ASSERT_EQ(fakeDialogs().messages.size(), 1u);
    EXPECT_NE(fakeDialogs().messages[0].text.find("Eroare 75 la fisierul FF2_2002.txt. Nici un fisier nu a fost "
                                                  "schimbat. Programul se opreste."),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("FF1_2001.txt"));
    runDeferredDeletes();
    EXPECT_FALSE(Intro::loaded());
}

} // namespace
