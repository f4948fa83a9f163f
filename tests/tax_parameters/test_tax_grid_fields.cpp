// The rules of the tax-grid editor's boxes: Enter, leaving a box, and the
// check when a block is confirmed.

#include "tax_parameters/tax_grid_fields.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

// Four brackets whose fixed taxes follow from the brackets below them:
// 100 = 500 x 20%, 200 ~ 100 + (900 - 500 - 1) x 25%.
BlocAfisat blocBun() {
    BlocAfisat b{};
    b[0] = {"0", "500", "0", "20"};
    b[1] = {"501", "900", "100", "25"};
    b[2] = {"901", "2000", "200", "30"};
    b[3] = {"2001", "5000", "530", "40"};
    return b;
}

void expectFocus(const TintaFocus& f, TintaFocus::Tip tip, Coloana c = Coloana::LimMax,
                 int rand = 0) {
    EXPECT_EQ(f.tip, tip);
    if (tip == TintaFocus::Caseta) {
        EXPECT_EQ(f.coloana, c);
        EXPECT_EQ(f.rand, rand);
    }
}

TEST(TaxGridFields, EnterInAnUpperLimit) {
    BlocAfisat b = blocGol();
    b[0] = {"0", "500", "", ""};
    RezultatEnter e = enterInCaseta(b, Coloana::LimMax, 0);
    EXPECT_EQ(e.mesaj, "");
    expectFocus(e.focus, TintaFocus::Caseta, Coloana::ImpFix, 0);
    EXPECT_EQ(b[1].limMin, "501");

    // An empty or zero upper limit ends the chain at the confirming button.
    b[3].limMax = "";
    expectFocus(enterInCaseta(b, Coloana::LimMax, 3).focus, TintaFocus::OkImp);
    b[3].limMax = "0";
    expectFocus(enterInCaseta(b, Coloana::LimMax, 3).focus, TintaFocus::OkImp);
    EXPECT_EQ(b[4].limMin, "");
    // So does the last row.
    b[9].limMax = "99999";
    expectFocus(enterInCaseta(b, Coloana::LimMax, 9).focus, TintaFocus::OkImp);

    // Rows 1 to 8 must rise; a refusal keeps the focus and sets nothing.
    b = blocBun();
    b[1].limMax = "2000";
    b[2].limMin = "x";
    e = enterInCaseta(b, Coloana::LimMax, 1);
    EXPECT_EQ(e.mesaj, MesajOrdine);
    EXPECT_EQ(MesajOrdine, "Datele trebuiesc introduse in ordine crescatoare");
    expectFocus(e.focus, TintaFocus::Ramane);
    EXPECT_EQ(b[2].limMin, "x");
    b[1].limMax = "500"; // equal to the row below
    EXPECT_EQ(enterInCaseta(b, Coloana::LimMax, 1).mesaj, MesajOrdine);
    // The order counts only while the next row holds a value.
    b[2].limMax = "0";
    EXPECT_EQ(enterInCaseta(b, Coloana::LimMax, 1).mesaj, "");
    // Row 0 has no row below it.
    b = blocBun();
    b[0].limMax = "950";
    EXPECT_EQ(enterInCaseta(b, Coloana::LimMax, 0).mesaj, "");
}

TEST(TaxGridFields, EnterInAFixedTax) {
    BlocAfisat b = blocBun();
    RezultatEnter e = enterInCaseta(b, Coloana::ImpFix, 1);
    EXPECT_EQ(e.mesaj, "");
    expectFocus(e.focus, TintaFocus::Caseta, Coloana::Procent, 1);

    b[1].impFix = "250"; // not below the next row's 200
    EXPECT_EQ(enterInCaseta(b, Coloana::ImpFix, 1).mesaj, MesajOrdine);

    // Not above the row's own upper limit (rows 1 to 8).
    b = blocBun();
    b[3].impFix = "5000";
    b[4] = {"5001", "", "", ""};
    e = enterInCaseta(b, Coloana::ImpFix, 3);
    EXPECT_EQ(e.mesaj, "Impozit fix mai mare decat limita maxima");
    expectFocus(e.focus, TintaFocus::Ramane);
    b[3].impFix = "4999";
    EXPECT_EQ(enterInCaseta(b, Coloana::ImpFix, 3).mesaj, "");
    // Row 0 is not tested that way.
    b[0].impFix = "600";
    EXPECT_EQ(enterInCaseta(b, Coloana::ImpFix, 0).mesaj, "");

    // The order test comes first.
    b = blocBun();
    b[2].impFix = "3000";
    EXPECT_EQ(enterInCaseta(b, Coloana::ImpFix, 2).mesaj, MesajOrdine);

    expectFocus(enterInCaseta(b, Coloana::ImpFix, 9).focus, TintaFocus::OkImp);
}

