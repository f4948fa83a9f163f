// The annual regularisation of a Fisa 1 and the sheet saved with it.

#include "fisa1_test_support.h"
#include "sheets/fisa1_months.h"
#include "sheets/fisa1_regularisation.h"
#include "shared/fisa1_record.h"

#include <optional>

namespace olm::testing {
namespace {

class Regularisation : public Fisa1Rules {
protected:
    // A year with the own coefficient 1 and a child from July, every proposed
    // tax taken, the holiday bonus paid in July: the totals 57,000,000 and
    // 6,420,000.
    static void anulCuUnCopilDinIulie() {
        for (int i = 0; i < 12; ++i) {
            f().CoefCalc[static_cast<std::size_t>(i)] = i < 6 ? "1" : "1.5";
        }
        f().CoefProp.fill("1");
        veniturileExemplului();
    }
};

TEST_F(Regularisation, AYearWithAChildFromJulyIsSavedWithItsSectionVI) {
    FormaFisaII& e = AngajatFisaII;
    e.NumeS = "POPESCU";
    e.PrenS = "ION";
    e.AdrS = {"CLUJ-NAPOCA", "MEMORANDUMULUI", "10", "400114", "", "", "", "", ""};
    e.JudS = "CLUJ";
    MarcaReg = "X";
    writeBytes("FF1.txt", "");
    writeBytes("Deduceri.txt", "");
    anulCuUnCopilDinIulie();
    RegularizeazaFisa1(f());
    EXPECT_EQ(std::vector<std::string>(f().Reg.begin(), f().Reg.begin() + 10),
              (std::vector<std::string>{"57000000", "2880000", "2880000", "57000000", "24000000", "33000000",
                                        "6510000", "6420000", "90000", "0"}));
    EXPECT_TRUE(messages().empty());
    ASSERT_TRUE(SalveazaFisa1().ok());
    EXPECT_EQ(readBytes("FF1.txt"),
              crlf({"1800101221144,#POPESCU#,#ION#,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#10#,400114,##,##,##,"
                    "##,,##,#X#,##,##,##,##,##,,,1,1,1,1,1,1,1.5,1.5,1.5,1.5,1.5,1.5,1,1,1,1,1,1,1,1,1,1,1,1,"
                    "4000000,462000,4000000,462000,4000000,462000,4000000,462000,4000000,462000,4000000,"
                    "462000,5000000,508000,5000000,508000,5000000,508000,5000000,508000,5000000,508000,"
                    "5000000,508000,3000000,600000,57000000,6420000,12,2880000,2880000,57000000,24000000,"
                    "33000000,6510000,90000,,,,"}));
}

TEST_F(Regularisation, TheMarkFollowsTheConditions) {
    struct Rand {
        const char* nume;
        const char* cod;
        const char* alteSurse;
        const char* marcaReg;
        std::optional<platform::Answer> raspuns;
        const char* marcaDupa;
        bool calculata;
    };
    const Rand randuri[] = {
        {"qualifies, mark set now", kAngajat.c_str(), "", "", platform::Answer::Yes, "X", true},
        {"qualifies, mark refused", kAngajat.c_str(), "", "", platform::Answer::No, "", false},
        {"other income loses the mark", kAngajat.c_str(), "X", "X", std::nullopt, "", false},
        {"a foreign person loses it", "9701011234561", "", "X", std::nullopt, "", false},
        {"does not qualify, no mark", kAngajat.c_str(), "X", "", std::nullopt, "", false},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        resetFormData();
        fakeDialogs().messages.clear();
        CodAngajat = kAngajat;
        anulCuUnCopilDinIulie();
        f().Reg[3] = "1";
        CodAngajat = r.cod;
        MarcaAlteS = r.alteSurse;
        MarcaReg = r.marcaReg;
        if (r.raspuns) {
            fakeDialogs().answer(*r.raspuns);
        }
        RegularizeazaFisa1(f());
        EXPECT_EQ(MarcaReg, r.marcaDupa);
        EXPECT_EQ(f().Reg[3], r.calculata ? "57000000" : "");
        EXPECT_EQ(messages().size(), r.raspuns || std::string(r.marcaReg) == "X" ? 1u : 0u);
    }
}

TEST_F(Regularisation, MonthsOfExpensesAreAskedForAndLimited) {
    MarcaReg = "X";
    AngajatFisaII.NumeS = "POP**"; // qualifies with one month of coefficient
    f().CoefCalc[0] = "1";
    f().VenitN[0] = "5000000";
    RegularizeazaFisa1(f());
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Nu ati introdus 'Nr.de luni pt.care s-au acordat chelt.profesionale'."});
    f().Luni = "9";
    RegularizeazaFisa1(f());
    EXPECT_EQ(f().Luni, "1");
    EXPECT_EQ(f().Reg[2], "240000");

    // Without an annual base deduction nothing is checked or computed.
    DeducereBaza[12] = 0;
    f().Luni = "0";
    f().Reg[5] = "7";
    RegularizeazaFisa1(f());
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(f().Reg[5], "7");
}

TEST_F(Regularisation, IncomeWithFinalTaxation) {
    CotaImpFinal = "0,15";
    f().Reg[10] = "1000.5";
    ParasesteReg(f(), 10);
    EXPECT_EQ(f().Reg[10] + "/" + f().Reg[11], "1000/150");
}

} // namespace
} // namespace olm::testing
