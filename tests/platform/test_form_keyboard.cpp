// The Enter key of the forms layer: the fixed Enter order, buttons clicked by
// Enter, and the key handlers that use the key up or move the focus.

#include "sample_form.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

using platform::key::Enter;

class FormEnterKey : public SampleFormTest {
protected:
    void SetUp() override {
        SampleFormTest::SetUp();
        startInBoxA();
    }
};

TEST_F(FormEnterKey, MovesAlongTheOrderSkippingDisabledAndHiddenControls) {
    SampleForm& f = form();
    pressEnter(f.boxA);
    EXPECT_EQ(focused(), f.boxB.widget());
    EXPECT_EQ((std::vector<std::string>{"A-", "B+"}), f.log);

    f.boxC.setEnabled(false);
    pressEnter(f.boxB);
    EXPECT_EQ(focused(), f.ok.widget()) << "the disabled box is skipped";

    f.boxC.setEnabled(true);
    f.boxA.setFocus();
    f.boxB.setVisible(false);
    pressEnter(f.boxA);
    EXPECT_EQ(focused(), f.boxC.widget()) << "the hidden box is skipped";

    // The keypad's Enter key moves as well.
    f.boxB.setVisible(true);
    f.boxA.setFocus();
    pressKey(f.boxA, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(focused(), f.boxB.widget());
}

TEST_F(FormEnterKey, OnAButtonClicksItInsteadOfMoving) {
    SampleForm& f = form();
    f.ok.setFocus();
    f.log.clear();
    pressEnter(f.ok);
    EXPECT_EQ((std::vector<std::string>{"Ok!"}), f.log);
    EXPECT_EQ(focused(), f.ok.widget());
}

TEST_F(FormEnterKey, AfterTheLastControlComesTheFirst) {
    SampleForm& f = form();
    f.ok.setEnabled(false);
    f.boxC.setFocus();
    pressEnter(f.boxC);
    EXPECT_EQ(focused(), f.boxA.widget());
}

TEST_F(FormEnterKey, AControlOutsideTheOrderKeepsTheFocus) {
    SampleForm& f = form();
    f.mark.setFocus();
    pressEnter(f.mark);
    EXPECT_EQ(focused(), f.mark.widget());
    EXPECT_EQ(0, f.mark.value());
}

TEST_F(FormEnterKey, AHandlerThatUsesTheKeyUpStopsTheMove) {
    SampleForm& f = form();
    std::vector<int> keys;
    f.boxA.onKeyPress([&](int key) {
        keys.push_back(key);
        return key == Enter;
    });
    typeKeys(f.boxA, "x");
    pressEnter(f.boxA);
    EXPECT_EQ((std::vector<int>{'x', Enter}), keys);
    EXPECT_EQ(focused(), f.boxA.widget());
    EXPECT_EQ("x", f.boxA.text());
}

TEST_F(FormEnterKey, AHandlerThatMovesTheFocusItselfIsNotOverruled) {
    SampleForm& f = form();
    // A chain that depends on the data: Enter in A goes to C, and the key is
    // not used up.
    f.boxA.onKeyPress([&](int key) {
        if (key == Enter) {
            f.boxC.setFocus();
        }
        return false;
    });
    pressEnter(f.boxA);
    EXPECT_EQ(focused(), f.boxC.widget());
    EXPECT_EQ((std::vector<std::string>{"A-", "C+"}), f.log);

    // Sending the focus back to the box itself keeps it there too.
    f.boxA.setFocus();
    f.boxA.onKeyPress([&](int key) {
        if (key == Enter) {
            f.boxA.setFocus();
        }
        return false;
    });
    pressEnter(f.boxA);
    EXPECT_EQ(focused(), f.boxA.widget());
}

TEST_F(FormEnterKey, KeyHandlersSeeCharactersAndOtherKeys) {
    SampleForm& f = form();
    std::vector<int> keys;
    f.boxA.onKeyPress([&](int key) {
        keys.push_back(key);
        return key == '#';
    });
    typeKeys(f.boxA, "a#B");
    pressKey(f.boxA, Qt::Key_Backspace);
    pressKey(f.boxA, Qt::Key_Left);
    pressKey(f.boxA, Qt::Key_Delete);
    pressTab(f.boxA);
    EXPECT_EQ((std::vector<int>{'a', '#', 'B', platform::key::Backspace, Qt::Key_Left, Qt::Key_Delete}), keys)
        << "Tab moves the focus without reaching the handler";
    EXPECT_EQ("", f.boxA.text()) << "the used-up # was not typed";
}

} // namespace
} // namespace olm::testing
