#pragma once

// The request to end the program from outside: SIGTERM (the session logs out,
// the system shuts down) and SIGHUP (the terminal closes). The signal only
// wakes the event loop; the function runs there, between two events, never in
// the middle of a file operation. Long work that keeps the windows painted
// does not wait for the event loop: it asks terminationRequested() and stops.

#include <functional>

namespace olm::platform {

// Catches the two signals from now on, before anything else is set up: one
// that comes before the request function is installed waits for it, instead
// of ending the program in its first moments. Needs no application object.
void catchTerminationSignals();

// Installs the function run when the process is asked to end (the signals
// are caught from now on, if they were not yet). Needs the application
// object.
void onTerminationRequest(std::function<void()> request);

// Whether a signal to end was caught: from that moment on, whatever function
// is installed and whether or not it has run yet.
bool terminationRequested();
// The signal that asked (SIGTERM or SIGHUP), 0 when none did: a program that
// stops for it can end as that signal ends it.
int terminationSignal();

// Forgets a request that was answered, so that one process can be asked more
// than once (the tests); a request not yet delivered is dropped.
void forgetTerminationRequest();

} // namespace olm::platform
