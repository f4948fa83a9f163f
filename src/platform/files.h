#pragma once

// The files of the working directory.
//
// Every name goes through one resolver: an existing entry whose name equals
// the wanted one without regard to ASCII case is that file, a new file takes
// the spelling asked for. A name may carry a directory part ("J123/FF1_2002.txt");
// each part is resolved the same way. Relative names are relative to the current
// directory, which is the working directory of the program.
//
// Data are bytes: lines are std::string, read and written unchanged. Lines are
// written ending in CR LF; reading accepts CR LF and a bare LF and strips them.
//
// A file is never edited in place: every rewrite goes to a scratch file in the
// same directory, is flushed and renamed over the target in one step. Appending
// a line is the one in-place write.
//
// Failures throw FileError (file_error.h) unless the function says otherwise.

#include "platform/file_error.h"
#include "platform/lines.h"

#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olm::platform::files {

// The path a name stands for: the existing entry matching it without regard
// to case, or the name as asked when none exists.
std::filesystem::path resolve(const std::string& name);

bool exists(const std::string& name);          // a regular file
// What stands under a name: nothing, a regular file (also through a link),
// or what the program cannot use as a data file: a directory, a link to
// nothing, something else (a device).
enum class EntryKind { Missing, File, Directory, BrokenLink, Other };
EntryKind entryKind(const std::string& name);
// For a name under which there is something, but not a file that can be
// read, as the clerk is told it: "Cuantum.txt este un director, nu un
// fisier.", "FF1_2002.txt este o legatura catre X, care nu exista.",
// "FF1_2002.txt nu este un fisier.". Empty for a file and for nothing.
std::string notAFileMessage(const std::string& name);
// What a symbolic link points to, as written in it; empty for any other entry.
std::string linkTarget(const std::string& name);
bool directoryExists(const std::string& name);
bool directoryHasFiles(const std::string& name); // exists and holds at least one file
std::uintmax_t length(const std::string& name); // 0 when missing
bool isEmpty(const std::string& name);           // length 0 (a missing file too)
// Whether two files hold the same bytes; a missing file holds none.
bool sameBytes(const std::string& a, const std::string& b);
// Whether a file holds a NUL byte, which no line of text has; a missing file
// holds none.
bool holdsNulByte(const std::string& name);

// All lines of a file. A missing file reads as no lines.
std::vector<std::string> readLines(const std::string& name);
// How many lines LineReader reads from the file, counted by blocks without
// keeping them. A missing file has none.
std::uintmax_t countLines(const std::string& name);
// The bytes of a file, mapped into memory rather than read: a large file
// costs neither a copy nor fresh memory. A missing or empty file maps as no
// bytes. The file is rewritten only through scratch files renamed over it,
// which leaves the mapped bytes as they were. Throws FileError.
class MappedFile {
public:
    MappedFile() = default; // no bytes
    explicit MappedFile(const std::string& name);
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};
// The first line, or nothing when the file is missing or empty.
std::optional<std::string> readFirstLine(const std::string& name);

// Replaces the file with these lines, atomically.
void writeLines(const std::string& name, const std::vector<std::string>& lines);
// Replaces the file with an empty one, atomically.
void createEmpty(const std::string& name);
// Appends one line (CR LF added), creating the file when missing.
void appendLine(const std::string& name, const std::string& line);
void appendLines(const std::string& name, const std::vector<std::string>& lines);

// Copies a file over another atomically (the target is whole or untouched).
void copy(const std::string& from, const std::string& to);
class AtomicWriter;
// Writes the bytes of a file into a writer, unchanged; the caller commits.
// Several files replaced together are all written first, then committed.
void copyInto(const std::string& from, AtomicWriter& out);
// Deletes a file; a missing file is not an error. Returns whether one was deleted.
bool remove(const std::string& name);
// Gives a file another name, replacing the target in one step. When both names
// stand for the same file only the spelling changes ("a.txt" to "A.txt").
void rename(const std::string& from, const std::string& to);
void makeDirectory(const std::string& name); // a present directory is no error
// Makes the names given to a directory's entries durable (best effort).
void syncDirectory(const std::filesystem::path& dir);
// Names of the regular files in a directory, in no particular order; the
// layer's own files (every name beginning ".olm": scratch files, the lock,
// the commit record, the marker of the working year) are left out. A missing directory throws PathNotFound.
std::vector<std::string> listFiles(const std::string& directory);

