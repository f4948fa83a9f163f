#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace olm::platform {

namespace {

class RealClock : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    // Sleeps the calling thread: no window event is handled meanwhile, which
    // is what keeps the clerk from acting during the waits.
    void busyWait(double s) override {
        if (s > 0) {
            std::this_thread::sleep_for(std::chrono::duration<double>(s));
        }
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

Clock* installed = nullptr;

} // namespace

Clock& clock() {
    static RealClock real;
    return installed != nullptr ? *installed : real;
}

void setClock(Clock* replacement) { installed = replacement; }

} // namespace olm::platform
