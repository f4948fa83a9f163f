#pragma once

// Shows a text file in a read-only monospace window, without waiting for it.
// The window reads only the lines in sight, so a file of any size opens at
// once; it opens centred over the window that asked for it, wide enough for
// the file's widest line as far as the screen allows, or, while the last one
// shown is open, a little below and right of that one.

#include <string>

namespace olm::platform {

class TextViewer {
public:
    virtual ~TextViewer() = default;
    // Opens a viewer window on the file (resolved like every other name).
    virtual void show(const std::string& fileName) = 0;
};

TextViewer& textViewer();
void setTextViewer(TextViewer* replacement); // nullptr restores the real viewer; not owned

} // namespace olm::platform
