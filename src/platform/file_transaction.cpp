#include "platform/file_transaction.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
#include <stdexcept>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace olm::platform::files {

namespace fs = std::filesystem;

namespace {

constexpr const char* RecordHeader = "olm-jurnal";

fs::path directoryOf(const fs::path& p) {
    fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

bool present(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

// Renames what a commit record names; the scratch files already renamed are
// gone. Returns the renames done; throws on the first one that fails, after
// trying the others.
int completeRecord() {
    if (!present(CommitRecord)) {
        return 0;
    }
    std::set<fs::path> directories;
    std::optional<FileError> error;
    int done = 0;
    bool header = true;
    for (const std::string& line : readLines(CommitRecord)) {
        if (header) {
            header = false;
            if (line == RecordHeader) {
                continue;
            }
        }
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        const fs::path scratch = line.substr(0, tab);
        const fs::path target = line.substr(tab + 1);
        if (!present(scratch)) {
            continue;
        }
        if (::rename(scratch.c_str(), target.c_str()) != 0) {
            const int err = errno;
            if (!error) {
                error.emplace(errorNumberFromErrno(err), target.string(),
                              "replace " + target.string() + ": " + std::strerror(err));
            }
            continue;
        }
        ++done;
        directories.insert(directoryOf(target));
    }
    for (const auto& d : directories) {
        syncDirectory(d);
    }
    if (error) {
        throw *error;
    }
    remove(CommitRecord);
    syncDirectory(".");
    return done;
}

int removeScratchFiles(const fs::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isScratchFile(name) && it->is_regular_file(ec) && ::unlink(it->path().c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

} // namespace

Transaction::Transaction() = default;
Transaction::~Transaction() = default;

AtomicWriter& Transaction::write(const std::string& name) {
    auto writer = std::make_unique<AtomicWriter>(name);
    for (const auto& w : writers_) {
        if (w->target_ == writer->target_) {
            throw std::logic_error("a file given twice to one transaction: " + name);
        }
    }
    writers_.push_back(std::move(writer));
    return *writers_.back();
}

void Transaction::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    AtomicWriter& w = write(name);
    for (const auto& line : lines) {
        w.writeLine(line);
    }
}

void Transaction::createEmpty(const std::string& name) { write(name); }

void Transaction::copy(const std::string& from, const std::string& to) {
    struct stat a;
    struct stat b;
    if (::stat(resolve(from).c_str(), &a) == 0 && ::stat(resolve(to).c_str(), &b) == 0 &&
        a.st_dev == b.st_dev && a.st_ino == b.st_ino) {
        return;
    }
    copyInto(from, write(to));
}

void Transaction::commit() {
    unfinished_ = false;
    if (writers_.empty()) {
        return;
    }
    // A record left by a commit of this run whose rename failed goes first:
    // writing the new one over it would lose its renames.
    completeRecord();
    for (auto& w : writers_) {
        w->prepare();
    }
    {
        AtomicWriter record(CommitRecord);
        record.writeLine(RecordHeader);
        for (const auto& w : writers_) {
            record.writeLine(w->scratch_.string() + "\t" + w->target_.string());
        }
        record.commit();
    }
    std::set<fs::path> directories;
    std::optional<FileError> error;
    unfinished_ = true;
    for (auto& w : writers_) {
        w->keepScratch_ = true;
    }
    for (auto& w : writers_) {
        try {
            w->renameIntoPlace();
            directories.insert(directoryOf(w->target_));
        } catch (const FileError& e) {
            if (!error) {
                error = e;
            }
        }
    }
    for (const auto& d : directories) {
        syncDirectory(d);
    }
    writers_.clear();
    if (error) {
        throw *error;
    }
    remove(CommitRecord);
    syncDirectory(".");
    unfinished_ = false;
}

Recovery recoverInterruptedWrites() {
    Recovery r;
    r.completed = completeRecord();
    r.removed = removeScratchFiles(".");
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec)) {
            r.removed += removeScratchFiles(it->path());
        }
    }
    return r;
}

} // namespace olm::platform::files
