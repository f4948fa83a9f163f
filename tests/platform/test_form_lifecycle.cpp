// One global instance per form class: created and loaded on first use,
// destroyed by unloading (by the program or the close box), cancelled by its
// unload handler; and the hourglass pointer over long work.

#include "sample_form.h"
#include "support/fakes.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <stdexcept>

namespace olm::testing {
namespace {

class FormLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        dropSampleForm();
        SampleForm::loads = 0;
        SampleForm::unloads = 0;
    }
    void TearDown() override { dropSampleForm(); }
};

// A second form class, to show two windows at once.
class OtherForm : public platform::SingleForm<OtherForm> {
    friend class platform::SingleForm<OtherForm>;

public:
    platform::TextBox box{*this, {10, 10, 100, 22}};

private:
    OtherForm() { setSize(200, 100); }
};

TEST_F(FormLifecycle, TheInstanceIsMadeAndLoadedOnceOnFirstUse) {
    EXPECT_FALSE(SampleForm::loaded());
    SampleForm& first = SampleForm::instance();
    EXPECT_TRUE(SampleForm::loaded());
    EXPECT_EQ(&first, &SampleForm::instance());
    EXPECT_EQ(1, SampleForm::loads);
    EXPECT_FALSE(first.visible()) << "loading does not show the form";
}

TEST_F(FormLifecycle, UnloadingDestroysItAndTheNextUseStartsAfresh) {
    SampleForm& f = SampleForm::instance();
    showActive(f);
    f.boxA.setText("POPESCU");
    f.mark.setValue(1);
    QPointer<QWidget> window = f.widget();

    EXPECT_TRUE(SampleForm::unload());
    EXPECT_EQ(1, SampleForm::unloads);
    EXPECT_FALSE(SampleForm::loaded());
    EXPECT_FALSE(window->isVisible());
    runDeferredDeletes();
    EXPECT_TRUE(window.isNull()) << "the window went with the form";

    SampleForm& again = SampleForm::instance();
    EXPECT_EQ(2, SampleForm::loads);
    EXPECT_EQ("", again.boxA.text());
    EXPECT_EQ(0, again.mark.value());
}

TEST_F(FormLifecycle, TheUnloadHandlerCanKeepTheForm) {
    SampleForm& f = SampleForm::instance();
    showActive(f);
    f.refuseUnload = true;
    EXPECT_FALSE(SampleForm::unload());
    EXPECT_TRUE(SampleForm::loaded());
    EXPECT_TRUE(f.visible());

    // The close box asks the same handler.
    EXPECT_FALSE(closeByCloseBox(f));
    EXPECT_EQ(2, SampleForm::unloads);
    EXPECT_TRUE(SampleForm::loaded());
    EXPECT_TRUE(f.visible());

    f.refuseUnload = false;
    EXPECT_TRUE(closeByCloseBox(f));
    EXPECT_FALSE(SampleForm::loaded());
    EXPECT_FALSE(f.visible());
    runDeferredDeletes();
}

TEST_F(FormLifecycle, HidingKeepsTheFormAndItsContents) {
    SampleForm& f = SampleForm::instance();
    showActive(f);
    f.boxA.setText("X");
    f.hide();
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(SampleForm::loaded());
    EXPECT_EQ(0, SampleForm::unloads);
    f.show();
    EXPECT_EQ("X", SampleForm::instance().boxA.text());
}

TEST_F(FormLifecycle, AFormCanUnloadItselfFromItsOwnHandler) {
    SampleForm& f = SampleForm::instance();
    showActive(f);
    bool finished = false;
    f.ok.onClick([&] {
        EXPECT_TRUE(SampleForm::unload());
        // The handler goes on with its own form still whole.
        f.boxA.setText("after");
        EXPECT_TRUE(f.Form::unload()) << "already unloaded: its handler does not run again";
        finished = true;
    });
    f.ok.click();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(SampleForm::loaded());
    EXPECT_EQ(1, SampleForm::unloads);
    runDeferredDeletes();
    EXPECT_EQ("", SampleForm::instance().boxA.text());
}

