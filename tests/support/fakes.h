#pragma once

// Fakes of the platform services. The test main installs a fresh set before
// every test, so no real dialog, printer or viewer is ever reached from a test.

#include "platform/calculator.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/text_viewer.h"

#include <deque>
#include <optional>
#include <source_location>
#include <utility>
#include <string>
#include <vector>

namespace olm::testing {

struct RecordedMessage {
    std::string text;
    std::string title;
    platform::Icon icon = platform::Icon::None;
    platform::Buttons buttons = platform::Buttons::Ok;
};

// Records every message and input box. A message with the OK button alone is
// answered OK; any other question must have been scripted with answer(), and
// an input box with answerInput(); an unscripted question fails the test.
class FakeDialogs : public platform::Dialogs {
public:
    platform::Answer message(const std::string& text, const std::string& title, platform::Icon icon,
                             platform::Buttons buttons) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;

    void answer(platform::Answer a) { answers_.push_back(a); }
    void answerInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }

    std::vector<RecordedMessage> messages;
    std::vector<std::string> prompts;
    std::vector<std::string> inputTitles;

    // The texts of the messages shown, in order.
    std::vector<std::string> texts() const;
    // Scripted answers not used by the end of the test fail it.
    bool allAnswersUsed() const { return answers_.empty() && inputs_.empty(); }

private:
    std::deque<platform::Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
};

// Collects print jobs as pages of text lines.
class FakePrinter : public platform::Printer {
public:
    struct Job {
        platform::PrintSetup setup;
        std::vector<std::vector<std::string>> pages;
        bool ended = false;
        bool aborted = false;
        bool underHourglass = false; // begun while the forms showed it
        std::vector<long> progress;  // the pages done at each report
        long total = 0;              // the pages announced
    };

    bool choosePrinter() override;
    bool begin(const platform::PrintSetup& setup) override;
    void printLine(const std::string& line) override;
    void newPage() override;
    void end() override;
    void abort() override;
    bool pagesDone(long done, const std::function<long()>& total) override;

    bool cancelDialog = false; // the clerk cancels the print dialog
    long cancelAtPage = 0;     // the clerk cancels the job at the first report of this many pages
    int dialogsShown = 0;
    std::vector<Job> jobs;
};

// A clock whose waits take no time; it only advances and records them.
class FakeClock : public platform::Clock {
public:
    double seconds() override { return now; }

    double now = 0;
    std::vector<double> waits;

protected:
    void pause(double s, bool (*stop)()) override;
};

class FakeTextViewer : public platform::TextViewer {
public:
    void show(const std::string& fileName) override;
    std::vector<std::string> shown;
    std::vector<bool> underHourglass; // of each file shown
};

// Counts the calculators started; `installed` false: none can be started.
class FakeCalculator : public platform::Calculator {
public:
    bool start() override {
        ++starts;
        return installed;
    }
    bool installed = true;
    int starts = 0;
};

// The fakes installed for the running test.
FakeDialogs& fakeDialogs();
FakePrinter& fakePrinter();
FakeClock& fakeClock();
FakeTextViewer& fakeTextViewer();
FakeCalculator& fakeCalculator();

// A message a test expects: its text, and its title, icon and buttons when
// given.
struct ExpectedMessage {
    ExpectedMessage(const char* text) : text(text) {}            // NOLINT: implicit on purpose
    ExpectedMessage(std::string text) : text(std::move(text)) {} // NOLINT
    ExpectedMessage(std::string text, std::string title, platform::Icon icon,
                    std::optional<platform::Buttons> buttons = std::nullopt)
        : text(std::move(text)), title(std::move(title)), icon(icon), buttons(buttons) {}
    std::string text;
    std::optional<std::string> title;
    std::optional<platform::Icon> icon;
    std::optional<platform::Buttons> buttons;
};

// Exactly one message was shown since the last check, with this text, title,
// icon (and buttons, when given). The messages checked are forgotten, so the
// next check sees only what came after.
void expectOneMessage(const std::string& text, const std::string& title, platform::Icon icon,
                      std::optional<platform::Buttons> buttons = std::nullopt,
                      std::source_location where = std::source_location::current());
// The messages shown since the last check, in order ({} for none); forgotten
// as above.
void expectMessages(const std::vector<ExpectedMessage>& expected,
                    std::source_location where = std::source_location::current());

// The last file shown and the last job printed were so under the hourglass,
// which is gone now.
void expectShownAndPrintedUnderHourglass(std::source_location where = std::source_location::current());

// The fresh temporary working directory of the running test (also the current directory).
std::string workDir();

} // namespace olm::testing
