#include "shared/check_digits.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

TEST(VerificaCNP, AcceptsCodesWithTheRightCheckDigit) {
    EXPECT_TRUE(VerificaCNP("1800101221144"));
    EXPECT_TRUE(VerificaCNP("5020315123457"));
    EXPECT_FALSE(VerificaCNP("1800101221145"));
    EXPECT_FALSE(VerificaCNP("1000000000000"));
}

TEST(VerificaCNP, RemainderTenGivesCheckDigitOne) {
    EXPECT_TRUE(VerificaCNP("1800101221031"));
    EXPECT_FALSE(VerificaCNP("1800101221030"));
}

TEST(VerificaCNP, RefusesWrongLengthAndNonDigits) {
    EXPECT_FALSE(VerificaCNP("180010122114"));
    EXPECT_FALSE(VerificaCNP("18001012211440"));
    EXPECT_FALSE(VerificaCNP(""));
    EXPECT_FALSE(VerificaCNP("18001012211 4"));
    EXPECT_FALSE(VerificaCNP("1800101a21144"));
}

TEST(VerificaCNP, DayAndMonthLimits) {
    // Every code below carries its right check digit; only the date decides.
    EXPECT_TRUE(VerificaCNP("1800131221140"));  // 31 January
    EXPECT_FALSE(VerificaCNP("1800132221143")); // 32 January
    EXPECT_TRUE(VerificaCNP("1800430221149"));  // 30 April
    EXPECT_FALSE(VerificaCNP("1800431221141")); // 31 April
    EXPECT_FALSE(VerificaCNP("1800631221149")); // 31 June
    EXPECT_FALSE(VerificaCNP("1800931221141")); // 31 September
    EXPECT_TRUE(VerificaCNP("1801130221149"));  // 30 November
    EXPECT_FALSE(VerificaCNP("1801131221141")); // 31 November
    EXPECT_TRUE(VerificaCNP("1801231221145"));  // 31 December
    EXPECT_TRUE(VerificaCNP("1800229221140"));  // 29 February, no leap-year test
    EXPECT_FALSE(VerificaCNP("1800230221141")); // 30 February
    EXPECT_FALSE(VerificaCNP("1801301221142")); // month 13
    EXPECT_FALSE(VerificaCNP("1800100221141")); // day 0
}

TEST(VerificaCNP, ForeignPersonSkipsTheDate) {
    EXPECT_TRUE(VerificaCNP("9000000000007"));
    EXPECT_TRUE(VerificaCNP("9901331221141"));  // month 13, day 31
    EXPECT_FALSE(VerificaCNP("1901331221145")); // the same date after a 1
    EXPECT_FALSE(VerificaCNP("9000000000008"));
}

TEST(VerificaCF, PadsTheCallersCodeAndChecksIt) {
    struct Caz {
        const char* cod;
        bool bun;
        const char* completat; // padded whatever the outcome
    };
    for (const Caz& c : {Caz{"19", true, "0000000019"}, Caz{"1", false, "0000000001"}, Caz{"", true, "0000000000"},
                         Caz{"0000000019", true, "0000000019"}}) {
        std::string cod = c.cod;
        EXPECT_EQ(VerificaCF(cod), c.bun) << c.cod;
        EXPECT_EQ(cod, c.completat);
    }
}

TEST(VerificaCF, RemainderTenGivesCheckDigitZero) {
    std::string cod = "60";
    EXPECT_TRUE(VerificaCF(cod));
    cod = "61";
    EXPECT_FALSE(VerificaCF(cod));
}

TEST(VerificaCF, LongOrNonDigitCodesAreRefusedAndLeftAlone) {
    for (std::string cod : {"12345678901", "123456789012", "1234567890123", "12a", " 19"}) {
        const std::string inainte = cod;
        EXPECT_FALSE(VerificaCF(cod)) << inainte;
        EXPECT_EQ(cod, inainte);
    }
}

} // namespace
} // namespace olm