// Reads a file line by line without holding it whole: a block at a time,
// the lines cut out of the block. A missing file reads as no lines.
class LineReader : public LineSource {
public:
    explicit LineReader(const std::string& name);
    ~LineReader() override;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Next line without its end; false at the end of the file.
    bool next(std::string& line) override;
    bool atEnd();

private:
    // Reads the next block; false at the end of the file.
    bool readBlock();
    // The line that begins at the end of the block and runs on into the
    // next ones (or to the end of the file).
    void readAcrossBlocks(std::string& line);

    std::string name_;
    int fd_ = -1; // -1: the file is missing
    std::unique_ptr<char[]> block_;
    std::size_t begin_ = 0; // the bytes of the block not yet read: [begin_, end_)
    std::size_t end_ = 0;
};

// A new scratch name in the directory of `target` (the file is not made):
// written there and renamed over the target, or removed, it never passes for
// the target, and one left by a crash goes at the next start.
std::filesystem::path scratchBeside(const std::filesystem::path& target);
// A scratch name beside `target` that tells whose it is, for a file written
// outside the working directory, where no start clears what a kill left:
// the next job on that target removes such leftovers (removeScratchesOf).
std::filesystem::path scratchNaming(const std::filesystem::path& target);
// Removes the scratch files that scratchNaming() gave for `target`; returns
// how many.
int removeScratchesOf(const std::filesystem::path& target);

// Whether a name is one of the layer's own files, never shown as data.
bool isOwnFile(const std::string& fileName);
// Whether a name is a scratch file of a rewrite.
bool isScratchFile(const std::string& fileName);
// Whether a name is exactly of the form scratchBeside() gives.
bool isScratchBeside(const std::string& fileName);

class Transaction;
struct WriteFault;

// Writes a file through a scratch file in the same directory; commit() flushes
// it and renames it over the target. Destroyed without commit(), it removes the
// scratch file and the target stays as it was.
class AtomicWriter : public LineSink {
public:
    explicit AtomicWriter(const std::string& name);
    ~AtomicWriter() override;
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void writeLine(const std::string& line) override; // CR LF added
    // Written as given; a block of 64 KiB or more goes to the file at once.
    void write(std::string_view bytes);
    // Writes out what is buffered, syncs the scratch file and closes it, so
    // that a commit() after it only renames: several files can be written
    // whole before the first one replaces its target. Nothing more can be
    // written afterwards.
    void prepare();
    void commit();

private:
    friend class Transaction;

    // A file that a commit writes in a directory it makes: written in the
    // scratch directory, named in its failures as the clerk knows it.
    AtomicWriter(const std::string& name, std::filesystem::path shown);

    void flushBuffer();
    // Writes the bytes to the scratch file; every few tens of megabytes
    // starts syncing what was written so far on another thread.
    void writeOut(std::string_view bytes);
    void syncInBackground();
    // Waits for the sync started on another thread, if any; throws when it failed.
    void waitForBackgroundSync();
    void fail(int err, const std::string& what);
    // The scratch file takes the target's name (prepare() came first).
    void renameIntoPlace();

    std::filesystem::path target_;
    std::filesystem::path shown_; // the name its failures carry
    std::filesystem::path scratch_;
    int fd_ = -1;
    std::string buffer_;
    bool prepared_ = false;
    bool committed_ = false;
    bool keepScratch_ = false; // named in a commit record: a restart renames it
    WriteFault* fault_ = nullptr;
    std::uintmax_t written_ = 0;
    std::future<int> backgroundSync_; // the errno of a sync running on another thread, 0 when it succeeded
};

// A fault put by the tests on the atomic rewrites (AtomicWriter, and so
// writeLines, createEmpty and copy) of one file, to show that its callers lose
// nothing and report the failure: once `afterBytes` bytes have gone out the
// writes fail as on a full disk, or the final rename fails. `name` is matched
// as a name of the working directory, without regard to case. Nothing but the
// tests sets one.
struct WriteFault {
    std::string name;
    std::optional<std::uintmax_t> afterBytes;
    bool atRename = false;
    int failures = 0; // how many rewrites it made fail
};
// Puts the fault on (nullptr takes it off). Not owned.
void setWriteFault(WriteFault* fault);

} // namespace olm::platform::files
