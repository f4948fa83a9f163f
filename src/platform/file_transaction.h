#pragma once

// Several files replaced together: all of them or none, also across a crash.
//
// Each new content goes to a scratch file beside its target. commit() syncs
// every scratch file to the disk, then writes the commit record ".olm-jurnal"
// in the working directory (itself atomically): its header "olm-jurnal", a line
// "scratch<TAB>target" for each scratch file, and the end line "sfarsit" with
// the checksum of every byte before it, which proves it whole; then it renames
// the scratch files over their targets and removes the record. A crash before
// the record leaves every target as it was (the next start removes the scratch
// files); a crash after it leaves the record, and the next start completes the
// renames before anything else. A record that is there but not whole is damage:
// nothing it may name is renamed or removed, and no commit writes over it.

#include "platform/files.h"

#include <memory>
#include <string>
#include <vector>

namespace olm::platform::files {

inline constexpr const char* CommitRecord = ".olm-jurnal";

// A commit record there but not whole: empty, cut short, overwritten, written
// by an earlier version without its checksum, a line of another form than a
// commit writes, or no plain file (a directory, a link). Which scratch file
// goes where is then not known, so every file and scratch file stays as it is
// for the clerk to put right by hand.
class DamagedRecordError : public FileError {
public:
    using FileError::FileError;
};

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
    // A file the commit depends on without writing it (read, compared).
    // Every name given to the transaction, these, the files written and the
    // sources of copies, must be neither a symbolic link nor a second name of
    // a file given before: writing through one would change the other behind
    // the program's back. Throws LinkedNamesError, and nothing is written.
    void uses(const std::string& name);
    // A directory that the commit makes, with the files then written in it:
    // until the commit it is a scratch directory, so that a crash never
    // leaves it empty or half filled. A present directory is used as it is.
    void makeDirectory(const std::string& name);

    bool empty() const { return writers_.empty(); }

    // Throws FileError. A failure before the commit record leaves every target
    // as it was; a rename that fails after it leaves the record, which the
    // next commit or the next start completes. A damaged record left before
    // fails the commit, which writes nothing.
    //
    // The clerk never sees the files whose names begin with ".olm" (the commit
    // record, the scratch files, the program's own marker): a failure of one
    // of them, here or in write(), is told of the first file of the commit
    // that he knows.
    void commit();
    // After a commit that threw: whether its record stays, so that the next
    // commit or the next start completes the renames.
    bool unfinished() const { return unfinished_; }

private:
    struct Name {
        std::filesystem::path path;
        std::uintmax_t device = 0, inode = 0;
    };
    struct NewDirectory {
        std::filesystem::path scratch, target;
    };
    // The name a file is written under: inside the scratch directory of a
    // directory the commit makes.
    std::filesystem::path placed(const std::string& name) const;
    // The file a failure of one of the ".olm" files is told of: the first of
    // the commit the clerk can find, rather one there already than one the
    // commit makes (a new yearly copy, named after a failure that left it
    // unmade, is nowhere), rather that than one in a directory still to be
    // made; empty when there is none.
    std::filesystem::path shownName() const;
    // Runs a step, its failures told of shownName() when they name a ".olm" file.
    template <typename F>
    decltype(auto) toldOfShownName(F step);
    void commitAll();
    void drop();

    std::vector<std::unique_ptr<AtomicWriter>> writers_;
    std::vector<Name> names_;
    std::vector<NewDirectory> directories_;
    bool unfinished_ = false;
};

// The bytes of a commit record naming these renames, scratch to target, in
// that order.
std::string commitRecordText(const std::vector<std::pair<std::filesystem::path, std::filesystem::path>>& renames);

// Moves an entry of the working directory (a directory too) under its own
// name into the new subdirectory `directory`, which appears with the entry
// in it in one step: until then it is a scratch directory named by a commit
// record, so a kill at any moment leaves the entry where it was or in the
// subdirectory, never an empty subdirectory. Throws FileError; a failure
// before the move leaves everything as it was.
void moveIntoNewDirectory(const std::string& name, const std::string& directory);

// Removes the scratch files and directories of unfinished rewrites in a
// directory (not below it); returns how many.
int removeScratchEntries(const std::filesystem::path& dir);

struct Recovery {
    int completed = 0; // renames of an interrupted commit done now
    int removed = 0;   // scratch files of unfinished rewrites removed
};

// Run at start before any data file is read: completes the renames of a commit
// whose record a crash left, then removes the scratch files that no record
// names, in the working directory and in its subdirectories. A directory the
// record names that is still empty is removed, not put in place (a move into it
// was not made). Throws FileError when a rename cannot be done (the record then
// stays), and DamagedRecordError, before anything is renamed or removed, when
// the record is not whole.
Recovery recoverInterruptedWrites();

} // namespace olm::platform::files
