#pragma once

// The small firm of the worked listing examples, put in the working
// directory, and the parameters its expected listings were made with.

#include "platform/files.h"
#include "shared/state.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace olm::testing {

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        DeducereBaza[12] = 1600000;
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            std::filesystem::copy_file(example(std::string("listings/in/") + f), f);
        }
    }
    static std::string expected(const std::string& name) { return example("listings/expected/" + name); }
};

} // namespace olm::testing
