// The yearly swap of the data files at start and at exit, on real directories.

#include "main_window/startup.h"
#include "main_window/yearly_swap.h"
#include "platform/files.h"
#include "shared/fisa1_record.h"
#include "shared/state.h"
#include "support/failing_writer.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using olm::testing::readBytes;
using olm::testing::writeBytes;

namespace files = olm::platform::files;

bool present(const std::string& exactName) { return std::filesystem::exists(exactName); }

// An employer line of each layout.
const std::string kAngajator2002 =
    "19,1,#FIRMA, TEST SRL#,##,##,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#5#,400000,#A#,#1#,#2#,#3#,0,#0264111222#,##";
const std::string kAngajatorVechi =
    "19,#1#,#FIRMA, TEST SRL#,##,##,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#5#,400000,#A#,#1#,#2#,#3#,0,#0264111222#,##";
const std::string kAngajator2001 =
    "19,#FIRMA VECHE#,##,##,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#5#,##,##,400000,#A#,#1#,#2#,#3#,0";

class YearlySwap : public ::testing::Test {
protected:
    void SetUp() override {
        olm::resetState();
        olm::AnFiscal = 2002;
    }
};

TEST_F(YearlySwap, FirstStartCreatesEmptyWorkingFilesAndPreviousYearCopies) {
    olm::SchimbaFisiereLaPornire();
    for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt", "Rep_2001.txt",
                          "FF1_2001.txt", "FF2_2001.txt", "Ded_2001.txt"}) {
        ASSERT_TRUE(present(f)) << f;
        EXPECT_EQ(readBytes(f), "") << f;
    }
    for (const char* f : {"Rep_2002.txt", "FF1_2002.txt", "FF2_2002.txt", "Ded_2002.txt"}) {
        EXPECT_FALSE(present(f)) << f;
    }
}

TEST_F(YearlySwap, LastYearsWorkingFilesBecomePreviousYearCopies) {
    writeBytes("Repfisc.txt", kAngajator2001 + "\r\n");
    writeBytes("FF1.txt", "last year fisa 1\r\n");
    writeBytes("FF2_2002.txt", "this year fisa 2\r\n");
    writeBytes("Deduceri.txt", "last year dependants\r\n");

    olm::SchimbaFisiereLaPornire();

    EXPECT_EQ(readBytes("Rep_2001.txt"), kAngajator2001 + "\r\n");
    EXPECT_EQ(readBytes("FF1_2001.txt"), "last year fisa 1\r\n");
    EXPECT_EQ(readBytes("FF2_2001.txt"), "");
    EXPECT_EQ(readBytes("Ded_2001.txt"), "last year dependants\r\n");
    // The working names hold this year's data, or nothing where there is no yearly copy.
    EXPECT_EQ(readBytes("Repfisc.txt"), "");
    EXPECT_EQ(readBytes("FF1.txt"), "");
    EXPECT_EQ(readBytes("FF2.txt"), "this year fisa 2\r\n");
    EXPECT_EQ(readBytes("Deduceri.txt"), "");
}

TEST_F(YearlySwap, WorkingFilesOfThisYearAreKeptAfterAnUnfinishedRun) {
    // A run that did not end normally leaves this year's data under the working names.
    writeBytes("Repfisc.txt", kAngajator2002 + "\r\n");
    writeBytes("Rep_2002.txt", kAngajator2002 + "\r\n");
    writeBytes("FF1.txt", "fisa 1 typed after the last save\r\n");
    writeBytes("FF1_2002.txt", "fisa 1 as saved\r\n");
    writeBytes("FF2.txt", "fisa 2 with no yearly copy\r\n");
    writeBytes("Ded_2001.txt", "dependants of 2001\r\n");

    olm::SchimbaFisiereLaPornire();

    // Last year's copies are kept when present, created empty otherwise.
    EXPECT_EQ(readBytes("Ded_2001.txt"), "dependants of 2001\r\n");
    EXPECT_EQ(readBytes("FF1_2001.txt"), "");
    EXPECT_EQ(readBytes("Rep_2001.txt"), "");
    // A yearly copy refills its working file; a working file without one keeps its data.
    EXPECT_EQ(readBytes("FF1.txt"), "fisa 1 as saved\r\n");
    EXPECT_EQ(readBytes("FF2.txt"), "fisa 2 with no yearly copy\r\n");
    EXPECT_EQ(readBytes("FF2_2002.txt"), "fisa 2 with no yearly copy\r\n");
    EXPECT_EQ(readBytes("Repfisc.txt"), kAngajator2002 + "\r\n");
}

