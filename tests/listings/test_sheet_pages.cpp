// The pages of a printed sheet: the continuation markers and the fill.

#include "listings/sheet_pages.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

TEST(SheetPages, MarkersAndFill) {
    const std::string marcaj = std::string(51, ' ') + "(Cod angajat : 42)";
    struct Rand {
        const char* nume;
        int linii;
        bool cuMarcaj;
        int numarate;
        int total;
        std::vector<int> marcaje; // 0-based places of the marker lines
    } randuri[] = {
        {"a Fisa 2 of 49 lines fills its page", 49, false, 49, 65, {}},
        {"a Fisa 2 of 70 lines fills the next page", 70, false, 70, 130, {}},
        {"exactly a page: no fill", 65, false, 65, 65, {}},
        {"92 lines: the signature is counted line 94, filled to 130", 92, true, 94, 130, {65}},
        {"the 130th counted line opens a third page of 63 blanks", 128, true, 132, 195, {65, 130}},
        {"as many pages as it takes", 400, true, 412, 455, {65, 130, 195, 260, 325, 390}},
        {"nothing to write", 0, true, 0, 0, {}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        std::vector<std::string> linii;
        for (int i = 0; i < r.linii; ++i) {
            linii.push_back("L" + std::to_string(i));
        }
        const FoaiePaginata p = Pagineaza(linii, r.cuMarcaj ? std::optional<std::string>("42") : std::nullopt);
        EXPECT_EQ(p.numarate, r.numarate);
        ASSERT_EQ(static_cast<int>(p.linii.size()), r.total);
        std::vector<int> marcaje;
        std::vector<std::string> ale;
        for (int i = 0; i < r.total; ++i) {
            const std::string& l = p.linii[static_cast<std::size_t>(i)];
            if (l == marcaj) {
                marcaje.push_back(i);
                EXPECT_EQ(p.linii[static_cast<std::size_t>(i) + 1], "");
            } else if (!l.empty()) {
                ale.push_back(l);
            }
        }
        EXPECT_EQ(marcaje, r.marcaje);
        EXPECT_EQ(ale, linii) << "the sheet's own lines, in order, none lost";
        for (std::size_t i = static_cast<std::size_t>(p.numarate); i < p.linii.size(); ++i) {
            EXPECT_EQ(p.linii[i], "") << i;
        }
    }
}

} // namespace
} // namespace olm
