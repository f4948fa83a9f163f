#pragma once

// The request to end the program from outside: SIGTERM (the session logs out,
// the system shuts down) and SIGHUP (the terminal closes). The signal only
// wakes the event loop; the function runs there, between two events, never in
// the middle of a file operation.

#include <functional>

namespace olm::platform {

// Installs the function run when the process is asked to end. Needs the
// application object.
void onTerminationRequest(std::function<void()> request);

} // namespace olm::platform
