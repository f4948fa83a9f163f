#include "platform/clock.h"

#include "platform/termination.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace olm::platform {

namespace {

class RealClock : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

protected:
    // Sleeps the calling thread: no window event is handled meanwhile, which
    // is what keeps the clerk from acting during the waits. In short steps,
    // so that a stop is seen within a fraction of a second.
    void pause(double s, bool (*stop)()) override {
        constexpr double Step = 0.05;
        const double end = seconds() + s;
        for (double left = s; left > 0 && !stop(); left = end - seconds()) {
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
