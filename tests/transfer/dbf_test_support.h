#pragma once

// DBF tables written with shapelib's writer for the tests: the columns of our
// layout (or others), and records given as the texts of their fields, each
// put in its column as it stands. "" leaves a value blank, as the database
// programs do (shapelib's own NULL of a number is "*", a fault in a number
// column). Their headers can then be changed byte by byte.

#include "platform/files.h"
#include "shared/record_line.h"
#include "support/file_bytes.h"
#include "transfer/dbf_layout.h"

#include <shapefil.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace olm::testing {

struct ColoanaTest {
    std::string nume;
    char tip;
    int latime;
    int zecimale = 0;
};

// The columns of a table of our layout with the templates' types, the dates
// as C (so that a date text goes through as it is).
inline std::vector<ColoanaTest> coloaneStrat(const transfer::TabelDbf& t) {
    std::vector<ColoanaTest> v;
    for (const auto& c : t.coloane) {
        if (c.fel == transfer::FelColoana::Data) {
            v.push_back({c.nume, 'C', 10});
        } else if (!c.nume.empty()) {
            v.push_back({c.nume, transfer::TipSablon(c.fel), c.latime, c.zecimale});
        }
    }
    return v;
}

// The values of a record line for those columns.
inline std::vector<std::string> valoriStrat(const transfer::TabelDbf& t, const std::string& linie) {
    const auto campuri = taieCampuri(linie, t.structura).campuri;
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
                       const std::vector<std::vector<std::string>>& inregistrari, const std::vector<int>& sterse = {}) {
    DBFHandle h = DBFCreate(platform::files::resolve(fisier).c_str());
    ASSERT_NE(h, nullptr) << fisier;
    for (const auto& c : coloane) {
        ASSERT_GE(DBFAddNativeFieldType(h, c.nume.c_str(), c.tip, c.latime, c.zecimale), 0) << c.nume;
    }
    for (std::size_t r = 0; r < inregistrari.size(); ++r) {
        for (std::size_t c = 0; c < coloane.size(); ++c) {
            DBFWriteAttributeDirectly(h, static_cast<int>(r), static_cast<int>(c),
                                      const_cast<char*>(inregistrari[r].at(c).c_str()));
        }
    }
    for (int r : sterse) {
        DBFMarkRecordDeleted(h, r, 1);
    }
    DBFClose(h);
}

// The numbers of a header, low byte first: the record count at 4 (4 bytes),
// the header length at 8 and the record length at 10 (2 bytes each); the
// descriptor of column i at 32 + 32 i, its type at 11 and width at 16.
inline std::uint32_t numarAntet(const std::string& b, std::size_t la, std::size_t octeti) {
    std::uint32_t n = 0;
    for (std::size_t i = octeti; i-- > 0;) {
        n = n << 8 | static_cast<unsigned char>(b.at(la + i));
    }
    return n;
}
inline void puneNumarAntet(std::string& b, std::size_t la, std::size_t octeti, std::uint32_t n) {
    for (std::size_t i = 0; i < octeti; ++i, n >>= 8) {
        b.at(la + i) = static_cast<char>(n & 0xFF);
    }
}

// Changes the bytes of a table in place.
inline void schimbaOcteti(const std::string& fisier, const std::function<void(std::string&)>& schimba) {
    std::string b = readBytes(fisier);
    schimba(b);
    writeBytes(fisier, b);
}

// Makes a large table quickly: its records repeated, the count to match.
inline void repetaInregistrari(const std::string& fisier, std::uint32_t ori) {
    schimbaOcteti(fisier, [&](std::string& b) {
        const std::uint32_t antet = numarAntet(b, 8, 2);
        const std::uint32_t numar = numarAntet(b, 4, 4);
        const std::string inregistrari = b.substr(antet, numar * numarAntet(b, 10, 2));
        b.resize(antet);
        for (std::uint32_t i = 0; i < ori; ++i) {
            b += inregistrari;
        }
        b += '\x1A';
        puneNumarAntet(b, 4, 4, numar * ori);
    });
}

} // namespace olm::testing
