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
        TextFoaie foaie;
        for (int i = 0; i < r.linii; ++i) {
            linii.push_back("L" + std::to_string(i));
            foaie.linie(linii.back());
        }
        std::string pagini = "inainte\r\n";
        const int numarate =
            ScriePagini(foaie, r.cuMarcaj ? std::optional<std::string_view>("42") : std::nullopt, pagini);
        EXPECT_EQ(numarate, r.numarate);
        ASSERT_TRUE(pagini.starts_with("inainte\r\n")) << "appended to what stood there";
        pagini.erase(0, 9);
        std::vector<std::string> p; // the pages cut back into lines
        std::size_t inceput = 0;
        for (std::size_t q; (q = pagini.find("\r\n", inceput)) != std::string::npos; inceput = q + 2) {
            p.push_back(pagini.substr(inceput, q - inceput));
        }
        EXPECT_EQ(inceput, pagini.size()) << "every line ends in CR LF";
        ASSERT_EQ(static_cast<int>(p.size()), r.total);
        std::vector<int> marcaje;
        std::vector<std::string> ale;
        for (int i = 0; i < r.total; ++i) {
            const std::string& l = p[static_cast<std::size_t>(i)];
            if (l == marcaj) {
                marcaje.push_back(i);
                EXPECT_EQ(p[static_cast<std::size_t>(i) + 1], "");
            } else if (!l.empty()) {
                ale.push_back(l);
            }
        }
        EXPECT_EQ(marcaje, r.marcaje);
        EXPECT_EQ(ale, linii) << "the sheet's own lines, in order, none lost";
        for (std::size_t i = static_cast<std::size_t>(numarate); i < p.size(); ++i) {
            EXPECT_EQ(p[i], "") << i;
        }
    }
}

} // namespace
} // namespace olm
