#pragma once

// The small firm of the worked listing examples, put in the working
// directory, and the parameters its expected listings were made with.

#include "listings/sheet_listing.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

// A row of a rule table: a record line of a sheet and the lines a listing
// makes of it.
struct RandListare {
    const char* nume;
    FelFisa fel;
    std::string linie;
    std::vector<std::string> randuri;
};

} // namespace olm::testing
