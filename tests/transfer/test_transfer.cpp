// The converter of DBF tables: the worked example through DBF tables and
// back, the rules of the values, and every structure error listed in
// "ferr.txt" with no text file changed.

#include "dbf_test_support.h"
#include "exchange/verification_employer.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "transfer/dbf_table.h"
#include "transfer/transfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace olm::testing {
namespace {

namespace files = platform::files;
using transfer::FelColoana;
using transfer::TabeleDbf;

const transfer::TabelDbf& tabel(const std::string& prefix) {
    for (const auto& t : TabeleDbf()) {
        if (t.prefix == prefix) {
            return t;
        }
    }
    throw std::invalid_argument(prefix);
}

// The record lines of the example that have their record's shape (an
// employer's line of the earlier form turned into the current one): what a
// DBF table can hold.
std::vector<std::string> liniiBune(const transfer::TabelDbf& t) {
    const std::string_view sablon = t.prefix == "Rep"   ? SablonRepfisc
                                    : t.prefix == "FF1" ? SablonFf1
                                    : t.prefix == "FF2" ? SablonFf2
                                                        : SablonDeduceri;
    std::vector<std::string> bune;
    for (std::string l : files::readLines(example("verification/in/" + t.fisierText))) {
        l = RepfiscInFormaCurenta(l).value_or(l);
        if (VerificaStructura(l, sablon)) {
            bune.push_back(l);
        }
    }
    return bune;
}

std::vector<ColoanaTest>::iterator coloana(std::vector<ColoanaTest>& v, const std::string& nume) {
    return std::find_if(v.begin(), v.end(), [&](const ColoanaTest& c) { return c.nume == nume; });
}

void scrieLinii(const transfer::TabelDbf& t, const std::vector<std::string>& linii, bool dateText = true) {
    std::vector<std::vector<std::string>> inregistrari;
    for (const auto& l : linii) {
        inregistrari.push_back(valoriStrat(t, taieCampuri(l, t.structura).campuri));
    }
    scrieTabel(transfer::NumeTabelAnual(t, 2002), coloaneStrat(t, dateText), inregistrari);
}

TEST(Transfer, TheWorkedExampleComesBackFromDbfTablesUnchanged) {
    writeBytes("tr12.txt", "2002\r\n");
    writeBytes("ferr.txt", "old\r\n");
    std::vector<std::vector<std::string>> asteptat;
    for (const auto& t : TabeleDbf()) {
        asteptat.push_back(liniiBune(t));
        ASSERT_FALSE(asteptat.back().empty()) << t.prefix;
        scrieLinii(t, asteptat.back());
    }
    EXPECT_EQ(transfer::RuleazaTransfer(), 0);
    for (std::size_t i = 0; i < asteptat.size(); ++i) {
        EXPECT_EQ(files::readLines(TabeleDbf()[i].fisierText), asteptat[i]) << TabeleDbf()[i].fisierText;
    }
    EXPECT_FALSE(files::exists("ferr.txt"));
}

TEST(Transfer, ValuesOfEachKindOfColumn) {
    struct Caz {
        const char* nume;
        FelColoana fel;
        char tip;
        std::string brut;
        bool nul;
        std::string text;
        bool eroare = false;
    } cazuri[] = {
        {"text loses # CR LF", FelColoana::Text, 'C', "A#B\r\nC", false, "ABC"},
        {"empty text", FelColoana::Text, 'C', "", true, ""},
        {"code as text keeps its zeros", FelColoana::Cod, 'C', "0123", false, "0123"},
        {"code as number", FelColoana::Cod, 'N', "1750305123453", false, "1750305123453"},
        {"code overflow is empty", FelColoana::Cod, 'N', "*****", true, ""},
        {"plain value", FelColoana::Numar, 'N', "1.50", false, "1.5"},
        {"whole amount", FelColoana::Numar, 'F', "60000000.00", false, "60000000"},
        {"negative with exponent", FelColoana::Numar, 'F', "-1.5E+02", false, "-150"},
        {"blank number", FelColoana::Numar, 'N', "", true, ""},
        {"amount overflow", FelColoana::Numar, 'N', "*****", true, "", true},
        {"not a number", FelColoana::Numar, 'N', "12a", false, "", true},
        {"date D", FelColoana::Data, 'D', "20020301", false, "01/03/2002"},
        {"empty date D", FelColoana::Data, 'D', "00000000", true, ""},
        {"wrong date D", FelColoana::Data, 'D', "2002AB01", false, "", true},
        {"date as text", FelColoana::Data, 'C', "1.3.2002", false, "1.3.2002"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        const transfer::ValoareCamp v = transfer::ValoareDinDbf(c.fel, c.tip, c.brut, c.nul);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(!v.eroare.empty(), c.eroare) << v.eroare;
    }
}

TEST(Transfer, ColumnsFoundByNameWhateverTheirOrderDeletedRecordsSkipped) {
    writeBytes("tr12.txt", "2002");
    for (const auto& t : TabeleDbf()) {
        scrieLinii(t, {});
    }
    // FF2 with its columns reversed, in lower case, one column more, and a
    // D date nowhere: a file name in other letters.
    const auto& ff2 = tabel("FF2");
    std::string linie = liniiBune(ff2).front();
    std::vector<ColoanaTest> coloane = coloaneStrat(ff2);
    std::vector<std::string> valori = valoriStrat(ff2, taieCampuri(linie, ff2.structura).campuri);
    std::reverse(coloane.begin(), coloane.end());
    std::reverse(valori.begin(), valori.end());
    for (auto& c : coloane) {
        std::transform(c.nume.begin(), c.nume.end(), c.nume.begin(), ::tolower);
    }
    coloane.push_back({"ALTCEVA", 'C', 5});
    valori.push_back("x");
    std::filesystem::remove("FF2_2002.dbf");
    scrieTabel("ff2_2002.DBF", coloane, {valori, valori}, {0});
    EXPECT_EQ(transfer::RuleazaTransfer(), 0);
    EXPECT_EQ(files::readLines("FF2.txt"), std::vector<std::string>{linie});
}

TEST(Transfer, EveryStructureErrorIsListedAndNoTextFileChanges) {
    const auto scrieToate = [] {
        for (const auto& t : TabeleDbf()) {
            scrieLinii(t, liniiBune(t));
        }
    };
    struct Caz {
        const char* nume;
        std::function<void()> strica;
        std::vector<std::string> ferr;
    } cazuri[] = {
        {"missing column", [&] {
             auto coloane = coloaneStrat(tabel("FF2"));
             coloane.erase(coloana(coloane, "AS3"));
             scrieTabel("FF2_2002.dbf", coloane, {});
         }, {"Fisierul FF2_2002.dbf: lipseste coloana AS3."}},
        {"wrong type", [&] {
             auto coloane = coloaneStrat(tabel("FF1"));
             coloana(coloane, "V01")->tip = 'C';
             scrieTabel("FF1_2002.dbf", coloane, {});
         }, {"Fisierul FF1_2002.dbf: coloana V01 are tipul C; se accepta N sau F."}},
        {"truncated file", [&] {
             // Cut in the middle of the second record (the header gives the
             // lengths of the header and of a record at bytes 8 and 10).
             const std::string b = readBytes("FF1_2002.dbf");
             const auto u16 = [&](int i) { return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8; };
             std::filesystem::resize_file("FF1_2002.dbf", u16(8) + u16(10) + 10);
         }, {"Fisierul FF1_2002.dbf: inregistrarea 2 nu poate fi citita (fisier trunchiat)."}},
        {"not a DBF file", [] { writeBytes("Ded_2002.dbf", "1830710123451,#DUMA#\r\n"); },
         {"Fisierul Ded_2002.dbf nu este un tabel DBF sau este deteriorat."}},
        {"missing table", [] { std::filesystem::remove("Rep_2002.dbf"); },
         {"Fisierul Rep_2002.dbf lipseste."}},
        {"year not four digits", [] { writeBytes("tr12.txt", "02\r\n"); },
         {"Fisierul tr12.txt nu contine anul fiscal (patru cifre)."}},
        {"amount overflow", [&] {
             const auto& d = tabel("Ded");
             auto campuri = taieCampuri(liniiBune(d).front(), d.structura).campuri;
             campuri[11] = "****";
             scrieTabel("Ded_2002.dbf", coloaneStrat(d), {valoriStrat(d, campuri)});
         }, {"Fisierul Ded_2002.dbf, inregistrarea 1, coloana C02: valoare prea mare pentru latimea coloanei "
             "(\"****\")."}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        writeBytes("tr12.txt", "2002\r\n");
        scrieToate();
        for (const auto& t : TabeleDbf()) {
            writeBytes(t.fisierText, t.prefix + " as it was\r\n");
        }
        c.strica();
        EXPECT_EQ(transfer::RuleazaTransfer(), 1);
        EXPECT_EQ(files::readLines("ferr.txt"), c.ferr);
        for (const auto& t : TabeleDbf()) {
            EXPECT_EQ(readBytes(t.fisierText), t.prefix + " as it was\r\n");
        }
    }
}

} // namespace
} // namespace olm::testing
