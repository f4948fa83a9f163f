// The start-up and exit of the program's work on the data files.

#include "main_window/startup.h"
#include "platform/file_transaction.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

using olm::testing::readBytes;
using olm::testing::writeBytes;

const std::string kCuantum =
    "2002,3,31\r\n"
    " 1,1600000,0.5,0.5,0.5,\r\n"
    "13,19200000,5,1,0.5,0.5,0.15,0.15,\r\n"
    "eof\r\n";
const std::string kImpozitar = " 1,0,1800000,0,18\r\neof\r\n";

class Startup : public ::testing::Test {
protected:
    void SetUp() override { olm::resetState(); }
};

TEST_F(Startup, ReadsTheParametersAndSwapsTheFiles) {
    writeBytes("Cuantum.txt", kCuantum);
    writeBytes("Impozitar.txt", kImpozitar);
    writeBytes("FF1.txt", "last year\r\n");
    olm::platform::InstanceLock lock;

    auto r = olm::PornesteLucrul(lock);

    EXPECT_EQ(r.stare, olm::StarePornire::Pornit);
    EXPECT_EQ(r.mesaj, "");
    EXPECT_EQ(olm::AnFiscal, 2002);
    EXPECT_EQ(olm::Impozitar[0].procent, 18);
    EXPECT_EQ(readBytes("FF1_2001.txt"), "last year\r\n");
    EXPECT_EQ(olm::TerminaLucrul(), "");
    EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
    EXPECT_TRUE(std::filesystem::exists("FF1_2002.txt"));
}

