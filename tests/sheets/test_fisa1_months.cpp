// Section V of a Fisa 1: the proposed tax of a month and of the holiday bonus,
// the section-V command, the ticks, the months of professional expenses.

#include "fisa1_test_support.h"
#include "sheets/fisa1_months.h"

namespace olm::testing {
namespace {

using Months = Fisa1Rules;

TEST_F(Months, TaxOfAMonthOnLeavingItsIncome) {
    struct Rand {
        const char* nume;
        const char* coef;
        const char* coefMax;
        double deducere;
        const char* venit;
        const char* venitRotunjit;
        const char* impozit;
    };
    const Rand randuri[] = {
        {"coefficient 1", "1", "5", 1600000, "3000000", "3000000", "252000"},
        {"coefficient capped at 1.5", "2", "1.5", 1600000, "5000000", "5000000", "508000"},
        {"half-leu deduction rounded to even", "0.5", "5", 1600001, "2800000", "2800000", "370000"},
        {"income below the deduction", "1", "5", 1600000, "1000000", "1000000", "0"},
        {"income rounded half to even", "1", "5", 1600000, "3000000.5", "3000000", "252000"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        CoefMax = r.coefMax;
        DeducereBaza[3] = r.deducere;
        f().CoefCalc[3] = r.coef;
        f().VenitN[3] = r.venit;
        f().VenitN[12] = "1";
        ParasesteVenit(f(), 3);
        EXPECT_EQ(f().VenitN[3], r.venitRotunjit);
        EXPECT_EQ(f().ImpP[3], r.impozit);
        EXPECT_EQ(f().ImpP[13], r.impozit);
        EXPECT_EQ(ValoareText(f().VenitN[13]), ValoareText(r.venitRotunjit) + 1);
    }
}

TEST_F(Months, TaxOfTheHolidayBonusByItsMonth) {
    struct Rand {
        const char* luPrima;
        const char* luPrimaDupa;
        const char* impozit;
    };
    for (const Rand& r : {Rand{"-7", "7", "370000"}, Rand{"", "0", "0"}, Rand{"13", "13", "0"}}) {
        SCOPED_TRACE(r.luPrima);
        fakeDialogs().messages.clear();
        f().VenitN[12] = "2000000";
        f().LuPrima = r.luPrima;
        ParasesteVenit(f(), 12);
        const bool admisa = std::string(r.luPrima) != "13";
        EXPECT_EQ(ParasesteLunaPrima(f()), admisa);
        EXPECT_EQ(f().LuPrima, r.luPrimaDupa);
        EXPECT_EQ(f().ImpP[12], r.impozit);
        EXPECT_EQ(f().ImpP[13], r.impozit);
        EXPECT_EQ(messages(), admisa ? std::vector<std::string>{} : std::vector<std::string>{"Luna  > 12"});
    }
}

TEST_F(Months, SectionVSubtractsTheDeductionUnroundedAndProposesTheExpenses) {
    DeducereBaza[0] = 1600001;
    f().CoefCalc.fill("1");
    f().CoefCalc[0] = "0.5";
    f().VenitN[0] = "2800000";
    f().ImpP[12] = "600000";
    CalculeazaSectiuneaV(f());
    EXPECT_EQ(f().ImpP[0], "369770");
    EXPECT_EQ(f().ImpP[13], "969770");
    EXPECT_EQ(f().Luni, "12");
    EXPECT_EQ(f().ChAc, "2880000");
    // Months already filled in are never proposed again, nor the amount.
    f().Luni = "5";
    CalculeazaSectiuneaV(f());
    EXPECT_EQ(f().Luni, "5");
    EXPECT_EQ(f().ChAc, "2880000");
}

TEST_F(Months, TicksAndTheMonthsOfExpenses) {
    f().ImpP[2] = "252000";
    f().ImpC[3] = "1000";
    for (int bif : {1, 0}) {
        f().Bif[2] = bif;
        BifeazaRand(f(), 2);
        EXPECT_EQ(f().ImpC[2], bif ? "252000" : "0");
        EXPECT_EQ(f().ImpC[13], bif ? "253000" : "1000");
    }
    std::fill_n(f().CoefCalc.begin(), 8, "1");
    f().Luni = "12";
    ParasesteLuni(f());
    EXPECT_EQ(f().Luni, "8");
    EXPECT_EQ(messages(), std::vector<std::string>{" Numar de luni pentru chelt.profesionale acordate\r\n"
                                                   "mai mare decat nr.de luni cu drept de deducere = 8."});
}

} // namespace
} // namespace olm::testing
