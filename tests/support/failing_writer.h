#pragma once

// A failing writer: for as long as it lives, every rewrite of one file fails,
// after a number of bytes (as on a full disk) or at the final rename, so a
// caller can be shown to lose nothing and to report the failure, without
// taking rights away from the test.

#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <string>

namespace olm::testing {

class FailingWriter {
public:
    static FailingWriter afterBytes(const std::string& name, std::uintmax_t bytes);
    static FailingWriter atRename(const std::string& name);
    ~FailingWriter();
    FailingWriter(const FailingWriter&) = delete;
    FailingWriter& operator=(const FailingWriter&) = delete;

    // How many rewrites it made fail.
    int failures() const { return fault_->failures; }

private:
    explicit FailingWriter(platform::files::WriteFault fault);
    std::unique_ptr<platform::files::WriteFault> fault_;
};

} // namespace olm::testing
