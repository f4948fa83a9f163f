#include "support/fakes.h"

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
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
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
    jobs.push_back({setup, {{}}, false, false});
    return true;
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

void FakeClock::busyWait(double s) {
    waits.push_back(s);
    now += s;
}

} // namespace olm::testing
