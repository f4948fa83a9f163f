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
        const char* ianuarie; // another month's own coefficient
        const char* tastat;
        const char* propriu;  // the box afterwards; the total follows it
        const char* inv2;
        const char* venit;
    };
    const Rand randuri[] = {
        {"grade II typed with a comma", "0.5", "1", "1,5", "1.5", "X", "3000000"},
        {"the mark stays while another month holds it", "0.5", "1.5", "1", "1", "X", "3000000"},
        {"a typo keeps the month as it was", "0.5", "1", "3", "2", "", "3000000"},
        {"emptied: no deduction that month", "0.5", "1", "", "0", "", "0"},
        {"a zero add-on is no invalidity", "0", "1", "1", "1", "", "3000000"},
        {"equal within the tolerance", "0.1", "1", "1.1", "1.1", "X", "3000000"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        resetFormData();
        fakeDialogs().messages.clear();
        CoefInv2 = r.coefInv2;
        MarcaInv2 = "";
        f().CoefProp[0] = r.ianuarie;
        f().CoefProp[4] = r.tastat;
        f().CoefCalc[4] = "2";
        f().VenitN[4] = f().ImpC[4] = "3000000";
        const bool admis = ParasesteCoeficientPropriu(f(), 4, "2");
        EXPECT_EQ(admis, std::string(r.tastat) != "3");
        EXPECT_EQ(f().CoefProp[4], r.propriu);
        EXPECT_EQ(f().CoefCalc[4], admis ? r.propriu : "2");
        EXPECT_EQ(MarcaInv2, r.inv2);
        EXPECT_EQ(f().VenitN[4], r.venit);
        EXPECT_EQ(f().ImpC[4], r.venit);
        EXPECT_EQ(f().ImpP[13], f().ImpP[4]);
        EXPECT_EQ(messages(), admis ? std::vector<std::string>{} : std::vector<std::string>{"Coeficient gresit"});
    }
    MarcaFaraDom = "X"; // without a domicile the month is emptied, whatever was typed
    EXPECT_TRUE(ParasesteCoeficientPropriu(f(), 4, ""));
    EXPECT_EQ(f().CoefProp[4] + f().CoefCalc[4], "");
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
    EXPECT_EQ(TabelPersoane[1][16] + TabelPersoane[2][16], "");
    EXPECT_EQ(f().persoana.CoefI[6], "0"); // the dependant shown again
}

} // namespace
} // namespace olm::testing
