#pragma once

// Golden files: a file the program wrote compared byte for byte with the one
// expected. The test data folder (tests/data) and the worked examples
// (tests/data/examples) are named by the build.

#include <string>

namespace olm::testing {

// tests/data + "/" + name.
std::string testData(const std::string& name);
// tests/data/examples + "/" + name.
std::string example(const std::string& name);

// The bytes of the file `actual` (a name of the working directory, found
// without regard to case) equal those of `goldenPath`. On a difference the
// actual file is kept in the build folder (golden-actual/) and the failure
// shows the first differing lines with their numbers and lengths, blanks shown.
void expectFileMatches(const std::string& actual, const std::string& goldenPath);
// The same for bytes already in memory.
void expectBytesMatch(const std::string& actualBytes, const std::string& goldenPath,
                      const std::string& label = "actual");

} // namespace olm::testing