TEST_F(YearlySwap, OlderEmployerLayoutOfTheYearIsConverted) {
    writeBytes("Rep_2002.txt", kAngajatorVechi + "\r\nsecond line\r\n");
    olm::SchimbaFisiereLaPornire();
    EXPECT_EQ(readBytes("Rep_2002.txt"), kAngajator2002 + "\r\n");
    EXPECT_EQ(readBytes("Repfisc.txt"), kAngajator2002 + "\r\n");
    EXPECT_FALSE(present("temp1.txt"));
}

TEST_F(YearlySwap, EmployerCopyInAnotherLayoutIsLeftAlone) {
    writeBytes("Rep_2002.txt", kAngajator2002 + "\r\nsecond line\r\n");
    olm::SchimbaFisiereLaPornire();
    EXPECT_EQ(readBytes("Rep_2002.txt"), kAngajator2002 + "\r\nsecond line\r\n");
}

TEST_F(YearlySwap, YearlyCopiesAreFoundWhateverTheirCase) {
    writeBytes("ff1_2002.TXT", "fisa 1\r\n");
    olm::SchimbaFisiereLaPornire();
    EXPECT_EQ(readBytes("FF1.txt"), "fisa 1\r\n");
    EXPECT_FALSE(present("FF1_2002.txt"));
}

TEST_F(YearlySwap, ExitSavesTheYearAndRestoresLastYear) {
    writeBytes("Repfisc.txt", kAngajator2001 + "\r\n");
    writeBytes("FF1.txt", "last year fisa 1\r\n");
    writeBytes("FF1_2002.txt", "fisa 1\r\n");
    olm::SchimbaFisiereLaPornire();

    writeBytes("FF1.txt", "fisa 1 changed\r\n");
    writeBytes("ff1_sort1.txt", "sorted\r\n");
    writeBytes("ff1_sort.txt", "sorted\r\n");
    std::filesystem::remove("FF2.txt");          // a working file missing at exit
    std::filesystem::remove("Ded_2001.txt");     // a previous year's copy missing at exit
    EXPECT_TRUE(olm::SchimbaFisiereLaIesire().nesalvate.empty());

    EXPECT_EQ(readBytes("FF1_2002.txt"), "fisa 1 changed\r\n");
    EXPECT_EQ(readBytes("FF2_2002.txt"), "");
    EXPECT_EQ(readBytes("Rep_2002.txt"), "");
    EXPECT_EQ(readBytes("FF1.txt"), "last year fisa 1\r\n");
    EXPECT_EQ(readBytes("Repfisc.txt"), kAngajator2001 + "\r\n");
    EXPECT_EQ(readBytes("Deduceri.txt"), "");
    EXPECT_FALSE(present("ff1_sort1.txt"));
    EXPECT_FALSE(present("ff1_sort.txt"));

    // A second run finds the year where the first one left it.
    olm::SchimbaFisiereLaPornire();
    EXPECT_EQ(readBytes("FF1.txt"), "fisa 1 changed\r\n");
    EXPECT_EQ(readBytes("FF1_2001.txt"), "last year fisa 1\r\n");
}

TEST_F(YearlySwap, WorkingFileIsKeptWhenItsYearlyCopyCannotBeWritten) {
    olm::SchimbaFisiereLaPornire();
    writeBytes("FF1.txt", "only copy of this year's sheets\r\n");
    writeBytes("FF1_2001.txt", "last year\r\n");
    // A directory in the way of the yearly copy makes its write fail.
    std::filesystem::create_directory("FF1_2002.txt");

    auto nesalvate = olm::SchimbaFisiereLaIesire().nesalvate;

    ASSERT_EQ(nesalvate.size(), 1u);
    EXPECT_EQ(nesalvate[0], "FF1_2002.txt");
    EXPECT_EQ(readBytes("FF1.txt"), "only copy of this year's sheets\r\n");
}

} // namespace

