#include "support/fakes.h"

#include <gtest/gtest.h>

#include <sstream>

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

namespace {

std::string iconName(platform::Icon icon) {
    switch (icon) {
    case platform::Icon::Exclamation:
        return "exclamation";
    case platform::Icon::Information:
        return "information";
    case platform::Icon::None:
        break;
    }
    return "no icon";
}

bool matches(const ExpectedMessage& e, const RecordedMessage& m) {
    return e.text == m.text && (!e.title || *e.title == m.title) && (!e.icon || *e.icon == m.icon);
}

} // namespace

void expectMessages(const std::vector<ExpectedMessage>& expected, std::source_location where) {
    auto& shown = fakeDialogs().messages;
    bool same = expected.size() == shown.size();
    for (std::size_t i = 0; same && i < shown.size(); ++i) {
        same = matches(expected[i], shown[i]);
    }
    if (!same) {
        std::ostringstream out;
        out << "expected " << expected.size() << " message(s):\n";
        for (const auto& e : expected) {
            out << "  \"" << e.text << "\"";
            if (e.title) {
                out << " title \"" << *e.title << "\"";
            }
            if (e.icon) {
                out << " " << iconName(*e.icon);
            }
            out << "\n";
        }
        out << "shown " << shown.size() << ":\n";
        for (const auto& m : shown) {
            out << "  \"" << m.text << "\" title \"" << m.title << "\" " << iconName(m.icon) << "\n";
        }
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << out.str();
    }
    shown.clear();
}

void expectOneMessage(const std::string& text, const std::string& title, platform::Icon icon,
                      std::source_location where) {
    expectMessages({ExpectedMessage(text, title, icon)}, where);
}

void FakeClock::busyWait(double s) {
    waits.push_back(s);
    now += s;
}

} // namespace olm::testing
