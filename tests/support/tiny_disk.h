#pragma once

// A tiny disk for the tests of a full disk or a read-only directory: a tmpfs
// of a few KiB mounted on a subdirectory of the test's working directory,
// which becomes the current directory until the disk is destroyed. Mounting
// needs root (CI runs as root); elsewhere the tests skip, saying why.

#include <string>

namespace olm::testing {

class TinyDisk {
public:
    // Why no tiny disk can be had here; empty when it can.
    static std::string unavailable();

    explicit TinyDisk(int kib, bool readOnly = false);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }

    // Fills what is left of the disk with a file; free() removes it.
    void fill();
    void free();

private:
    std::string path_;
    std::string previous_;
    bool mounted_ = false;
    std::string error_;
};

} // namespace olm::testing

// Skips the running test unless a tiny disk can be mounted here.
#define OLM_NEEDS_TINY_DISK()                                                                      \
    do {                                                                                           \
        const std::string why = ::olm::testing::TinyDisk::unavailable();                           \
        if (!why.empty()) {                                                                        \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (false)
