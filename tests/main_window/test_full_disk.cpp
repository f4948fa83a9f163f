// A full disk and a read-only directory: nothing is lost, every failure is
// reported naming its file, and the next start finds the data where they were.

#include "main_window/startup.h"
#include "main_window/yearly_swap.h"
#include "shared/fisa1_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/sample_data.h"
#include "support/tiny_disk.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using olm::testing::crlf;
using olm::testing::entries;
using olm::testing::readBytes;
using olm::testing::TinyDisk;
using olm::testing::writeBytes;

const std::string kCuantum =
    "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n";

// A firm's sheets: several pages of the tiny disk.
std::string sheets(std::uint64_t seed) {
    olm::testing::SampleOptions o;
    o.seed = seed;
    return crlf(olm::testing::generateSample(60, o).ff1);
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        olm::resetState();
        olm::resetFormData();
    }
    void writeParameters() {
        writeBytes("Cuantum.txt", kCuantum);
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
    }
    // No scratch file stays behind a failure.
    void expectNoScratchFiles() {
        for (const std::string& e : entries()) {
            EXPECT_EQ(e.rfind(".olm-tmp-", 0), std::string::npos) << e;
        }
    }
};

TEST_F(FullDisk, AStartThatCannotCopyTheYearInChangesNothingAndSaysWhichFile) {
    OLM_NEEDS_TINY_DISK();
    TinyDisk disk(256);
    writeParameters();
    const std::string year = sheets(1);
    writeBytes(".olm-an", "lucru=2001\r\n");
    writeBytes("FF1.txt", "a01\r\n");
    writeBytes("FF1_2001.txt", "a01\r\n");
    writeBytes("FF1_2002.txt", year);
    olm::platform::InstanceLock lock;
    ASSERT_TRUE(lock.acquire());
    disk.fill();

    const auto r = olm::PornesteLucrul(lock);

    EXPECT_EQ(r.stare, olm::StarePornire::Oprit);
    EXPECT_NE(r.mesaj.find("Eroare 61 la fisierul FF1.txt."), std::string::npos) << r.mesaj;
    EXPECT_EQ(readBytes("FF1.txt"), "a01\r\n");
    EXPECT_EQ(readBytes(".olm-an"), "lucru=2001\r\n");
    expectNoScratchFiles();

    disk.free();
    EXPECT_EQ(olm::PornesteLucrul(lock).stare, olm::StarePornire::Pornit);
    EXPECT_EQ(readBytes("FF1.txt"), year);
}

TEST_F(FullDisk, AnExitThatCannotWriteTheYearlyCopiesLeavesTheYearForTheNextStart) {
    OLM_NEEDS_TINY_DISK();
    TinyDisk disk(256);
    olm::AnFiscal = 2002;
    const std::string edited = sheets(2);
    writeBytes(".olm-an", "lucru=2002\r\n");
    writeBytes("FF1.txt", edited);
    writeBytes("FF1_2002.txt", "a02\r\n");
    writeBytes("FF1_2001.txt", "a01\r\n");
    disk.fill();

    const std::string mesaj = olm::TerminaLucrul();

    EXPECT_NE(mesaj.find("Eroare 61 la fisierul FF1_2002.txt."), std::string::npos) << mesaj;
    EXPECT_EQ(readBytes("FF1.txt"), edited);
    EXPECT_EQ(readBytes("FF1_2002.txt"), "a02\r\n");
    EXPECT_EQ(readBytes(".olm-an"), "lucru=2002\r\n");
    expectNoScratchFiles();

    disk.free();
    EXPECT_TRUE(olm::SchimbaFisiereLaPornire().mesaj.empty());
    EXPECT_EQ(readBytes("FF1.txt"), edited); // the year's latest data are worked on again
    EXPECT_EQ(olm::TerminaLucrul(), "");
    EXPECT_EQ(readBytes("FF1_2002.txt"), edited);
    EXPECT_EQ(readBytes("FF1.txt"), "a01\r\n");
}

TEST_F(FullDisk, AFisa1SaveThatDoesNotFitChangesNoneOfItsFiles) {
    OLM_NEEDS_TINY_DISK();
    TinyDisk disk(256);
    olm::AnFiscal = 2002;
    const std::string firm = sheets(3);
    for (const char* f : {"FF1.txt", "FF1_2002.txt"}) {
        writeBytes(f, firm);
    }
    olm::CodAngajat = "1800101221144";
    olm::AngajatFisaII.CodS = olm::CodAngajat;
    disk.fill();

    const olm::Rezultat r = olm::SalveazaFisa1();

    EXPECT_NE(r.eroare.find("Eroare 61 la scrierea fisierului"), std::string::npos) << r.eroare;
    EXPECT_EQ(readBytes("FF1.txt"), firm);
    EXPECT_EQ(readBytes("FF1_2002.txt"), firm);
    EXPECT_FALSE(std::filesystem::exists("Deduceri.txt"));
    expectNoScratchFiles();
}

TEST_F(FullDisk, ALockThatCannotBeMadeEndsTheProgramSayingWhyAndWhere) {
    OLM_NEEDS_TINY_DISK();
    struct Row {
        const char* name;
        bool readOnly;
        const char* reason;
    };
    for (const Row& row : {Row{"full disk", false, "(discul este plin)"},
                           Row{"read-only directory", true, "(directorul nu permite scrierea)"}}) {
        SCOPED_TRACE(row.name);
        TinyDisk disk(64, row.readOnly);
        ASSERT_TRUE(disk.mounted()) << disk.error();
        if (!row.readOnly) {
            disk.fill();
        }
        olm::platform::InstanceLock lock;

        const auto r = olm::PornesteLucrul(lock);

        EXPECT_EQ(r.stare, olm::StarePornire::Oprit);
        EXPECT_NE(r.mesaj.find("in directorul de lucru " + std::filesystem::current_path().string() +
                               " nu se poate crea fisierul de blocare .olm.lock " + row.reason),
                  std::string::npos)
            << r.mesaj;
    }
}

} // namespace
