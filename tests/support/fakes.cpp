#include "support/fakes.h"

#include "platform/busy.h"

#include <gtest/gtest.h>


namespace olm::testing {

using platform::Answer;
using platform::Buttons;

Answer FakeDialogs::message(const std::string& text, const std::string& title, platform::Icon icon,
                            Buttons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: \"" << text << "\"";
        return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::No;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<std::string> FakeDialogs::input(const std::string& prompt, const std::string& title,
                                              const std::string&) {
    prompts.push_back(prompt);
    inputTitles.push_back(title);
    if (inputs_.empty()) {
        ADD_FAILURE() << "unexpected input box: \"" << prompt << "\"";
        return std::nullopt;
    }
    auto a = inputs_.front();
    inputs_.pop_front();
    return a;
}

std::vector<std::string> FakeDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) {
        out.push_back(m.text);
    }
    return out;
}

bool FakePrinter::choosePrinter() {
    ++dialogsShown;
    return !cancelDialog;
}

bool FakePrinter::begin(const platform::PrintSetup& setup) {
    jobs.push_back({setup, {{}}, false, false, platform::busy(), {}, 0});
    return true;
}

bool FakePrinter::pagesDone(long done, const std::function<long()>& total) {
    jobs.back().progress.push_back(done);
    jobs.back().total = total();
    return cancelAtPage == 0 || done < cancelAtPage;
}

void FakeTextViewer::show(const std::string& fileName) {
    shown.push_back(fileName);
    underHourglass.push_back(platform::busy());
}

void FakePrinter::printLine(const std::string& line) {
    if (jobs.empty()) {
        ADD_FAILURE() << "printLine without a job";
        return;
    }
    jobs.back().pages.back().push_back(line);
}

void FakePrinter::newPage() {
    if (!jobs.empty()) {
        jobs.back().pages.emplace_back();
    }
}

void FakePrinter::end() {
    if (!jobs.empty()) {
        jobs.back().ended = true;
    }
}

void FakePrinter::abort() {
    if (!jobs.empty()) {
        jobs.back().aborted = true;
    }
}

namespace {

std::string iconName(platform::Icon i) {
    return i == platform::Icon::Exclamation ? "exclamation" : i == platform::Icon::Information ? "information" : "no icon";
}

std::string buttonsName(platform::Buttons b) {
    return b == platform::Buttons::YesNo ? "Yes/No" : b == platform::Buttons::YesNoDefaultNo ? "Yes/No (No)"
           : b == platform::Buttons::RetryCancel ? "Retry/Cancel" : "OK";
}

// A message as the failure shows it; what the expectation leaves open is left out.
std::string shown(const std::string& text, const std::optional<std::string>& title,
                  const std::optional<platform::Icon>& icon, const std::optional<platform::Buttons>& buttons) {
    return "  \"" + text + "\"" + (title ? " title \"" + *title + "\"" : "") + (icon ? " " + iconName(*icon) : "") +
           (buttons ? " " + buttonsName(*buttons) : "") + "\n";
}

bool matches(const ExpectedMessage& e, const RecordedMessage& m) {
    return e.text == m.text && (!e.title || *e.title == m.title) && (!e.icon || *e.icon == m.icon) &&
           (!e.buttons || *e.buttons == m.buttons);
}

} // namespace

void expectMessages(const std::vector<ExpectedMessage>& expected, std::source_location where) {
    auto& recorded = fakeDialogs().messages;
    bool same = expected.size() == recorded.size();
    for (std::size_t i = 0; same && i < recorded.size(); ++i) {
        same = matches(expected[i], recorded[i]);
    }
    if (!same) {
        std::string out = "expected " + std::to_string(expected.size()) + " message(s):\n";
        for (const auto& e : expected) {
            out += shown(e.text, e.title, e.icon, e.buttons);
        }
        out += "shown " + std::to_string(recorded.size()) + ":\n";
        for (const auto& m : recorded) {
            out += shown(m.text, m.title, m.icon, m.buttons);
        }
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << out;
    }
    recorded.clear();
}

void expectOneMessage(const std::string& text, const std::string& title, platform::Icon icon,
                      std::optional<platform::Buttons> buttons, std::source_location where) {
    expectMessages({ExpectedMessage(text, title, icon, buttons)}, where);
}

void expectShownAndPrintedUnderHourglass(std::source_location where) {
    const auto& shown = fakeTextViewer().underHourglass;
    const auto& jobs = fakePrinter().jobs;
    if (shown.empty() || !shown.back() || jobs.empty() || !jobs.back().underHourglass || platform::busy()) {
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
            << "the hourglass did not cover the showing and the printing, or stays";
    }
}

void FakeClock::pause(double s, bool (*)()) {
    waits.push_back(s);
    now += s;
}

} // namespace olm::testing