TEST(TaxGridFields, EnterInAPercent) {
    BlocAfisat b = blocBun();
    b[0].procent = "100";
    RezultatEnter e = enterInCaseta(b, Coloana::Procent, 0);
    EXPECT_EQ(e.mesaj, "Procent mai mare decat 100");
    expectFocus(e.focus, TintaFocus::Ramane);
    b[0].procent = "99";
    e = enterInCaseta(b, Coloana::Procent, 0);
    EXPECT_EQ(e.mesaj, "");
    expectFocus(e.focus, TintaFocus::Caseta, Coloana::LimMax, 1);

    // Both tests run in every row, the limit first.
    b = blocBun();
    b[2].procent = "150";
    EXPECT_EQ(enterInCaseta(b, Coloana::Procent, 2).mesaj, MesajProcent);
    b[2].procent = "20";
    EXPECT_EQ(enterInCaseta(b, Coloana::Procent, 2).mesaj, MesajOrdine);
    b[9].procent = "100";
    EXPECT_EQ(enterInCaseta(b, Coloana::Procent, 9).mesaj, MesajProcent);
    b[9].procent = "50";
    expectFocus(enterInCaseta(b, Coloana::Procent, 9).focus, TintaFocus::OkImp);
}

TEST(TaxGridFields, LeavingABoxNormalisesItsNumber) {
    BlocAfisat b = blocGol();
    b[0] = {"0", "1 500", "1.5", "1,5"};
    parasesteCaseta(b, Coloana::LimMax, 0);
    parasesteCaseta(b, Coloana::ImpFix, 0);
    parasesteCaseta(b, Coloana::Procent, 0);
    EXPECT_EQ(b[0].limMax, "1500");
    EXPECT_EQ(b[1].limMin, "1501");
    EXPECT_EQ(b[0].impFix, "1.5");
    EXPECT_EQ(b[0].procent, "1"); // a "," ends the number

    // An empty fixed tax or percent shows 0 beside an upper limit, and stays
    // empty in a row without one.
    b[0].impFix = "";
    parasesteCaseta(b, Coloana::ImpFix, 0);
    EXPECT_EQ(b[0].impFix, "0");
    b[5].procent = "";
    parasesteCaseta(b, Coloana::Procent, 5);
    EXPECT_EQ(b[5].procent, "");
    b[5].procent = "abc";
    parasesteCaseta(b, Coloana::Procent, 5);
    EXPECT_EQ(b[5].procent, "");

    // The last row has no next lower limit to set.
    b[9] = {"9001", "12000", "", ""};
    parasesteCaseta(b, Coloana::LimMax, 9);
    EXPECT_EQ(b[9].limMax, "12000");
}

TEST(TaxGridFields, AZeroUpperLimitEndsTheBlock) {
    BlocAfisat b = blocBun();
    b[3].limMax = "";
    parasesteCaseta(b, Coloana::LimMax, 3);
    // Rows 3 to 9 are emptied; row 3 keeps the lower limit that follows from
    // row 2, so that an upper limit typed there again starts from it.
    EXPECT_EQ(b[3].limMin, "2001");
    EXPECT_EQ(b[3].limMax, "");
    EXPECT_EQ(b[3].impFix, "");
    EXPECT_EQ(b[3].procent, "");
    EXPECT_EQ(b[2].limMax, "2000");
    for (int r = 4; r < RanduriBloc; ++r) {
        EXPECT_EQ(b[r].limMin, "") << r;
    }

    // In the first bracket (lower limit 0) a zero upper limit stays.
    b = blocGol();
    b[0] = {"0", "", "", ""};
    b[1] = {"7", "9", "9", "9"};
    parasesteCaseta(b, Coloana::LimMax, 0);
    EXPECT_EQ(b[0].limMax, "0");
    EXPECT_EQ(b[1].limMin, "1");
    EXPECT_EQ(b[1].limMax, "9");

    // Emptying the last row empties only its boxes.
    b = blocBun();
    b[9] = {"9001", "0", "5", "5"};
    parasesteCaseta(b, Coloana::LimMax, 9);
    EXPECT_EQ(b[9].limMin, "9001");
    EXPECT_EQ(b[9].limMax, "");
    EXPECT_EQ(b[9].impFix, "");
    EXPECT_EQ(b[3].limMax, "5000");
}

