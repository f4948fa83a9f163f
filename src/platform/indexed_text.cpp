#include "platform/indexed_text.h"

#include "platform/file_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace olm::platform {

namespace {

constexpr std::size_t LinesPerMark = 32;
// The index reads in large blocks; a page of lines needs only a few kilobytes.
constexpr std::size_t IndexBlock = std::size_t{1} << 20;
constexpr std::size_t PageBlock = std::size_t{16} << 10;

// Walks the lines from `from` (where a line begins) up to `end`, reading by
// blocks of `block` bytes, and gives each one to `onLine`, with where the next
// one begins, until it returns false. A last line without its end counts; a CR
// not followed by LF is part of the text.
// Returns where the reading stopped: `end`, or short of it when the file
// ended sooner.
template <class Read, class OnLine>
std::uint64_t walkLines(const Read& read, std::uint64_t from, std::uint64_t end, std::size_t block,
                        const OnLine& onLine) {
    const auto buffer = std::make_unique<char[]>(block);
    std::uint64_t lineStart = from;
    std::uint64_t at = from;
    char before = '\0'; // the byte before the block, for a CR LF split between two
    while (at < end) {
        const std::size_t got = read(at, buffer.get(), static_cast<std::size_t>(std::min<std::uint64_t>(block, end - at)));
        if (got == 0) {
            break;
        }
        const char* p = buffer.get();
        const char* const stop = p + got;
        while (const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(stop - p)))) {
            const std::uint64_t lfAt = at + static_cast<std::uint64_t>(lf - buffer.get());
            const char previous = lf == buffer.get() ? before : lf[-1];
            const std::uint64_t length = lfAt - lineStart - (lfAt > lineStart && previous == '\r' ? 1 : 0);
            if (!onLine(LineSpan{lineStart, length}, lfAt + 1)) {
                return lfAt + 1;
            }
            lineStart = lfAt + 1;
            p = lf + 1;
        }
        before = stop[-1];
        at += got;
    }
    if (lineStart < at) {
        onLine(LineSpan{lineStart, at - lineStart}, at);
    }
    return at;
}

} // namespace

IndexedText::IndexedText(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        if (errno == ENOENT) {
            marks_.push_back(0);
            return;
        }
        const int err = errno;
        throw FileError(errorNumberFromErrno(err), path.string(), "open " + path.string() + ": " + std::strerror(err));
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw FileError(PathFileAccessError, path.string(), "not a file: " + path.string());
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
    index();
}

IndexedText::~IndexedText() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::size_t IndexedText::readAt(std::uint64_t at, char* into, std::size_t size) const {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, into + done, size - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void IndexedText::index() {
    std::size_t count = 0;
    marks_.push_back(0);
    const auto read = [this](std::uint64_t at, char* into, std::size_t n) { return readAt(at, into, n); };
    // A file shortened while it is indexed is taken as it was read.
    size_ = walkLines(read, 0, size_, IndexBlock, [&](const LineSpan& line, std::uint64_t next) {
        widest_ = std::max(widest_, line.length);
        if (++count % LinesPerMark == 0) {
            marks_.push_back(next);
        }
        return true;
    });
    lineCount_ = std::max<std::size_t>(count, 1);
}

std::vector<LineSpan> IndexedText::lines(std::size_t first, std::size_t count) const {
    std::vector<LineSpan> out;
    if (first >= lineCount_) {
        return out;
    }
    count = std::min(count, lineCount_ - first);
    out.reserve(count);
    std::size_t skip = first % LinesPerMark;
    const auto read = [this](std::uint64_t at, char* into, std::size_t n) { return readAt(at, into, n); };
    const std::uint64_t stopped = walkLines(read, marks_[first / LinesPerMark], size_, PageBlock, [&](const LineSpan& line, std::uint64_t) {
        if (skip > 0) {
            --skip;
        } else {
            out.push_back(line);
        }
        return out.size() < count;
    });
    while (out.size() < count) {
        out.push_back(LineSpan{stopped, 0});
    }
    return out;
}

std::string IndexedText::bytes(std::uint64_t from, std::uint64_t to) const {
    to = std::min(to, size_);
    if (from >= to) {
        return {};
    }
    std::string out(static_cast<std::size_t>(to - from), '\0');
    out.resize(readAt(from, out.data(), out.size()));
    return out;
}

} // namespace olm::platform
