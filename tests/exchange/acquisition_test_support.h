#pragma once

// An acquisition test: the fiscal year 2002, the diskette directory
// "discheta" of the working directory, the converter built with the program
// and the empty DBF templates in the working directory.

#include "platform/converter.h"
#include "shared/state.h"
#include "transfer/dbf_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace olm::testing {

class AcquisitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
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
        ::unsetenv("OLM_DRIVE_A");
    }
    // A script of the working directory standing for the converter.
    static void convertor(const std::string& script) {
        std::ofstream("convertor.sh") << "#!/bin/sh\n" << script << "\n";
        std::filesystem::permissions("convertor.sh", std::filesystem::perms::owner_all);
        platform::setConverterProgram((std::filesystem::current_path() / "convertor.sh").string());
    }
};

} // namespace olm::testing
