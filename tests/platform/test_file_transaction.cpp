// Several files replaced together, all or nothing, also across a crash.

#include "platform/file_transaction.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include <csignal>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
namespace files = olm::platform::files;

// Kills the process at its n-th rename, counting from 0; never when negative.
static int killAtRename = -1;

extern "C" int rename(const char* from, const char* to) noexcept {
    if (killAtRename >= 0 && killAtRename-- == 0) {
        ::raise(SIGKILL);
    }
    return reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"))(from, to);
}

namespace {

using olm::testing::entries;
using olm::testing::readBytes;
using olm::testing::writeBytes;

struct Row {
    const char* name;
    int state; // transaction: 0 committed, 1 dropped, 2 a target in the way; recovery: what a kill left
    const char *first, *second;
    int completed = 0, removed = 0;
};

// Two files, one in a subdirectory; the test leaves no scratch file, no record.
void expectOnly(const char* first, const char* second) {
    EXPECT_EQ(readBytes("FF1.txt"), first);
    EXPECT_EQ(readBytes("J19/Ded_2002.txt"), second);
    EXPECT_EQ(entries(), (std::vector<std::string>{"FF1.txt", "J19"}));
    EXPECT_EQ(entries("J19"), std::vector<std::string>{"Ded_2002.txt"});
}

void oldFiles() {
    fs::remove_all("J19");
    fs::create_directory("J19");
    writeBytes("FF1.txt", "old 1");
    writeBytes("J19/Ded_2002.txt", "old 2");
}

TEST(FileTransaction, EveryFileIsReplacedOrNone) {
    for (const Row& row : {Row{"committed", 0, "new 1\r\n", "new 2\r\n"}, Row{"dropped", 1, "old 1", "old 2"},
                           Row{"a target in the way", 2, "old 1", ""}}) {
        SCOPED_TRACE(row.name);
        oldFiles();
        {
            files::Transaction t;
            t.writeLines("ff1.txt", {"new 1"});
            if (row.state == 2) {
                fs::remove("J19/Ded_2002.txt");
                fs::create_directory("J19/Ded_2002.txt");
                EXPECT_THROW(t.writeLines("J19/Ded_2002.txt", {"new 2"}), olm::platform::FileError);
            } else {
                t.writeLines("J19/Ded_2002.txt", {"new 2"});
            }
            if (row.state == 0) {
                t.commit();
            }
        }
        expectOnly(row.first, row.second);
    }
}

TEST(FileTransaction, ARestartCompletesACommitAndRemovesUnfinishedRewrites) {
    // The record's layout: CR LF lines, the end line with the SHA-256 of all before it.
    const std::string record = "olm-jurnal\r\n.olm-tmp-aaaaaaaaaa\tFF1.txt\r\nJ19/.olm-tmp-bbbbbbbbbb\tJ19/Ded_2002.txt\r\n"
                               "sfarsit 312964d331e8928f39a29d229bc281b1b04b8307e14b29e38f3fdb9d014233c7\r\n";
    EXPECT_EQ(files::commitRecordText({{"./.olm-tmp-aaaaaaaaaa", "FF1.txt"}, {"J19/.olm-tmp-bbbbbbbbbb", "J19/Ded_2002.txt"}}),
              record);
    for (const Row& row : {Row{"killed after the record", 0, "new 1", "new 2", 2, 2},
                           Row{"killed after the first rename", 1, "new 1", "new 2", 1, 2},
                           Row{"killed before the record", 2, "old 1", "old 2", 0, 4}}) {
        SCOPED_TRACE(row.name);
        oldFiles();
        writeBytes(row.state == 1 ? "FF1.txt" : ".olm-tmp-aaaaaaaaaa", "new 1");
        writeBytes("J19/.olm-tmp-bbbbbbbbbb", "new 2");
        writeBytes(".olm-tmp-cccccccccc", "a rewrite killed earlier");
        fs::create_directory(".olm-tmp-dddddddddd");
        writeBytes(".olm-tmp-dddddddddd/FF1.txt", "in a directory not yet made");
        if (row.state != 2) {
            writeBytes(files::CommitRecord, record);
        }
        const files::Recovery r = files::recoverInterruptedWrites();
        EXPECT_EQ(r.completed, row.completed);
        EXPECT_EQ(r.removed, row.removed);
        expectOnly(row.first, row.second);
    }
}

TEST(FileTransaction, ARecordThatCannotBeCompletedStaysForTheNextTry) {
    writeBytes(".olm-tmp-aaaaaaaaaa", "new");
    fs::create_directories("FF1.txt/in-the-way");
    writeBytes(files::CommitRecord, files::commitRecordText({{".olm-tmp-aaaaaaaaaa", "FF1.txt"}}));
    EXPECT_THROW(files::recoverInterruptedWrites(), olm::platform::FileError);
    EXPECT_EQ(readBytes(".olm-tmp-aaaaaaaaaa"), "new");

    fs::remove_all("FF1.txt");
    EXPECT_EQ(files::recoverInterruptedWrites().completed, 1);
    EXPECT_EQ(readBytes("FF1.txt"), "new");
    EXPECT_FALSE(fs::exists(files::CommitRecord));
}

// Wherever a kill stops a move into a new directory, the start finds the entry whole where it
// was or in the new directory, and no empty directory; a move that fails leaves nothing behind.
TEST(FileTransaction, AMoveKilledAtAnyStepLeavesTheEntryWholeAndNoEmptyDirectory) {
    for (int step = 0, status = SIGKILL; !WIFEXITED(status); ++step) {
        SCOPED_TRACE(step);
        fs::create_directory(".olm-an");
        writeBytes(".olm-an/x", "kept");
        const pid_t child = ::fork();
        if (child == 0) {
            killAtRename = step;
            files::moveIntoNewDirectory(".olm-an", "Rezerva_1");
            ::_exit(0);
        }
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) ? WEXITSTATUS(status) == 0 : WTERMSIG(status) == SIGKILL);
        files::recoverInterruptedWrites();
        const bool moved = fs::exists("Rezerva_1");
        EXPECT_TRUE(moved || WIFSIGNALED(status));
        EXPECT_EQ(entries(), std::vector<std::string>{moved ? "Rezerva_1" : ".olm-an"});
        EXPECT_EQ(readBytes(moved ? "Rezerva_1/.olm-an/x" : ".olm-an/x"), "kept");
        fs::remove_all("Rezerva_1");
    }
    EXPECT_THROW(files::moveIntoNewDirectory("nothing-there", "Rezerva_1"), olm::platform::FileError);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

