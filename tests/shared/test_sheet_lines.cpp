// The pages of printed sheets written one after another into one text: the
// lines at the top of every further page and the fill of the last one.

#include "shared/sheet_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm {
namespace {

TEST(SheetLines, PageHeadersAndFill) {
    struct Rand {
        const char* nume;
        int linii;
        bool cuAntet; // two lines at the top of every further page
        int numarate;
        int total;
        std::vector<int> antete; // 0-based places of the header's first line
    } randuri[] = {
        {"a Fisa 2 of 49 lines fills its page", 49, false, 49, 65, {}},
        {"a Fisa 2 of 70 lines fills the next page", 70, false, 70, 130, {}},
        {"exactly a page: no fill", 65, false, 65, 65, {}},
        {"92 lines: the signature is counted line 94, filled to 130", 92, true, 94, 130, {65}},
        {"the 130th counted line opens a third page of 63 blanks", 128, true, 132, 195, {65, 130}},
        {"as many pages as it takes", 400, true, 412, 455, {65, 130, 195, 260, 325, 390}},
        {"nothing to write", 0, true, 0, 0, {}},
    };
    TextFoaie text;
    text.linie("a sheet before, left as it is");
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        const std::size_t inainte = text.linii().size();
        text.incepeFoaia(r.cuAntet ? "(antet)\r\n\r\n" : "");
        std::vector<std::string> ale;
        for (int i = 0; i < r.linii; ++i) {
            ale.push_back("L" + std::to_string(i));
            text.linie(ale.back());
        }
        EXPECT_EQ(text.incheieFoaia(), r.numarate);
        ASSERT_TRUE(text.octeti().ends_with("\r\n"));
        const std::vector<std::string> toate = text.linii();
        const std::vector<std::string> p(toate.begin() + static_cast<std::ptrdiff_t>(inainte), toate.end());
        ASSERT_EQ(static_cast<int>(p.size()), r.total);
        std::vector<int> antete;
        std::vector<std::string> scrise;
        for (int i = 0; i < r.total; ++i) {
            const std::string& l = p[static_cast<std::size_t>(i)];
            if (l == "(antet)") {
                antete.push_back(i);
                EXPECT_EQ(p[static_cast<std::size_t>(i) + 1], "");
            } else if (!l.empty()) {
                scrise.push_back(l);
            }
        }
        EXPECT_EQ(antete, r.antete);
        EXPECT_EQ(scrise, ale) << "the sheet's own lines, in order, none lost";
        for (std::size_t i = static_cast<std::size_t>(r.numarate); i < p.size(); ++i) {
            EXPECT_EQ(p[i], "") << i;
        }
    }
    EXPECT_EQ(text.linii().front(), "a sheet before, left as it is");
    text.goleste();
    EXPECT_EQ(text.octeti(), "");
}

} // namespace
} // namespace olm
