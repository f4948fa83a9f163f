// The widget-driving helpers refuse what the clerk could not do, and say
// which control and why.

#include "sample_form.h"

#include "platform/dialogs.h"
#include "support/fakes.h"

#include <gtest/gtest-spi.h>

#include <functional>

namespace olm::testing {
namespace {

class DriveHelpers : public SampleFormTest {};

TEST_F(DriveHelpers, RefuseWhatTheClerkCouldNotDoNamingTheControl) {
    using Step = std::function<void(SampleForm&)>;
    const struct {
        Step setUp, action;
        const char* message;
    } rows[] = {
        {[](SampleForm& f) { f.boxB.setEnabled(false); }, [](SampleForm& f) { typeInto(f.boxB, "x"); },
         "cannot type into text box \"\" at (10,40) on \"Sample\": disabled"},
        {[](SampleForm& f) { f.ok.setVisible(false); }, [](SampleForm& f) { click(f.ok); },
         "cannot click button \"&Ok\" at (10,100) on \"Sample\": hidden"},
        {[](SampleForm& f) { f.group.setVisible(false); }, [](SampleForm& f) { click(f.one); },
         "option button \"One\" at (10,20) on \"Sample\": hidden (inside a hidden frame)"},
        {[](SampleForm& f) { f.hide(); }, [](SampleForm& f) { click(f.mark); },
         "check box \"Mark\" at (10,130) on \"Sample\": its form is not shown"},
        {[](SampleForm& f) { f.boxA.setFocus(); }, [](SampleForm& f) { pressEnter(f.boxC); },
         "it does not have the focus (the focus is on text box \"\" at (10,10) on \"Sample\")"},
        {[](SampleForm& f) { f.pick.addItem("Ianuarie"); }, [](SampleForm& f) { pick(f.pick, "Martie"); },
         "cannot pick \"Martie\" in combo box \"\""},
        {[](SampleForm&) {}, [](SampleForm& f) { click(f.group); },
         "cannot click frame \"Group\" at (150,10) on \"Sample\": it takes no clicks"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        SampleForm& f = form();
        showActive(f);
        row.setUp(f);
        f.log.clear();
        EXPECT_NONFATAL_FAILURE(row.action(f), row.message);
        EXPECT_TRUE(f.log.empty()) << "nothing was done";
        dropSampleForm();
    }
    showActive(form());
    form().boxB.setFocus();
    EXPECT_NONFATAL_FAILURE(expectFocus(form().boxA), "expected the focus on text box \"\" at (10,10) on "
                                                      "\"Sample\", but the focus is on text box \"\" at (10,40)");
}

TEST(MessageExpectations, CompareTextTitleAndIconAndForgetWhatTheyChecked) {
    platform::showMessage("Cod incorect", "  ", platform::Icon::Exclamation);
    EXPECT_NONFATAL_FAILURE(expectOneMessage("Cod incorect", " ", platform::Icon::Exclamation),
                            "shown 1:\n  \"Cod incorect\" title \"  \" exclamation");
    expectMessages({});
    platform::showMessage("a");
    platform::showMessage("b", "t", platform::Icon::Information);
    EXPECT_NONFATAL_FAILURE(expectMessages({"a"}), "expected 1 message(s)");
    platform::showMessage("a");
    platform::showMessage("b", "t", platform::Icon::Information);
    expectMessages({"a", {"b", "t", platform::Icon::Information}});
}

} // namespace
} // namespace olm::testing
