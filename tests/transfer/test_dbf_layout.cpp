// Our DBF layout: one column per field, of the field's kind; the templates of
// data/ are exactly its empty tables.

#include "support/file_bytes.h"
#include "transfer/dbf_table.h"

#include <gtest/gtest.h>

#include <set>

namespace olm::testing {
namespace {

TEST(DbfLayout, OneColumnPerFieldOfItsKindAndTheShippedTemplatesMadeOfThem) {
    for (const auto& t : transfer::TabeleDbf()) {
        SCOPED_TRACE(t.prefix);
        ASSERT_EQ(t.coloane.size(), t.structura.size());
        std::set<std::string> nume;
        for (std::size_t i = 0; i < t.coloane.size(); ++i) {
            const auto& c = t.coloane[i];
            EXPECT_EQ(c.fel == transfer::FelColoana::Text, t.structura[i] == TipCamp::Text) << c.nume;
            EXPECT_TRUE(c.nume.size() <= 10 && (nume.insert(c.nume).second || c.nume.empty())) << c.nume;
        }
        const std::string sablon = std::string(OLM_SHIPPED_DATA) + "/" + transfer::NumeSablon(t);
        transfer::ScrieSablonDbf(t, "nou.dbf");
        EXPECT_EQ(readBytes(sablon), readBytes("nou.dbf")) << "remake them with olm-dbf-templates data";
        platform::LinesOut linii;
        EXPECT_EQ(transfer::CitesteTabelDbf(t, sablon, linii), std::vector<std::string>{});
        EXPECT_TRUE(linii.lines.empty());
    }
    EXPECT_TRUE(transfer::TabeleDbf()[1].coloane[19].nume.empty()) << "the reserved field of a Fisa 1 alone";
}

} // namespace
} // namespace olm::testing