// The clerk never sees the files whose names begin with ".olm": a failure of
// one of them is told of the first file of the commit that he can find,
// rather one already there than a new one, rather that than one in a
// directory the commit makes.
TEST(FileTransaction, AFailureOfAHiddenFileIsToldOfAFileTheClerkKnows) {
    using olm::testing::FailingWriter;
    const struct {
        const char* name;
        const char* failing; // nullptr: the marker is a directory, or a record is left
        bool atRename;
        int number;
        const char* record = nullptr; // a damaged commit record left before
    } rows[] = {
        {"the marker does not fit", ".olm-an", false, 61},
        {"the marker's rename fails", ".olm-an", true, 57},
        {"the record does not fit", files::CommitRecord, false, 61},
        {"the marker is a directory", nullptr, false, 75},
        {"a record cut short is left", nullptr, false, 57, "olm-jurnal\r\n.olm-tmp-aaaaaaaaaa\tFF1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(".olm-an");
        fs::remove("Rep_2001.txt");
        writeBytes("FF1.txt", "old");
        std::unique_ptr<FailingWriter> fault;
        if (row.record) {
            writeBytes(files::CommitRecord, row.record);
        } else if (row.failing) {
            fault.reset(new FailingWriter(row.atRename ? FailingWriter::atRename(row.failing)
                                                       : FailingWriter::afterBytes(row.failing, 0)));
        } else {
            fs::create_directory(".olm-an");
        }
        std::optional<olm::platform::FileError> error;
        try {
            files::Transaction t;
            t.makeDirectory("Rezerva_1");
            t.writeLines("Rezerva_1/FF1.txt", {"kept"});
            t.writeLines("Rep_2001.txt", {"new"});
            t.writeLines("FF1.txt", {"new"});
            t.writeLines(".olm-an", {"lucru=2002"});
            t.commit();
        } catch (const olm::platform::FileError& e) {
            error = e;
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->file(), "FF1.txt");
        EXPECT_EQ(error->number(), row.number);
        if (row.record) {
            EXPECT_EQ(readBytes(files::CommitRecord), row.record); // never written over
            fs::remove(files::CommitRecord);
        }
        fault.reset();
        files::recoverInterruptedWrites();
        fs::remove_all("Rezerva_1");
    }
}

} // namespace
