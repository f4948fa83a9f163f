#pragma once

// Helpers of the tests of the employees' records: a dependant's line, and a
// fixture that starts from the program's state at start-up with the fiscal
// year 2002. Whole files as bytes and CR LF lines come from support/file_bytes.h.

#include "shared/counties.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm::testing {

// The employee whose sheets the tests of the sheet files build.
inline const std::string kX = "2800618056490";

// Dependant number n of an employee: a child with the coefficient 0.5 in January.
inline std::string dependant(const std::string& angajat, int n) {
    return angajat + "," + std::to_string(1000000000000 + n) + ",#NUME" + std::to_string(n) +
           "#,#PRENUME#,##,#X#,##,##,##,##,0.5,,,,,,,,,,,";
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