TEST_F(FormLifecycle, AnUnloadHandlerAskingToUnloadAgainIsNotRunTwice) {
    class Reentrant : public platform::SingleForm<Reentrant> {
        friend class platform::SingleForm<Reentrant>;

    public:
        int unloads = 0;

    protected:
        void formUnload(bool&) override {
            ++unloads;
            EXPECT_FALSE(unload());
        }
    };
    Reentrant& f = Reentrant::instance();
    EXPECT_TRUE(Reentrant::unload());
    EXPECT_EQ(1, f.unloads);
    runDeferredDeletes();
}

// A form that unloads itself while loading, as long as refuse is set.
class Refusing : public platform::SingleForm<Refusing> {
    friend class platform::SingleForm<Refusing>;

public:
    platform::TextBox box{*this, {10, 10, 100, 22}};
    static inline bool refuse = true;

protected:
    void formLoad() override {
        if (refuse) {
            EXPECT_TRUE(unload());
        }
    }
};

TEST_F(FormLifecycle, AFormThatUnloadsItselfWhileLoadingIsHandedBackUnloaded) {
    Refusing& f = Refusing::instance();
    EXPECT_TRUE(f.unloaded());
    EXPECT_FALSE(Refusing::loaded());
    f.show();
    EXPECT_FALSE(f.visible());
    runDeferredDeletes();

    Refusing::refuse = false;
    EXPECT_FALSE(Refusing::instance().unloaded()) << "the next use makes a new one";
    EXPECT_TRUE(Refusing::unload());
    runDeferredDeletes();
}

TEST_F(FormLifecycle, FormsAreShownSideBySide) {
    SampleForm& a = SampleForm::instance();
    OtherForm& b = OtherForm::instance();
    showActive(a);
    showActive(b);
    EXPECT_TRUE(a.visible());
    EXPECT_TRUE(b.visible());
    EXPECT_FALSE(a.widget()->isModal());
    EXPECT_FALSE(b.widget()->isModal());
    // The first form still takes keys once it is active again.
    showActive(a);
    a.boxA.setFocus();
    typeKeys(a.boxA, "ab");
    EXPECT_EQ("ab", a.boxA.text());
    OtherForm::unload();
    runDeferredDeletes();
}

TEST_F(FormLifecycle, CaptionsAreBytes) {
    SampleForm& f = SampleForm::instance();
    f.setCaption("Fisa fiscala I - \xC9");
    EXPECT_EQ("Fisa fiscala I - \xC9", f.caption());
    EXPECT_EQ(QString::fromUtf8("Fisa fiscala I - \u00C9"), f.widget()->windowTitle());
}

