#pragma once

// One running instance per working directory: a lock file in the directory.

#include <memory>
#include <string>

class QLockFile;

namespace olm::platform {

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    // Takes the lock of the current directory; false when another instance holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace olm::platform
