#pragma once

// Where the readers and writers of the data files take their lines from and
// put them: a file (files::LineReader, files::AtomicWriter) or memory. The
// rules of a layout work on these, so they are tested without a file; the
// file forms only open the file and name it in the messages.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace olm::platform {

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line without its end; false after the last one.
    virtual bool next(std::string& line) = 0;
};

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void writeLine(const std::string& line) = 0;
};

// Lines in memory, given in order.
class LinesIn : public LineSource {
public:
    explicit LinesIn(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool next(std::string& line) override {
        if (next_ == lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// Lines kept in memory.
class LinesOut : public LineSink {
public:
    void writeLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

} // namespace olm::platform
