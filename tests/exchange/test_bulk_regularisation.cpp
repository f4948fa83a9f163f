#include "exchange/bulk_regularisation.h"
#include "platform/files.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using Linii = std::vector<std::string>;
using Campuri = std::vector<std::pair<std::size_t, std::string>>;

class Regularizare : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        DeducereBaza[12] = 1800000;
        ProcChProf = "0.15";
        CoefMax = "3";
        PrimaZi = "03";
        UltimaZi = "31";
        Impozitar[0] = {false, 13, 2000001, 1e12, 300000, 25};
        Impozitar[1] = {false, 13, 0, 2000000, 0, 15};
    }
};

// A whole-year sheet (fields by index from 0): coefficients 1, income
// 60,000,000, tax 8,000,000, 12 months and 1,500,000 of professional
// expenses, and old values in the fields the pass rewrites.
std::string fisa(const Campuri& schimbari = {}) {
    std::vector<std::string> c(structuraFf1().size());
    c[0] = "1800101221144";
    c[1] = "POPESCU";
    for (std::size_t i = 22; i < 34; ++i) {
        c[i] = "1";
    }
    c[72] = "60000000";
    c[73] = "8000000";
    c[74] = "12";
    c[75] = "1500000";
    for (std::size_t i = 76; i < 86; ++i) {
        c[i] = i < 83 ? "7" : "0";
    }
    for (const auto& [i, v] : schimbari) {
        c.at(i) = v;
    }
    return unesteCampuri(c, structuraFf1());
}

// The line expected: the sheet with its mark and, from a text of values
// joined by ",", its fields 77 to 86.
std::string asteptat(Campuri schimbari, const std::string& marca, const std::string& coada) {
    schimbari.emplace_back(14, marca);
    std::size_t camp = 76;
    for (std::size_t p = 0;; ++camp) {
        const std::size_t q = coada.find(',', p);
        schimbari.emplace_back(camp, coada.substr(p, q - p));
        if (q == std::string::npos) {
            return fisa(schimbari);
        }
        p = q + 1;
    }
}

TEST_F(Regularizare, EachRuleOnOneSheet) {
    const std::string ca = "3240000,58260000,21600000,36660000,8965000,965000,0,,,", nu = ",,,,,,,,,";
    const struct {
        const char* nume;
        Campuri schimbari;
        const char* marca;
        std::string coada;
    } randuri[] = {
        {"the worked example", {}, "X", ca},
        {"hired on the first working day", {{20, "03/01/2002"}}, "X", ca},
        {"hired the day after", {{20, "04/01/2002"}}, "", nu},
        {"hired in February", {{20, "01/02/2002"}}, "", nu},
        {"left on 31 December", {{21, " 31/12/2002 "}}, "X", ca},
        {"left on 30 November", {{21, "30/11/2002"}}, "", nu},
        {"a month without coefficient", {{27, ""}}, "", nu},
        {"** waives it; expenses for 10 months", {{1, "P**"}, {27, ""}, {28, "0"}}, "X",
         "2700000,58800000,18000000,40800000,10000000,2000000,0,,,"},
        {"foreign employee", {{0, "9800101221144"}}, "", nu},
        {"no domicile, lower case", {{15, "x"}}, "", nu},
        {"other income, with blanks", {{16, " X "}}, "", nu},
        {"no income", {{72, ""}, {75, "4000000"}}, "X", "3240000,760000,0,760000,114000,0,7886000,,,"},
        {"tax as withheld", {{73, "8965000"}}, "X", "3240000,58260000,21600000,36660000,8965000,0,0,,,"},
        {"negative months", {{74, "-3"}}, "X", "0,61500000,21600000,39900000,9775000,1775000,0,,,"},
        {"VII and VIII unless 0", {{83, "500"}, {84, "0"}, {85, "75"}}, "X",
         "3240000,58260000,21600000,36660000,8965000,965000,0,500,,75"},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        const auto rezultat = RegularizeazaLinieFf1(fisa(r.schimbari));
        EXPECT_EQ(rezultat, asteptat(r.schimbari, r.marca, r.coada));
        EXPECT_EQ(RegularizeazaLinieFf1(rezultat.value_or("")), rezultat) << "a second pass changes nothing";
    }
}

TEST_F(Regularizare, ThePassKeepsOtherLinesAndTheOpenSheetsState) {
    // A "#" inside a name, which no writer of ours leaves there, shifts the fields.
    std::string diez = fisa({{1, "A"}});
    diez.replace(diez.find("#A#"), 3, "#A#B#");
    const Linii straine{"", "garbage", fisa() + ",1", diez};
    Linii linii = straine;
    linii.push_back(fisa({{20, "04/01/2002"}}));
    files::writeLines("FF1.txt", linii);
    CodAngajat = "1111111111111";

    EXPECT_TRUE(RegularizeazaFisele().efectuata);

    linii.back() = asteptat({{20, "04/01/2002"}}, "", ",,,,,,,,,");
    EXPECT_EQ(files::readLines("FF1.txt"), linii);
    EXPECT_EQ(files::readLines("FF1_2002.txt"), linii);
    testing::expectOneMessage(
        "Regularizarea a fost efectuata. Liniile care nu au structura fisei 1 au fost copiate nemodificate: 4.", " ",
        platform::Icon::None);
    EXPECT_EQ(CodAngajat, "1111111111111");
}

TEST_F(Regularizare, RefusalsAndFailuresLeaveTheFileAsItWas) {
    const struct {
        const char* nume;
        double deducereAnuala;
        Linii ff1;
        std::string mesaj;
    } randuri[] = {
        {"no annual base deduction", 0, {fisa()},
         "  Nu se face regularizarea decat pentru o grila \r\ncorecta de calcul a impozitului pe venitul "
         "global\r\nrealizat in anul 2002 ."},
        {"no sheets", 1800000, {}, "  Lipseste fisierul Ff1_2002.txt ."},
        {"a full disk", 1800000, Linii(40, fisa()), "Eroare 61 la scrierea fisierului FF1.txt."},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        DeducereBaza[12] = r.deducereAnuala;
        files::writeLines("FF1.txt", r.ff1);
        {
            testing::LimitaFisiere plin(4096);
            EXPECT_FALSE(RegularizeazaFisele().efectuata);
        }
        EXPECT_EQ(files::readLines("FF1.txt"), r.ff1);
        EXPECT_FALSE(files::exists("FF1_2002.txt"));
        testing::expectOneMessage(r.mesaj, "", platform::Icon::Exclamation);
    }
    // Emptied from outside: damage, and its yearly copy takes its place.
    files::writeLines("FF1_2002.txt", {fisa()});
    files::writeLines("FF1.txt", {});
    EXPECT_FALSE(RegularizeazaFisele().efectuata);
    EXPECT_EQ(files::readLines("FF1.txt"), Linii{fisa()});
    testing::expectOneMessage("Fisierul FF1.txt era gol: copia FF1_2002.txt a ramas neschimbata si i-a luat locul. "
                              "Regularizarea nu a fost efectuata.", "", platform::Icon::Exclamation);
}

} // namespace
} // namespace olm
