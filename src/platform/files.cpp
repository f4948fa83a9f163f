#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace olm::platform::files {

namespace fs = std::filesystem;

namespace {

// Scratch files of the atomic writes. The leading dot and the prefix keep them
// apart from every name the program itself uses.
constexpr const char* ScratchPrefix = ".olm-tmp-";
constexpr std::size_t RandomLength = 10; // letters and digits after the prefix
constexpr const char* OwnPrefix = ".olm";
constexpr std::size_t BufferSize = 1 << 16;

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

fs::path directoryOf(const fs::path& p) {
    fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

[[noreturn]] void throwNumber(int number, const fs::path& file, const std::string& what) {
    throw FileError(number, file.string(), what + ": " + file.string());
}

[[noreturn]] void throwErrno(int err, const fs::path& file, const std::string& action) {
    throw FileError(errorNumberFromErrno(err), file.string(),
                    action + " " + file.string() + ": " + std::strerror(err));
}

// Creating a file fails with ENOENT only when its directory is missing.
[[noreturn]] void throwCreateError(int err, const fs::path& file) {
    if (err == ENOENT) {
        throwNumber(PathNotFound, file, "directory not found");
    }
    throwErrno(err, file, "create");
}

struct Fd {
    int fd = -1;
    Fd() = default;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept : fd(other.release()) {}
    ~Fd() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    int release() {
        int f = fd;
        fd = -1;
        return f;
    }
};

void writeAll(int fd, const char* data, std::size_t size, const fs::path& file) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwErrno(errno, file, "write");
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void closeChecked(Fd& f, const fs::path& file) {
    if (::close(f.release()) != 0 && errno != EINTR) {
        throwErrno(errno, file, "close");
    }
}

std::string randomSuffix() {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}() ^
                                           (static_cast<std::uint64_t>(::getpid()) << 32)};
    std::string s(RandomLength, 'x');
    for (char& c : s) {
        c = alphabet[generator() % (sizeof alphabet - 1)];
    }
    return s;
}

// An entry of `dir` whose name equals `part` without regard to ASCII case.
// When several differ only in case, the smallest name wins, so the choice does
// not depend on the order of the directory.
std::optional<std::string> findIgnoringCase(const fs::path& dir, const std::string& part) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (equalIgnoringCase(n, part) && (!found || n < *found)) {
            found = std::move(n);
        }
    }
    ::closedir(d);
    return found;
}

bool entryExists(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

bool statOf(const fs::path& p, struct stat& st) { return ::stat(p.c_str(), &st) == 0; }

bool isRegularEntry(const fs::path& dir, const dirent* e) {
    if (e->d_type == DT_REG) {
        return true;
    }
    if (e->d_type != DT_UNKNOWN && e->d_type != DT_LNK) {
        return false;
    }
    struct stat st;
    return statOf(dir / e->d_name, st) && S_ISREG(st.st_mode);
}

// Calls f(name) for each regular file of a directory that is not the layer's
// own, until f returns false. A directory that cannot be opened throws.
template <typename F>
void forEachFile(const fs::path& dir, F f) {
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) {
        int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            throwNumber(PathNotFound, dir, "directory not found");
        }
        throwErrno(err, dir, "list");
    }
    while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n == "." || n == ".." || isOwnFile(n) || !isRegularEntry(dir, e)) {
            continue;
        }
        if (!f(n)) {
            break;
        }
    }
    ::closedir(d);
}

} // namespace

void syncDirectory(const fs::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already happened
        ::close(fd);
    }
}

bool isOwnFile(const std::string& fileName) { return startsWith(fileName, OwnPrefix); }

bool isScratchFile(const std::string& fileName) { return startsWith(fileName, ScratchPrefix); }

fs::path scratchBeside(const fs::path& target) { return directoryOf(target) / (ScratchPrefix + randomSuffix()); }

