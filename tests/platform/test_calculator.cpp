// The calculator service: which program it finds, what the button does when
// none is installed, the real start, and the icon of the calculator pictures.

#include "platform/calculator.h"
#include "platform/controls.h"
#include "support/fakes.h"
#include "sample_form.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;
using namespace olm::platform;
using olm::testing::fakeCalculator;
using olm::testing::fakeDialogs;
using olm::testing::workDir;

namespace {

void script(const fs::path& p, const std::string& body, bool runnable = true) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(p, runnable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

// Sets an environment variable for the test's length.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* v = std::getenv(name)) {
            old_ = v;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(Calculator, FindsTheChosenProgramOrTheFirstKnownCalculatorOnThePath) {
    const std::string w = workDir();
    script(w + "/a/xcalc", "");
    script(w + "/a/kcalc", "", false); // not executable: passed over
    script(w + "/b/kcalc", "");
    script(w + "/b/gnome-calculator", "");
    script(w + "/b/calculeaza", "");
    fs::create_directories(w + "/b/galculator"); // a directory is no program
    struct Row {
        const char* name;
        std::string chosen;
        std::string path;
        std::string expected;
    } rows[] = {
        {"preferred order across the path", "", w + "/a:" + w + "/b", w + "/b/gnome-calculator"},
        {"a non-executable file is skipped", "", w + "/a:" + w + "/c", w + "/a/xcalc"},
        {"a directory of that name is skipped", "", w + "/c:" + w + "/a", w + "/a/xcalc"},
        {"none found", "", w + "/c", ""},
        {"the chosen name, on the path", "calculeaza", w + "/a:" + w + "/b", w + "/b/calculeaza"},
        {"the chosen one only, no fallback", "missing", w + "/b", ""},
        {"a chosen path is taken as it is", w + "/a/xcalc", "", w + "/a/xcalc"},
        {"a chosen path that cannot run", w + "/a/kcalc", w + "/b", ""},
        {"an empty entry is the current directory", "calculeaza", ":" + w + "/a", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.expected, findCalculator(r.chosen, r.path));
    }
    fs::current_path(w + "/b");
    EXPECT_EQ("./calculeaza", findCalculator("calculeaza", ":" + w + "/a"));
    fs::current_path(w);
}

TEST(Calculator, TheButtonStartsItOrSaysThatNoneIsInstalled) {
    startCalculator();
    EXPECT_EQ(1, fakeCalculator().starts);
    EXPECT_TRUE(fakeDialogs().messages.empty());

    fakeCalculator().installed = false;
    startCalculator();
    EXPECT_EQ(2, fakeCalculator().starts);
    ASSERT_EQ(1u, fakeDialogs().messages.size());
    EXPECT_EQ("Nu este instalat nici un calculator.", fakeDialogs().messages[0].text);
    EXPECT_EQ(Icon::Exclamation, fakeDialogs().messages[0].icon);
}

TEST(Calculator, TheRealOneStartsTheProgramDetachedWithoutAShell) {
    setCalculator(nullptr);
    const std::string w = workDir();
    // A name with a blank and a ";" would be split or run twice by a shell.
    const std::string program = w + "/my calc;touch bad";
    script(program, "sleep 0.2; echo started > \"" + w + "/started\"");
    {
        ScopedEnv chosen("OLM_CALCULATOR", program);
        EXPECT_TRUE(calculator().start()) << "returns before the program ends";
        EXPECT_FALSE(fs::exists(w + "/started"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(w + "/started"); }, 5000));
        EXPECT_FALSE(fs::exists(w + "/bad"));
    }
    ScopedEnv missing("OLM_CALCULATOR", w + "/nowhere");
    EXPECT_FALSE(calculator().start());
}

TEST(Calculator, ThePictureShowsTheShippedIconWhateverTheCaseOfItsName) {
    {
        Picture picture(olm::testing::SampleForm::instance(), {0, 0, 32, 32});
        showCalculatorIcon(picture);
        EXPECT_FALSE(picture.hasPicture()) << "no icon file: an empty picture";

        fs::copy_file(fs::path(OLM_TEST_DATA) / "../../data/CALC.ICO", "calc.ico");
        showCalculatorIcon(picture);
        EXPECT_TRUE(picture.hasPicture());

        std::ofstream("calc.ico", std::ios::trunc) << "not an icon";
        showCalculatorIcon(picture);
        EXPECT_FALSE(picture.hasPicture()) << "an unreadable file leaves no stale picture";
    }
    olm::testing::dropSampleForm();
}