// --- What the marker tells the start and the exit -----------------------------------

namespace {

// A file's content before or after; nullptr: absent; "<dir>": a directory in the way;
// "<nul>": NUL bytes; "<link>X", "<hard>X" before: a link to X, a second name of X.
using Fisiere = std::vector<std::pair<const char*, const char*>>;

std::string octeti(const std::string& continut) {
    return continut == "<nul>" ? std::string(4, '\0') : continut;
}

void pune(const std::string& nume, const std::string& c) {
    namespace fs = std::filesystem;
    c == "<dir>"                ? (void)fs::create_directory(nume)
    : c.starts_with("<link>") ? fs::create_symlink(c.substr(6), nume)
    : c.starts_with("<hard>") ? fs::create_hard_link(c.substr(6), nume)
                              : writeBytes(nume, octeti(c));
}

struct Caz {
    const char* name;
    int an, anLucru; // AnFiscal, and AnDateLucru at exit
    Fisiere inainte, dupa;
    std::vector<const char*> mesaj; // fragments; none: no message
    olm::RezultatSchimb (*fa)() = nullptr; // instead of the table's step
};

int numarCaz = 0; // a fresh directory for every row

// Each row in a fresh subdirectory; returns the message of the swap run there.
template <std::size_t N, typename Swap>
void ruleaza(const Caz (&cazuri)[N], Swap schimba) {
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.name);
        const std::string d = olm::testing::workDir() + "/caz-" + std::to_string(++numarCaz);
        std::filesystem::create_directory(d);
        std::filesystem::current_path(d);
        olm::resetState();
        olm::AnFiscal = c.an;
        olm::AnDateLucru = c.anLucru;
        for (const auto& [nume, continut] : c.inainte) {
            pune(nume, continut);
        }
        const std::string mesaj = c.fa ? c.fa().mesaj : schimba().mesaj;
        for (const auto& [nume, continut] : c.dupa) {
            EXPECT_EQ(continut ? readBytes(nume) : "-", continut ? octeti(continut) : present(nume) ? "+" : "-") << nume;
        }
        EXPECT_EQ(mesaj.empty(), c.mesaj.empty()) << mesaj;
        for (const char* f : c.mesaj) {
            EXPECT_NE(mesaj.find(f), std::string::npos) << f << " not in: " << mesaj;
        }
        // The marker, the commit record, the scratch files: never seen by the clerk, never named.
        EXPECT_EQ(mesaj.find(".olm"), std::string::npos) << mesaj;
    }
    std::filesystem::current_path(olm::testing::workDir());
}