namespace {

constexpr std::size_t ScratchHead = std::char_traits<char>::length(ScratchPrefix) + RandomLength;

// ".olm-tmp-" and the random letters and digits, whatever follows them.
bool beginsAsScratch(const std::string& name) {
    return startsWith(name, ScratchPrefix) && name.size() >= ScratchHead &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(ScratchHead - RandomLength),
                       name.begin() + static_cast<std::ptrdiff_t>(ScratchHead),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

// ".olm-tmp-", the random letters and digits, "-" and the target's name.
bool isScratchOf(const std::string& name, const std::string& target) {
    return beginsAsScratch(name) && name.size() == ScratchHead + 1 + target.size() && name[ScratchHead] == '-' &&
           name.compare(ScratchHead + 1, target.size(), target) == 0;
}

} // namespace

bool isScratchBeside(const std::string& fileName) {
    return beginsAsScratch(fileName) && fileName.size() == ScratchHead;
}

fs::path scratchNaming(const fs::path& target) {
    return directoryOf(target) / (ScratchPrefix + randomSuffix() + "-" + target.filename().string());
}

int removeScratchesOf(const fs::path& target) {
    const std::string name = target.filename().string();
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(directoryOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (isScratchOf(it->path().filename().string(), name) && it->is_regular_file(kind) && !it->is_symlink(kind) &&
            ::unlink(it->path().c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

namespace {

WriteFault* writeFault = nullptr;

// The fault put on this target, if any.
WriteFault* faultFor(const fs::path& target) {
    if (writeFault == nullptr) {
        return nullptr;
    }
    return equalIgnoringCase(resolve(writeFault->name).lexically_normal().string(),
                             target.lexically_normal().string())
               ? writeFault
               : nullptr;
}

} // namespace

void setWriteFault(WriteFault* fault) { writeFault = fault; }

fs::path resolve(const std::string& name) {
    const fs::path asked(name);
    fs::path out;
    bool missing = false; // below a missing directory nothing can exist
    for (const fs::path& element : asked) {
        const std::string part = element.string();
        if (part.empty()) {
            continue; // a trailing separator
        }
        if (missing || part == "/" || part == "." || part == "..") {
            out /= element;
            continue;
        }
        fs::path candidate = out / element;
        if (entryExists(candidate)) {
            out = std::move(candidate);
        } else if (auto found = findIgnoringCase(out, part)) {
            out /= *found;
        } else {
            out = std::move(candidate);
            missing = true;
        }
    }
    return out;
}

bool exists(const std::string& name) {
    struct stat st;
    return statOf(resolve(name), st) && S_ISREG(st.st_mode);
}

EntryKind entryKind(const std::string& name) {
    const fs::path path = resolve(name);
    struct stat st;
    if (!statOf(path, st)) {
        return entryExists(path) ? EntryKind::BrokenLink : EntryKind::Missing;
    }
    return S_ISREG(st.st_mode) ? EntryKind::File : S_ISDIR(st.st_mode) ? EntryKind::Directory : EntryKind::Other;
}

std::string notAFileMessage(const std::string& name) {
    switch (entryKind(name)) {
    case EntryKind::Missing:
    case EntryKind::File:
        return "";
    case EntryKind::Directory:
        return name + " este un director, nu un fisier.";
    case EntryKind::BrokenLink:
        return name + " este o legatura catre " + linkTarget(name) + ", care nu exista.";
    case EntryKind::Other:
        break;
    }
    return name + " nu este un fisier.";
}

std::string linkTarget(const std::string& name) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(resolve(name), ec);
    return ec ? std::string() : target.string();
}

bool directoryExists(const std::string& name) {
    struct stat st;
    return statOf(resolve(name), st) && S_ISDIR(st.st_mode);
}

bool directoryHasFiles(const std::string& name) {
    const fs::path dir = resolve(name);
    struct stat st;
    if (!statOf(dir, st) || !S_ISDIR(st.st_mode)) {
        return false;
    }
    bool found = false;
    forEachFile(dir, [&](const std::string&) {
        found = true;
        return false;
    });
    return found;
}

std::uintmax_t length(const std::string& name) {
    struct stat st;
    if (!statOf(resolve(name), st) || !S_ISREG(st.st_mode)) {
        return 0;
    }
    return static_cast<std::uintmax_t>(st.st_size);
}

bool isEmpty(const std::string& name) { return length(name) == 0; }

bool sameBytes(const std::string& a, const std::string& b) {
    const std::uintmax_t size = length(a);
    if (size != length(b)) {
        return false;
    }
    if (size == 0) {
        return true;
    }
    std::ifstream ia(resolve(a), std::ios::binary);
    std::ifstream ib(resolve(b), std::ios::binary);
    std::string ca(BufferSize, '\0');
    std::string cb(BufferSize, '\0');
    for (;;) {
        ia.read(ca.data(), static_cast<std::streamsize>(ca.size()));
        ib.read(cb.data(), static_cast<std::streamsize>(cb.size()));
        const auto n = ia.gcount();
        if (n != ib.gcount() || std::memcmp(ca.data(), cb.data(), static_cast<std::size_t>(n)) != 0) {
            return false;
        }
        if (static_cast<std::size_t>(n) < ca.size()) {
            return !ia.bad() && !ib.bad();
        }
    }
}

namespace {

// Hands the bytes of an open file to `take` a block at a time, until the end
// of the file or until `take` returns false.
template <class Take>
void readBlocks(int fd, const fs::path& path, Take take) {
    std::string chunk(BufferSize, '\0');
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throwErrno(errno, path, "read");
        }
        if (n == 0 || !take(std::string_view(chunk.data(), static_cast<std::size_t>(n)))) {
            return;
        }
    }
}

} // namespace

bool holdsNulByte(const std::string& name) {
    const fs::path path = resolve(name);
    Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) {
        if (errno == ENOENT) {
            return false;
        }
        throwErrno(errno, path, "open");
    }
    bool found = false;
    readBlocks(in.fd, path, [&](std::string_view block) {
        found = block.find('\0') != std::string_view::npos;
        return !found;
    });
    return found;
}

std::vector<std::string> readLines(const std::string& name) {
    LineReader reader(name);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line)) {
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> readFirstLine(const std::string& name) {
    LineReader reader(name);
    std::string line;
    if (reader.next(line)) {
        return line;
    }
    return std::nullopt;
}

void writeLines(const std::string& name, const std::vector<std::string>& lines) {
    AtomicWriter writer(name);
    for (const auto& line : lines) {
        writer.writeLine(line);
    }
    writer.commit();
}

void createEmpty(const std::string& name) {
    AtomicWriter writer(name);
    writer.commit();
}

void appendLine(const std::string& name, const std::string& line) { appendLines(name, {line}); }

void appendLines(const std::string& name, const std::vector<std::string>& lines) {
    const fs::path path = resolve(name);
    Fd f(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    if (f.fd < 0) {
        throwCreateError(errno, path);
    }
    std::string buffer;
    // A last line written without its end by another program must not take
    // the new record on its tail.
    struct stat st;
    if (::fstat(f.fd, &st) == 0 && st.st_size > 0) {
        char last = 0;
        if (::pread(f.fd, &last, 1, st.st_size - 1) == 1 && last != '\n') {
            buffer = "\r\n";
        }
    }
    for (const auto& line : lines) {
        buffer += line;
        buffer += "\r\n";
        if (buffer.size() >= BufferSize) {
            writeAll(f.fd, buffer.data(), buffer.size(), path);
            buffer.clear();
        }
    }
    writeAll(f.fd, buffer.data(), buffer.size(), path);
    closeChecked(f, path);
}

namespace {

// Opens a file to be copied: not a directory, nor the target itself.
Fd openSource(const fs::path& source, struct stat& st) {
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) {
        throwErrno(errno, source, "open");
    }
    if (::fstat(in.fd, &st) != 0) {
        throwErrno(errno, source, "open");
    }
    if (S_ISDIR(st.st_mode)) {
        throwNumber(PathFileAccessError, source, "not a file");
    }
    return in;
}

void copyBytes(const Fd& in, const fs::path& source, AtomicWriter& out) {
    readBlocks(in.fd, source, [&](std::string_view block) {
        out.write(block);
        return true;
    });
}

} // namespace

std::uintmax_t countLines(const std::string& name) {
    const fs::path path = resolve(name);
    struct stat st;
    if (!statOf(path, st) && (errno == ENOENT || errno == ENOTDIR)) {
        return 0;
    }
    const Fd in = openSource(path, st);
    std::uintmax_t lines = 0;
    char last = '\n';
    readBlocks(in.fd, path, [&](std::string_view block) {
        lines += static_cast<std::uintmax_t>(std::count(block.begin(), block.end(), '\n'));
        last = block.back();
        return true;
    });
    return lines + (last != '\n' ? 1 : 0); // a last line without its end
}

MappedFile::MappedFile(const std::string& name) {
    const fs::path source = resolve(name);
    struct stat st;
    if (!statOf(source, st) && (errno == ENOENT || errno == ENOTDIR)) {
        return; // a missing file maps as no bytes
    }
    const Fd in = openSource(source, st);
    if (st.st_size == 0) {
        return; // nothing to map
    }
    // The pages are those the system keeps of the file, put in place at once.
    void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, in.fd, 0);
    if (p == MAP_FAILED) {
        throwErrno(errno, source, "read");
    }
    data_ = static_cast<const char*>(p);
    size_ = static_cast<std::size_t>(st.st_size);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    // The mapping this held goes with `other`, which unmaps it.
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    return *this;
}

