// The converter of DBF tables: the worked example through DBF tables and
// back, the rules of the values, and every structure error listed in
// "ferr.txt" with no text file changed.

#include "dbf_test_support.h"
#include "exchange/verification_employer.h"
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

// The example's lines that a DBF table can hold: those of their record's
// shape (an employer's line of the earlier form turned into the current one).
std::vector<std::string> liniiBune(std::size_t tabel) {
    const std::string_view sabloane[] = {SablonRepfisc, SablonFf1, SablonFf2, SablonDeduceri};
    std::vector<std::string> bune;
    for (std::string l : files::readLines(example("verification/in/" + TabeleDbf()[tabel].fisierText))) {
        l = RepfiscInFormaCurenta(l).value_or(l);
        if (VerificaStructura(l, sabloane[tabel])) {
            bune.push_back(l);
        }
    }
    return bune;
}

void scrieLinii(std::size_t tabel, const std::vector<std::string>& linii) {
    const auto& t = TabeleDbf()[tabel];
    std::vector<std::vector<std::string>> inregistrari;
    for (const auto& l : linii) {
        inregistrari.push_back(valoriStrat(t, l));
    }
    scrieTabel(transfer::NumeTabelAnual(t, 2002), coloaneStrat(t), inregistrari);
}

std::vector<ColoanaTest>::iterator coloana(std::vector<ColoanaTest>& v, const std::string& nume) {
    return std::find_if(v.begin(), v.end(), [&](const ColoanaTest& c) { return c.nume == nume; });
}

TEST(Transfer, TheWorkedExampleComesBackFromDbfTablesUnchanged) {
    writeBytes("tr12.txt", "2002\r\n");
    writeBytes("ferr.txt", "old\r\n");
    for (std::size_t i = 0; i < TabeleDbf().size(); ++i) {
        scrieLinii(i, liniiBune(i));
    }
    EXPECT_EQ(transfer::RuleazaTransfer(), 0);
    for (std::size_t i = 0; i < TabeleDbf().size(); ++i) {
        EXPECT_EQ(files::readLines(TabeleDbf()[i].fisierText), liniiBune(i)) << i;
    }
    EXPECT_FALSE(files::exists("ferr.txt"));

    // FF2's columns reversed, in lower case, one more, a record deleted,
    // the file's name in other letters.
    const auto& ff2 = TabeleDbf()[2];
    auto coloane = coloaneStrat(ff2);
    auto valori = valoriStrat(ff2, liniiBune(2).front());
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
    EXPECT_EQ(files::readLines("FF2.txt"), std::vector<std::string>{liniiBune(2).front()});
}

TEST(Transfer, ValuesOfEachKindOfColumn) {
    struct Caz {
        FelColoana fel;
        char tip;
        std::string brut;
        bool nul;
        std::string text;
        bool eroare = false;
    } cazuri[] = {
        {FelColoana::Text, 'C', "A#B\r\nC", false, "ABC"},
        {FelColoana::Text, 'C', "", true, ""},
        {FelColoana::Cod, 'C', "0123", false, "0123"},
        {FelColoana::Cod, 'N', "1750305123453", false, "1750305123453"},
        {FelColoana::Cod, 'N', "*****", true, ""},
        {FelColoana::Numar, 'N', "1.50", false, "1.5"},
        {FelColoana::Numar, 'F', "-1.5E+02", false, "-150"},
        {FelColoana::Numar, 'N', "", true, ""},
        {FelColoana::Numar, 'N', "*****", true, "", true},
        {FelColoana::Numar, 'N', "12a", false, "", true},
        {FelColoana::Data, 'D', "20020301", false, "01/03/2002"},
        {FelColoana::Data, 'D', "00000000", true, ""},
        {FelColoana::Data, 'D', "2002AB01", false, "", true},
        {FelColoana::Data, 'C', "1.3.2002", false, "1.3.2002"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.brut);
        const transfer::ValoareCamp v = transfer::ValoareDinDbf(c.fel, c.tip, c.brut, c.nul);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(!v.eroare.empty(), c.eroare) << v.eroare;
    }
}

TEST(Transfer, EveryStructureErrorIsListedAndNoTextFileChanges) {
    struct Caz {
        const char* nume;
        std::function<void()> strica;
        std::string ferr;
    } cazuri[] = {
        {"missing column", [] {
             auto c = coloaneStrat(TabeleDbf()[2]);
             c.erase(coloana(c, "AS3"));
             scrieTabel("FF2_2002.dbf", c, {});
         }, "Fisierul FF2_2002.dbf: lipseste coloana AS3."},
        {"wrong type", [] {
             auto c = coloaneStrat(TabeleDbf()[1]);
             coloana(c, "V01")->tip = 'C';
             scrieTabel("FF1_2002.dbf", c, {});
         }, "Fisierul FF1_2002.dbf: coloana V01 are tipul C; se accepta N sau F."},
        {"truncated in its second record", [] {
             const std::string b = readBytes("FF1_2002.dbf");
             const auto u16 = [&](int i) { return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8; };
             std::filesystem::resize_file("FF1_2002.dbf", u16(8) + u16(10) + 10); // header + 1 record + 10
         }, "Fisierul FF1_2002.dbf: inregistrarea 2 nu poate fi citita (fisier trunchiat)."},
        {"not a DBF file", [] { writeBytes("Ded_2002.dbf", "1830710123451,#DUMA#\r\n"); },
         "Fisierul Ded_2002.dbf nu este un tabel DBF sau este deteriorat."},
        {"missing table", [] { std::filesystem::remove("Rep_2002.dbf"); }, "Fisierul Rep_2002.dbf lipseste."},
        {"year not four digits", [] { writeBytes("tr12.txt", "02\r\n"); },
         "Fisierul tr12.txt nu contine anul fiscal (patru cifre)."},
        {"amount overflow", [] {
             auto v = valoriStrat(TabeleDbf()[3], liniiBune(3).front());
             v[11] = "****";
             scrieTabel("Ded_2002.dbf", coloaneStrat(TabeleDbf()[3]), {v});
         }, "Fisierul Ded_2002.dbf, inregistrarea 1, coloana C02: valoare prea mare pentru latimea coloanei (\"****\")."},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        writeBytes("tr12.txt", "2002\r\n");
        for (std::size_t i = 0; i < TabeleDbf().size(); ++i) {
            scrieLinii(i, liniiBune(i));
            writeBytes(TabeleDbf()[i].fisierText, "as it was\r\n");
        }
        c.strica();
        EXPECT_EQ(transfer::RuleazaTransfer(), 1);
        EXPECT_EQ(files::readLines("ferr.txt"), std::vector<std::string>{c.ferr});
        for (const auto& t : TabeleDbf()) {
            EXPECT_EQ(readBytes(t.fisierText), "as it was\r\n") << t.fisierText;
        }
    }
}

} // namespace
} // namespace olm::testing