// The whole start, lock and parameters first, on the row's files.
olm::RezultatSchimb porneste() {
    writeBytes("Cuantum.txt", "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
    writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
    olm::platform::InstanceLock lock;
    return {true, olm::PornesteLucrul(lock).mesaj, {}};
}

// The marker and every working file and yearly copy of its year, all empty:
// the swap then writes the marker alone.
const Fisiere Goale2001{{".olm-an", "lucru=2001\r\n"}, {"Repfisc.txt", ""}, {"FF1.txt", ""}, {"FF2.txt", ""},
                        {"Deduceri.txt", ""}, {"Rep_2001.txt", ""}, {"FF1_2001.txt", ""}, {"FF2_2001.txt", ""},
                        {"Ded_2001.txt", ""}};
const Fisiere Goale2002{{".olm-an", "lucru=2002\r\n"}, {"Repfisc.txt", ""}, {"FF1.txt", ""}, {"FF2.txt", ""},
                        {"Deduceri.txt", ""}, {"Rep_2002.txt", ""}, {"FF1_2002.txt", ""}, {"FF2_2002.txt", ""},
                        {"Ded_2002.txt", ""}};

// The swaps with no room left for the marker. A failure of the marker beside
// other files is told of one of them (the file layer's rule); written alone,
// it is told of a file of its year.
olm::RezultatSchimb iesireFaraLoc() {
    const auto plin = olm::testing::FailingWriter::afterBytes(".olm-an", 0);
    auto r = olm::SchimbaFisiereLaIesire();
    EXPECT_EQ(r.nesalvate, std::vector<std::string>{"FF1_2002.txt"});
    return r;
}

olm::RezultatSchimb pornireFaraLoc() {
    const auto plin = olm::testing::FailingWriter::afterBytes(".olm-an", 0);
    return olm::SchimbaFisiereLaPornire();
}

TEST_F(YearlySwap, TheStartTakesTheWorkingFilesForTheYearTheMarkerNames) {
    const Caz cazuri[] = {
        {"year changed by hand while closed", 2003, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "a01"}, {"FF1_2001.txt", "a01"}, {"FF1_2002.txt", "a02"}},
         {{"FF1.txt", ""}, {"FF1_2001.txt", "a01"}, {"FF1_2002.txt", "a02"}, {"Rezerva_1", nullptr},
          {".olm-an", "lucru=2003\r\n"}},
         {"contin datele anului 2001, iar anul fiscal din Cuantum.txt este 2003", "2001 si 2002 au ramas neschimbate"}},
        {"year changed, the working file edited", 2003, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "edited"}, {"FF1_2001.txt", "a01"}, {"FF1_2003.txt", "a03"}},
         {{"FF1.txt", "a03"}, {"FF1_2001.txt", "a01"}, {"Rezerva_1/FF1.txt", "edited"}},
         {"anului 2001", "Rezerva_1/ : FF1.txt."}},
        {"a run that did not end, or emptied by a backup, then a crash", 2002, 0,
         {{".olm-an", "lucru=2002\r\n"}, {"FF1.txt", "newer"}, {"FF1_2002.txt", "older"}, {"Rep_2001.txt", "r01"}},
         {{"FF1.txt", "newer"}, {"FF1_2002.txt", "older"}, {"Rep_2001.txt", "r01"}, {"Repfisc.txt", ""}}, {}},
        {"a link to a directory in the marker's place, at the real start", 2002, 0,
         {{"d", "<dir>"}, {"d/x", "kept"}, {".olm-an", "<link>d"}, {"FF1.txt", "a01"}, {"FF1_2002.txt", "a02"}},
         {{".olm-an", "lucru=2002\r\n"}, {"d/x", "kept"}, {"FF1.txt", "a02"}, {"FF1_2001.txt", "a01"}}, {}, porneste},
        {"a directory in the marker's place, at the real start: kept with the files", 2002, 0,
         {{".olm-an", "<dir>"}, {".olm-an/x", "kept"}, {"FF1.txt", "a01"}, {"FF1_2001.txt", "old"}},
         {{".olm-an", "lucru=2002\r\n"}, {"Rezerva_1/.olm-an/x", "kept"}, {"Rezerva_1/FF1_2001.txt", "old"},
          {"FF1_2001.txt", "a01"}},
         {"/Rezerva_1/ : FF1_2001.txt. Directorul ascuns aflat in locul fisierului in care programul isi noteaza "
          "anul datelor de lucru a fost mutat in subdirectorul ", "/Rezerva_1/."}, porneste},
        {"last year's copy emptied, or unlike the working file", 2002, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", ""}, {"FF1_2001.txt", "a01"}, {"FF2.txt", "b01 later"},
          {"FF2_2001.txt", "b01"}},
         {{"FF1_2001.txt", "a01"}, {"FF2_2001.txt", "b01 later"}, {"Rezerva_1/FF2_2001.txt", "b01"}},
         {"FF1.txt lipsea sau era gol: copia FF1_2001.txt a ramas neschimbata.", "Copia FF2_2001.txt era alta decat fisierul FF2.txt", "Rezerva_1/ : FF2_2001.txt."}},
        {"no room for the marker alone", 2002, 0, Goale2001, {{".olm-an", "lucru=2001\r\n"}},
         {"Fisierele anului 2002 nu au putut fi aduse in lucru: Eroare 61 la fisierul Repfisc.txt. Nici un fisier"},
         pornireFaraLoc},
    };
    ruleaza(cazuri, [] { return olm::SchimbaFisiereLaPornire(); });
}

