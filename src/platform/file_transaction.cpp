#include "platform/file_transaction.h"

#include <QCryptographicHash>

#include <algorithm>
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
// The record's last line begins so and ends with the checksum of every byte
// before it: a record cut short, overwritten in part or written by an earlier
// version does not prove itself whole.
constexpr const char* RecordEnd = "sfarsit ";

fs::path directoryOf(const fs::path& p) {
    fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

bool present(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

std::string checksum(std::string_view bytes) {
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// A call on `file` that failed with `err`.
FileError failure(int err, const fs::path& file, const char* action) {
    return FileError(errorNumberFromErrno(err), file.string(),
                     std::string(action) + " " + file.string() + ": " + std::strerror(err));
}

struct Rename {
    fs::path scratch, target;
};

// One element of a name as the program writes it: no separator, no control
// byte, not "." or "..".
bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(), [](char c) {
               const auto b = static_cast<unsigned char>(c);
               return b < 0x20 || b == 0x7F || c == '/';
           });
}

// A name of the working directory or of one of its subdirectories, as the
// record writes it: "name" or "directory/name".
std::optional<std::pair<std::string_view, std::string_view>> placeIn(std::string_view path) {
    const auto slash = path.find('/');
    const std::string_view directory = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if ((slash != std::string_view::npos && !plainName(directory)) || !plainName(name)) {
        return std::nullopt;
    }
    return std::make_pair(directory, name);
}

// A line "scratch<TAB>target" exactly as a commit writes it: a scratch name
// of the program's own form beside a target that is a plain name of the same
// directory; nothing for any other line.
std::optional<Rename> renameIn(std::string_view line) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return std::nullopt;
    }
    const auto scratch = placeIn(line.substr(0, tab));
    const auto target = placeIn(line.substr(tab + 1));
    if (!scratch || !target || scratch->first != target->first || !isScratchBeside(std::string(scratch->second)) ||
        isScratchFile(std::string(target->second)) || target->second == CommitRecord) {
        return std::nullopt;
    }
    return Rename{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
}

// The renames a commit record names; nothing when there is none. Only a
// record that proves itself whole is read: a plain file whose end line
// carries the checksum of all before it, its header, and at least one rename,
// each line ended by CR LF and each rename of the form a commit writes, no
// target twice. Throws DamagedRecordError for any other.
std::optional<std::vector<Rename>> readRecord() {
    struct stat st;
    if (::lstat(CommitRecord, &st) != 0) {
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        throw DamagedRecordError(PathFileAccessError, CommitRecord, std::string(CommitRecord) + " is no plain file");
    }
    const MappedFile file(CommitRecord);
    const std::string_view bytes = file.bytes();
    const DamagedRecordError notWhole(DeviceIoError, CommitRecord, std::string(CommitRecord) + " is not whole");
    if (bytes.size() < 3 || !bytes.ends_with("\r\n")) {
        throw notWhole;
    }
    const std::size_t last = bytes.rfind('\n', bytes.size() - 3);
    const std::string_view body = last == std::string_view::npos ? std::string_view() : bytes.substr(0, last + 1);
    if (bytes.substr(body.size(), bytes.size() - 2 - body.size()) != RecordEnd + checksum(body)) {
        throw notWhole;
    }
    std::vector<std::string_view> lines;
    for (std::size_t begin = 0; begin < body.size();) {
        const std::size_t end = body.find('\n', begin);
        if (end == begin || body[end - 1] != '\r') {
            throw notWhole;
        }
        lines.push_back(body.substr(begin, end - 1 - begin));
        begin = end + 1;
    }
    if (lines.size() < 2 || lines.front() != RecordHeader) {
        throw notWhole;
    }
    std::vector<Rename> renames;
    std::set<fs::path> targets;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto r = renameIn(lines[i]);
        if (!r || !targets.insert(r->target).second) {
            throw notWhole;
        }
        renames.push_back(*r);
    }
    return renames;
}

bool emptyDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(p, ec)) && fs::is_empty(p, ec) && !ec;
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
        if (emptyDirectory(scratch)) {
            // A directory the commit was to fill by a move that was not
            // made: no folder is left empty.
            ::rmdir(scratch.c_str());
            continue;
        }
        if (::rename(scratch.c_str(), target.c_str()) != 0) {
            const int err = errno;
            if (!error) {
                error = failure(err, target, "replace");
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

// A new scratch directory beside the directory `target` will be.
fs::path makeScratchDirectory(const fs::path& target) {
    for (int attempt = 0;; ++attempt) {
        const fs::path scratch = scratchBeside(target);
        if (::mkdir(scratch.c_str(), 0777) == 0) {
            return scratch;
        }
        const int err = errno;
        if (err != EEXIST || attempt >= 100) {
            throw failure(err, target, "create");
        }
    }
}

// Writes the commit record naming these renames, atomically, and syncs it.
void writeRecord(const std::vector<std::pair<fs::path, fs::path>>& renames) {
    AtomicWriter record(CommitRecord);
    record.write(commitRecordText(renames));
    record.commit();
}

} // namespace

std::string commitRecordText(const std::vector<std::pair<fs::path, fs::path>>& renames) {
    std::string body = std::string(RecordHeader) + "\r\n";
    for (const auto& [scratch, target] : renames) {
        body += scratch.lexically_normal().string() + "\t" + target.lexically_normal().string() + "\r\n";
    }
    return body + RecordEnd + checksum(body) + "\r\n";
}

void moveIntoNewDirectory(const std::string& name, const std::string& directory) {
    // A record left by a commit of this run whose rename failed goes first.
    completeRecord();
    const fs::path from = resolve(name).lexically_normal();
    const fs::path target = resolve(directory).lexically_normal();
    if (present(target)) {
        throw FileError(PathFileAccessError, target.string(), "already there: " + target.string());
    }
    const fs::path scratch = makeScratchDirectory(target);
    // Named by the record before anything goes in: a kill from here on
    // leaves the start to put the directory in place, or to remove it while
    // still empty.
    try {
        writeRecord({{scratch, target}});
    } catch (...) {
        ::rmdir(scratch.c_str());
        throw;
    }
    if (::rename(from.c_str(), (scratch / from.filename()).c_str()) != 0) {
        const int err = errno;
        ::rmdir(scratch.c_str());
        remove(CommitRecord);
        throw failure(err, from, "move");
    }
    syncDirectory(scratch);
    syncDirectory(".");
    // A failure now leaves the record, which the next commit or start completes.
    if (::rename(scratch.c_str(), target.c_str()) != 0) {
        const int err = errno;
        throw failure(err, target, "create");
    }
    syncDirectory(".");
    remove(CommitRecord);
    syncDirectory(".");
}

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
    directories_.push_back({makeScratchDirectory(target), target});
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
        std::vector<std::pair<fs::path, fs::path>> renames;
        for (const auto& w : writers_) {
            renames.emplace_back(w->scratch_, w->target_);
        }
        // The new directories after the files written in them.
        for (const auto& d : directories_) {
            renames.emplace_back(d.scratch, d.target);
        }
        writeRecord(renames);
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
                error = failure(err, d.target, "create");
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
