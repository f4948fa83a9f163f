#pragma once

// The parameters of the verification tests: the fiscal year 2002, the
// shipped tax grid (annual grid = monthly grid x 12) and a base deduction of
// 1,600,000 for every month and for the year; coefficients 0.5, cap 5,
// invalidity add-ons 1, 0.5 and 0.5, professional expenses 0.15, final tax
// 0.15, first and last working days 03 and 31. Written as files and read as
// the program reads them.

#include "exchange/verification_report.h"
#include "shared/deduction_params.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "shared/tax_grid.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace olm::testing {

// Consecutive fields of a record from index `de` on (from 0).
inline void puneDeLa(std::vector<std::string>& f, std::size_t de, std::initializer_list<const char*> valori) {
    for (const char* v : valori) {
        f.at(de++) = v;
    }
}

// The fields of a Fisa 1 of the whole year that passes every check but the
// regularisation's: coefficient 1 (own and total) and an income of 5,000,000
// taxed 750,000 in every month, the totals, 12 months of professional
// expenses and 2,880,000 granted, VII 1,000,000 taxed 150,000.
inline std::vector<std::string> campuriFisa1(const std::string& cod) {
    std::vector<std::string> f(structuraFf1().size());
    f[0] = cod;
    f[1] = "ALBU";
    f[2] = "ION";
    for (std::size_t luna = 0; luna < 12; ++luna) {
        f[22 + luna] = "1";
        f[34 + luna] = "1";
        f[46 + 2 * luna] = "5000000";
        f[47 + 2 * luna] = "750000";
    }
    puneDeLa(f, 72, {"60000000", "9000000", "12", "2880000"});
    puneDeLa(f, 83, {"1000000", "150000"});
    return f;
}

// The same sheet regularised: the mark and section VI as the year's grid
// gives it (VI.3 to VI.7, VI.9, VI.10).
inline std::vector<std::string> campuriFisa1Regularizata(const std::string& cod) {
    std::vector<std::string> f = campuriFisa1(cod);
    f[14] = "X";
    puneDeLa(f, 76, {"2880000", "60000000", "19200000", "40800000", "8304000", "0", "696000"});
    return f;
}

inline std::string linieFisa1(const std::vector<std::string>& campuri) {
    return unesteCampuri(campuri, structuraFf1());
}

// One line checked by itself, and the report lines it must get.
struct CazLinie {
    const char* nume;
    std::string linie;
    std::vector<std::string> asteptat;
};

inline void verificaLinii(std::initializer_list<CazLinie> cazuri,
                          void (*verifica)(std::string_view, RaportVerificare&)) {
    for (const CazLinie& c : cazuri) {
        SCOPED_TRACE(c.nume);
        RaportVerificare raport;
        verifica(c.linie, raport);
        EXPECT_EQ(raport.linii(), c.asteptat);
        EXPECT_EQ(raport.existaErori(), !c.asteptat.empty());
    }
}

class VerificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        std::vector<std::string> cuantum{"2002,03,31"};
        for (int luna = 1; luna <= 12; ++luna) {
            cuantum.push_back((luna < 10 ? " " : "") + std::to_string(luna) + ",1600000,0.5,0.5,0.5,");
        }
        cuantum.push_back("13,1600000,5,1,0.5,0.5,0.15,0.15,");
        cuantum.push_back("eof");
        writeBytes("Cuantum.txt", crlf(cuantum));
        writeBytes("Impozitar.txt", crlf({"13,122400001,999999999999,32520000,40",
                                          "13,87600001,122400000,20688000,34",
                                          "13,55200001,87600000,11616000,28",
                                          "13,21600001,55200000,3888000,23", "13,0,21600000,0,18",
                                          " 1,10200001,999999999999,2710000,40",
                                          " 1,7300001,10200000,1724000,34", " 1,4600001,7300000,968000,28",
                                          " 1,1800001,4600000,324000,23", " 1,0,1800000,0,18", "eof"}));
        ASSERT_TRUE(CitesteCuantum().ok());
        ASSERT_TRUE(CitesteImpozitar().ok());
    }
};

} // namespace olm::testing
