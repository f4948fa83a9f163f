#pragma once

// Long work under the hourglass. While a BusyCursor stands, the program's
// windows (the forms) show the hourglass; windows of their own, such as the
// text viewer, the print dialog and the message boxes, keep their pointer,
// since the clerk may use them meanwhile. The long loops call keepPainted()
// so that the windows are drawn again while the work runs: the clerk sees
// no frozen frame, and his clicks and keys wait until the work is done.
//
// A request to end the program from outside (a log-out) does not wait for
// the work: the long loops run inside unlessEnded(), and the first
// keepPainted() after the request leaves them.

#include <functional>

namespace olm::platform {

// The hourglass on the forms over a piece of long work, put back on every
// way out; nested ones show one hourglass until the outermost ends.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Whether long work is running under the hourglass.
bool busy();

// Called from a long loop: while busy, at most a few times a second, the
// windows are repainted and the window system's other events are handled,
// but not the clerk's mouse and keys (they wait for the work to end). A form
// asked to close meanwhile stays. Inside unlessEnded(), once the program is
// asked to end from outside, it throws WorkStopped instead.
void keepPainted();

// Thrown by keepPainted() out of the work of unlessEnded(). Not an error: no
// handler of errors on the way may take it for one.
struct WorkStopped {};

// Runs long work that a request to end the program from outside stops: the
// loops are left at their next keepPainted(), and what they had not
// committed is dropped, as their own scratch files are. False when it was
// stopped (the caller then shows and prints nothing more); true when the
// work ran to its end.
bool unlessEnded(const std::function<void()>& work);

} // namespace olm::platform
