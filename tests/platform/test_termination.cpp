// Ending the program from outside: the signals reach the event loop, and no
// window waits for an answer then.

#include "platform/dialogs.h"
#include "platform/termination.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace {

using namespace olm::platform;
using olm::testing::fakeDialogs;

TEST(Termination, SigtermAndSighupRunTheRequestFromTheEventLoop) {
    for (int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        int requests = 0;
        onTerminationRequest([&requests] { ++requests; });
        ASSERT_EQ(::raise(signal), 0); // the process lives on: the signal only wakes the loop
        EXPECT_EQ(requests, 0);
        QElapsedTimer waited;
        waited.start();
        while (requests == 0 && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        EXPECT_EQ(requests, 1);
        onTerminationRequest(nullptr);
    }
}

TEST(Termination, UnattendedNoWindowWaitsAndEveryQuestionIsAnsweredNo) {
    setUnattended(true);
    struct Row {
        Buttons buttons;
        Answer answer;
    };
    for (const Row& row : {Row{Buttons::Ok, Answer::Ok}, Row{Buttons::YesNo, Answer::No},
                           Row{Buttons::RetryCancel, Answer::Cancel}}) {
        EXPECT_EQ(dialogs().message("Salvati modificarile?", " ", Icon::None, row.buttons), row.answer);
    }
    EXPECT_FALSE(askYesNo("Salvati modificarile?"));
    EXPECT_EQ(dialogs().input("Cod:", "", ""), std::nullopt);
    // The installed dialogs were never reached (an unscripted question fails there).
    EXPECT_TRUE(fakeDialogs().messages.empty());
    EXPECT_TRUE(fakeDialogs().prompts.empty());
    setUnattended(false);
    EXPECT_EQ(&dialogs(), static_cast<Dialogs*>(&fakeDialogs()));
}

} // namespace
