#pragma once

// The clock of the busy waits: a monotonic clock. The tests install a clock
// whose waits take no time.

namespace olm::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary start, monotonic.
    virtual double seconds() = 0;
    // Waits the given seconds without letting the windows react.
    virtual void busyWait(double seconds) = 0;
};

Clock& clock();
void setClock(Clock* replacement); // nullptr restores the real clock; not owned

} // namespace olm::platform
