// Test runner: a QApplication for the widget tests, and for every test a fresh
// temporary working directory and a fresh set of fake platform services.

#include "platform/termination.h"
#include "support/fakes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace olm::testing {
namespace {

struct PerTest {
    std::unique_ptr<QTemporaryDir> dir;
    std::filesystem::path previous;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeClock clock;
    FakeTextViewer viewer;
    FakeCalculator calculator;
};

std::unique_ptr<PerTest> current;

class FreshWorkDir : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        current = std::make_unique<PerTest>();
        current->dir = std::make_unique<QTemporaryDir>();
        current->previous = std::filesystem::current_path();
        std::filesystem::current_path(current->dir->path().toStdString());
        platform::setDialogs(&current->dialogs);
        platform::setUnattended(false);
        platform::setPrinter(&current->printer);
        platform::setClock(&current->clock);
        platform::setTextViewer(&current->viewer);
        platform::setCalculator(&current->calculator);
    }
    void OnTestEnd(const ::testing::TestInfo& info) override {
        if (info.result() && info.result()->Passed() && !current->dialogs.allAnswersUsed()) {
            ADD_FAILURE() << "scripted dialog answers were not used";
        }
        std::filesystem::current_path(current->previous);
        platform::setDialogs(nullptr);
        platform::setUnattended(false);
        platform::setPrinter(nullptr);
        platform::setClock(nullptr);
        platform::setTextViewer(nullptr);
        platform::setCalculator(nullptr);
        platform::forgetTerminationRequest();
        current.reset();
    }
};

} // namespace

FakeDialogs& fakeDialogs() { return current->dialogs; }
FakePrinter& fakePrinter() { return current->printer; }
FakeClock& fakeClock() { return current->clock; }
FakeTextViewer& fakeTextViewer() { return current->viewer; }
FakeCalculator& fakeCalculator() { return current->calculator; }
std::string workDir() { return current->dir->path().toStdString(); }

} // namespace olm::testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new olm::testing::FreshWorkDir);
    return RUN_ALL_TESTS();
}
