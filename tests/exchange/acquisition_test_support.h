#pragma once

// The setting of an acquisition test: the fiscal year 2002, a diskette
// directory "discheta" in the working directory, the converter built with
// the program and the empty DBF templates in the working directory.

#include "platform/converter.h"
#include "platform/files.h"
#include "shared/state.h"
#include "transfer/dbf_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace olm::testing {

class AcquisitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        if (const char* v = std::getenv("OLM_DRIVE_A")) {
            drive_ = v;
        }
        ::setenv("OLM_DRIVE_A", (std::filesystem::current_path() / "discheta").c_str(), 1);
        std::filesystem::create_directory("discheta");
        platform::setConverterProgram(OLM_TRANSFER_PROGRAM);
        for (const auto& t : transfer::TabeleDbf()) {
            transfer::ScrieSablonDbf(t, transfer::NumeSablon(t));
        }
    }
    void TearDown() override {
        platform::setConverterProgram("");
        platform::setConverterTimeLimit(0);
        if (drive_.empty()) {
            ::unsetenv("OLM_DRIVE_A");
        } else {
            ::setenv("OLM_DRIVE_A", drive_.c_str(), 1);
        }
    }

    // A converter standing in for ours: a script of the working directory.
    static void convertor(const std::string& script) {
        std::ofstream("convertor.sh") << "#!/bin/sh\n" << script << "\n";
        std::filesystem::permissions("convertor.sh", std::filesystem::perms::owner_all);
        platform::setConverterProgram((std::filesystem::current_path() / "convertor.sh").string());
    }

private:
    std::string drive_;
};

} // namespace olm::testing
