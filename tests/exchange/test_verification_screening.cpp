#include "exchange/verification_screening.h"
#include "platform/files.h"
#include "support/file_bytes.h"
#include "support/record_lines.h"
#include "verification_test_support.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

namespace files = platform::files;
using Linii = std::vector<std::string>;

TEST(VerificationDates, DatesOfOtherApplicationsBecomeDayFirst) {
    const std::pair<const char*, const char*> randuri[] = {
        {"15/03/2002", "15/03/2002"}, {"15.03.2002", "15/03/2002"}, {" 5-3-2002 ", "05/3/2002"},
        {"20020315", "15/03/2002"},   {"19020315", "15/03/2002"},   {"19010315", "15/03/2001"},
        {"/  /", ""},                 {"//", ""},                   {" .-. ", ""},
        {"", ""},                     {"2002", "02//2002"},
    };
    for (const auto& [text, data] : randuri) {
        SCOPED_TRACE(text);
        EXPECT_EQ(NormalizeazaDataExterna(text), data);
    }
}

TEST(VerificationDates, TheSortItemCarriesTheNormalisedDates) {
    std::vector<std::string> f = campuriFisa1("1750305123453");
    f[20] = "1.3.2002";
    f[21] = "//";
    const std::string linie = linieFisa1(f);
    f[20] = "01/3/2002";
    f[21] = "";
    EXPECT_EQ(ElementSortareFf1(linie), "1750305123453,01/3/2002,," + linieFisa1(f));
}

using Screening = VerificationTest;

// The four files as the screening finds them and as it leaves them.
struct Fisiere {
    Linii rep, ff1, ff2, ded;
};

TEST_F(Screening, DropsAndReportsEmptyIllFormedAndRepeatedLines) {
    const std::string rep1 = "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,,##,##";
    const std::string rep2 = "9000001,1,#SC ALFA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,,##,##";
    const std::string ff2a = linieCu(structuraFf2(), {{0, "2791201123454"}, {1, "BARBU"}, {22, "100"}});
    const std::string ff2b = linieCu(structuraFf2(), {{0, "2791201123454"}, {1, "barbu"}, {22, "100"}});
    const std::string ded05 = linieCu(structuraDeduceri(), {{0, "1750305123453"}, {1, "5020315123457"}, {10, "0.5"}});
    const std::string ded1 = linieCu(structuraDeduceri(), {{0, "1750305123453"}, {1, "5020315123457"}, {10, "1"}});
    const std::string lunga = linieCu(structuraFf2(), {{0, "1750305123453"}, {1, std::string(70000, 'A')}});
    struct Rand {
        const char* nume;
        Fisiere in;
        Linii raport;
        bool erori;
        Fisiere out;
    };
    const Rand randuri[] = {
        {"empty files are only warned of", {},
         {"Avertisment : Fisierul Rep_2002.txt nu exista sau e gol.",
          "Avertisment : Fisierul FF1_2002.txt nu exista sau e gol.",
          "Avertisment : Fisierul Ff2_2002.txt nu exista sau e gol.",
          "Avertisment : Fisierul Ded_2002.txt nu exista sau e gol."},
         false, {}},
        {"another employer's code is dropped", {{rep1, rep2, "  "}, {}, {ff2a}, {ded1}},
         {"Rep_2002.txt - Inregistrare goala eliminata. ", "Avertisment : Fisierul FF1_2002.txt nu exista sau e gol.",
          "Rep_2002.txt: 9000001 - alt cod angajator (inregistrare eliminata)."},
         true, {{rep1}, {}, {ff2a}, {ded1}}},
        {"repeated lines; lines equal but for case keep their order",
         {{rep2, rep1, rep1}, {"", "1750305123453,#ALBU#"}, {ff2b, ff2a, lunga}, {ded1, ded05}},
         {"Ff1_2002.txt - Inregistrare goala eliminata. ",
          "Ff1_2002.txt - 1750305123453 structura inregistrare eronata (inregistrare eliminata). ",
          "Ff2_2002.txt - 1750305123453 structura inregistrare eronata (inregistrare eliminata). ",
          "Rep_2002.txt: 9000001 - alt cod angajator (inregistrare eliminata).",
          "Rep_2002.txt: 10203045 - 2 aparitii.",
          "FF2_2002.txt - 2791201123454 : 2 aparitii (ramane doar una).",
          "Ded_2002.txt - 1750305123453,5020315123457: 2 aparitii (ramane doar una)."},
         true, {{rep1}, {}, {ff2b}, {ded05}}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        writeBytes("Repfisc.txt", crlf(r.in.rep));
        writeBytes("FF1.txt", crlf(r.in.ff1));
        writeBytes("FF2.txt", crlf(r.in.ff2));
        writeBytes("Deduceri.txt", crlf(r.in.ded));
        RaportVerificare raport;
        const FisiereEcranate e = EcraneazaFisiere(raport);
        EXPECT_EQ(raport.linii(), r.raport);
        EXPECT_EQ(raport.existaErori(), r.erori);
        EXPECT_EQ(files::readLines("Repfisc.txt"), r.out.rep);
        EXPECT_EQ(files::readLines("FF1.txt"), r.out.ff1);
        EXPECT_EQ(files::readLines("FF2.txt"), r.out.ff2);
        EXPECT_EQ(files::readLines("Deduceri.txt"), r.out.ded);
        EXPECT_EQ(e.ff2, r.out.ff2);
        EXPECT_TRUE(e.ff1Sortat.empty());
    }
}

} // namespace
} // namespace olm::testing
