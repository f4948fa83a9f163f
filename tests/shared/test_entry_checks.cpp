#include "shared/entry_checks.h"

#include "platform/date_style.h"
#include "shared/state.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace olm {
namespace {


DatePersoana persoana(const std::string& cod) {
    DatePersoana p;
    p.CodI = cod;
    return p;
}

void asteaptaMesaj(const std::string& text, std::source_location where = std::source_location::current()) {
    testing::expectOneMessage(text, "", platform::Icon::Exclamation, platform::Buttons::Ok, where);
}

TEST(VerificaPersoana, NoCodeTypedPassesWhateverTheRest) {
    EXPECT_TRUE(VerificaPersoana(persoana("")));
    EXPECT_TRUE(VerificaPersoana(persoana("0")));
    EXPECT_TRUE(VerificaPersoana(persoana("abc")));
    testing::expectMessages({});
}

TEST(VerificaPersoana, MissingCoefficientsAreNamedFirst) {
    EXPECT_FALSE(VerificaPersoana(persoana("1800101221144")));
    asteaptaMesaj("Nu ati completat coeficientii de deducere.");

    // Coefficients that cancel out count as missing.
    DatePersoana p = persoana("1800101221144");
    p.Copil = true;
    p.CoefI[0] = "0,5";
    p.CoefI[1] = "-0.5";
    EXPECT_FALSE(VerificaPersoana(p));
    asteaptaMesaj("Nu ati completat coeficientii de deducere.");
}

TEST(VerificaPersoana, MissingQuality) {
    DatePersoana p = persoana("1800101221144");
    p.CoefI[11] = "1";
    EXPECT_FALSE(VerificaPersoana(p));
    asteaptaMesaj("Nu ati dat calitatea persoanei");
}

TEST(VerificaPersoana, AQualityAndACoefficientPass) {
    for (int calitate = 0; calitate < 3; ++calitate) {
        DatePersoana p = persoana("1800101221144");
        p.Sotie = calitate == 0;
        p.Copil = calitate == 1;
        p.Alta = calitate == 2;
        p.CoefI[5] = "0,5"; // typed with a comma
        EXPECT_TRUE(VerificaPersoana(p));
    }
    testing::expectMessages({});
}

class DateStyle : public ::testing::Test {
protected:
    void SetUp() override { inainte_ = platform::shortDateStyle(); }
    void TearDown() override { platform::setShortDateStyle(inainte_); }

private:
    std::string inainte_;
};

TEST_F(DateStyle, TwoDigitDayFirstSlashTwoDigitMonthSecondPasses) {
    for (const char* stil : {"dd/MM/yy", "dd/MM/yyyy", "dd/mm/yy", "dd/mm/yyyy"}) {
        platform::setShortDateStyle(stil);
        EroareStilData = 1;
        VerificaData();
        EXPECT_EQ(EroareStilData, 0) << stil;
    }
    testing::expectMessages({});
}

TEST_F(DateStyle, OtherStylesAreRefusedWithTheMessage) {
    for (const char* stil : {"MM/dd/yy", "yy/MM/dd", "dd.MM.yy", "dd-MM-yyyy", "dd/MMM/yy", "ddd/MM/yy",
                             "dd/MM", "dd/MM/yy HH", "yyyy/MM/dd", "", "d/M/yy", "d/M/yyyy", "dd/M/yy",
                             "d/MM/yyyy"}) {
        platform::setShortDateStyle(stil);
        EroareStilData = 0;
        VerificaData();
        EXPECT_EQ(EroareStilData, 1) << stil;
        asteaptaMesaj("Nu aveti setarea 'Short date Style: dd/mm/yy' (la Regional Settings).");
    }
}

} // namespace
} // namespace olm
