#pragma once

// The Fisa 2 tests start from the program's state at start, the fiscal year
// 2002, the shipped tax grid, an employer and an employee on their forms.

#include "shared/counties.h"
#include "shared/employer_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "shared/tax_grid.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace olm::testing {

class Fisa2Test : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resetFormData();
        IncarcaJudete();
        AnFiscal = 2002;
        std::filesystem::copy_file(testData("../../data/Impozitar.txt"), "Impozitar.txt",
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_TRUE(CitesteImpozitar());
        AngajatorFisaI = {"13548146", "1", "SC ALFA SRL", "", "", "CLUJ-NAPOCA", "CLUJ", "HOREA", "3",
                          "400174", "", "", "", "", "0", "0264123456", ""};
        TipAngajator = 1;
        AngajatFisaII.CodS = CodAngajat = "1800101221144";
        AngajatFisaII.NumeS = "POPESCU";
        AngajatFisaII.PrenS = "ION";
        AngajatFisaII.AdrS = {"CLUJ-NAPOCA", "MEMORANDUMULUI", "10", "400114", "", "", "", "", ""};
        AngajatFisaII.JudS = "CLUJ";
    }
};

} // namespace olm::testing