MappedFile::~MappedFile() {
    if (data_ != nullptr) {
        ::munmap(const_cast<char*>(data_), size_);
    }
}

void copy(const std::string& from, const std::string& to) {
    const fs::path source = resolve(from);
    struct stat st;
    const Fd in = openSource(source, st);
    const fs::path target = resolve(to);
    struct stat tst;
    if (statOf(target, tst) && tst.st_dev == st.st_dev && tst.st_ino == st.st_ino) {
        return; // a file copied onto itself
    }
    AtomicWriter out(target.string());
    copyBytes(in, source, out);
    out.commit();
}

void copyInto(const std::string& from, AtomicWriter& out) {
    const fs::path source = resolve(from);
    struct stat st;
    const Fd in = openSource(source, st);
    copyBytes(in, source, out);
}

bool remove(const std::string& name) {
    const fs::path path = resolve(name);
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return false;
        }
        throwErrno(errno, path, "delete");
    }
    if (S_ISDIR(st.st_mode)) {
        throwNumber(PathFileAccessError, path, "not a file");
    }
    if (::unlink(path.c_str()) != 0) {
        if (errno == ENOENT) {
            return false;
        }
        throwErrno(errno, path, "delete");
    }
    return true;
}

void rename(const std::string& from, const std::string& to) {
    const fs::path source = resolve(from);
    struct stat st;
    if (::lstat(source.c_str(), &st) != 0) {
        throwErrno(errno, source, "rename");
    }
    fs::path target = resolve(to);
    struct stat tst;
    if (::lstat(target.c_str(), &tst) == 0 && tst.st_dev == st.st_dev && tst.st_ino == st.st_ino) {
        // Both names stand for the same file: give it the spelling asked for.
        const fs::path spelled = fs::path(to).filename();
        if (spelled.empty() || spelled == source.filename()) {
            return;
        }
        target = directoryOf(target) / spelled;
    }
    if (::rename(source.c_str(), target.c_str()) != 0) {
        if (errno == EXDEV) {
            // Another file system (the diskette): copy whole, then drop the source.
            copy(source.string(), target.string());
            if (::unlink(source.c_str()) != 0) {
                throwErrno(errno, source, "delete");
            }
            return;
        }
        throwErrno(errno, source, "rename");
    }
    syncDirectory(directoryOf(target));
}