TEST_F(YearlySwap, TheExitNeverEmptiesACopyAndChangesNothingWhenACopyFails) {
    const Caz cazuri[] = {
        {"a working file that is not a file", 2002, 2002,
         {{".olm-an", "lucru=2002\r\n"}, {"FF1.txt", "<dir>"}, {"FF1_2002.txt", "a02"}, {"Repfisc.txt", "r02"}},
         {{"FF1_2002.txt", "a02"}, {"Repfisc.txt", "r02"}, {".olm-an", "lucru=2002\r\n"}},
         {"Eroare 75 la fisierul FF1.txt.", "Datele anului 2002 au ramas in fisierele de lucru"}},
        {"an empty working file", 2002, 2002,
         {{"FF2.txt", ""}, {"FF2_2002.txt", "b02"}, {"FF2_2001.txt", "b01"}},
         {{"FF2_2002.txt", "b02"}, {"FF2.txt", "b01"}, {".olm-an", "lucru=2001\r\n"}},
         {"FF2.txt era gol: copia FF2_2002.txt a ramas neschimbata."}},
        {"a missing working file", 2002, 2002, {{"FF2_2002.txt", "b02"}}, {{"FF2_2002.txt", "b02"}, {"FF2.txt", ""}}, {}},
        {"a damaged file to keep aside, then a failure", 2002, 2002,
         {{"FF1.txt", "<nul>"}, {"FF1_2002.txt", "a02"}, {".olm-an", "<dir>"}},
         {{"FF1.txt", "<nul>"}, {"FF1_2002.txt", "a02"}, {"Rezerva_1", nullptr}},
         {"Eroare 75 la fisierul FF1.txt."}},
        {"the year changed in the editor during the run", 2003, 2002,
         {{"FF1.txt", "a02 new"}, {"FF1_2002.txt", "a02"}, {"FF1_2001.txt", "a01"}},
         {{"FF1_2002.txt", "a02 new"}, {"FF1_2003.txt", nullptr}, {"FF1.txt", "a01"}}, {}},
        {"no room for the marker alone", 2002, 2002, Goale2002, {{".olm-an", "lucru=2002\r\n"}},
         {"Nu s-au putut scrie copiile anuale: Eroare 61 la fisierul FF1_2002.txt. Datele anului 2002"}, iesireFaraLoc},
    };
    ruleaza(cazuri, [] { return olm::SchimbaFisiereLaIesire(); });
}

// A Fisa 1 saved while the files are as the row left them.
olm::RezultatSchimb salveazaFisa1() {
    olm::CodAngajat = "1900101000011";
    return {false, olm::SalveazaFisa1().eroare, {}};
}

TEST_F(YearlySwap, AWorkingFileDamagedFromOutsideNeverReplacesItsYearlyCopy) {
    const Caz cazuri[] = {
        {"overwritten with NUL bytes, at exit", 2002, 2002,
         {{"FF1.txt", "<nul>"}, {"FF1_2002.txt", "a02"}, {"FF1_2001.txt", "a01"}},
         {{"FF1_2002.txt", "a02"}, {"Rezerva_1/FF1.txt", "<nul>"}, {"FF1.txt", "a01"}},
         {"Fisierul FF1.txt era deteriorat (contine caractere nule): copia FF1_2002.txt a ramas neschimbata. "
          "Au fost pastrate in subdirectorul " , "/Rezerva_1/ : FF1.txt."}},
        {"overwritten with NUL bytes, its copy missing, at exit", 2002, 2002,
         {{"FF1.txt", "<nul>"}, {"FF1_2001.txt", "a01"}},
         {{"FF1_2002.txt", nullptr}, {"Rezerva_1/FF1.txt", "<nul>"}, {"FF1.txt", "a01"}},
         {"Fisierul FF1.txt era deteriorat (contine caractere nule): copia FF1_2002.txt lipsea. Au fost"}},
        {"last year's copy overwritten with NUL bytes, at start", 2002, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "a01"}, {"FF1_2001.txt", "<nul>"}},
         {{"FF1_2001.txt", "a01"}, {"Rezerva_1/FF1_2001.txt", "<nul>"}, {"FF1.txt", ""}},
         {"Copia FF1_2001.txt era deteriorata (contine caractere nule): fisierul FF1.txt i-a luat locul. Au fost"},
         [] { return olm::SchimbaFisiereLaPornire(); }},
        {"last year's overwritten with NUL bytes, at start", 2002, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "<nul>"}, {"FF1_2001.txt", "a01"}, {"FF1_2002.txt", "a02"}},
         {{"FF1_2001.txt", "a01"}, {"Rezerva_1/FF1.txt", "<nul>"}, {"FF1.txt", "a02"}},
         {"Fisierul FF1.txt era deteriorat (contine caractere nule): copia FF1_2001.txt a ramas neschimbata. "
          "Au fost pastrate in subdirectorul ", "/Rezerva_1/ : FF1.txt."},
         [] { return olm::SchimbaFisiereLaPornire(); }},
        {"emptied, at a save", 2002, 2002,
         {{"FF1.txt", ""}, {"FF1_2002.txt", "a02"}, {"Deduceri.txt", "d02"}, {"Ded_2002.txt", "d02"}},
         {{"FF1_2002.txt", "a02"}, {"FF1.txt", "a02"}, {"Ded_2002.txt", "d02"}, {"Rezerva_1", nullptr}},
         {"Fisierul FF1.txt era gol: copia FF1_2002.txt a ramas neschimbata si i-a luat locul. Salvarea nu a fost "
          "efectuata."}, salveazaFisa1},
        {"overwritten with NUL bytes, at a save", 2002, 2002,
         {{"Deduceri.txt", "<nul>"}, {"Ded_2002.txt", "d02"}},
         {{"Ded_2002.txt", "d02"}, {"Deduceri.txt", "d02"}, {"Rezerva_1/Deduceri.txt", "<nul>"}, {"FF1_2002.txt", nullptr}},
         {"Fisierul Deduceri.txt era deteriorat (contine caractere nule): copia Ded_2002.txt a ramas neschimbata si i-a "
          "luat locul. Au fost pastrate in subdirectorul ", "/Rezerva_1/ : Deduceri.txt. Salvarea nu a fost efectuata."},
         salveazaFisa1},
    };
    ruleaza(cazuri, [] { return olm::SchimbaFisiereLaIesire(); });
}

