#pragma once

// A tiny disk for the tests of a full disk or a read-only directory: a tmpfs of
// a few KiB mounted on a subdirectory of the test's working directory, which is
// the current directory while it is mounted. Mounting needs root (as CI runs);
// elsewhere mounted() is false and error() says why, for the test's skip.

#include <string>

namespace olm::testing {

class TinyDisk {
public:
    explicit TinyDisk(int kib, bool readOnly = false);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool mounted() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // Fills what is left of the disk with a file; free() removes it.
    void fill();
    void free();

private:
    std::string path_;
    std::string previous_;
    std::string error_;
};

} // namespace olm::testing
