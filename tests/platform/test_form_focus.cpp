// Got-focus and lost-focus reports: moves between the program's own controls
// only, never the activation leaving for a message box or another window and
// coming back. The text box highlight that follows the focus, and the click
// that waits for the box left.

#include "sample_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace olm::testing {
namespace {

using Log = std::vector<std::string>;

class FormFocus : public SampleFormTest {
protected:
    void SetUp() override {
        other = std::make_unique<QWidget>();
        other->resize(100, 100);
        other->show();
        SampleFormTest::SetUp();
        startInBoxA();
    }
    void TearDown() override {
        SampleFormTest::TearDown();
        other.reset();
    }
    // A window that takes the activation, as a message box does.
    std::unique_ptr<QWidget> other;
};

TEST_F(FormFocus, TabAndMouseMovesReportLostThenGot) {
    SampleForm& f = form();
    pressTab(f.boxA);
    EXPECT_EQ(focused(), f.boxB.widget());
    click(f.boxC);
    EXPECT_EQ(focused(), f.boxC.widget());
    EXPECT_EQ((Log{"A-", "B+", "B-", "C+"}), f.log);
    expectFocus(f.boxC);
    EXPECT_EQ(&f.boxC, f.activeControl());
}

TEST_F(FormFocus, AnotherWindowTakingTheActivationReportsNothing) {
    SampleForm& f = form();
    activate(other.get());
    EXPECT_NE(focused(), f.boxA.widget());
    expectFocus(f.boxA); // the form's focus stays where it was
    activate(f.widget());
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_TRUE(f.log.empty()) << ::testing::PrintToString(f.log);

    // After coming back, a real move is reported as usual.
    pressTab(f.boxA);
    EXPECT_EQ((Log{"A-", "B+"}), f.log);
}

TEST_F(FormFocus, AMessageOnGotFocusDoesNotRunAgainWhenItCloses) {
    SampleForm& f = form();
    int shown = 0;
    f.boxB.onGotFocus([&] {
        ++shown;
        activate(other.get()); // the message box comes up...
        activate(f.widget());  // ...and the clerk closes it
    });
    pressTab(f.boxA);
    QTest::qWait(20);
    EXPECT_EQ(1, shown);
    EXPECT_EQ(focused(), f.boxB.widget());
}

TEST_F(FormFocus, AMessageOnLostFocusStillLetsTheFocusArrive) {
    SampleForm& f = form();
    f.boxA.onLostFocus([&] {
        f.log.push_back("A-");
        activate(other.get());
        activate(f.widget());
    });
    pressTab(f.boxA);
    EXPECT_EQ(focused(), f.boxB.widget());
    EXPECT_EQ((Log{"A-", "B+"}), f.log);
}

TEST_F(FormFocus, TheFocusArrivesWhenTheActivationComesBackAfterTheHandler) {
    SampleForm& f = form();
    // The message box still holds the activation when the handler returns.
    f.boxA.onLostFocus([&] {
        f.log.push_back("A-");
        activate(other.get());
    });
    pressTab(f.boxA);
    EXPECT_EQ((Log{"A-"}), f.log);
    activate(f.widget());
    EXPECT_EQ(focused(), f.boxB.widget());
    EXPECT_EQ((Log{"A-", "B+"}), f.log);
    activate(other.get());
    activate(f.widget());
    EXPECT_EQ((Log{"A-", "B+"}), f.log) << "once there, the activation returning is no move";
}

TEST_F(FormFocus, AFaultyBoxTakesTheFocusBackAfterItsMessage) {
    SampleForm& f = form();
    // The message closes before the focus is sent back...
    f.boxA.onLostFocus([&] {
        f.log.push_back("A-");
        activate(other.get());
        activate(f.widget());
        f.boxA.setFocus();
    });
    pressTab(f.boxA);
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_EQ((Log{"A-", "A+"}), f.log) << "the box the clerk tabbed to never had the focus";

    // ...or the focus is sent back while the message is still up.
    f.log.clear();
    f.boxA.onLostFocus([&] {
        f.log.push_back("A-");
        activate(other.get());
        f.boxA.setFocus();
        activate(f.widget());
    });
    pressTab(f.boxA);
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_EQ((Log{"A-", "A+"}), f.log);
}

TEST_F(FormFocus, TheProgramMovingTheFocusOnAnInactiveWindowIsReportedWhenItComesBack) {
    SampleForm& f = form();
    activate(other.get());
    EXPECT_TRUE(f.boxC.setFocus());
    activate(f.widget());
    EXPECT_EQ(focused(), f.boxC.widget());
    EXPECT_EQ((Log{"A-", "C+"}), f.log);
}

TEST_F(FormFocus, ALostFocusHandlerMovingTheFocusHasTheLastWord) {
    SampleForm& f = form();
    f.boxA.onLostFocus([&] {
        f.log.push_back("A-");
        f.boxB.setFocus();
    });
    activate(other.get());
    f.boxC.setFocus();
    activate(f.widget());
    EXPECT_EQ(focused(), f.boxB.widget());
    EXPECT_EQ((Log{"A-", "B+"}), f.log);
}

TEST_F(FormFocus, AControlThatCannotTakeTheFocusRefusesIt) {
    SampleForm& f = form();
    f.boxB.setEnabled(false);
    EXPECT_FALSE(f.boxB.setFocus());
    f.group.setVisible(false);
    EXPECT_FALSE(f.one.setFocus()) << "its frame is hidden";
    EXPECT_TRUE(f.one.visible()) << "its own setting is kept";
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_TRUE(f.log.empty());

    // A disabled box is passed over by Tab as well.
    pressTab(f.boxA);
    EXPECT_EQ(focused(), f.boxC.widget());
}

TEST_F(FormFocus, DisablingOrHidingTheFocusedControlReachesNoOtherControl) {
    SampleForm& f = form();
    f.boxA.setEnabled(false); // the next of the Tab order is box B
    EXPECT_TRUE(f.log.empty()) << ::testing::PrintToString(f.log);
    EXPECT_EQ(f.activeControl(), &f.boxA);
    EXPECT_NE(focused(), f.boxB.widget());
    EXPECT_EQ(f.boxB.widget()->palette().color(QPalette::Base),
              QApplication::palette(f.boxB.widget()).color(QPalette::Base)); // not highlighted

    // The next move is reported from where the focus was.
    ASSERT_TRUE(f.two.setFocus());
    EXPECT_EQ((Log{"A-"}), f.log);
    f.group.setVisible(false);
    EXPECT_NE(focused(), f.pick.widget());
    ASSERT_TRUE(f.ok.setFocus());
    EXPECT_EQ((Log{"A-", "Ok+"}), f.log);
}

TEST_F(FormFocus, EveryControlThatTakesTheFocusShowsAMark) {
    SampleForm& f = form();
    platform::ComboBox typed{f, {150, 130, 150, 24}, platform::ComboStyle::DropDownCombo};
    platform::ListBox list{f, {10, 160, 120, 30}};
    list.addItem("unu");
    list.setListIndex(0);
    struct Row {
        const char* name;
        platform::Control& control;
    };
    const Row rows[] = {{"text box", f.boxB}, {"button", f.ok},   {"check box", f.mark},
                        {"option button", f.two}, {"list", f.pick}, {"list to type in", typed},
                        {"list box", list}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(f.boxA.setFocus());
        const QImage without = r.control.widget()->grab().toImage();
        ASSERT_TRUE(r.control.setFocus()); // by the program, as Enter moves it
        EXPECT_NE(r.control.widget()->grab().toImage(), without);
    }
}

TEST_F(FormFocus, AFocusedBoxIsHighlightedUntilItIsLeft) {
    SampleForm& f = form();
    const QPalette system = QApplication::palette(f.boxA.widget());
    auto base = [](platform::Control& c) { return c.widget()->palette().color(QPalette::Base); };
    auto text = [](platform::Control& c) { return c.widget()->palette().color(QPalette::Text); };

    EXPECT_EQ(system.color(QPalette::Highlight), base(f.boxA));
    EXPECT_EQ(system.color(QPalette::HighlightedText), text(f.boxA));
    EXPECT_EQ(system.color(QPalette::Base), base(f.boxB));

    // A message box over the form leaves the highlight as it is.
    activate(other.get());
    EXPECT_EQ(system.color(QPalette::Highlight), base(f.boxA));
    activate(f.widget());

    pressTab(f.boxA);
    EXPECT_EQ(system.color(QPalette::Base), base(f.boxA));
    EXPECT_EQ(system.color(QPalette::Text), text(f.boxA));
    EXPECT_EQ(system.color(QPalette::Highlight), base(f.boxB));

    // A box with a colour of its own gets it back.
    f.boxA.setBackColor({255, 255, 0});
    f.boxA.setFocus();
    EXPECT_EQ(system.color(QPalette::Highlight), base(f.boxA));
    f.boxB.setFocus();
    EXPECT_EQ(QColor(255, 255, 0), base(f.boxA));
}

TEST_F(FormFocus, ADropDownListIsHighlightedOnlyWhenTheFormAsksForIt) {
    SampleForm& f = form();
    platform::ComboBox asked(f, {150, 130, 150, 24});
    asked.setHighlightOnFocus(true);
    const QPalette system = QApplication::palette(asked.widget());
    auto back = [](platform::Control& c) { return c.widget()->palette().color(QPalette::Button); };
    f.pick.setFocus();
    EXPECT_EQ(system.color(QPalette::Button), back(f.pick));
    asked.setFocus();
    EXPECT_EQ(system.color(QPalette::Highlight), back(asked));
    EXPECT_EQ(system.color(QPalette::HighlightedText), asked.widget()->palette().color(QPalette::Text));
    f.boxA.setFocus();
    EXPECT_EQ(system.color(QPalette::Button), back(asked));
}

TEST_F(FormFocus, TakingTheFocusSelectsTheWholeTextUnlessSwitchedOff) {
    SampleForm& f = form();
    f.boxB.setText("POPESCU");
    f.boxC.setText("ION");
    f.boxC.setSelectAllOnFocus(false);
    pressEnter(f.boxA);
    EXPECT_EQ("POPESCU", f.boxB.selectedText());
    pressTab(f.boxB);
    EXPECT_EQ("", f.boxC.selectedText());
    f.boxB.setFocus();
    EXPECT_EQ("POPESCU", f.boxB.selectedText()) << "the program's setFocus too";
}

TEST_F(FormFocus, AClickWaitsForTheBoxLeftWhichMayStopIt) {
    SampleForm& f = form();
    f.mark.onClick([&] { f.log.push_back("Mark!"); });
    const std::pair<Log, std::function<void()>> ways[] = {{{"A-", "Ok+", "Ok!"}, [&] { click(f.ok); }},
                                                          {{"A-", "Ok+", "Ok!"}, [&] { pressAccessKey(f, 'o'); }},
                                                          {{"A-", "Mark!"}, [&] { click(f.mark); }}};
    for (const auto& [acted, act] : ways) {
        for (const bool refuse : {false, true}) {
            SCOPED_TRACE(::testing::PrintToString(acted) + (refuse ? " refused" : ""));
            startInBoxA();
            f.boxA.onLostFocus([&, refuse] {
                f.log.push_back("A-");
                (void)(refuse && f.boxA.setFocus());
            });
            act();
            EXPECT_EQ(refuse ? Log({"A-", "A+"}) : acted, f.log);
        }
    }
    // A message shown as the box is left takes the mouse's release: the click is made all the same.
    startInBoxA();
    f.boxA.onLostFocus([&] { QTest::mouseRelease(f.ok.widget(), Qt::LeftButton); });
    QTest::mousePress(f.ok.widget(), Qt::LeftButton);
    EXPECT_EQ(Log({"Ok+", "Ok!"}), f.log);
}

TEST_F(FormFocus, TheFirstControlOfAFormJustShownReportsItsFocus) {
    dropSampleForm();
    SampleForm& f = form();
    showActive(f);
    QTest::qWait(10);
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_EQ((Log{"A+"}), f.log);
}

TEST_F(FormFocus, AnUnloadedFormReportsNothingMore) {
    SampleForm& f = form();
    int got = 0;
    f.boxB.onGotFocus([&] { ++got; });
    f.boxA.onLostFocus([&] { SampleForm::unload(); });
    pressTab(f.boxA);
    EXPECT_FALSE(SampleForm::loaded());
    EXPECT_EQ(0, got);
    runDeferredDeletes();
}

} // namespace
} // namespace olm::testing
