#pragma once

// DBF tables written with shapelib's writer for the converter's tests: the
// columns of our layout (or any others), records given as the texts of their
// fields, each written into its column as it stands ("" leaves it blank, as
// the database programs do: shapelib's own NULL of a number is "*", which
// reads as an overflow).

#include "platform/files.h"
#include "transfer/dbf_layout.h"

#include <shapefil.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm::testing {

struct ColoanaTest {
    std::string nume;
    char tip;
    int latime;
    int zecimale = 0;
};

// The columns of a table of our layout with the templates' types; dates as C
// columns when asked, so that a date text goes through unchanged.
inline std::vector<ColoanaTest> coloaneStrat(const transfer::TabelDbf& t, bool dateText = false) {
    std::vector<ColoanaTest> v;
    for (const auto& c : t.coloane) {
        if (!c.nume.empty()) {
            const bool text = dateText && c.fel == transfer::FelColoana::Data;
            v.push_back({c.nume, text ? 'C' : transfer::TipSablon(c.fel), text ? 10 : c.latime, c.zecimale});
        }
    }
    return v;
}

// The values of a record line for the columns of our layout: the fields
// without a column left out.
inline std::vector<std::string> valoriStrat(const transfer::TabelDbf& t, const std::vector<std::string>& campuri) {
    std::vector<std::string> v;
    for (std::size_t i = 0; i < t.coloane.size(); ++i) {
        if (!t.coloane[i].nume.empty()) {
            v.push_back(campuri.at(i));
        }
    }
    return v;
}

// Writes the table; `sterse` are the indexes of records marked deleted.
inline void scrieTabel(const std::string& fisier, const std::vector<ColoanaTest>& coloane,
                       const std::vector<std::vector<std::string>>& inregistrari,
                       const std::vector<int>& sterse = {}) {
    DBFHandle h = DBFCreate(platform::files::resolve(fisier).c_str());
    ASSERT_NE(h, nullptr) << fisier;
    for (const auto& c : coloane) {
        ASSERT_GE(DBFAddNativeFieldType(h, c.nume.c_str(), c.tip, c.latime, c.zecimale), 0) << c.nume;
    }
    for (std::size_t r = 0; r < inregistrari.size(); ++r) {
        const int rec = static_cast<int>(r);
        for (std::size_t c = 0; c < coloane.size(); ++c) {
            const std::string& v = inregistrari[r].at(c);
            const int col = static_cast<int>(c);
            ASSERT_TRUE(DBFWriteAttributeDirectly(h, rec, col, const_cast<char*>(v.c_str())))
                << fisier << " " << coloane[c].nume;
        }
    }
    for (int r : sterse) {
        DBFMarkRecordDeleted(h, r, 1);
    }
    DBFClose(h);
}

} // namespace olm::testing
