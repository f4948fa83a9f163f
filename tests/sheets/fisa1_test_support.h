#pragma once

// The Fisa 1 rules run on the program's state at start with the parameter
// files it ships (the monthly grid, its annual grid of twelve times the
// amounts, a base deduction of 1,600,000 a month and a year), the fiscal year
// 2002, and an employee with no marks working all year.

#include "sheets/fisa1_months.h"
#include "shared/deduction_params.h"
#include "shared/sheet_test_support.h"
#include "shared/number_text.h"
#include "shared/tax_grid.h"
#include "support/fakes.h"
#include "support/golden.h"

#include <filesystem>
#include <string>

namespace olm::testing {

inline const std::string kAngajat = "1800101221144";

class Fisa1Rules : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        for (const char* nume : {"Cuantum.txt", "Impozitar.txt"}) {
            std::filesystem::copy_file(testData(std::string("../../data/") + nume), nume);
        }
        ASSERT_TRUE(CitesteCuantum().ok());
        ASSERT_TRUE(CitesteImpozitar().ok());
        CodAngajat = kAngajat;
        LunaPrima = 0;
        LunaUltima = 11;
    }
    static FormaFisa1& f() { return Fisa1Date; }
    // The incomes of the regularisation example: 4,000,000 a month to June,
    // 5,000,000 from July, a holiday bonus of 3,000,000 paid in July, every
    // proposed tax taken over, section V computed. With the own coefficient 1
    // and a child from July the totals are 57,000,000 and 6,420,000.
    static void veniturileExemplului() {
        for (int i = 0; i < 12; ++i) {
            f().VenitN[static_cast<std::size_t>(i)] = i < 6 ? "4000000" : "5000000";
            ParasesteVenit(f(), i);
        }
        f().VenitN[12] = "3000000";
        f().LuPrima = "7";
        ParasesteLunaPrima(f());
        f().Bif.fill(1);
        for (int r = 0; r < 13; ++r) {
            BifeazaRand(f(), r);
        }
        CalculeazaSectiuneaV(f());
    }
    static std::vector<std::string> messages() { return fakeDialogs().texts(); }
};

} // namespace olm::testing
