// The employee's own coefficient of a month, his invalidity marks, and the
// month's total coefficient with the dependants'.

#include "fisa1_test_support.h"
#include "sheets/fisa1_coefficients.h"

namespace olm::testing {
namespace {

using Coefficients = Fisa1Rules;

TEST_F(Coefficients, LeavingTheOwnCoefficient) {
    struct Rand {
        const char* nume;
        const char* coefInv2;
        const char* tastat;
        bool admis;
        const char* propriu;
        const char* total;
        const char* inv1;
        const char* inv2;
        const char* venit;
    };
    const Rand randuri[] = {
        {"ordinary", "0.5", "1", true, "1", "1", "", "", "3000000"},
        {"grade II typed with a comma", "0.5", "1,5", true, "1.5", "1.5", "", "X", "3000000"},
        {"grade I", "0.5", "2", true, "2", "2", "X", "", "3000000"},
        {"a typo keeps the month", "0.5", "3", false, "1", "1", "", "", "3000000"},
        {"emptied: no deduction that month", "0.5", "", true, "0", "0", "", "", "0"},
        {"a zero add-on is no invalidity", "0", "1", true, "1", "1", "", "", "3000000"},
        {"equal within the tolerance", "0.1", "1.1", true, "1.1", "1.1", "", "X", "3000000"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        resetFormData();
        fakeDialogs().messages.clear();
        CoefInv2 = r.coefInv2;
        MarcaInv1 = MarcaInv2 = "";
        f().CoefProp[4] = r.tastat;
        f().CoefCalc[4] = "1";
        f().VenitN[4] = f().ImpC[4] = "3000000";
        f().ImpP[4] = "9";
        EXPECT_EQ(ParasesteCoeficientPropriu(f(), 4, "1"), r.admis);
        EXPECT_EQ(f().CoefProp[4], r.propriu);
        EXPECT_EQ(f().CoefCalc[4], r.total);
        EXPECT_EQ(MarcaInv1, r.inv1);
        EXPECT_EQ(MarcaInv2, r.inv2);
        EXPECT_EQ(f().VenitN[4], r.venit);
        EXPECT_EQ(f().ImpC[4], r.venit);
        if (r.admis) {
            EXPECT_EQ(f().ImpP[13], f().ImpP[4]);
            EXPECT_EQ(f().VenitN[13], r.venit);
        } else {
            EXPECT_EQ(f().ImpP[4], "9"); // nothing else ran
        }
        EXPECT_EQ(messages(), r.admis ? std::vector<std::string>{} : std::vector<std::string>{"Coeficient gresit"});
    }
}

TEST_F(Coefficients, AMarkStaysWhileAnotherMonthHoldsIt) {
    f().CoefProp[0] = "1.5";
    f().CoefProp[1] = "1.5";
    ASSERT_TRUE(ParasesteCoeficientPropriu(f(), 1, ""));
    f().CoefProp[1] = "1";
    ASSERT_TRUE(ParasesteCoeficientPropriu(f(), 1, "1.5"));
    EXPECT_EQ(MarcaInv2, "X");
    f().CoefProp[0] = "1";
    ASSERT_TRUE(ParasesteCoeficientPropriu(f(), 0, "1.5"));
    EXPECT_EQ(MarcaInv2, "");
}

TEST_F(Coefficients, WithoutDomicileTheMonthIsEmptied) {
    MarcaFaraDom = "X";
    MarcaInv1 = "X";
    f().CoefProp[2] = "2";
    f().CoefCalc[2] = "2";
    EXPECT_TRUE(ParasesteCoeficientPropriu(f(), 2, ""));
    EXPECT_EQ(f().CoefProp[2], "");
    EXPECT_EQ(f().CoefCalc[2], "");
    EXPECT_EQ(MarcaInv1, "X");
}

TEST_F(Coefficients, TheTotalAddsTheDependantsAndAZeroDropsThem) {
    NrPersoane = 2;
    PersoanaCurenta = 2;
    TabelPersoane[1][10 + 6] = "0.5";
    TabelPersoane[2][10 + 6] = "1";
    f().CoefProp[6] = "1";
    ASSERT_TRUE(ParasesteCoeficientPropriu(f(), 6, "1"));
    EXPECT_EQ(f().CoefCalc[6], "2.5");
    f().CoefProp[6] = "0";
    ASSERT_TRUE(ParasesteCoeficientPropriu(f(), 6, "1"));
    EXPECT_EQ(f().CoefCalc[6], "0");
    EXPECT_EQ(TabelPersoane[1][16], "");
    EXPECT_EQ(TabelPersoane[2][16], "");
    EXPECT_EQ(f().persoana.CoefI[6], "0"); // the dependant shown again
}

TEST_F(Coefficients, OwnCoefficientOfTheInvalidityMarks) {
    struct Rand {
        const char* inv1;
        const char* inv2;
        double coef;
    };
    for (const Rand& r : {Rand{"", "", 1}, Rand{"X", "", 2}, Rand{"", "X", 1.5}, Rand{"X", "X", 1.5}}) {
        SCOPED_TRACE(std::string(r.inv1) + "/" + r.inv2);
        MarcaInv1 = r.inv1;
        MarcaInv2 = r.inv2;
        EXPECT_EQ(CoeficientPropriuDinMarci(), r.coef);
    }
}

} // namespace
} // namespace olm::testing
