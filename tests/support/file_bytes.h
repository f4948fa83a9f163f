#pragma once

// Whole files as bytes, for tests that set up or compare data files exactly.
// Names go through the program's resolver, so "ff1.txt" finds "FF1.txt".

#include <string>
#include <vector>

namespace olm::testing {

// Writes the bytes as they are (no line ends added), replacing the file.
void writeBytes(const std::string& name, const std::string& bytes);
// The bytes of a file; empty when it is missing.
std::string readBytes(const std::string& name);

// Lines joined with CR LF after each, as the program writes them.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) {
        s += l + "\r\n";
    }
    return s;
}

// The names of the entries of a directory as they are on disk, sorted.
std::vector<std::string> entries(const std::string& dir = ".");

} // namespace olm::testing
