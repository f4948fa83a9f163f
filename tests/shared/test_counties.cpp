#include "shared/counties.h"

#include "shared/state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace olm {
namespace {

TEST(IncarcaJudete, BlankFirstThenTheFixedOrder) {
    resetState();
    IncarcaJudete();
    EXPECT_EQ(Judete[0], " ");
    EXPECT_EQ(Judete[1], "ALBA");
    EXPECT_EQ(Judete[10], "BUCURESTI");
    EXPECT_EQ(Judete[42], "VRANCEA");
    EXPECT_TRUE(std::none_of(Judete.begin(), Judete.end(), [](const std::string& j) { return j.empty(); }));
    // Not alphabetical in four places, which the lists keep.
    EXPECT_EQ(Judete[8], "BRASOV");
    EXPECT_EQ(Judete[9], "BRAILA");
    EXPECT_EQ(Judete[12], "CARAS SEVERIN");
    EXPECT_EQ(Judete[13], "CALARASI");
    EXPECT_EQ(Judete[33], "SATU MARE");
    EXPECT_EQ(Judete[34], "SALAJ");
    EXPECT_EQ(Judete[40], "VASLUI");
    EXPECT_EQ(Judete[41], "VALCEA");
    // Otherwise each name follows the one before it.
    int inversiuni = 0;
    for (std::size_t i = 2; i < Judete.size(); ++i) {
        inversiuni += Judete[i] < Judete[i - 1];
    }
    EXPECT_EQ(inversiuni, 4);
}

} // namespace
} // namespace olm
