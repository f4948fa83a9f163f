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
// The record's last line: a record without it was cut short or overwritten.
constexpr const char* RecordEnd = "sfarsit";

fs::path directoryOf(const fs::path& p) {
    fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

bool present(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

struct Rename {
    fs::path scratch, target;
};

// A line "scratch<TAB>target" of a record; nothing for any other line.
std::optional<Rename> renameIn(const std::string& line) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) {
        return std::nullopt;
    }
    Rename r{line.substr(0, tab), line.substr(tab + 1)};
    if (!isScratchFile(r.scratch.filename().string()) || r.target.empty()) {
        return std::nullopt;
    }
    return r;
}

// The renames a commit record names; nothing when there is none. Only a
// whole record is read: a plain file of its header, its renames and its end
// line. Throws DamagedRecordError for any other.
std::optional<std::vector<Rename>> readRecord() {
    struct stat st;
    if (::lstat(CommitRecord, &st) != 0) {
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        throw DamagedRecordError(PathFileAccessError, CommitRecord, std::string(CommitRecord) + " is no plain file");
    }
    const std::vector<std::string> lines = readLines(CommitRecord);
    const DamagedRecordError notWhole(DeviceIoError, CommitRecord, std::string(CommitRecord) + " is not whole");
    if (lines.size() < 2 || lines.front() != RecordHeader || lines.back() != RecordEnd) {
        throw notWhole;
    }
    std::vector<Rename> renames;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const auto r = renameIn(lines[i]);
        if (!r) {
            throw notWhole;
        }
        renames.push_back(*r);
    }
    return renames;
}

