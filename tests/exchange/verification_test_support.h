#pragma once

// The parameters of the verification tests: the fiscal year 2002, the
// shipped tax grid (annual grid = monthly grid x 12) and a base deduction of
// 1,600,000 for every month and for the year; coefficients 0.5, cap 5,
// invalidity add-ons 1, 0.5 and 0.5, professional expenses 0.15, final tax
// 0.15, first and last working days 03 and 31. Written as files and read as
// the program reads them.

#include "shared/deduction_params.h"
#include "shared/state.h"
#include "shared/tax_grid.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm::testing {

class VerificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        std::vector<std::string> cuantum{"2002,03,31"};
        for (int luna = 1; luna <= 12; ++luna) {
            cuantum.push_back((luna < 10 ? " " : "") + std::to_string(luna) + ",1600000,0.5,0.5,0.5,");
        }
        cuantum.push_back("13,1600000,5,1,0.5,0.5,0.15,0.15,");
        cuantum.push_back("eof");
        writeBytes("Cuantum.txt", crlf(cuantum));
        writeBytes("Impozitar.txt", crlf({"13,122400001,999999999999,32520000,40",
                                          "13,87600001,122400000,20688000,34",
                                          "13,55200001,87600000,11616000,28",
                                          "13,21600001,55200000,3888000,23", "13,0,21600000,0,18",
                                          " 1,10200001,999999999999,2710000,40",
                                          " 1,7300001,10200000,1724000,34", " 1,4600001,7300000,968000,28",
                                          " 1,1800001,4600000,324000,23", " 1,0,1800000,0,18", "eof"}));
        ASSERT_TRUE(CitesteCuantum().ok());
        ASSERT_TRUE(CitesteImpozitar().ok());
    }
};

} // namespace olm::testing
