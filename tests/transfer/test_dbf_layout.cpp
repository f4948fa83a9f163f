// Our DBF layout: one column per field of each record, of the field's kind,
// and the empty templates of data/ made of exactly these columns.

#include "platform/files.h"
#include "support/file_bytes.h"
#include "transfer/dbf_table.h"

#include <gtest/gtest.h>

#include <set>

namespace olm::testing {
namespace {

using transfer::FelColoana;

TEST(DbfLayout, OneColumnPerFieldOfTheFieldsKind) {
    for (const auto& t : transfer::TabeleDbf()) {
        SCOPED_TRACE(t.prefix);
        ASSERT_EQ(t.coloane.size(), t.structura.size());
        std::set<std::string> nume;
        for (std::size_t i = 0; i < t.coloane.size(); ++i) {
            const auto& c = t.coloane[i];
            SCOPED_TRACE(c.nume);
            EXPECT_EQ(c.fel == FelColoana::Text, t.structura[i] == TipCamp::Text);
            EXPECT_LE(c.nume.size(), 10u);
            EXPECT_TRUE(c.nume.empty() || nume.insert(c.nume).second) << "twice";
            EXPECT_TRUE(transfer::TipAcceptat(c.fel, transfer::TipSablon(c.fel)));
        }
    }
    // Only the reserved field of a Fisa 1 has no column.
    EXPECT_TRUE(transfer::TabeleDbf()[1].coloane[19].nume.empty());
}

TEST(DbfLayout, TheShippedTemplatesAreTheEmptyTablesOfTheLayout) {
    for (const auto& t : transfer::TabeleDbf()) {
        SCOPED_TRACE(t.prefix);
        const std::string sablon = std::string(OLM_SHIPPED_DATA) + "/" + transfer::NumeSablon(t);
        transfer::ScrieSablonDbf(t, "nou.dbf");
        EXPECT_EQ(readBytes(sablon), readBytes("nou.dbf")) << "remake them with olm-dbf-templates data";
        platform::LinesOut linii;
        EXPECT_EQ(transfer::CitesteTabelDbf(t, sablon, linii), std::vector<std::string>{});
        EXPECT_TRUE(linii.lines.empty());
    }
}

} // namespace
} // namespace olm::testing
