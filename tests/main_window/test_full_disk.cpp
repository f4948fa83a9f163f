// A full disk and a read-only directory, on a tiny tmpfs: nothing is lost,
// each failure is reported naming its file, the next start finds the data.

#include "main_window/startup.h"
#include "main_window/yearly_swap.h"
#include "shared/backup.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/sample_data.h"
#include "support/tiny_disk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

using olm::testing::readBytes;
using olm::testing::TinyDisk;
using olm::testing::writeBytes;

// A firm's sheets: several pages of the tiny disk.
const std::string kSheets = olm::testing::crlf(olm::testing::generateSample(60).ff1);

void expectNoScratchFiles() {
    for (const std::string& e : olm::testing::entries()) {
        EXPECT_TRUE(e.rfind(".olm-tmp-", 0) != 0 && e != ".olm-jurnal") << e;
    }
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        olm::resetState();
        olm::resetFormData();
        if (!disk_.mounted()) {
            GTEST_SKIP() << disk_.error();
        }
        writeBytes("Cuantum.txt", "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
        writeBytes("FF1_2001.txt", "a01\r\n");
    }
    TinyDisk disk_{256};
};

TEST_F(FullDisk, NeitherTheStartNorTheExitChangesAFileWhenTheYearDoesNotFit) {
    writeBytes(".olm-an", "lucru=2001\r\n");
    writeBytes("FF1.txt", "a01\r\n");
    writeBytes("FF1_2002.txt", kSheets);
    olm::platform::InstanceLock lock;
    ASSERT_TRUE(lock.acquire());
    disk_.fill();

    const auto r = olm::PornesteLucrul(lock);
    EXPECT_EQ(r.stare, olm::StarePornire::Oprit);
    EXPECT_NE(r.mesaj.find("Eroare 61 la fisierul FF1.txt."), std::string::npos) << r.mesaj;
    EXPECT_EQ(readBytes("FF1.txt"), "a01\r\n");
    disk_.free();
    ASSERT_EQ(olm::PornesteLucrul(lock).stare, olm::StarePornire::Pornit);

    writeBytes("FF1.txt", kSheets + "typed\r\n");
    disk_.fill();
    EXPECT_NE(olm::TerminaLucrul().find("Eroare 61 la fisierul FF1_2002.txt."), std::string::npos);
    EXPECT_EQ(readBytes("FF1.txt"), kSheets + "typed\r\n");
    EXPECT_EQ(readBytes(".olm-an"), "lucru=2002\r\n");
    expectNoScratchFiles();
    disk_.free();
    EXPECT_EQ(olm::TerminaLucrul(), "");
    EXPECT_EQ(readBytes("FF1_2002.txt"), kSheets + "typed\r\n");
}

TEST_F(FullDisk, ALockThatCannotBeMadeEndsTheProgramSayingWhyAndWhere) {
    disk_.fill();
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        std::optional<TinyDisk> closed;
        if (readOnly) {
            closed.emplace(64, true);
        }
        olm::platform::InstanceLock lock;
        const auto r = olm::PornesteLucrul(lock);
        EXPECT_EQ(r.stare, olm::StarePornire::Oprit);
        EXPECT_NE(r.mesaj.find(std::filesystem::current_path().string() + " nu se poate crea fisierul de blocare (" +
                               (readOnly ? "directorul nu permite scrierea)" : "discul este plin)")),
                  std::string::npos)
            << r.mesaj;
    }
}

TEST_F(FullDisk, ABackupThatDoesNotFitLeavesThePreviousOneWhole) {
    olm::AnFiscal = 2002;
    const char* saved[] = {"J19/FF1_2002.txt", "J19/FF2_2002.txt", "J19/Ded_2002.txt", "J19/Rep_2002.txt"};
    std::filesystem::create_directory("J19");
    for (const char* f : saved) {
        writeBytes(f, "old\r\n");
    }
    for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt"}) {
        writeBytes(f, "19,new\r\n");
    }
    writeBytes("Deduceri.txt", kSheets + kSheets); // the third copy does not fit
    writeBytes("loc", std::string(16384, 'x'));
    disk_.fill();
    std::filesystem::remove("loc");

    EXPECT_FALSE(olm::SalvareDate());
    EXPECT_EQ(olm::testing::fakeDialogs().texts().at(0), "Salvarea nu a fost efectuata, subdirectorul " +
              std::filesystem::current_path().string() + "/J19/ a ramas neschimbat. Nu au putut fi copiate : J19/Ded_2002.txt (eroare 61).");
    for (const char* f : saved) {
        EXPECT_EQ(readBytes(f), "old\r\n") << f;
    }
    EXPECT_EQ(olm::testing::entries("J19").size(), 4u);
    expectNoScratchFiles();
}

} // namespace