TEST_F(YearlySwap, NamesThatAreLinksOrOneFileAreRefusedAndNothingChanges) {
    const Caz cazuri[] = {
        {"the yearly copy a link to its working file, at exit", 2002, 2002,
         {{".olm-an", "lucru=2002\r\n"}, {"FF1.txt", "a02"}, {"FF1_2002.txt", "<link>FF1.txt"}, {"FF1_2001.txt", "a01"}},
         {{".olm-an", "lucru=2002\r\n"}, {"FF1.txt", "a02"}, {"FF1_2001.txt", "a01"}},
         {"Nu s-au putut scrie copiile anuale: Fisierul FF1_2002.txt este o legatura catre FF1.txt. Datele anului 2002"}},
        {"last year's copy a second name of the working file, at start", 2002, 0,
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "a01"}, {"FF1_2001.txt", "<hard>FF1.txt"}, {"FF1_2002.txt", "a02"}},
         {{".olm-an", "lucru=2001\r\n"}, {"FF1.txt", "a01"}, {"FF1_2002.txt", "a02"}, {"Repfisc.txt", nullptr}},
         {"Fisierele FF1.txt si FF1_2001.txt sunt unul si acelasi fisier. Nici un fisier nu a fost schimbat."},
         [] { return olm::SchimbaFisiereLaPornire(); }},
        {"a yearly copy linked, at a save", 2002, 2002,
         {{"FF1.txt", "a02"}, {"FF1_2002.txt", "a02"}, {"Deduceri.txt", "d02"}, {"Ded_2002.txt", "<link>Deduceri.txt"}},
         {{"FF1.txt", "a02"}, {"FF1_2002.txt", "a02"}, {"Deduceri.txt", "d02"}},
         {"Fisierul Ded_2002.txt este o legatura catre Deduceri.txt."}, salveazaFisa1},
        {"the marker a second name of a working file, at start", 2002, 0,
         {{"FF1.txt", "lucru=2001\r\n"}, {".olm-an", "<hard>FF1.txt"}, {"FF1_2002.txt", "a02"}},
         {{".olm-an", "lucru=2002\r\n"}, {"FF1.txt", "a02"}, {"FF1_2001.txt", "lucru=2001\r\n"}}, {},
         [] { return olm::SchimbaFisiereLaPornire(); }},
    };
    ruleaza(cazuri, [] { return olm::SchimbaFisiereLaIesire(); });
}

} // namespace
