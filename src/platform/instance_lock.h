#pragma once

// One running instance per working directory: a lock file in the directory.

#include <memory>
#include <string>

class QLockFile;

namespace olm::platform {

class InstanceLock {
public:
    enum class State {
        Acquired,
        HeldHere,      // by a running instance on this computer
        HeldElsewhere, // by an instance on another computer sharing the directory
        Failed,        // the lock file cannot be made
    };
    struct Outcome {
        State state = State::Acquired;
        std::string host;  // HeldElsewhere: the other computer
        long long pid = 0; // HeldElsewhere: its process
        int error = 0;     // Failed: the program's error number (61 disk full, 70, 75...)
    };

    InstanceLock();
    ~InstanceLock();

    // Takes the lock of the current directory. A lock left by a process of
    // this computer that is gone is taken over.
    Outcome tryAcquire();
    // True when the lock was taken.
    bool acquire() { return tryAcquire().state == State::Acquired; }
    // Removes the lock of an instance on another computer and takes it.
    Outcome takeOver();
    // Gives the lock up (also done on destruction).
    void release();

    // The directory the lock guards, as the clerk is shown it.
    static std::string directory();

private:
    Outcome outcomeOfFailure();

    std::unique_ptr<QLockFile> lock_;
};

} // namespace olm::platform