void makeDirectory(const std::string& name) {
    const fs::path path = resolve(name);
    struct stat st;
    if (statOf(path, st)) {
        if (S_ISDIR(st.st_mode)) {
            return;
        }
        throwNumber(PathFileAccessError, path, "a file has that name");
    }
    if (::mkdir(path.c_str(), 0777) != 0) {
        if (errno == EEXIST && statOf(path, st) && S_ISDIR(st.st_mode)) {
            return;
        }
        throwCreateError(errno, path);
    }
}

std::vector<std::string> listFiles(const std::string& directory) {
    const fs::path dir = resolve(directory.empty() ? "." : directory);
    std::vector<std::string> names;
    forEachFile(dir, [&](const std::string& n) {
        names.push_back(n);
        return true;
    });
    return names;
}

// --- LineReader --------------------------------------------------------------

namespace {

// Large enough that a long file is read in few calls to the system.
constexpr std::size_t ReadBlockSize = 1 << 18;

} // namespace

LineReader::LineReader(const std::string& name) : name_(name) {
    const fs::path path = resolve(name);
    struct stat st;
    if (!statOf(path, st)) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return; // a missing file reads as no lines
        }
        throwErrno(errno, path, "open");
    }
    if (S_ISDIR(st.st_mode)) {
        throwNumber(PathFileAccessError, path, "not a file");
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        throwErrno(errno, path, "open");
    }
    block_ = std::make_unique_for_overwrite<char[]>(ReadBlockSize); // filled by the reads, not first by zeros
}

