#include "support/golden.h"

#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace olm::testing {

namespace {

std::string wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Lines split at LF, each keeping its CR, so a missing CR shows.
std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            out.push_back(bytes.substr(start));
            break;
        }
        out.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// Blanks as "·", a CR as "<CR>", other control bytes in hex.
std::string visible(const std::string& line) {
    std::string v;
    for (unsigned char c : line) {
        if (c == ' ') {
            v += "\xC2\xB7";
        } else if (c == '\r') {
            v += "<CR>";
        } else if (c < 32 || c >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "<%02X>", c);
            v += buf;
        } else {
            v += static_cast<char>(c);
        }
    }
    return v;
}

std::string firstDifferences(const std::string& actual, const std::string& expected) {
    const auto a = lines(actual);
    const auto e = lines(expected);
    std::ostringstream out;
    int shown = 0;
    for (std::size_t i = 0; i < std::max(a.size(), e.size()) && shown < 5; ++i) {
        const std::string* la = i < a.size() ? &a[i] : nullptr;
        const std::string* le = i < e.size() ? &e[i] : nullptr;
        if (la && le && *la == *le) {
            continue;
        }
        ++shown;
        out << "line " << i + 1 << ":\n";
        out << "  expected (" << (le ? std::to_string(le->size()) : "none") << "): "
            << (le ? visible(*le) : "") << "\n";
        out << "  actual   (" << (la ? std::to_string(la->size()) : "none") << "): "
            << (la ? visible(*la) : "") << "\n";
    }
    out << "(" << a.size() << " lines written, " << e.size() << " expected)";
    return out.str();
}

} // namespace

std::string testData(const std::string& name) { return std::string(OLM_TEST_DATA) + "/" + name; }

std::string example(const std::string& name) { return std::string(OLM_EXAMPLES) + "/" + name; }

void expectBytesMatch(const std::string& actualBytes, const std::string& goldenPath, const std::string& label) {
    if (!std::filesystem::exists(goldenPath)) {
        ADD_FAILURE() << "golden file missing: " << goldenPath;
        return;
    }
    const std::string expected = wholeFile(goldenPath);
    if (actualBytes == expected) {
        return;
    }
    const std::filesystem::path keep =
        std::filesystem::path(OLM_TEST_OUTPUT) / "golden-actual" /
        (std::filesystem::path(goldenPath).stem().string() + "." + label +
         std::filesystem::path(goldenPath).extension().string());
    std::filesystem::create_directories(keep.parent_path());
    std::ofstream(keep, std::ios::binary) << actualBytes;
    ADD_FAILURE() << "differs from " << goldenPath << " (written to " << keep.string() << ")\n"
                  << firstDifferences(actualBytes, expected);
}

void expectFileMatches(const std::string& actual, const std::string& goldenPath) {
    expectBytesMatch(readBytes(actual), goldenPath, std::filesystem::path(actual).filename().string());
}

} // namespace olm::testing
