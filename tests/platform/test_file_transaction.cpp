// Several files replaced together, all or nothing, also across a crash.

#include "platform/file_transaction.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
namespace files = olm::platform::files;

namespace {

using olm::testing::crlf;
using olm::testing::entries;
using olm::testing::readBytes;
using olm::testing::writeBytes;

using Lines = std::vector<std::string>;

void twoOldFiles() {
    writeBytes("FF1.txt", "old 1\r\n");
    fs::create_directory("J19");
    writeBytes("J19/Ded_2002.txt", "old 2\r\n");
}

TEST(FileTransaction, EveryFileIsReplacedOrNone) {
    struct Row {
        const char* name;
        bool secondTargetIsADirectory;
        bool commit;
        const char* first;
        const char* second;
    };
    const Row rows[] = {
        {"committed", false, true, "new 1\r\n", "new 2\r\n"},
        {"dropped before the commit", false, false, "old 1\r\n", "old 2\r\n"},
        {"a target that cannot be written", true, true, "old 1\r\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all("J19");
        twoOldFiles();
        if (row.secondTargetIsADirectory) {
            fs::remove("J19/Ded_2002.txt");
            fs::create_directory("J19/Ded_2002.txt");
        }
        bool failed = false;
        try {
            files::Transaction t;
            t.writeLines("ff1.txt", {"new 1"});
            t.writeLines("J19/Ded_2002.txt", {"new 2"});
            if (row.commit) {
                t.commit();
            }
        } catch (const olm::platform::FileError&) {
            failed = true;
        }
        EXPECT_EQ(failed, row.secondTargetIsADirectory);
        EXPECT_EQ(readBytes("FF1.txt"), row.first);
        if (!row.secondTargetIsADirectory) {
            EXPECT_EQ(readBytes("J19/Ded_2002.txt"), row.second);
        }
        // No scratch file and no commit record stay behind.
        EXPECT_EQ(entries(), (Lines{"FF1.txt", "J19"}));
        EXPECT_EQ(entries("J19"), Lines{"Ded_2002.txt"});
    }
}

TEST(FileTransaction, ACopyTakesTheSourceAsItWasWhenGiven) {
    writeBytes("FF1.txt", "this year\r\n");
    writeBytes("FF1_2001.txt", "last year\r\n");
    files::Transaction t;
    t.copy("FF1.txt", "FF1_2002.txt");
    t.copy("FF1_2001.txt", "FF1.txt");
    t.copy("ff1_2001.txt", "FF1_2001.txt"); // onto itself: nothing to do
    t.commit();
    EXPECT_EQ(readBytes("FF1_2002.txt"), "this year\r\n");
    EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
}

TEST(FileTransaction, ARestartCompletesACommitAndRemovesUnfinishedRewrites) {
    struct Row {
        const char* name;
        bool record;
        bool firstAlreadyRenamed;
        const char* first;
        const char* second;
        int completed;
        int removed;
    };
    const Row rows[] = {
        {"crash after the record", true, false, "new 1\r\n", "new 2\r\n", 2, 1},
        {"crash after the first rename", true, true, "new 1\r\n", "new 2\r\n", 1, 1},
        {"crash before the record", false, false, "old 1\r\n", "old 2\r\n", 0, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all("J19");
        twoOldFiles();
        // The state a killed commit leaves: scratch files, maybe the record,
        // and an unrelated scratch file of a rewrite killed earlier.
        writeBytes(row.firstAlreadyRenamed ? "FF1.txt" : ".olm-tmp-aaaaaaaaaa", "new 1\r\n");
        writeBytes("J19/.olm-tmp-bbbbbbbbbb", "new 2\r\n");
        writeBytes(".olm-tmp-cccccccccc", "half a rewrite");
        if (row.record) {
            writeBytes(files::CommitRecord, crlf({"olm-jurnal", "./.olm-tmp-aaaaaaaaaa\tFF1.txt",
                                                  "J19/.olm-tmp-bbbbbbbbbb\tJ19/Ded_2002.txt"}));
        }

        const files::Recovery r = files::recoverInterruptedWrites();

        EXPECT_EQ(r.completed, row.completed);
        EXPECT_EQ(r.removed, row.removed);
        EXPECT_EQ(readBytes("FF1.txt"), row.first);
        EXPECT_EQ(readBytes("J19/Ded_2002.txt"), row.second);
        EXPECT_EQ(entries(), (Lines{"FF1.txt", "J19"}));
        EXPECT_EQ(entries("J19"), Lines{"Ded_2002.txt"});
    }
}

TEST(FileTransaction, ARecordThatCannotBeCompletedStaysForTheNextTry) {
    writeBytes(".olm-tmp-aaaaaaaaaa", "new\r\n");
    fs::create_directories("FF1.txt/in-the-way");
    writeBytes(files::CommitRecord, crlf({"olm-jurnal", ".olm-tmp-aaaaaaaaaa\tFF1.txt"}));
    EXPECT_THROW(files::recoverInterruptedWrites(), olm::platform::FileError);
    EXPECT_TRUE(fs::exists(files::CommitRecord));
    EXPECT_EQ(readBytes(".olm-tmp-aaaaaaaaaa"), "new\r\n");

    fs::remove_all("FF1.txt");
    EXPECT_EQ(files::recoverInterruptedWrites().completed, 1);
    EXPECT_EQ(readBytes("FF1.txt"), "new\r\n");
    EXPECT_FALSE(fs::exists(files::CommitRecord));
}

TEST(FileTransaction, SameBytesAndKindsOfEntries) {
    writeBytes("a.txt", "x\r\n");
    writeBytes("b.txt", "x\r\n");
    writeBytes("c.txt", "y\r\n");
    writeBytes("gol.txt", "");
    fs::create_directory("dir.txt");
    EXPECT_TRUE(files::sameBytes("A.TXT", "b.txt"));
    EXPECT_FALSE(files::sameBytes("a.txt", "c.txt"));
    EXPECT_TRUE(files::sameBytes("gol.txt", "lipsa.txt"));
    EXPECT_FALSE(files::sameBytes("a.txt", "lipsa.txt"));
    EXPECT_EQ(files::entryKind("A.txt"), files::EntryKind::File);
    EXPECT_EQ(files::entryKind("lipsa.txt"), files::EntryKind::Missing);
    EXPECT_EQ(files::entryKind("DIR.txt"), files::EntryKind::Other);
}

} // namespace