LineReader::~LineReader() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool LineReader::readBlock() {
    if (fd_ < 0) {
        return false;
    }
    for (;;) {
        const ssize_t n = ::read(fd_, block_.get(), ReadBlockSize);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throwNumber(DeviceIoError, name_, "read");
        }
        begin_ = 0;
        end_ = static_cast<std::size_t>(n);
        return n > 0;
    }
}

bool LineReader::next(std::string& line) {
    if (begin_ == end_ && !readBlock()) {
        return false;
    }
    const char* const from = block_.get() + begin_;
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
    if (lf != nullptr) {
        // The usual case: the line lies in the block. Appended to the emptied
        // line, the library's shortest way to copy it (assign checks for overlap).
        line.clear();
        line.append(from, static_cast<std::size_t>(lf - from));
        begin_ += line.size() + 1;
    } else {
        readAcrossBlocks(line);
    }
    // CR LF, or a CR cut off by the end of the file.
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

void LineReader::readAcrossBlocks(std::string& line) {
    line.assign(block_.get() + begin_, end_ - begin_);
    begin_ = end_;
    while (readBlock()) {
        const char* const from = block_.get();
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', end_));
        if (lf != nullptr) {
            line.append(from, static_cast<std::size_t>(lf - from));
            begin_ = static_cast<std::size_t>(lf - from) + 1;
            return;
        }
        line.append(from, end_);
        begin_ = end_;
    }
}

bool LineReader::atEnd() { return begin_ == end_ && !readBlock(); }

// --- AtomicWriter ------------------------------------------------------------

AtomicWriter::AtomicWriter(const std::string& name) : AtomicWriter(name, {}) {}

AtomicWriter::AtomicWriter(const std::string& name, std::filesystem::path shown)
    : target_(resolve(name)), shown_(shown.empty() ? target_ : std::move(shown)) {
    struct stat st;
    // No file can be renamed over a directory. In the place of one of the
    // program's own files a link, to a directory too, goes with the rename
    // (Transaction::uses keeps links out of the data files' names).
    const bool targetExists = isOwnFile(target_.filename().string()) ? ::lstat(target_.c_str(), &st) == 0
                                                                      : statOf(target_, st);
    if (targetExists && S_ISDIR(st.st_mode)) {
        throwNumber(PathFileAccessError, shown_, "not a file");
    }
    for (int attempt = 0;; ++attempt) {
        scratch_ = scratchBeside(target_);
        // 0666 under the umask, as any new file; mkstemp would make it 0600.
        fd_ = ::open(scratch_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            break;
        }
        const int err = errno;
        if (err == EEXIST && attempt < 100) {
            continue;
        }
        scratch_.clear();
        throwCreateError(err, shown_);
    }
    if (targetExists && S_ISREG(st.st_mode)) {
        ::fchmod(fd_, st.st_mode & 07777); // the rewritten file keeps its permissions
    }
    fault_ = faultFor(shown_);
    // The buffer takes its whole size at once rather than growing to it.
    buffer_.reserve(2 * BufferSize);
}

AtomicWriter::~AtomicWriter() {
    if (backgroundSync_.valid()) {
        backgroundSync_.wait(); // it uses the file, which must stay open until it ends
    }
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !keepScratch_ && !scratch_.empty()) {
        ::unlink(scratch_.c_str());
    }
}

