// The decision dialog's table: captions by the sheets an employee has, and
// what each button decides.

#include "main_window/decision_table.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

using A = Decizie::Actiune;

TEST(DecisionTable, CaptionsFollowTheSheetsHeHas) {
    using C = std::array<std::string, 4>;
    EXPECT_EQ(CaptiiDecizie("F1"), (C{"Modific Fisa 1", "Creez Fisa 2", "Sterg Fisa 1", ""}));
    EXPECT_EQ(CaptiiDecizie("F2"), (C{"Modific Fisa 2", "Creez Fisa 1", "", "Sterg Fisa 2"}));
    EXPECT_EQ(CaptiiDecizie("F1F2"),
              (C{"Modific Fisa 1", "Modific Fisa 2", "Sterg Fisa 1", "Sterg Fisa 2"}));
    EXPECT_EQ(CaptiiDecizie(""), C{});
}

TEST(DecisionTable, ModesOneToSix) {
    struct Rand {
        int index;
        const char* fise;
        int mod;
        bool okFisa2;
        bool frame1;
    };
    const Rand tabel[] = {
        {0, "F1", 1, false, true},   {0, "F2", 2, true, false}, {0, "F1F2", 3, false, true},
        {1, "F1", 4, true, false},   {1, "F2", 5, false, true}, {1, "F1F2", 6, true, false},
    };
    for (const Rand& r : tabel) {
        const Decizie d = DecizieButon(r.index, r.fise);
        EXPECT_EQ(d.actiune, A::Deschide) << r.index << r.fise;
        EXPECT_EQ(d.mod, r.mod) << r.index << r.fise;
        EXPECT_EQ(d.okFisa2, r.okFisa2) << r.mod;
        EXPECT_EQ(d.frame1, r.frame1) << r.mod;
        EXPECT_FALSE(d.okFisa1) << r.mod; // the Fisa 1 opens from the situation frame
    }
}

TEST(DecisionTable, DeletesOnlyWhatHeHas) {
    EXPECT_EQ(DecizieButon(2, "F1").actiune, A::StergeFisa1);
    EXPECT_EQ(DecizieButon(2, "F1F2").actiune, A::StergeFisa1);
    EXPECT_EQ(DecizieButon(2, "F2").actiune, A::Nimic);
    EXPECT_EQ(DecizieButon(3, "F2").actiune, A::StergeFisa2);
    EXPECT_EQ(DecizieButon(3, "F1F2").actiune, A::StergeFisa2);
    EXPECT_EQ(DecizieButon(3, "F1").actiune, A::Nimic);
    EXPECT_EQ(DecizieButon(0, "").actiune, A::Nimic);
    EXPECT_EQ(DecizieButon(4, "F1").actiune, A::Nimic);
}

} // namespace
} // namespace olm
