#pragma once

// The months as both parameter windows name them, January first, and "An"
// for the year (the tax grid's month 13, the deductions' annual row).

#include <array>

namespace olm {

inline constexpr std::array<const char*, 13> NumeLuni = {
    "Ianuarie", "Februarie", "Martie",    "Aprilie",   "Mai",       "Iunie", "Iulie",
    "August",   "Septembrie", "Octombrie", "Noiembrie", "Decembrie", "An",
};

} // namespace olm
