#pragma once

// The mark of the control that has the focus. The clerk works from the
// keyboard, so every control that can take the focus shows it plainly, a
// dotted frame inside the control, whether the focus came by Tab, by Enter
// (the program moving it) or by the mouse: the usual style shows it only
// after Tab, and faintly.

namespace olm::platform {

// Puts the mark into the application's style; done once, before the first
// window is made.
void installFocusMark();

} // namespace olm::platform