TEST(TaxGridFields, ConfirmingAnEmptyFirstBracketStoresNothing) {
    BlocAfisat b = blocBun();
    b[0].limMax = "";
    EXPECT_TRUE(verificaConfirmare(b).faraBloc);
    b[0].limMax = "0";
    EXPECT_TRUE(verificaConfirmare(b).faraBloc);
    EXPECT_FALSE(verificaConfirmare(b).bun());
    EXPECT_TRUE(verificaConfirmare(blocBun()).bun());
}

TEST(TaxGridFields, TheFixedTaxOfTheSecondBracket) {
    // E of row 1 = 500 x 20 / 100 = 100, both bounds excluded. Three
    // brackets: the last one is never compared.
    for (const auto& [fix, bun] : {std::pair{"100", true}, {"100.5", true}, {"99.01", true}, {"99", false},
                                   {"101", false}}) {
        BlocAfisat b = blocBun();
        b[3] = RandBloc{};
        b[1].impFix = fix;
        const RezultatConfirmare c = verificaConfirmare(b);
        EXPECT_EQ(c.bun(), bun) << fix;
        if (!bun) {
            ASSERT_EQ(c.mesaje, std::vector<std::string>{"Impozitul fix este gresit"}) << fix;
            expectFocus(c.focus, TintaFocus::Caseta, Coloana::ImpFix, 0);
        }
    }
}

TEST(TaxGridFields, TheFixedTaxOfLaterBrackets) {
    // E of row 2 = 100 + (900 - 500 - 1) x 25 / 100 = 199.75.
    for (const char* fix : {"199", "200"}) {
        BlocAfisat b = blocBun();
        b[2].impFix = fix;
        EXPECT_TRUE(verificaConfirmare(b).bun()) << fix;
    }
    BlocAfisat b = blocBun();
    b[2].impFix = "198";
    RezultatConfirmare c = verificaConfirmare(b);
    ASSERT_EQ(c.mesaje, std::vector<std::string>{MesajFixGresit});
    expectFocus(c.focus, TintaFocus::Caseta, Coloana::ImpFix, 1);

    // Without a fixed tax in the next row the test is skipped (the fixed
    // taxes then do not rise).
    b[3].impFix = "0";
    EXPECT_EQ(verificaConfirmare(b).mesaje, std::vector<std::string>{MesajFixCrescator});

    // The last filled row is never compared: row 3 here.
    b = blocBun();
    b[3].impFix = "1";
    EXPECT_EQ(verificaConfirmare(b).mesaje, std::vector<std::string>{MesajFixCrescator});
}

TEST(TaxGridFields, BlocksOfOneOrTwoBracketsAreNotChecked) {
    BlocAfisat b = blocGol();
    b[0] = {"0", "500", "77", "200"};
    EXPECT_TRUE(verificaConfirmare(b).bun());
    b[1] = {"501", "400", "1", "1"};
    EXPECT_TRUE(verificaConfirmare(b).bun());
}

TEST(TaxGridFields, TheFourMessagesInOrderAndTheFocus) {
    BlocAfisat b = blocGol();
    b[0] = {"0", "500", "0", "20"};
    b[1] = {"501", "900", "150", "25"};  // fixed tax: 100 expected
    b[2] = {"901", "800", "100", "10"};  // nothing rises
    b[3] = {"801", "5000", "530", "40"};
    const RezultatConfirmare c = verificaConfirmare(b);
    EXPECT_EQ(c.mesaje, (std::vector<std::string>{
                            "Limita maxima nu e crescatoare",
                            "Impozitul fix nu e crescator",
                            "Procentul nu e crescator",
                            "Impozitul fix este gresit",
                        }));
    // Rows 1 and 2 both fail the order of the upper limits (one message) and
    // both have a wrong fixed tax: the focus ends on the row before the
    // higher one.
    expectFocus(c.focus, TintaFocus::Caseta, Coloana::ImpFix, 1);

    // Upper limits and fixed taxes out of order in two rows, nothing else:
    // two messages, and the focus ends in ImpFix(0).
    BlocAfisat d = blocGol();
    d[0] = {"0", "500", "0", "20"};
    d[1] = {"501", "900", "100", "25"};
    d[2] = {"901", "850", "99.9", "30"};
    d[3] = {"851", "5000", "0", "40"};
    const RezultatConfirmare e = verificaConfirmare(d);
    EXPECT_EQ(e.mesaje, (std::vector<std::string>{MesajLimitaMaxima, MesajFixCrescator}));
    expectFocus(e.focus, TintaFocus::Caseta, Coloana::ImpFix, 0);
}

} // namespace
} // namespace olm