void AtomicWriter::fail(int err, const std::string& what) { throwErrno(err, shown_, what); }

void AtomicWriter::flushBuffer() {
    writeOut(buffer_);
    buffer_.clear();
}

void AtomicWriter::writeOut(std::string_view bytes) {
    if (fd_ < 0) {
        throw std::logic_error("AtomicWriter used after commit: " + target_.string());
    }
    if (fault_ && fault_->afterBytes && written_ + bytes.size() > *fault_->afterBytes) {
        writeAll(fd_, bytes.data(), static_cast<std::size_t>(*fault_->afterBytes - written_), shown_);
        ++fault_->failures;
        fail(ENOSPC, "write");
    }
    writeAll(fd_, bytes.data(), bytes.size(), shown_);
    const std::uintmax_t before = written_;
    written_ += bytes.size();
    // Every 32 MiB what is written so far is synced on another thread while
    // the writing goes on: the disk's work overlaps the program's, and the
    // sync before the rename waits only for the last part of a large file.
    constexpr std::uintmax_t SyncStep = 32u << 20;
    if (written_ / SyncStep != before / SyncStep) {
        syncInBackground();
    }
}

void AtomicWriter::writeLine(const std::string& line) {
    if (fd_ < 0) {
        flushBuffer(); // used after commit: throws
    }
    buffer_ += line;
    buffer_ += "\r\n";
    if (buffer_.size() >= BufferSize) {
        flushBuffer();
    }
}

void AtomicWriter::write(std::string_view bytes) {
    if (fd_ < 0) {
        flushBuffer(); // used after commit: throws
    }
    if (bytes.size() >= BufferSize) {
        // A large block goes to the file as it is, after what was buffered,
        // rather than through the buffer.
        flushBuffer();
        writeOut(bytes);
        return;
    }
    buffer_ += bytes;
    if (buffer_.size() >= BufferSize) {
        flushBuffer();
    }
}

void AtomicWriter::syncInBackground() {
    if (backgroundSync_.valid()) {
        if (backgroundSync_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            return; // the last one still runs: the next step will ask again
        }
        waitForBackgroundSync();
    }
    const int fd = fd_;
    try {
        backgroundSync_ = std::async(std::launch::async, [fd] { return ::fdatasync(fd) == 0 ? 0 : errno; });
    } catch (const std::system_error&) {
        // No thread to be had: the sync before the rename does all the work.
    }
}

void AtomicWriter::waitForBackgroundSync() {
    if (!backgroundSync_.valid()) {
        return;
    }
    const int err = backgroundSync_.get();
    if (err != 0 && err != EINVAL && err != EROFS) {
        fail(err, "write");
    }
}

void AtomicWriter::prepare() {
    if (prepared_ || committed_) {
        return;
    }
    flushBuffer();
    waitForBackgroundSync();
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
        fail(errno, "write");
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        fail(errno, "write");
    }
    prepared_ = true;
}

void AtomicWriter::renameIntoPlace() {
    if (fault_ && fault_->atRename) {
        ++fault_->failures;
        fail(EIO, "replace");
    }
    if (::rename(scratch_.c_str(), target_.c_str()) != 0) {
        fail(errno, "replace");
    }
    committed_ = true;
}

void AtomicWriter::commit() {
    if (committed_) {
        return;
    }
    prepare();
    renameIntoPlace();
    syncDirectory(directoryOf(target_));
}

} // namespace olm::platform::files
