// The month blocks of the tax grid: which block a month shows, and how an
// edited block takes its place in the grid.

#include "tax_parameters/tax_grid_blocks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <vector>

namespace olm {
namespace {

struct R {
    int luna;
    double inf, sup, fix, proc;
};

Grila grila(const std::vector<R>& randuri) {
    Grila g{};
    int i = 0;
    for (const R& r : randuri) {
        g[i++] = RandImpozitar{false, double(r.luna), r.inf, r.sup, r.fix, r.proc};
    }
    return g;
}

std::vector<R> randuri(const Grila& g) {
    std::vector<R> out;
    for (const RandImpozitar& r : g) {
        if (r.gol) {
            break;
        }
        out.push_back({int(r.luna), r.limitaInf, r.limitaSup, r.fix, r.procent});
    }
    return out;
}

void expectRanduri(const Grila& g, const std::vector<R>& asteptat) {
    const std::vector<R> efectiv = randuri(g);
    ASSERT_EQ(efectiv.size(), asteptat.size());
    const auto valori = [](const R& r) { return std::tuple(r.luna, r.inf, r.sup, r.fix, r.proc); };
    for (std::size_t i = 0; i < efectiv.size(); ++i) {
        EXPECT_EQ(valori(efectiv[i]), valori(asteptat[i])) << "row " << i;
    }
    // Nothing stands after the first empty row.
    for (std::size_t i = efectiv.size(); i < g.size(); ++i) {
        EXPECT_TRUE(g[i].gol) << "row " << i;
    }
}

std::vector<R> impreuna(std::initializer_list<std::vector<R>> parti) {
    std::vector<R> toate;
    for (const auto& p : parti) {
        toate.insert(toate.end(), p.begin(), p.end());
    }
    return toate;
}

// The year's and January's blocks, highest bracket first.
const std::vector<R> An = {{13, 24001, 999999999, 5000, 40}, {13, 12001, 24000, 2000, 25}, {13, 0, 12000, 0, 10}};
const std::vector<R> Ianuarie = {
    {1, 3001, 999999999, 600, 40}, {1, 2001, 3000, 300, 30}, {1, 1001, 2000, 100, 20}, {1, 0, 1000, 0, 10}};

Grila grilaIanuarieSiAn() { return grila(impreuna({An, Ianuarie})); }

// The block a month shows, "month/first row/rows", or "-" for none.
std::string bloc(const Grila& g, int luna) {
    const auto b = blocValabil(g, luna);
    return b ? std::to_string(b->luna) + "/" + std::to_string(b->inceput) + "/" + std::to_string(b->randuri) : "-";
}

// A display row, "min max fix procent".
std::string rand(const BlocAfisat& b, int r) {
    return b[r].limMin + " " + b[r].limMax + " " + b[r].impFix + " " + b[r].procent;
}

TEST(TaxGridBlocks, MonthShowsItsOwnOrTheGreatestEarlierBlock) {
    const Grila g = grilaIanuarieSiAn();
    EXPECT_EQ(bloc(g, 1), "1/3/4");
    EXPECT_EQ(bloc(g, 3), "1/3/4");
    EXPECT_EQ(bloc(g, 13), "13/0/3");

    // The display rows run from the lowest bracket up; the rest are empty.
    const BlocAfisat b = afiseazaBloc(g, *blocValabil(g, 3));
    EXPECT_EQ(rand(b, 0), "0 1000 0 10");
    EXPECT_EQ(rand(b, 1), "1001 2000 100 20");
    EXPECT_EQ(rand(b, 3), "3001 999999999 600 40");
    for (int r = 4; r < RanduriBloc; ++r) {
        EXPECT_EQ(rand(b, r), "   ") << "row " << r;
    }
}

TEST(TaxGridBlocks, NoBlockBeforeTheFirstMonthWithOne) {
    const Grila g = grila({
        {13, 0, 1000, 0, 10},
        {5, 1001, 2000, 100, 20},
        {5, 0, 1000, 0, 10},
    });
    EXPECT_EQ(bloc(g, 1), "-");
    EXPECT_EQ(bloc(g, 4), "-");
    EXPECT_EQ(bloc(g, 7), "5/1/2");
    EXPECT_EQ(bloc(Grila{}, 1), "-");
    EXPECT_EQ(bloc(Grila{}, 13), "-");
}

TEST(TaxGridBlocks, FractionalValuesAreShownWithAPoint) {
    const Grila g = grila({{1, 0, 1000, 12.25, 12.5}});
    EXPECT_EQ(rand(afiseazaBloc(g, *blocValabil(g, 1)), 0), "0 1000 12.25 12.5");
}

TEST(TaxGridBlocks, MarchEditedFromJanuaryGetsItsOwnBlock) {
    Grila g = grilaIanuarieSiAn();
    BlocAfisat b = afiseazaBloc(g, *blocValabil(g, 3));
    b[1].procent = "22";
    ASSERT_TRUE(scrieBloc(g, 3, b));

    expectRanduri(g, impreuna({An,
                               {{3, 3001, 999999999, 600, 40},
                                {3, 2001, 3000, 300, 30},
                                {3, 1001, 2000, 100, 22},
                                {3, 0, 1000, 0, 10}},
                               Ianuarie}));

    // March and April now show March's block; February still January's.
    EXPECT_EQ(bloc(g, 3), "3/3/4");
    EXPECT_EQ(bloc(g, 4), "3/3/4");
    EXPECT_EQ(afiseazaBloc(g, *blocValabil(g, 4))[1].procent, "22");
    EXPECT_EQ(bloc(g, 2), "1/7/4");
    EXPECT_EQ(afiseazaBloc(g, *blocValabil(g, 2))[1].procent, "20");
}

TEST(TaxGridBlocks, StoredBlockReplacesTheMonthsOldBlockOnly) {
    Grila g = grila({
        {13, 0, 1000, 0, 10},
        {7, 0, 500, 0, 5},
        {5, 4001, 9000, 700, 40},
        {5, 3001, 4000, 400, 30},
        {5, 2001, 3000, 200, 20},
        {5, 1001, 2000, 100, 10},
        {5, 0, 1000, 0, 10},
        {2, 0, 800, 0, 8},
        {1, 0, 900, 0, 9},
    });
    BlocAfisat b = afiseazaBloc(g, *blocValabil(g, 5));
    // Four brackets are kept: the highest goes.
    b[4] = RandBloc{};
    // A row without an upper limit is skipped wherever it stands, its other
    // boxes ignored.
    b[2].limMax.clear();
    ASSERT_TRUE(scrieBloc(g, 5, b));
    expectRanduri(g, {
                         {13, 0, 1000, 0, 10},
                         {7, 0, 500, 0, 5},
                         {5, 3001, 4000, 400, 30},
                         {5, 1001, 2000, 100, 10},
                         {5, 0, 1000, 0, 10},
                         {2, 0, 800, 0, 8},
                         {1, 0, 900, 0, 9},
                     });
}

TEST(TaxGridBlocks, StoringTheYearOrTheFirstBlock) {
    Grila g = grila({{1, 0, 900, 0, 9}});
    BlocAfisat b = blocGol();
    b[0] = {"0", "5000", "0", "15"};
    b[1] = {"5001", "9000", "750", "20,5"}; // a "," ends the number
    ASSERT_TRUE(scrieBloc(g, 13, b));
    expectRanduri(g, {{13, 5001, 9000, 750, 20}, {13, 0, 5000, 0, 15}, {1, 0, 900, 0, 9}});

    Grila gol{};
    ASSERT_TRUE(scrieBloc(gol, 4, b));
    expectRanduri(gol, {{4, 5001, 9000, 750, 20}, {4, 0, 5000, 0, 15}});

    // A block with no upper limit at all removes the month's block.
    ASSERT_TRUE(scrieBloc(g, 13, blocGol()));
    expectRanduri(g, {{1, 0, 900, 0, 9}});
}

TEST(TaxGridBlocks, AFullGridStaysWhole) {
    // Thirteen blocks of ten rows fill the 130 rows exactly.
    Grila g{};
    int i = 0;
    for (int luna = 13; luna >= 1; --luna) {
        for (int k = 9; k >= 0; --k) {
            g[i++] = RandImpozitar{false, double(luna), k * 1000.0 + (k ? 1 : 0),
                                   k * 1000.0 + 1000, k * 100.0, 10};
        }
    }
    BlocAfisat b = afiseazaBloc(g, *blocValabil(g, 6));
    b[9].procent = "11";
    ASSERT_TRUE(scrieBloc(g, 6, b));
    EXPECT_EQ(bloc(g, 6), "6/70/10"); // months 13 to 7 stand before it
    EXPECT_EQ(g[70].procent, 11);
    EXPECT_EQ(bloc(g, 5), "5/80/10");
    EXPECT_EQ(bloc(g, 1), "1/120/10");
}

TEST(TaxGridBlocks, ABlockNeverNeedsMoreThanTheGridsRows) {
    // A hand-edited file: the year and January fill all 130 rows, January with
    // 120 brackets.
    Grila g{};
    for (int i = 0; i < 10; ++i) {
        g[i] = RandImpozitar{false, 13, double(10 - i) * 10, double(10 - i) * 10 + 9, 0, 1};
    }
    for (int i = 10; i < RanduriImpozitar; ++i) {
        g[i] = RandImpozitar{false, 1, double(130 - i) * 10, double(130 - i) * 10 + 9, 0, 1};
    }
    const Grila inainte = g;

    // January's block shows its ten lowest brackets.
    EXPECT_EQ(bloc(g, 1), "1/10/120");
    BlocAfisat b = afiseazaBloc(g, *blocValabil(g, 1));
    EXPECT_EQ(b[0].limMin, "10");
    EXPECT_EQ(b[9].limMin, "100");

    // A block of its own for March would need 140 rows: refused, nothing lost.
    EXPECT_FALSE(scrieBloc(g, 3, b));
    expectRanduri(g, randuri(inainte));
}

} // namespace
} // namespace olm