// A window that counts the times it is drawn.
struct Painted : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST_F(FormLifecycle, TheHourglassStandsOnTheFormsWhichArePaintedMeanwhileAndStay) {
    SampleForm& f = SampleForm::instance();
    ASSERT_TRUE(showActive(f));
    Painted other; // a window of another kind, such as the text viewer
    other.show();
    QCoreApplication::processEvents();
    const auto shape = [](const QWidget* w) { return w->cursor().shape(); };
    const int before = other.paints;
    try {
        platform::BusyCursor busy;
        { platform::BusyCursor nested; }
        EXPECT_TRUE(platform::busy());
        EXPECT_EQ(Qt::WaitCursor, shape(f.widget()));
        EXPECT_EQ(Qt::WaitCursor, shape(f.boxA.widget())) << "over the text boxes too";
        EXPECT_EQ(Qt::ArrowCursor, shape(&other));
        EXPECT_FALSE(f.widget()->close()) << "a form stays while its work runs";

        other.update();
        platform::keepPainted(); // the first time at once
        EXPECT_EQ(other.paints, before + 1);
        other.update();
        platform::keepPainted();
        EXPECT_EQ(other.paints, before + 1) << "not again before a tenth of a second";
        fakeClock().now += 0.2;
        platform::keepPainted();
        EXPECT_EQ(other.paints, before + 2);
        throw std::runtime_error("disk full");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(platform::busy());
    EXPECT_EQ(Qt::ArrowCursor, shape(f.widget()));
    EXPECT_EQ(Qt::IBeamCursor, shape(f.boxA.widget()));
    other.update();
    fakeClock().now += 1;
    platform::keepPainted();
    EXPECT_EQ(other.paints, before + 2) << "outside long work the event loop paints";
    EXPECT_TRUE(f.widget()->close());
}

TEST_F(FormLifecycle, TheCloseBoxCanFirstLeaveTheFocusedBox) {
    SampleForm& f = SampleForm::instance();
    showActive(f);
    f.boxA.setFocus();
    f.log.clear();
    f.refuseUnload = true; // the log must be read after the close

    EXPECT_FALSE(closeByCloseBox(f));
    EXPECT_EQ(f.log, std::vector<std::string>{}) << "by default nothing is left";

    f.setLeaveFocusOnClose(true);
    EXPECT_FALSE(closeByCloseBox(f));
    EXPECT_EQ(f.log, std::vector<std::string>{"A-"});
    f.log.clear();
    EXPECT_FALSE(closeByCloseBox(f));
    EXPECT_EQ(f.log, std::vector<std::string>{}) << "left once only";
}

TEST_F(FormLifecycle, AWindowShownOverAnotherIsModalToIt) {
    SampleForm& owner = SampleForm::instance();
    owner.widget()->move(300, 200);
    showActive(owner);
    OtherForm& over = OtherForm::instance();
    over.showOver(owner);
    EXPECT_TRUE(over.visible());
    // Centred over the owner (its frame, not known before it is shown, may
    // shift it by a few pixels).
    EXPECT_LE((over.widget()->frameGeometry().center() - owner.widget()->frameGeometry().center())
                  .manhattanLength(),
              8);
    EXPECT_EQ(over.widget()->parentWidget(), owner.widget());
    EXPECT_EQ(over.widget()->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(over.widget()->isWindow());
    // The window manager keeps it in front of its owner: a dialog (a plain
    // window is not marked as the owner's), the owner its transient parent.
    EXPECT_EQ(over.widget()->windowType(), Qt::Dialog);
    EXPECT_EQ(over.widget()->windowHandle()->transientParent(), owner.widget()->windowHandle());
    // Activating the owner activates the window over it.
    activate(owner.widget());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == over.widget(); }));
    EXPECT_TRUE(OtherForm::unload());
    runDeferredDeletes();
    EXPECT_TRUE(owner.visible()) << "the owner stays";

    // A window made and shown once on its own is put over the owner all the same.
    OtherForm::instance().show();
    OtherForm::instance().hide();
    OtherForm::instance().showOver(owner);
    EXPECT_EQ(OtherForm::instance().widget()->windowHandle()->transientParent(), owner.widget()->windowHandle());
    OtherForm::unload();
    runDeferredDeletes();

    // The owner going takes the window over it first.
    OtherForm::instance().showOver(owner);
    EXPECT_TRUE(SampleForm::unload());
    EXPECT_FALSE(OtherForm::loaded());
    runDeferredDeletes();
}

TEST_F(FormLifecycle, AWindowOpensOnTheScreenAndComesBackWhereItStood) {
    SampleForm& f = SampleForm::instance();
    const QRect room = f.widget()->screen()->availableGeometry();
    f.setSize(room.width() - 100, room.height() - 60);
    f.show();
    EXPECT_LE((f.widget()->frameGeometry().center() - room.center()).manhattanLength(), 8);

    // Moved by the clerk, hidden, shown again: where it stood.
    f.widget()->move(room.topLeft() + QPoint(10, 20));
    f.hide();
    f.show();
    EXPECT_EQ(f.widget()->pos(), room.topLeft() + QPoint(10, 20));
}

} // namespace
} // namespace olm::testing
