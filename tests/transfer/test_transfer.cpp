// The converter of DBF tables: the worked example through DBF tables and
// back, the rules of the values, every structure error (a header that
// disagrees with its table among them) listed in "ferr.txt" with no text
// file changed, and the converter stopped by a signal while it runs.

#include "dbf_test_support.h"
#include "exchange/verification_employer.h"
#include "platform/termination.h"
#include "shared/record_shape.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "support/sample_data.h"
#include "transfer/dbf_table.h"
#include "transfer/transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

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

// `inPlus`: columns after those of the layout, their values blank.
void scrieLinii(std::size_t tabel, const std::vector<std::string>& linii, const std::vector<ColoanaTest>& inPlus = {}) {
    const auto& t = TabeleDbf()[tabel];
    std::vector<std::vector<std::string>> inregistrari;
    for (const auto& l : linii) {
        inregistrari.push_back(valoriStrat(t, l));
        inregistrari.back().resize(inregistrari.back().size() + inPlus.size());
    }
    auto coloane = coloaneStrat(t);
    coloane.insert(coloane.end(), inPlus.begin(), inPlus.end());
    scrieTabel(transfer::NumeTabelAnual(t, 2002), coloane, inregistrari);
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

// A number is taken whole or refused: never rounded to 15 digits, never read
// as 0, never written with an exponent.
TEST(Transfer, ValuesOfEachKindOfColumn) {
    const std::string nul = "valoare nula sau prea mare pentru latimea coloanei", cifre = "valoare cu mai mult de 15 cifre",
                      domeniu = "valoare in afara domeniului numeric";
    struct Caz {
        FelColoana fel;
        char tip;
        std::string brut;
        bool nul;
        std::string text;
        std::string eroare = ""; // the start of the fault, "" for none
    } cazuri[] = {
        {FelColoana::Text, 'C', "A#B\r\nC", false, "ABC"},
        {FelColoana::Text, 'C', "", true, ""},
        {FelColoana::Cod, 'C', "0123", false, "0123"},
        {FelColoana::Cod, 'N', "1750305123453", false, "1750305123453"},
        {FelColoana::Cod, 'N', "*****", true, ""},
        {FelColoana::Numar, 'N', "1.50", false, "1.5"},
        {FelColoana::Numar, 'F', "-1.5E+02", false, "-150"},
        {FelColoana::Numar, 'N', "", true, ""},
        {FelColoana::Numar, 'N', "*****", true, "", nul},
        {FelColoana::Numar, 'N', "12a", false, "", "valoare nenumerica"},
        {FelColoana::Numar, 'N', "-0.000123456789012345000", false, "-0.000123456789012345"},
        {FelColoana::Numar, 'N', "0E400", false, "0"},
        {FelColoana::Numar, 'N', "0.00001", false, "0.00001"},
        {FelColoana::Numar, 'N', "123456789012345E5", false, "12345678901234500000"},
        {FelColoana::Numar, 'N', "1234567890123456", false, "", cifre},
        {FelColoana::Numar, 'N', "1.000000000000001", false, "", cifre},
        {FelColoana::Numar, 'N', "1e400", false, "", domeniu},
        {FelColoana::Numar, 'N', "-1e-400", false, "", domeniu},
        {FelColoana::Data, 'D', "20020301", false, "01/03/2002"},
        {FelColoana::Data, 'D', "00000000", true, ""},
        {FelColoana::Data, 'D', "2002AB01", false, "", "data gresita"},
        {FelColoana::Data, 'C', "1.3.2002", false, "1.3.2002"},
        // Written without "#" marks, a code or a date would split its field.
        {FelColoana::Cod, 'C', "0123,4", false, "", "valoare cu virgula sau \"#\" (\"0123,4\")"},
        {FelColoana::Data, 'C', "1#3.2002", false, "", "valoare cu virgula sau \"#\""},
        {FelColoana::Text, 'C', "A,B", false, "A,B"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.brut);
        const transfer::ValoareCamp v = transfer::ValoareDinDbf(c.fel, c.tip, c.brut, c.nul);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.eroare.substr(0, c.eroare.size()), c.eroare);
        EXPECT_EQ(v.eroare.empty(), c.eroare.empty()) << v.eroare;
    }
}

// The four good tables, and text files that must stay as they are.
void tabeleBune() {
    writeBytes("tr12.txt", "2002\r\n");
    for (std::size_t i = 0; i < TabeleDbf().size(); ++i) {
        scrieLinii(i, liniiBune(i));
        writeBytes(TabeleDbf()[i].fisierText, "as it was\r\n");
    }
}

