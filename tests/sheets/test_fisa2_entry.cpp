// The rules of the Fisa 2 form, without its window: a month's income or tax
// left, the income types, the caption.

#include "sheets/fisa2_entry.h"

#include "fisa2_test_support.h"

#include <string>

namespace olm::testing {
namespace {

class Fisa2Entry : public Fisa2Test {};

TEST_F(Fisa2Entry, LeavingAnIncomeBoxProposesTheMonthsTaxAndSumsBothColumns) {
    struct Rand {
        const char* nume;
        int rand;
        const char* venit;  // typed in the income box of the row
        const char* taxat;  // already in the row's tax box
        const char* venitN; // the income box afterwards
        const char* impozitN;
        const char* totalVenit;
        const char* totalImpozit;
    } randuri[] = {
        {"empty: 0 and the grid's tax for 0", 0, "", "", "0", "0", "700000", "126000"},
        {"first bracket, no deduction", 0, "1500000", "", "1500000", "270000", "2200000", "396000"},
        {"second bracket, in March", 2, "2000000", "", "2000000", "370000", "2700000", "496000"},
        {"a hand-typed tax is replaced", 0, "1000", "5", "1000", "180", "701000", "126180"},
        {"a negative income stays and is taxed as 0", 0, "-500", "9", "-500", "0", "699500", "126000"},
        {"the number at the start of the text", 0, " 1 5,9abc", "", "15", "0", "700015", "126000"},
        {"a decimal income is not rounded", 11, "1000.5", "", "1000.5", "180", "701000.5", "126180"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FormaFisa2 f;
        f.VenitCS[5] = "700000"; // another month, already left
        f.ImpS[5] = "126000";
        f.VenitCS[12] = f.ImpS[12] = "stale";
        const auto i = static_cast<std::size_t>(r.rand);
        f.VenitCS[i] = r.venit;
        f.ImpS[i] = r.taxat;
        ParasesteVenitCS(f, r.rand);
        EXPECT_EQ(f.VenitCS[i], r.venitN);
        EXPECT_EQ(f.ImpS[i], r.impozitN);
        EXPECT_EQ(f.VenitCS[12], r.totalVenit);
        EXPECT_EQ(f.ImpS[12], r.totalImpozit);
    }
}

TEST_F(Fisa2Entry, LeavingATaxBoxKeepsTheHandTypedTaxAndSumsTheTaxColumnOnly) {
    FormaFisa2 f;
    f.VenitCS[0] = "1500000";
    f.ImpS[0] = "270000";
    f.VenitCS[12] = "1500000";
    f.ImpS[12] = "270000";
    f.ImpS[1] = " 12a";
    f.VenitCS[1] = "2000000"; // typed but not left yet: no tax proposed, not in the total
    ParasesteImpS(f, 1);
    EXPECT_EQ(f.ImpS[1], "12");
    EXPECT_EQ(f.ImpS[12], "270012");
    EXPECT_EQ(f.VenitCS[12], "1500000");

    f.ImpS[2] = "";
    ParasesteImpS(f, 2);
    EXPECT_EQ(f.ImpS[2], "0");
}

TEST_F(Fisa2Entry, ASheetWithNoTypeTickedGetsAS4) {
    struct Rand {
        const char* nume;
        std::array<int, 8> tipuri;
        bool areTip;
        std::array<int, 8> dupa;
    } randuri[] = {
        {"none", {0, 0, 0, 0, 0, 0, 0, 0}, false, {0, 0, 0, 1, 0, 0, 0, 0}},
        {"a greyed box is not ticked", {0, 2, 0, 0, 0, 0, 0, 0}, false, {0, 2, 0, 1, 0, 0, 0, 0}},
        {"AS8 alone", {0, 0, 0, 0, 0, 0, 0, 1}, true, {0, 0, 0, 0, 0, 0, 0, 1}},
        {"AS1 and AS3", {1, 0, 1, 0, 0, 0, 0, 0}, true, {1, 0, 1, 0, 0, 0, 0, 0}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        FormaFisa2 f;
        f.TAS = r.tipuri;
        EXPECT_EQ(AreTipVenit(f), r.areTip);
        TipVenitImplicit(f);
        EXPECT_EQ(f.TAS, r.dupa);
    }
}

TEST_F(Fisa2Entry, TheCaptionNamesTheEmployeeAndTheInformationHasFourteenLines) {
    EXPECT_EQ(TitluFisa2("POPESCU", "ION", "1800101221144"),
              "Fisa fiscala II - POPESCU ION, cod numeric 1800101221144");
    const std::string info(InformatiiTipuriVenit);
    std::size_t linii = 1;
    for (std::size_t p = info.find("\r\n"); p != std::string::npos; p = info.find("\r\n", p + 2)) {
        ++linii;
    }
    EXPECT_EQ(linii, 14u);
    EXPECT_EQ(info.substr(info.size() - 2), "a.");
}

} // namespace
} // namespace olm::testing
