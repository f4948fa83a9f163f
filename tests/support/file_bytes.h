#pragma once

// Whole files as bytes, for tests that set up or compare data files exactly.
// Names go through the program's resolver, so "ff1.txt" finds "FF1.txt".

#include <string>

namespace olm::testing {

// Writes the bytes as they are (no line ends added), replacing the file.
void writeBytes(const std::string& name, const std::string& bytes);
// The bytes of a file; empty when it is missing.
std::string readBytes(const std::string& name);

} // namespace olm::testing
