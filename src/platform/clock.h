#pragma once

// The clock of the busy waits: a monotonic clock. The tests install a clock
// whose waits take no time.

namespace olm::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary start, monotonic.
    virtual double seconds() = 0;
    // Waits the given seconds without letting the windows react to the clerk,
    // though they are painted meanwhile: a question he has just answered goes
    // from the screen as the wait begins. A request to
    // end the program (terminationRequested()), come before or during the
    // wait, cuts it short: it then returns false, and the caller stops as
    // "Anuleaza" would stop it there, so that a log-out is not held up.
    [[nodiscard]] bool busyWait(double seconds);

protected:
    // Waits the given seconds, or less as soon as `stop` returns true.
    virtual void pause(double seconds, bool (*stop)()) = 0;
};

Clock& clock();
void setClock(Clock* replacement); // nullptr restores the real clock; not owned

} // namespace olm::platform
