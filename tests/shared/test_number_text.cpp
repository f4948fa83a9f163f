#include "shared/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace olm {
namespace {

TEST(ValoareText, SkipsBlanksAnywhereAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(ValoareText("1 500"), 1500);
    EXPECT_EQ(ValoareText(" \t\n-1 2.5"), -12.5);
    EXPECT_EQ(ValoareText("- 5"), -5);
    EXPECT_EQ(ValoareText("+3"), 3);
    EXPECT_EQ(ValoareText("12,5"), 12);
    EXPECT_EQ(ValoareText("12abc"), 12);
    EXPECT_EQ(ValoareText("1.2.3"), 1.2);
    EXPECT_EQ(ValoareText(".5"), 0.5);
    EXPECT_EQ(ValoareText("-.5"), -0.5);
    EXPECT_EQ(ValoareText("7."), 7);
}

TEST(ValoareText, NoNumberInFrontIsZero) {
    EXPECT_EQ(ValoareText(""), 0);
    EXPECT_EQ(ValoareText("abc"), 0);
    EXPECT_EQ(ValoareText("."), 0);
    EXPECT_EQ(ValoareText("-"), 0);
    EXPECT_EQ(ValoareText("--5"), 0);
    EXPECT_EQ(ValoareText("\r5"), 0); // a carriage return is not a blank
}

TEST(ValoareText, TakesAnExponentOnlyWithItsDigits) {
    EXPECT_EQ(ValoareText("1e3"), 1000);
    EXPECT_EQ(ValoareText("1.5E-2"), 0.015);
    EXPECT_EQ(ValoareText("2D2"), 200);
    EXPECT_EQ(ValoareText("2e 2"), 200);
    EXPECT_EQ(ValoareText("1e"), 1);
    EXPECT_EQ(ValoareText("1e+"), 1);
    EXPECT_EQ(ValoareText("4ex"), 4);
    EXPECT_EQ(ValoareText("1e999"), 0); // no double holds it
}

TEST(TextNumar, WritesTheShortestFormOfAtMostFifteenDigits) {
    EXPECT_EQ(TextNumar(0.5), "0.5");
    EXPECT_EQ(TextNumar(-0.5), "-0.5");
    EXPECT_EQ(TextNumar(-0.0), "0");
    EXPECT_EQ(TextNumar(0.0), "0");
    EXPECT_EQ(TextNumar(1500.0), "1500");
    EXPECT_EQ(TextNumar(19200000.0), "19200000");
    EXPECT_EQ(TextNumar(2.5), "2.5");
    EXPECT_EQ(TextNumar(0.1 + 0.2), "0.3");
    EXPECT_EQ(TextNumar(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(TextNumar(123456789012345.0), "123456789012345");
    EXPECT_EQ(TextNumar(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(TextNumar(1e15), "1e+15");
    EXPECT_EQ(TextNumar(-1.5), "-1.5");
    EXPECT_EQ(TextNumar(12345678901234.5), "12345678901234.5");
    EXPECT_EQ(TextNumar(123456789012345.5), "123456789012346");
    EXPECT_EQ(TextNumar(1234567890123456.0), "1.23456789012346e+15");
}

TEST(TextNumar, WholeNumbersKeepEveryDigitAtEveryLength) {
    // The digits are counted from the bits of the number: 10^k and 10^k - 1
    // are where a count could slip.
    std::string nouari;
    double putere = 1;
    for (int k = 1; k <= 14; ++k) {
        putere *= 10;
        nouari += '9';
        SCOPED_TRACE(k);
        EXPECT_EQ(TextNumar(putere), "1" + std::string(static_cast<std::size_t>(k), '0'));
        EXPECT_EQ(TextNumar(putere - 1), nouari);
        EXPECT_EQ(TextNumar(-(putere - 0.5)), "-" + nouari + ".5");
    }
}

TEST(TextNumar, OfATextTakesItsValueAsItStands) {
    EXPECT_EQ(TextNumar(std::string("1,5")), "1");
    EXPECT_EQ(TextNumar(std::string(" 2.50")), "2.5");
    EXPECT_EQ(TextNumar(std::string("")), "0");
}

TEST(NumberText, CommaBecomesDecimalPointBeforeTheValue) {
    EXPECT_EQ(NormNumar("1,5"), "1.5");
    EXPECT_EQ(NormNumar(" 2.50"), "2.5");
    EXPECT_EQ(NormNumar(""), "0");
    EXPECT_EQ(NormNumar("12abc"), "12");
    EXPECT_EQ(NormNumar("1.234,5"), "1.234");
    EXPECT_EQ(ValNumar("1,5"), 1.5);
    EXPECT_EQ(ValNumar(""), 0);
    EXPECT_EQ(VirgulaPunct(2.5), "2.5");
    EXPECT_EQ(VirgulaPunct("a,b"), "a.b");
    EXPECT_EQ(VirgulaPunct(""), "");
}

TEST(RotunjireLei, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RotunjireLei(12.5), 12);
    EXPECT_EQ(RotunjireLei(13.5), 14);
    EXPECT_EQ(RotunjireLei(-12.5), -12);
    EXPECT_EQ(RotunjireLei(12.51), 13);
    EXPECT_EQ(RotunjireLei(0.5), 0);
}

TEST(FormatMii, GroupsTheWholePartByThree) {
    EXPECT_EQ(FormatMii("7"), "7");
    EXPECT_EQ(FormatMii("999"), "999");
    EXPECT_EQ(FormatMii("1234"), "1.234");
    EXPECT_EQ(FormatMii("12345"), "12.345");
    EXPECT_EQ(FormatMii("123456"), "123.456");
    EXPECT_EQ(FormatMii("1234567"), "1.234.567");
    EXPECT_EQ(FormatMii("0"), "0");
    EXPECT_EQ(FormatMii(""), "");
    EXPECT_EQ(FormatMii(1234567.0), "1.234.567");
    EXPECT_EQ(FormatMii(0.0), "0");
}

TEST(FormatMii, SignInFrontAndDecimalsAfterTheGroups) {
    EXPECT_EQ(FormatMii("-1234"), "-1.234");
    EXPECT_EQ(FormatMii(-1234.0), "-1.234");
    EXPECT_EQ(FormatMii("1234.5"), "1.234.5");
    EXPECT_EQ(FormatMii(-1234567.25), "-1.234.567.25");
    EXPECT_EQ(FormatMii("123.45"), "123.45");
}

TEST(LeiIntregi, WholeLeiExactWithinSixtyFourBits) {
    using Limite = std::numeric_limits<std::int64_t>;
    struct Rand {
        const char* nume;
        const char* text;
        std::int64_t lei;
    } randuri[] = {
        {"empty", "", 0},
        {"half to even, down", "12.5", 12},
        {"half to even, up", "13.5", 14},
        {"negative", "-1234", -1234},
        {"fifteen digits", "999999999999999", 999999999999999},
        {"too large stops at the limit", "1E30", Limite::max()},
        {"too small stops at the limit", "-1E30", Limite::min()},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        EXPECT_EQ(LeiIntregi(r.text), r.lei);
    }
    EXPECT_EQ(AdunaLei(Limite::max(), 1), Limite::max());
    EXPECT_EQ(AdunaLei(Limite::min(), -1), Limite::min());
    EXPECT_EQ(FormatMii(Limite::min()), "-9.223.372.036.854.775.808");
}

} // namespace
} // namespace olm
