// What the clerk's click does to the focus: a button or a check box clicked
// (by the mouse, its access key or the program) takes the focus first, so the
// box left stores its value before the click and may refuse it; a box clicked
// into has its whole text selected.

#include "sample_form.h"

#include <gtest/gtest.h>

#include <functional>

namespace olm::testing {
namespace {

using Log = std::vector<std::string>;

class FormClicks : public SampleFormTest {};

TEST_F(FormClicks, TheBoxLeftRunsItsHandlerBeforeTheClickAndMayRefuseIt) {
    SampleForm& f = form();
    f.ok.setCaption("&Ok");
    f.mark.setCaption("&Mark");
    f.mark.onClick([&] { f.log.push_back("Mark!"); });
    struct Way {
        const char* name;
        std::function<void()> act;
        Log acted; // after the box is left
        platform::Control& control;
    };
    const Way ways[] = {
        {"a mouse click", [&] { click(f.ok); }, {"Ok+", "Ok!"}, f.ok},
        {"the access key", [&] { pressAccessKey(f, 'o'); }, {"Ok+", "Ok!"}, f.ok},
        {"the program's click", [&] { f.ok.click(); }, {"Ok+", "Ok!"}, f.ok},
        {"a check box's mouse click", [&] { click(f.mark); }, {"Mark!"}, f.mark},
        {"a check box's access key", [&] { pressAccessKey(f, 'm'); }, {"Mark!"}, f.mark},
    };
    for (const Way& w : ways) {
        for (const bool refuse : {false, true}) {
            SCOPED_TRACE(std::string(w.name) + (refuse ? ", refused" : ""));
            startInBoxA();
            f.boxA.onLostFocus([&, refuse] {
                f.log.push_back("A-");
                if (refuse) {
                    f.boxA.setFocus();
                }
            });
            w.act();
            Log ran{"A-", "A+"};
            if (!refuse) {
                ran = {"A-"};
                ran.insert(ran.end(), w.acted.begin(), w.acted.end());
            }
            EXPECT_EQ(ran, f.log);
            expectFocus(refuse ? static_cast<platform::Control&>(f.boxA) : w.control);
        }
    }
}

TEST_F(FormClicks, AClickIntoABoxSelectsItsWholeTextUnlessSwitchedOff) {
    SampleForm& f = form();
    struct Row {
        const char* name;
        bool selects, focusedBefore;
        const char* after;
    } rows[] = {
        {"entering by the mouse", true, false, "ION"},
        {"a box that does not select", false, false, "POPESCUION"},
        {"a second click places the cursor", true, true, "POPESCUION"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        f.boxB.setSelectAllOnFocus(r.selects);
        f.boxB.setText("POPESCU");
        (r.focusedBefore ? f.boxB : f.boxA).setFocus();
        ASSERT_TRUE(click(f.boxB));
        typeKeys(f.boxB, "ION");
        EXPECT_EQ(r.after, f.boxB.text());
    }
}

} // namespace
} // namespace olm::testing
