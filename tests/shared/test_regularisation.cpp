#include "shared/regularisation.h"

#include "shared/state.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

class Regularisation : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        NrRandImpozitar = 129;
        PrimaZi = "03";
        UltimaZi = "31";
        CoefMax = "5";
        ProcChProf = "0.15";
    }
    // The annual grid of the shipped monthly grid times twelve.
    static void grilaAnuala() {
        const double r[][4] = {{122400001, 1e12, 32520000, 40}, {87600001, 122400000, 20688000, 34},
                               {55200001, 87600000, 11616000, 28}, {21600001, 55200000, 3888000, 23},
                               {0, 21600000, 0, 18}};
        for (int i = 0; i < 5; ++i) {
            Impozitar[i] = {false, 13, r[i][0], r[i][1], r[i][2], r[i][3]};
        }
    }
};

std::array<double, 12> toate(double c) {
    std::array<double, 12> a;
    a.fill(c);
    return a;
}

TEST_F(Regularisation, WhoQualifies) {
    struct Rand {
        const char* nume;
        SituatieRegularizare s;
        bool califica;
    };
    const auto unu = toate(1);
    auto oLunaZero = unu;
    oLunaZero[6] = 0;
    const Rand randuri[] = {
        {"whole year, no dates", {"1800101221144", "POPESCU", "", "", unu}, true},
        {"hired on the first working day", {"1800101221144", "POPESCU", "03/01/2002", "", unu}, true},
        {"hired the day after", {"1800101221144", "POPESCU", "04/01/2002", "", unu}, false},
        {"hired in February", {"1800101221144", "POPESCU", "01/02/2002", "", unu}, false},
        {"left on the last working day", {"1800101221144", "POPESCU", "", "31/12/2002", unu}, true},
        {"left in November", {"1800101221144", "POPESCU", "", "30/11/2002", unu}, false},
        {"a date of separators only is no date", {"1800101221144", "POPESCU", "/  /", "--", unu}, true},
        {"a month without deduction", {"1800101221144", "POPESCU", "", "", oLunaZero}, false},
        {"... waived by ** in the surname", {"1800101221144", "POP**", "", "", oLunaZero}, true},
        {"foreign person", {"9800101221144", "POPESCU", "", "", unu}, false},
        {"other income", {"1800101221144", "POPESCU", "", "", unu, true, false}, false},
        {"no domicile", {"1800101221144", "POPESCU", "", "", unu, false, true}, false},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        EXPECT_EQ(ConditiiRegularizare(r.s), r.califica);
    }
}

TEST_F(Regularisation, SectionSixOfAYearWithAChildFromJuly) {
    grilaAnuala();
    DeducereBaza[12] = 1600000;
    std::array<double, 12> coef{1, 1, 1, 1, 1, 1, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5};
    const SectiuneaVI vi = CalculeazaRegularizare(57000000, 2880000, 12, coef, 6420000);
    const SectiuneaVI asteptat{57000000, 2880000, 2880000, 57000000, 24000000,
                               33000000, 6510000, 6420000, 90000,    0};
    EXPECT_EQ(vi, asteptat);
}

TEST_F(Regularisation, LimitsOfTheLines) {
    Impozitar[0] = {false, 13, 2000001, 1e12, 300000, 25};
    Impozitar[1] = {false, 13, 0, 2000000, 0, 15};
    DeducereBaza[12] = 1800000;
    CoefMax = "3";
    auto zeceLuni = toate(1);
    zeceLuni[0] = zeceLuni[1] = 0;
    auto peste = toate(1);
    peste[0] = 4; // counts as the cap

    // The example of a whole year: 965,000 left to pay.
    EXPECT_EQ(CalculeazaRegularizare(60000000, 1500000, 12, toate(1), 8000000),
              (SectiuneaVI{60000000, 1500000, 3240000, 58260000, 21600000, 36660000, 8965000, 8000000, 965000, 0}));
    // Twelve months of expenses but ten with a deduction: ten months count.
    EXPECT_EQ(CalculeazaRegularizare(0, 0, 12, zeceLuni, 0)[2], 2700000);
    EXPECT_EQ(CalculeazaRegularizare(0, 0, -2, zeceLuni, 0)[2], 0);
    // No income: no personal deduction, whatever the coefficients.
    EXPECT_EQ(CalculeazaRegularizare(0, 5000000, 0, toate(1), 0)[4], 0);
    // A coefficient over the cap counts as the cap.
    EXPECT_EQ(CalculeazaRegularizare(1, 0, 0, peste, 0)[4], 11 * 1800000 + 3 * 1800000);
    // Equal taxes: nothing to pay, nothing to refund.
    const SectiuneaVI egal = CalculeazaRegularizare(3000000, 0, 0, {}, 550000);
    EXPECT_EQ(egal[6], 550000);
    EXPECT_EQ(egal[8], 0);
    EXPECT_EQ(egal[9], 0);
    // Withheld more than due: the difference is refunded.
    EXPECT_EQ(CalculeazaRegularizare(3000000, 0, 0, {}, 600000)[9], 50000);
}

} // namespace
} // namespace olm
