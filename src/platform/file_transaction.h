#pragma once

// Several files replaced together: all of them or none, also across a crash.
//
// Each new content goes to a scratch file beside its target. commit() syncs
// every scratch file to the disk, then writes the commit record ".olm-jurnal"
// in the working directory (itself atomically), which names each scratch file
// and its target; then it renames the scratch files over their targets and
// removes the record. A crash before the record leaves every target as it was
// (the next start removes the scratch files); a crash after it leaves the
// record, and the next start completes the renames before anything else.

#include "platform/files.h"

#include <memory>
#include <string>
#include <vector>

namespace olm::platform::files {

inline constexpr const char* CommitRecord = ".olm-jurnal";

class Transaction {
public:
    Transaction();
    // Without commit(): every scratch file is removed and no target changes.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // The writer of a file's new content. Each file is given once.
    AtomicWriter& write(const std::string& name);
    void writeLines(const std::string& name, const std::vector<std::string>& lines);
    void createEmpty(const std::string& name);
    // A copy of a file onto itself is nothing to do.
    void copy(const std::string& from, const std::string& to);

    bool empty() const { return writers_.empty(); }

    // Throws FileError. A failure before the commit record leaves every target
    // as it was; a rename that fails after it leaves the record, which the
    // next commit or the next start completes.
    void commit();
    // After a commit that threw: whether its record stays, so that the next
    // commit or the next start completes the renames.
    bool unfinished() const { return unfinished_; }

private:
    std::vector<std::unique_ptr<AtomicWriter>> writers_;
    bool unfinished_ = false;
};

struct Recovery {
    int completed = 0; // renames of an interrupted commit done now
    int removed = 0;   // scratch files of unfinished rewrites removed
};

// Run at start before any data file is read: completes the renames of a
// commit whose record a crash left, then removes the scratch files that no
// record names, in the working directory and in its subdirectories. Throws
// FileError when a rename cannot be done (the record then stays).
Recovery recoverInterruptedWrites();

} // namespace olm::platform::files
