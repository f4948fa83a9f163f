// While the program is ended from outside no window waits for an answer.

#include "platform/dialogs.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

using namespace olm::platform;
using olm::testing::fakeDialogs;

TEST(Unattended, NoWindowWaitsAndEveryQuestionIsAnsweredNo) {
    setUnattended(true);
    for (auto [buttons, answer] : {std::pair{Buttons::Ok, Answer::Ok}, {Buttons::YesNo, Answer::No},
                                   {Buttons::RetryCancel, Answer::Cancel}}) {
        EXPECT_EQ(dialogs().message("Salvati modificarile?", " ", Icon::None, buttons), answer);
    }
    EXPECT_EQ(dialogs().input("Cod:", "", ""), std::nullopt);
    // The installed dialogs were never reached (an unscripted question fails there).
    EXPECT_TRUE(fakeDialogs().messages.empty() && fakeDialogs().prompts.empty());
    setUnattended(false);
    EXPECT_EQ(&dialogs(), static_cast<Dialogs*>(&fakeDialogs()));
}

} // namespace
