#include "platform/clock.h"

#include "platform/termination.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <thread>

namespace olm::platform {

namespace {

// The windows are painted, and those the clerk has answered taken away, but
// nothing he does is handled, nor any timer or notifier that could start
// another step of the program: they wait for the end of the wait.
void paintWindows() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                        QEventLoop::X11ExcludeTimers);
    }
}

class RealClock : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

protected:
    // Sleeps the calling thread in short steps, painting the windows between
    // them: what the clerk does meanwhile is handled only after the wait,
    // which keeps him from acting during it; a stop is seen within a fraction
    // of a second.
    void pause(double s, bool (*stop)()) override {
        constexpr double Step = 0.05;
        const double end = seconds() + s;
        for (double left = s; left > 0 && !stop(); left = end - seconds()) {
            paintWindows();
            std::this_thread::sleep_for(std::chrono::duration<double>(std::min(left, Step)));
        }
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

Clock* installed = nullptr;

} // namespace

bool Clock::busyWait(double s) {
    pause(s, terminationRequested);
    return !terminationRequested();
}

Clock& clock() {
    static RealClock real;
    return installed != nullptr ? *installed : real;
}

void setClock(Clock* replacement) { installed = replacement; }

} // namespace olm::platform