// Renames what a commit record names; the scratch files already renamed are
// gone. Returns the renames done; throws on the first one that fails, after
// trying the others.
int completeRecord() {
    const auto renames = readRecord();
    if (!renames) {
        return 0;
    }
    std::set<fs::path> directories;
    std::optional<FileError> error;
    int done = 0;
    for (const auto& [scratch, target] : *renames) {
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

} // namespace

int removeScratchEntries(const fs::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isScratchFile(it->path().filename().string()) || it->is_symlink(ec)) {
            continue;
        }
        std::error_code gone;
        if (it->is_directory(ec) ? fs::remove_all(it->path(), gone) > 0 && !gone
                                 : it->is_regular_file(ec) && ::unlink(it->path().c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

Transaction::Transaction() = default;

Transaction::~Transaction() { drop(); }

void Transaction::drop() {
    writers_.clear(); // their scratch files go, unless a commit record names them
    if (!unfinished_) {
        for (const auto& d : directories_) {
            std::error_code ec;
            fs::remove_all(d.scratch, ec);
        }
    }
    directories_.clear();
}

void Transaction::uses(const std::string& name) {
    const fs::path path = resolve(name).lexically_normal();
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        return; // nothing there, nothing shared
    }
    if (isOwnFile(path.filename().string())) {
        // A file of the program's own is no data: a link or a second name in
        // its place is replaced by the rename, whatever it led to untouched.
        return;
    }
    if (S_ISLNK(st.st_mode)) {
        throw LinkedNamesError(path.string(), linkTarget(path.string()), true);
    }
    for (const Name& n : names_) {
        if (n.path == path) {
            return;
        }
        if (n.device == st.st_dev && n.inode == st.st_ino) {
            throw LinkedNamesError(n.path.string(), path.string(), false);
        }
    }
    names_.push_back({path, st.st_dev, st.st_ino});
}

void Transaction::makeDirectory(const std::string& name) {
    const fs::path target = resolve(name).lexically_normal();
    if (directoryExists(target.string())) {
        return;
    }
    if (entryKind(target.string()) != EntryKind::Missing) {
        throw FileError(PathFileAccessError, target.string(), "not a directory: " + target.string());
    }
    for (const auto& d : directories_) {
        if (d.target == target) {
            return;
        }
    }
    for (int attempt = 0;; ++attempt) {
        const fs::path scratch = scratchBeside(target);
        if (::mkdir(scratch.c_str(), 0777) == 0) {
            directories_.push_back({scratch, target});
            return;
        }
        const int err = errno;
        if (err != EEXIST || attempt >= 100) {
            throw FileError(errorNumberFromErrno(err), target.string(),
                            "create " + target.string() + ": " + std::strerror(err));
        }
    }
}

fs::path Transaction::placed(const std::string& name) const {
    const fs::path path = resolve(name).lexically_normal();
    for (const auto& d : directories_) {
        if (path.parent_path() == d.target) {
            return d.scratch / path.filename();
        }
    }
    return path;
}

fs::path Transaction::shownName() const {
    // The lower the rank, the better the clerk knows the file.
    fs::path shown;
    int rank = 4;
    const auto consider = [&](const fs::path& p, int r) {
        if (r < rank) {
            shown = p;
            rank = r;
        }
    };
    for (const auto& w : writers_) {
        if (!isOwnFile(w->shown_.filename().string())) {
            // A file written elsewhere than under its name is in a directory
            // that the commit makes: not there yet.
            consider(w->shown_, w->target_ != w->shown_ ? 2 : exists(w->shown_.string()) ? 0 : 1);
        }
    }
    if (!directories_.empty()) {
        consider(directories_.front().target, 3);
    }
    return shown;
}

template <typename F>
decltype(auto) Transaction::toldOfShownName(F step) {
    const fs::path shown = shownName();
    try {
        return step();
    } catch (const LinkedNamesError&) {
        throw; // it names the two names as they are
    } catch (const FileError& e) {
        if (shown.empty() || !isOwnFile(fs::path(e.file()).filename().string())) {
            throw;
        }
        throw FileError(e.number(), shown.string(), e.what());
    }
}

AtomicWriter& Transaction::write(const std::string& name) {
    return toldOfShownName([&]() -> AtomicWriter& {
        const fs::path target = placed(name);
        uses(target.string());
        std::unique_ptr<AtomicWriter> writer(new AtomicWriter(target.string(), resolve(name).lexically_normal()));
        for (const auto& w : writers_) {
            if (w->target_ == writer->target_) {
                throw std::logic_error("a file given twice to one transaction: " + name);
            }
        }
        writers_.push_back(std::move(writer));
        return *writers_.back();
    });
}

void Transaction::writeLines(const std::string& name, const std::vector<std::string>& lines) {
    AtomicWriter& w = write(name);
    for (const auto& line : lines) {
        w.writeLine(line);
    }
}

void Transaction::createEmpty(const std::string& name) { write(name); }

void Transaction::copy(const std::string& from, const std::string& to) {
    uses(from);
    uses(placed(to).string()); // two names of one file are refused here
    if (resolve(from).lexically_normal() == placed(to)) {
        return;
    }
    copyInto(from, write(to));
}

void Transaction::commit() {
    unfinished_ = false;
    if (writers_.empty() && directories_.empty()) {
        return;
    }
    toldOfShownName([this] { commitAll(); });
}

void Transaction::commitAll() {
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
        // The new directories after the files written in them.
        for (const auto& d : directories_) {
            record.writeLine(d.scratch.string() + "\t" + d.target.string());
        }
        record.writeLine(RecordEnd);
        record.commit();
    }
    std::set<fs::path> synced;
    std::optional<FileError> error;
    unfinished_ = true;
    for (auto& w : writers_) {
        w->keepScratch_ = true;
    }
    for (auto& w : writers_) {
        try {
            w->renameIntoPlace();
            synced.insert(directoryOf(w->target_));
        } catch (const FileError& e) {
            if (!error) {
                error = e;
            }
        }
    }
    for (const auto& d : synced) {
        syncDirectory(d);
    }
    for (const auto& d : directories_) {
        if (::rename(d.scratch.c_str(), d.target.c_str()) != 0) {
            const int err = errno;
            if (!error) {
                error.emplace(errorNumberFromErrno(err), d.target.string(),
                              "create " + d.target.string() + ": " + std::strerror(err));
            }
            continue;
        }
        syncDirectory(directoryOf(d.target));
    }
    writers_.clear();
    directories_.clear();
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
    r.removed = removeScratchEntries(".");
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec)) {
            r.removed += removeScratchEntries(it->path());
        }
    }
    return r;
}

} // namespace olm::platform::files
