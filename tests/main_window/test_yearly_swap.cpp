// The yearly swap of the data files at start and at exit, on real directories.

#include "main_window/yearly_swap.h"
#include "platform/files.h"
#include "shared/state.h"
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