// Each fault of a table is listed in "ferr.txt" and no text file changes. A
// table's records too must agree with its header as shapelib reads them
// (their marks, their number, NULs in values), or the table is one fault;
// honest shapes other writers make are read.
TEST(Transfer, EveryStructureErrorIsListedAndNoTextFileChanges) {
    namespace fs = std::filesystem;
    const auto octeti = [](const char* fisier, std::function<void(std::string&)> schimba) {
        return [=] { schimbaOcteti(fisier, schimba); };
    };
    const auto descriptor = [&](const char* col, std::function<void(std::string&, std::size_t)> schimba) {
        auto c = coloaneStrat(TabeleDbf()[2]);
        const auto la = static_cast<std::size_t>(32 + 32 * (coloana(c, col) - c.begin()));
        return octeti("FF2_2002.dbf", [=](std::string& b) { schimba(b, la); });
    };
    const auto latime = [&](const char* col, int cu) {
        return descriptor(col, [=](std::string& b, std::size_t la) { b.at(la + 16) = static_cast<char>(b.at(la + 16) + cu); });
    };
    const auto nume = [&](const char* col, std::string nume11) {
        return descriptor(col, [=](std::string& b, std::size_t la) { b.replace(la, 11, nume11); });
    };
    const auto aduna = [&](const char* fisier, std::size_t la, std::size_t lung, std::uint32_t cu) {
        return octeti(fisier, [=](std::string& b) { puneNumarAntet(b, la, lung, numarAntet(b, la, lung) + cu); });
    };
    // Into the surname of FF2's first record: 40 bytes after the mark and the code's 13.
    const auto inNume = [&](std::size_t de, std::string s) {
        return octeti("FF2_2002.dbf", [=](std::string& b) { b.replace(numarAntet(b, 8, 2) + 14 + de, s.size(), s); });
    };
    const std::string deteriorat = " are antetul deteriorat: ";
    const std::string faraMarca = deteriorat + "inregistrarea 1 nu incepe cu marca \" \" sau \"*\" a unei inregistrari.";
    const std::size_t ff1 = liniiBune(1).size();
    const auto trunchiat = [](std::size_t r) {
        return "Fisierul FF1_2002.dbf: inregistrarea " + std::to_string(r) + " nu poate fi citita (fisier trunchiat).";
    };
    struct Caz {
        const char* nume;
        std::function<void()> strica;
        std::string ferr; // "": converted
    } cazuri[] = {
        {"count one short",
         octeti("FF1_2002.dbf", [](std::string& b) { puneNumarAntet(b, 4, 4, numarAntet(b, 4, 4) - 1); }),
         "Fisierul FF1_2002.dbf" + deteriorat + "numara 4 inregistrari, dar fisierul are mai multe."},
        {"end mark, then anything", octeti("FF2_2002.dbf", [](std::string& b) { b += "xyz"; }), ""},
        {"no end mark", octeti("FF2_2002.dbf", [](std::string& b) { b.pop_back(); }), ""},
        {"fewer bytes than a record after the counted ones", octeti("FF2_2002.dbf", [](std::string& b) { b.back() = 'x'; }),
         "Fisierul FF2_2002.dbf: dupa inregistrarile numarate urmeaza mai putin decat o inregistrare, nu marca de "
         "sfarsit a tabelului (octeti in plus: 1)."},
        {"a width one short", latime("V01", -1),
         "Fisierul FF2_2002.dbf" + deteriorat + "latimile coloanelor dau o inregistrare de 669 octeti, nu de 670."},
        {"a width of 0", latime("RECTIF", -1), "Fisierul FF2_2002.dbf" + deteriorat + "coloana RECTIF are latimea 0."},
        {"FoxPro's head: its version, 263 bytes after the descriptors", octeti("FF2_2002.dbf", [](std::string& b) {
             b[0] = 0x30;
             const std::uint32_t lungime = numarAntet(b, 8, 2);
             b.insert(lungime, 263, '\0');
             puneNumarAntet(b, 8, 2, lungime + 263);
         }), ""},
        {"count with its top bit set", aduna("FF1_2002.dbf", 4, 4, 0x80000000u), "Fisierul FF1_2002.dbf" + deteriorat +
         "numarul de inregistrari " + std::to_string(0x80000000u + ff1) + " are bitul cel mai semnificativ pus."},
        {"header length one too large", aduna("Rep_2002.dbf", 8, 2, 1), "Fisierul Rep_2002.dbf" + faraMarca},
        {"cut short after a faulty value", octeti("FF1_2002.dbf", [](std::string& b) {
             b.replace(b.find("1.5"), 3, "1a5"); // the first record's first coefficient
             b.resize(b.size() - 10);
         }), trunchiat(ff1)},
        {"a NUL inside a value", inNume(1, std::string(1, '\0')),
         "Fisierul FF2_2002.dbf, inregistrarea 1, coloana NUME: valoare taiata de un octet NUL."},
        {"NULs and blanks after a value", inNume(35, std::string("\0 \0\0 ", 5)), ""},
        {"a name padded with blanks and a NUL", nume("V01", std::string("V01       \0", 11)), ""},
        {"a name filling its 11 bytes with blanks", nume("NUME", "NUME       "), ""},
        {"extra columns named in code page 1250 and in UTF-8",
         [] { scrieLinii(3, liniiBune(3), {{"SUM\xC3", 'N', 15}, {"SUM\xC4\x82", 'C', 5}}); }, ""},
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
             // header + 1 record + 10
             std::filesystem::resize_file("FF1_2002.dbf", numarAntet(b, 8, 2) + numarAntet(b, 10, 2) + 10);
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
         }, "Fisierul Ded_2002.dbf, inregistrarea 1, coloana C02: valoare nula sau prea mare pentru latimea coloanei (\"****\")."},
        {"a directory", [] { fs::remove("FF2_2002.dbf"); fs::create_directory("FF2_2002.dbf"); },
         "FF2_2002.dbf este un director, nu un fisier."},
        {"a dangling link", [] { fs::remove("Ded_2002.dbf"); fs::create_symlink("x.dbf", "Ded_2002.dbf"); },
         "Ded_2002.dbf este o legatura catre x.dbf, care nu exista."},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        tabeleBune();
        c.strica();
        EXPECT_EQ(transfer::RuleazaTransfer(), c.ferr.empty() ? 0 : 1);
        EXPECT_EQ(files::readLines("ferr.txt"), c.ferr.empty() ? std::vector<std::string>{} : std::vector{c.ferr});
        for (std::size_t i = 0; i < TabeleDbf().size(); ++i) {
            const std::string& text = TabeleDbf()[i].fisierText;
            EXPECT_EQ(readBytes(text), c.ferr.empty() ? crlf(liniiBune(i)) : "as it was\r\n") << text;
        }
        fs::remove_all("FF2_2002.dbf"); // no directory or link in the next row's way
        fs::remove("Ded_2002.dbf");
    }
}

