#pragma once

// The program's own title, shown on the message boxes that carry no title of
// their own.

namespace olm {

inline constexpr const char* TitluProgram = "Olm";

} // namespace olm
