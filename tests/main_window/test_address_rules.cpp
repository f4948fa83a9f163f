// The sector and county rules of the addresses, the boxes kept as numbers,
// and the employer's kind by his code.

#include "main_window/address_rules.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

TEST(AddressRules, ASectorSurvivesOnlyInTheCapitalUpToSix) {
    EXPECT_EQ(SectorPastrat("3", "BUCURESTI"), "3");
    EXPECT_EQ(SectorPastrat("6", "BUCURESTI"), "6");
    EXPECT_EQ(SectorPastrat("0", "BUCURESTI"), "0");
    EXPECT_EQ(SectorPastrat("7", "BUCURESTI"), "");
    EXPECT_EQ(SectorPastrat("3", "CLUJ-NAPOCA"), "");
    // The locality as stored: case and blanks count.
    EXPECT_EQ(SectorPastrat("3", "bucuresti"), "");
    EXPECT_EQ(SectorPastrat("3", "BUCURESTI "), "");
}

TEST(AddressRules, TheEmployersKindFollowsHisCode) {
    EXPECT_EQ(TipCodAngajator("19"), 1);         // a fiscal code
    EXPECT_EQ(TipCodAngajator("370348"), 1);
    EXPECT_EQ(TipCodAngajator(""), 1);           // passes as a fiscal code; refused on confirming
    EXPECT_EQ(TipCodAngajator("2740711100511"), 2); // a personal numeric code
    EXPECT_EQ(TipCodAngajator("123"), 0);
    EXPECT_EQ(TipCodAngajator("2740711100512"), 0); // wrong check digit
    EXPECT_EQ(TipCodAngajator("12345678901"), 0);   // eleven digits: neither
}

} // namespace
} // namespace olm