TEST(Transfer, ASignalStopsTheConverterLeavingNoScratchFileAndTheTextFilesAsTheyWere) {
    // A firm large enough to be converting for a second or more.
    const SampleSet firma = generateSample(2000);
    const std::vector<std::string>* linii[] = {nullptr, &firma.ff1, &firma.ff2, &firma.deduceri};
    tabeleBune();
    for (std::size_t i = 1; i < TabeleDbf().size(); ++i) {
        scrieLinii(i, *linii[i]);
        repetaInregistrari(transfer::NumeTabelAnual(TabeleDbf()[i], 2002), 40);
    }
    const auto ciorne = [] {
        const auto e = entries();
        return std::count_if(e.begin(), e.end(), [](const std::string& n) { return files::isScratchFile(n); });
    };
    for (int semnal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(semnal);
        const pid_t copil = ::fork();
        if (copil == 0) {
            ::execl(OLM_TRANSFER_PROGRAM, OLM_TRANSFER_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int stare = -1;
        const auto pana = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (ciorne() == 0 && ::waitpid(copil, &stare, WNOHANG) == 0 && std::chrono::steady_clock::now() < pana) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(stare, -1) << "ended before it was asked to";
        ASSERT_EQ(::kill(copil, semnal), 0);
        ASSERT_EQ(::waitpid(copil, &stare, 0), copil);
        EXPECT_TRUE(WIFSIGNALED(stare) && WTERMSIG(stare) == semnal) << stare;
        EXPECT_EQ(ciorne(), 0);
        EXPECT_FALSE(files::exists("ferr.txt"));
        for (const auto& t : TabeleDbf()) {
            EXPECT_EQ(readBytes(t.fisierText), "as it was\r\n") << t.fisierText;
        }
    }
    // Not only before the commit: the reading stops at its next record.
    platform::catchTerminationSignals();
    ASSERT_EQ(std::raise(SIGTERM), 0);
    platform::LinesOut citite;
    EXPECT_THROW(transfer::CitesteTabelDbf(TabeleDbf()[1], "FF1_2002.dbf", citite), transfer::TransferOprit);
    EXPECT_TRUE(citite.lines.empty());
}


} // namespace
} // namespace olm::testing
