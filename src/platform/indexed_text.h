#pragma once

// A text file of any size read through an index of where its lines begin, for
// a window that shows only a page of it at a time.
//
// One pass over the file, by blocks, finds the lines; the index keeps where
// every 32nd line begins, so it costs well under a byte a line, and a page of
// lines is found again by reading from the nearest mark. Lines end at LF or
// CR LF; the bytes are given as they stand in the file.
//
// The file stays open, so a listing written anew under the same name (a new
// file renamed over the old one) leaves this one as it was when opened. The
// file is read, never mapped: if another program shortens it in place, the
// lost bytes read as absent instead of stopping the process.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace olm::platform {

// Where a line stands in the file, without its end (LF or CR LF).
struct LineSpan {
    std::uint64_t start = 0;
    std::uint64_t length = 0;
};

class IndexedText {
public:
    // Opens and indexes the file; a missing file reads as empty. Throws
    // FileError when the file cannot be read.
    explicit IndexedText(const std::filesystem::path& path);
    ~IndexedText();
    IndexedText(const IndexedText&) = delete;
    IndexedText& operator=(const IndexedText&) = delete;

    // The size when it was opened; nothing after it is ever read.
    std::uint64_t size() const { return size_; }
    // At least one: an empty file holds one empty line, and a final line end
    // starts no further line.
    std::size_t lineCount() const { return lineCount_; }
    // The length of the longest line, in bytes.
    std::uint64_t widestLine() const { return widest_; }

    // The lines from `first` on, at most `count` and no further than the last.
    // Lines lost to a shortened file come back empty.
    std::vector<LineSpan> lines(std::size_t first, std::size_t count) const;
    // The bytes from `from` up to `to`, as far as the file still holds them.
    std::string bytes(std::uint64_t from, std::uint64_t to) const;

private:
    // Reads up to `size` bytes at `at`; fewer at the end or on a read failure.
    std::size_t readAt(std::uint64_t at, char* into, std::size_t size) const;
    void index();

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::size_t lineCount_ = 1;
    std::uint64_t widest_ = 0;
    std::vector<std::uint64_t> marks_; // where lines 0, 32, 64, ... begin
};

} // namespace olm::platform
