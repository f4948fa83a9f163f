// The rule of a month's income box left, without the window (the tax box and
// the default income type are checked through the window).

#include "sheets/fisa2_entry.h"

#include "fisa2_test_support.h"

namespace olm::testing {
namespace {

using Fisa2Entry = Fisa2Test;

TEST_F(Fisa2Entry, LeavingAnIncomeBoxProposesTheMonthsTaxAndSumsBothColumns) {
    struct Rand {
        const char *nume, *venit, *taxat, *venitN, *impozitN, *totalVenit, *totalImpozit;
        int rand;
    } randuri[] = {
        {"empty: 0 and the grid's tax for 0", "", "", "0", "0", "700000", "126000", 0},
        {"first bracket, no deduction", "1500000", "", "1500000", "270000", "2200000", "396000", 0},
        {"second bracket, in December", "2000000", "", "2000000", "370000", "2700000", "496000", 11},
        {"a hand-typed tax is replaced", "1000", "5", "1000", "180", "701000", "126180", 0},
        {"a negative income stays, taxed as 0", "-500", "9", "-500", "0", "699500", "126000", 0},
        {"the number at the start of the text", " 1 5,9", "", "15", "0", "700015", "126000", 0},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FormaFisa2 f;
        f.VenitCS[5] = "700000"; // another month, already left
        f.ImpS[5] = "126000";
        const auto i = static_cast<std::size_t>(r.rand);
        f.VenitCS[i] = r.venit;
        f.ImpS[i] = r.taxat;
        ParasesteVenitCS(f, r.rand);
        EXPECT_EQ(std::vector<std::string>({f.VenitCS[i], f.ImpS[i], f.VenitCS[12], f.ImpS[12]}),
                  std::vector<std::string>({r.venitN, r.impozitN, r.totalVenit, r.totalImpozit}));
    }
}

} // namespace
} // namespace olm::testing