TEST_F(Startup, WithoutDeductionParametersNoDataFileIsTouched) {
    writeBytes("Impozitar.txt", kImpozitar);
    writeBytes("FF1.txt", "last year\r\n");
    olm::platform::InstanceLock lock;

    auto r = olm::PornesteLucrul(lock);

    EXPECT_EQ(r.stare, olm::StarePornire::FaraParametri);
    EXPECT_NE(r.mesaj.find("Cuantum.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("FF1_2001.txt"));
    EXPECT_FALSE(std::filesystem::exists("Repfisc.txt"));
    EXPECT_FALSE(std::filesystem::exists("Rep_.txt"));
    EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
}

TEST_F(Startup, AnUnreadableGridIsReportedButTheWorkGoesOn) {
    writeBytes("Cuantum.txt", kCuantum);
    writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\n"); // no "eof"
    olm::platform::InstanceLock lock;

    auto r = olm::PornesteLucrul(lock);

    EXPECT_EQ(r.stare, olm::StarePornire::Pornit);
    EXPECT_NE(r.mesaj.find("mpozitar"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists("FF1.txt"));
}

TEST_F(Startup, OnlyAMissingFiscalYearStopsTheStart) {
    const std::string neschimbati = " Parametrii care nu au putut fi cititi au ramas neschimbati.";
    const std::string oprit = " Programul nu poate porni fara parametrii din Cuantum.txt.";
    const struct {
        const char* name;
        std::string cuantum;
        olm::StarePornire stare;
        std::string mesaj;
        double lunaIanuarie; // the base deduction of January read, or as it was
    } rows[] = {
        {"no eof after the annual line", "2002,3,31\r\n 1,1700000,0.5,0.5,0.5,\r\n13,9,5,1,0.5,0.5,0.15,0.15,\r\n",
         olm::StarePornire::Pornit, "Fisierul Cuantum.txt nu se termina cu linia eof." + neschimbati, 1700000},
        {"a malformed month line", "2002,3,31\r\n 1,1700000,0.5\r\neof\r\n", olm::StarePornire::Pornit,
         "Fisierul Cuantum.txt are linia 2 eronata." + neschimbati, 5},
        {"a byte-order mark", "\xEF\xBB\xBF" + kCuantum, olm::StarePornire::Pornit, "", 1600000},
        {"a year of two digits", "02,3,31\r\neof\r\n", olm::StarePornire::FaraParametri,
         "Fisierul Cuantum.txt are linia 1 eronata: anul fiscal \"02\" nu este un an din patru cifre intre 1990 si "
         "2100." + oprit, 5},
        {"only the first line", "2002,3,31\r\n", olm::StarePornire::Pornit,
         "Fisierul Cuantum.txt este incomplet." + neschimbati, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        olm::resetState();
        olm::DeducereBaza[0] = 5;
        writeBytes("Cuantum.txt", row.cuantum);
        writeBytes("Impozitar.txt", kImpozitar);
        writeBytes("FF1.txt", "last year\r\n");
        std::filesystem::remove("FF1_2001.txt");
        olm::platform::InstanceLock lock;

        const auto r = olm::PornesteLucrul(lock);

        EXPECT_EQ(r.stare, row.stare);
        EXPECT_EQ(r.mesaj, row.mesaj);
        EXPECT_EQ(olm::DeducereBaza[0], row.lunaIanuarie);
        EXPECT_EQ(std::filesystem::exists("FF1_2001.txt"), row.stare == olm::StarePornire::Pornit);
        if (r.stare == olm::StarePornire::Pornit) {
            EXPECT_EQ(olm::TerminaLucrul(), "");
        }
    }
}

TEST_F(Startup, ASecondInstanceOnTheSameDirectoryStopsBeforeAnyFile) {
    writeBytes("Cuantum.txt", kCuantum);
    writeBytes("Impozitar.txt", kImpozitar);
    olm::platform::InstanceLock first;
    ASSERT_TRUE(first.acquire());
    olm::platform::InstanceLock second;

    auto r = olm::PornesteLucrul(second);

    EXPECT_EQ(r.stare, olm::StarePornire::AltaInstanta);
    EXPECT_EQ(olm::AnFiscal, 0);
    EXPECT_FALSE(std::filesystem::exists("FF1.txt"));
}

} // namespace

namespace {

using olm::testing::fakeDialogs;

TEST_F(Startup, AnotherComputersLockIsNamedAndTakenOverOnlyWhenTheClerkSaysSo) {
    writeBytes("Cuantum.txt", kCuantum);
    writeBytes("Impozitar.txt", kImpozitar);
    for (bool takeOver : {false, true}) {
        SCOPED_TRACE(takeOver);
        writeBytes(".olm.lock", "4242\nolm\nalt-calculator\n");
        fakeDialogs().answer(takeOver ? olm::platform::Answer::Yes : olm::platform::Answer::No);
        olm::platform::InstanceLock lock;

        const auto r = olm::PornesteLucrul(lock);

        EXPECT_EQ(r.stare, takeOver ? olm::StarePornire::Pornit : olm::StarePornire::AltaInstanta);
        EXPECT_NE(fakeDialogs().texts().back().find("Directorul de lucru " + olm::testing::workDir() +
                                                    " este folosit de programul pornit pe calculatorul "
                                                    "alt-calculator (procesul 4242)"),
                  std::string::npos);
        // Enter answers No: the other computer's program may be running still.
        EXPECT_EQ(fakeDialogs().messages.back().buttons, olm::platform::Buttons::YesNoDefaultNo);
        EXPECT_EQ(std::filesystem::exists("FF1.txt"), takeOver);
        EXPECT_EQ(readBytes(".olm.lock").find("alt-calculator") == std::string::npos, takeOver);
    }
}

TEST_F(Startup, InterruptedWritesAreFinishedBeforeTheFilesAreRead) {
    writeBytes("Cuantum.txt", kCuantum);
    writeBytes("Impozitar.txt", kImpozitar);
    writeBytes(".olm-an", "lucru=2001\r\n");
    writeBytes("FF1_2002.txt", "saved before the crash\r\n");
    writeBytes(".olm-tmp-0123456789", "saved by the crashed commit\r\n");
    writeBytes(".olm-jurnal", olm::platform::files::commitRecordText({{".olm-tmp-0123456789", "FF1_2002.txt"}}));
    std::filesystem::create_directory("J19");
    writeBytes("J19/.olm-tmp-abcdefghij", "half a backup copy");
    olm::platform::InstanceLock lock;

    const auto r = olm::PornesteLucrul(lock);

    EXPECT_EQ(r.stare, olm::StarePornire::Pornit);
    EXPECT_EQ(r.renumiriReluate, 1);
    EXPECT_EQ(r.temporareSterse, 1);
    EXPECT_EQ(readBytes("FF1.txt"), "saved by the crashed commit\r\n");
    EXPECT_EQ(olm::testing::entries("J19"), std::vector<std::string>{});
}

// Every entry below the working directory and what it holds, the lock aside.
std::map<std::string, std::string> tree() {
    std::map<std::string, std::string> t;
    for (const auto& e : std::filesystem::recursive_directory_iterator(".")) {
        t[e.path()] = e.is_directory() ? "<dir>" : readBytes(e.path());
    }
    t.erase("./.olm.lock");
    return t;
}

// A record that is not whole, or whose rename fails, leaves every file and
// scratch file as it was: which scratch file goes where is not known.
TEST_F(Startup, AnInterruptedWriteThatCannotBeFinishedStopsTheStartNamingOnlyDataFiles) {
    const auto record = olm::platform::files::commitRecordText; // whole, but the rows name what no commit writes
    const std::string whole = record({{".olm-tmp-0123456789", "FF1_2002.txt"}});
    const struct {
        const char* name;
        std::string record; // "<dir>": a directory
        std::string told = "Programul nu poate porni: scrierea intrerupta a fisierelor de date nu poate fi "
                           "terminata. Fisierele au fost lasate asa cum erau.";
    } rows[] = {
        {"the record a directory", "<dir>"},
        {"the record empty", ""},
        {"the record without its end line", whole.substr(0, whole.find("sfarsit"))},
        {"an end line without a checksum, as earlier versions wrote", whole.substr(0, whole.find("sfarsit")) + "sfarsit\r\n"},
        {"a target changed into another file", std::string(whole).replace(whole.find("FF1"), 3, "FF2")},
        {"a line ended by LF alone", record({{".olm-tmp-0123456789", "FF1_2002.txt\nFF2_2002.txt"}})},
        {"no rename", record({})},
        {"a target outside the working directory", record({{".olm-tmp-0123456789", "../FF1_2002.txt"}})},
        {"a control byte in a target", record({{".olm-tmp-0123456789", "FF1_2002.txt\x01"}})},
        {"a scratch name of another form", record({{".olm-tmp-0123", "FF1_2002.txt"}})},
        {"a scratch file beside another directory", record({{".olm-tmp-0123456789", "J20/FF1_2002.txt"}})},
        {"a target named twice",
         record({{".olm-tmp-0123456789", "FF1_2002.txt"}, {".olm-tmp-abcdefghij", "FF1_2002.txt"}})},
        {"a rename that fails", record({{"J20/.olm-tmp-abcdefghij", "J20/FF1_2002.txt"}}),
         "scrierea intrerupta a fisierului J20/FF1_2002.txt nu poate fi terminata (eroare "},
    };
    writeBytes("FF1_2002.txt", "saved before the crash\r\n");
    writeBytes(".olm-tmp-0123456789", "saved by the crashed commit\r\n");
    std::filesystem::create_directories("J20/FF1_2002.txt/in-the-way");
    writeBytes("J20/.olm-tmp-abcdefghij", "half a backup copy");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        std::filesystem::remove_all(".olm-jurnal");
        r.record == "<dir>" ? (void)std::filesystem::create_directory(".olm-jurnal") : writeBytes(".olm-jurnal", r.record);
        const auto before = tree();
        olm::platform::InstanceLock lock;

        const auto started = olm::PornesteLucrul(lock);

        EXPECT_EQ(started.stare, olm::StarePornire::Oprit);
        EXPECT_NE(started.mesaj.find(r.told), std::string::npos) << started.mesaj;
        EXPECT_EQ(started.mesaj.find(".olm"), std::string::npos) << started.mesaj;
        EXPECT_EQ(tree(), before);
    }
}

} // namespace
