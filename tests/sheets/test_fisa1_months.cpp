// Section V of a Fisa 1: the proposed tax of a month and of the holiday bonus,
// the section-V command, the ticks, the months of professional expenses.

#include "fisa1_test_support.h"
#include "sheets/fisa1_months.h"
#include "shared/number_text.h"

namespace olm::testing {
namespace {

using Months = Fisa1Rules;

TEST_F(Months, TaxOfAMonthOnLeavingItsIncome) {
    struct Rand {
        const char* nume;
        int luna;
        const char* coef;
        const char* coefMax;
        double deducere;
        const char* venit;
        const char* venitRotunjit;
        const char* impozit;
    };
    const Rand randuri[] = {
        {"January, coefficient 1", 0, "1", "5", 1600000, "3000000", "3000000", "252000"},
        {"coefficient capped at 1.5", 0, "2", "1.5", 1600000, "5000000", "5000000", "508000"},
        {"half-leu deduction rounded to even", 0, "0.5", "5", 1600001, "2800000", "2800000", "370000"},
        {"income below the deduction", 5, "1", "5", 1600000, "1000000", "1000000", "0"},
        {"income rounded half to even", 3, "1", "5", 1600000, "3000000.5", "3000000", "252000"},
        {"separators end the number", 3, "1", "5", 1600000, "1.500.000", "2", "0"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        resetFormData();
        CoefMax = r.coefMax;
        DeducereBaza[static_cast<std::size_t>(r.luna)] = r.deducere;
        f().CoefCalc[static_cast<std::size_t>(r.luna)] = r.coef;
        f().VenitN[static_cast<std::size_t>(r.luna)] = r.venit;
        f().VenitN[12] = "100";
        ParasesteVenit(f(), r.luna);
        EXPECT_EQ(f().VenitN[static_cast<std::size_t>(r.luna)], r.venitRotunjit);
        EXPECT_EQ(f().ImpP[static_cast<std::size_t>(r.luna)], r.impozit);
        EXPECT_EQ(f().ImpP[13], r.impozit);
        EXPECT_EQ(f().VenitN[13], TextNumar(ValoareText(r.venitRotunjit) + 100));
    }
}

TEST_F(Months, TaxOfTheHolidayBonusByItsMonth) {
    struct Rand {
        const char* luPrima;
        const char* luPrimaDupa;
        bool admisa;
        const char* impozit;
    };
    const Rand randuri[] = {
        {"7", "7", true, "370000"}, {"0", "0", true, "0"},   {"", "0", true, "0"},
        {"-7", "7", true, "370000"}, {"13", "13", false, "0"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.luPrima);
        fakeDialogs().messages.clear();
        f().VenitN[12] = "2000000";
        f().LuPrima = r.luPrima;
        ParasesteVenit(f(), 12);
        EXPECT_EQ(ParasesteLunaPrima(f()), r.admisa);
        EXPECT_EQ(f().LuPrima, r.luPrimaDupa);
        EXPECT_EQ(f().ImpP[12], r.impozit);
        EXPECT_EQ(f().ImpP[13], r.impozit);
        EXPECT_EQ(messages(), r.admisa ? std::vector<std::string>{} : std::vector<std::string>{"Luna  > 12"});
    }
}

TEST_F(Months, SectionVSubtractsTheDeductionUnroundedAndProposesTheExpenses) {
    DeducereBaza[0] = 1600001;
    for (std::size_t i = 0; i < 12; ++i) {
        f().CoefCalc[i] = "1";
    }
    f().CoefCalc[0] = "0.5";
    f().VenitN[0] = "2800000";
    f().ImpP[12] = "600000";
    CalculeazaSectiuneaV(f());
    EXPECT_EQ(f().ImpP[0], "369770");
    EXPECT_EQ(f().ImpP[1], "0");
    EXPECT_EQ(f().ImpP[13], "969770");
    EXPECT_EQ(f().Luni, "12");
    EXPECT_EQ(f().ChAc, "2880000");

    // Months already filled in are never proposed again, nor the amount.
    f().Luni = "5";
    f().ChAc = "7";
    CalculeazaSectiuneaV(f());
    EXPECT_EQ(f().Luni, "5");
    EXPECT_EQ(f().ChAc, "7");

    // Nor for an employee without deductions.
    f().Luni = "";
    MarcaFaraDom = "X";
    CalculeazaSectiuneaV(f());
    EXPECT_EQ(f().Luni, "");
}

TEST_F(Months, TicksTakeTheProposedTaxAndKeepTheTotal) {
    f().ImpP[2] = "252000";
    f().ImpC[3] = "1000";
    f().Bif[2] = 1;
    BifeazaRand(f(), 2);
    EXPECT_EQ(f().ImpC[2], "252000");
    EXPECT_EQ(f().ImpC[13], "253000");
    f().Bif[2] = 0;
    BifeazaRand(f(), 2);
    EXPECT_EQ(f().ImpC[2], "0");
    EXPECT_EQ(f().ImpC[13], "1000");
}

TEST_F(Months, MonthsOfProfessionalExpensesAreCappedByTheMonthsWithADeduction) {
    for (std::size_t i = 0; i < 8; ++i) {
        f().CoefCalc[i] = "1";
    }
    f().Luni = "-5";
    ParasesteLuni(f());
    EXPECT_EQ(f().Luni, "5");
    EXPECT_TRUE(messages().empty());
    f().Luni = "12";
    ParasesteLuni(f());
    EXPECT_EQ(f().Luni, "8");
    EXPECT_EQ(messages(), std::vector<std::string>{" Numar de luni pentru chelt.profesionale acordate\r\n"
                                                   "mai mare decat nr.de luni cu drept de deducere = 8."});
}

} // namespace
} // namespace olm::testing
