// The rules of the tax-grid editor's boxes: Enter, leaving a box, and the
// check when a block is confirmed.

#include "tax_parameters/tax_grid_fields.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

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

// The rows of blocBun() with these rows changed.
BlocAfisat bunCu(std::initializer_list<std::pair<int, RandBloc>> schimbate) {
    BlocAfisat b = blocBun();
    for (const auto& [r, rand] : schimbate) {
        b[static_cast<std::size_t>(r)] = rand;
    }
    return b;
}

TEST(TaxGridFields, EnterInABox) {
    using C = Coloana;
    const TintaFocus ramane = TintaFocus::ramane(), ok = TintaFocus::okImp();
    const RandBloc gol{};
    const struct {
        const char* name;
        BlocAfisat bloc;
        Coloana coloana;
        int rand;
        std::string mesaj;
        TintaFocus focus;
        int randUrmator = -1; // a row whose lower limit Enter sets, or keeps
        std::string limMin = "";
    } rows[] = {
        {"an upper limit goes on", bunCu({{1, gol}}), C::LimMax, 0, "", TintaFocus::caseta(C::ImpFix, 0), 1, "501"},
        {"an empty upper limit ends at OK", bunCu({{3, {"2001", "", "", ""}}}), C::LimMax, 3, "", ok},
        {"a zero upper limit ends at OK", bunCu({{3, {"2001", "0", "", ""}}}), C::LimMax, 3, "", ok, 4, ""},
        {"the last row ends at OK", bunCu({{9, {"9001", "99999", "", ""}}}), C::LimMax, 9, "", ok},
        {"an upper limit not below the next", bunCu({{1, {"501", "2000", "100", "25"}}, {2, {"x", "2000", "200", "30"}}}),
         C::LimMax, 1, MesajOrdine, ramane, 2, "x"},
        {"an upper limit equal to the one below", bunCu({{1, {"501", "500", "100", "25"}}}), C::LimMax, 1, MesajOrdine,
         ramane},
        {"the order counts only before a next upper limit",
         bunCu({{1, {"501", "500", "100", "25"}}, {2, {"901", "0", "200", "30"}}}), C::LimMax, 1, "",
         TintaFocus::caseta(C::ImpFix, 1)},
        {"row 0 has no row below", bunCu({{0, {"0", "950", "0", "20"}}}), C::LimMax, 0, "",
         TintaFocus::caseta(C::ImpFix, 0)},
        {"a fixed tax goes on", blocBun(), C::ImpFix, 1, "", TintaFocus::caseta(C::Procent, 1)},
        {"a fixed tax not below the next", bunCu({{1, {"501", "900", "250", "25"}}}), C::ImpFix, 1, MesajOrdine, ramane},
        {"a fixed tax above its upper limit", bunCu({{3, {"2001", "5000", "5000", "40"}}, {4, {"5001", "", "", ""}}}),
         C::ImpFix, 3, MesajFixPesteMaxim, ramane},
        {"a fixed tax below its upper limit", bunCu({{3, {"2001", "5000", "4999", "40"}}, {4, {"5001", "", "", ""}}}),
         C::ImpFix, 3, "", TintaFocus::caseta(C::Procent, 3)},
        {"row 0's fixed tax above its upper limit",
         bunCu({{0, {"0", "500", "600", "20"}}, {3, {"2001", "5000", "4999", "40"}}, {4, {"5001", "", "", ""}}}),
         C::ImpFix, 0, "", TintaFocus::caseta(C::Procent, 0)},
        {"the order before the upper limit", bunCu({{2, {"901", "2000", "3000", "30"}}}), C::ImpFix, 2, MesajOrdine,
         ramane},
        {"the last fixed tax ends at OK", bunCu({{2, {"901", "2000", "3000", "30"}}}), C::ImpFix, 9, "", ok},
        {"a percent of 100", bunCu({{0, {"0", "500", "0", "100"}}}), C::Procent, 0, MesajProcent, ramane},
        {"a percent goes on", bunCu({{0, {"0", "500", "0", "99"}}}), C::Procent, 0, "",
         TintaFocus::caseta(C::LimMax, 1)},
        {"a percent over 100 in any row", bunCu({{2, {"901", "2000", "200", "150"}}}), C::Procent, 2, MesajProcent,
         ramane},
        {"a percent not below the next", bunCu({{2, {"901", "2000", "200", "20"}}}), C::Procent, 2, MesajOrdine, ramane},
        {"the last row's percent", bunCu({{9, {"", "", "", "100"}}}), C::Procent, 9, MesajProcent, ramane},
        {"the last percent ends at OK", bunCu({{9, {"", "", "", "50"}}}), C::Procent, 9, "", ok},
    };
    EXPECT_EQ(MesajOrdine, "Datele trebuiesc introduse in ordine crescatoare");
    for (auto row : rows) {
        SCOPED_TRACE(row.name);
        const RezultatEnter e = enterInCaseta(row.bloc, row.coloana, row.rand);
        EXPECT_EQ(e.mesaj, row.mesaj);
        EXPECT_TRUE(e.focus == row.focus);
        if (row.randUrmator >= 0) {
            EXPECT_EQ(row.bloc[static_cast<std::size_t>(row.randUrmator)].limMin, row.limMin);
        }
    }
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
