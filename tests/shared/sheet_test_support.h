#pragma once

// Helpers of the tests of the employees' records: the bytes of a file, a file
// written byte for byte, and a fixture that starts from the program's state
// at start-up with the fiscal year 2002.

#include "platform/files.h"
#include "shared/counties.h"
#include "shared/form_data.h"
#include "shared/state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace olm::testing {

inline std::string bytesOf(const std::string& name) {
    std::ifstream in(platform::files::resolve(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}

// Lines joined with CR LF after each, as the program writes them.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resetFormData();
        ArataFisaIIHandler = nullptr;
        IncarcaJudete();
        AnFiscal = 2002;
    }
    void TearDown() override { ArataFisaIIHandler = nullptr; }
};

} // namespace olm::testing
