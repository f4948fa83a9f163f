// While the program is ended from outside no window waits for an answer.

#include "platform/dialogs.h"
#include "platform/termination.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>

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

TEST(Termination, ASignalBeforeTheRequestIsInstalledWaitsForIt) {
    catchTerminationSignals();
    ASSERT_EQ(std::raise(SIGTERM), 0); // the test would end here were it not caught
    int requests = 0;
    onTerminationRequest([&requests] { ++requests; });
    for (int i = 0; i < 100 && requests == 0; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(requests, 1);
    onTerminationRequest({});
}

} // namespace
