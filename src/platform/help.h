#pragma once

// The help system: the program's help texts are plain text files of the
// working directory, shown in the text viewer.

#include <string>

namespace olm::platform {

// Shows the contents of a help file; a missing file, or something there that
// is no file, shows a message saying so.
void showHelpContents(const std::string& helpFile);

} // namespace olm::platform
