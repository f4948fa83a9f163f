// The file layer: one resolver for every name, lines in and out, atomic rewrites.

#include "platform/files.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
namespace files = olm::platform::files;
using olm::platform::FileError;

namespace {

using olm::testing::entries;
using olm::testing::readBytes;
using olm::testing::writeBytes;

using Lines = std::vector<std::string>;

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const FileError& e) {
        return e.number();
    }
    return 0;
}

// Runs f in a child process without the rights of root (which writes
// anywhere) and gives the error number it threw, 0 for none.
int errorAsUnprivilegedUser(const std::function<void()>& f) {
    std::error_code ignored;
    fs::permissions(".", fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add,
                    ignored);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(255);
        }
        ::_exit(errorOf(f));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(Files, AnExistingFileIsFoundWhateverTheCaseOfTheName) {
    writeBytes("FF1.txt", "a\r\n");
    EXPECT_TRUE(files::exists("ff1.txt"));
    EXPECT_TRUE(files::exists("Ff1.TXT"));
    EXPECT_EQ(files::resolve("ff1.TXT"), fs::path("FF1.txt"));
    EXPECT_EQ(files::readLines("ff1.txt"), Lines{"a"});

    files::writeLines("ff1.txt", {"b", "c"});
    EXPECT_EQ(entries(), Lines{"FF1.txt"});
    EXPECT_EQ(readBytes("FF1.txt"), "b\r\nc\r\n");
}

TEST(Files, ANewFileKeepsTheSpellingAskedFor) {
    files::writeLines("Nou.TXT", {"x"});
    files::appendLine("Adaugat.Txt", "y");
    files::createEmpty("GOL.txt");
    EXPECT_EQ(entries(), (Lines{"Adaugat.Txt", "GOL.txt", "Nou.TXT"}));
    EXPECT_FALSE(files::exists("Altul.txt"));
}

TEST(Files, EveryPartOfAPathIsResolved) {
    fs::create_directory("J123");
    writeBytes("J123/FF1_2002.txt", "1\r\n");
    EXPECT_TRUE(files::directoryExists("j123"));
    EXPECT_EQ(files::readLines("j123/ff1_2002.TXT"), Lines{"1"});
    files::writeLines("j123/ded_2002.txt", {"2"});
    EXPECT_EQ(entries("J123"), (Lines{"FF1_2002.txt", "ded_2002.txt"}));
    EXPECT_EQ(entries(), Lines{"J123"});
    // An absolute path resolves the same way.
    EXPECT_TRUE(files::exists((fs::current_path() / "j123" / "Ff1_2002.txt").string()));
}

TEST(Files, CopyRenameRemoveAndAppendTouchTheOneExistingFile) {
    writeBytes("ff1.txt", "old\r\n");
    writeBytes("Sursa.txt", "new\r\n");

    files::copy("SURSA.TXT", "FF1.TXT");
    EXPECT_EQ(entries(), (Lines{"Sursa.txt", "ff1.txt"}));
    EXPECT_EQ(readBytes("ff1.txt"), "new\r\n");

    files::appendLine("FF1.txt", "more");
    EXPECT_EQ(readBytes("ff1.txt"), "new\r\nmore\r\n");

    files::rename("sursa.TXT", "Ff1.Txt");
    EXPECT_EQ(entries(), Lines{"ff1.txt"});
    EXPECT_EQ(readBytes("ff1.txt"), "new\r\n");

    EXPECT_TRUE(files::remove("FF1.TXT"));
    EXPECT_TRUE(entries().empty());
    EXPECT_FALSE(files::remove("FF1.TXT"));
}

TEST(Files, RenameOntoItsOwnNameChangesOnlyTheSpelling) {
    writeBytes("a.txt", "x\r\n");
    files::rename("a.txt", "A.TXT");
    EXPECT_EQ(entries(), Lines{"A.TXT"});
    EXPECT_EQ(readBytes("A.TXT"), "x\r\n");
    files::rename("a.txt", "A.TXT"); // already so spelled
    EXPECT_EQ(entries(), Lines{"A.TXT"});
}

TEST(Files, LinesAreWrittenWithCrLf) {
    files::writeLines("f.txt", {"#A#,1", "", "b "});
    EXPECT_EQ(readBytes("f.txt"), "#A#,1\r\n\r\nb \r\n");
    files::writeLines("f.txt", {});
    EXPECT_EQ(files::length("f.txt"), 0u);
    EXPECT_TRUE(files::exists("f.txt"));

    files::appendLines("g.txt", {"1", "2"});
    files::appendLine("g.txt", "3");
    EXPECT_EQ(readBytes("g.txt"), "1\r\n2\r\n3\r\n");
}

TEST(Files, AppendingAfterALastLineWithoutItsEndStartsANewLine) {
    writeBytes("f.txt", "abc");
    files::appendLine("f.txt", "def");
    EXPECT_EQ(files::readLines("f.txt"), (Lines{"abc", "def"}));
}

TEST(Files, ReadingAcceptsCrLfAndBareLfAndKeepsTheBytes) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"abc\r\n", {"abc"}},
        {"abc", {"abc"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},
        {"\xAA\xE9 \xFF\r\n", {"\xAA\xE9 \xFF"}},
        {std::string("n\0ul\n", 5), {std::string("n\0ul", 4)}},
        // Longer than a block read at once, its CR the block's last byte.
        {std::string((1 << 18) - 1, 'x') + "\r\nb", {std::string((1 << 18) - 1, 'x'), "b"}},
    };
    for (const auto& c : cases) {
        writeBytes("r.txt", c.bytes);
        EXPECT_EQ(files::readLines("R.TXT"), c.lines) << "bytes: " << c.bytes.substr(0, 20);
        EXPECT_EQ(files::MappedFile("R.TXT").bytes(), c.bytes);
        auto first = files::readFirstLine("r.txt");
        if (c.lines.empty()) {
            EXPECT_FALSE(first.has_value());
        } else {
            EXPECT_EQ(first, c.lines.front());
        }
    }
}

TEST(Files, AMappedFileKeepsItsBytesWhenMovedOrRewritten) {
    writeBytes("d.txt", "1\r\n2\r\n");
    files::MappedFile a("D.TXT");
    files::writeLines("d.txt", {"altceva"}); // a rewrite renames a new file over it
    files::MappedFile b = std::move(a);
    EXPECT_EQ(b.bytes(), "1\r\n2\r\n");
    EXPECT_EQ(a.bytes(), "") << "the mapping went with the move";
    a = std::move(b);
    EXPECT_EQ(a.bytes(), "1\r\n2\r\n");
    std::filesystem::create_directory("dosar");
    EXPECT_EQ(errorOf([] { files::MappedFile("dosar"); }), 75);
}

TEST(Files, LineReaderGoesLineByLine) {
    writeBytes("r.txt", "1\r\n2\r\n");
    files::LineReader reader("R.txt");
    std::string line;
    EXPECT_FALSE(reader.atEnd());
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "1");
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "2");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next(line));

    files::LineReader missing("nu_exista.txt");
    EXPECT_TRUE(missing.atEnd());
    EXPECT_FALSE(missing.next(line));
}

TEST(Files, AMissingFileReadsAsNothingAndHasNoLength) {
    EXPECT_TRUE(files::readLines("lipsa.txt").empty());
    EXPECT_EQ(files::MappedFile("lipsa.txt").bytes(), "");
    EXPECT_FALSE(files::readFirstLine("lipsa.txt").has_value());
    EXPECT_EQ(files::length("lipsa.txt"), 0u);
    EXPECT_TRUE(files::isEmpty("lipsa.txt"));
    EXPECT_FALSE(files::exists("lipsa.txt"));
    EXPECT_TRUE(entries().empty()); // reading created nothing

    writeBytes("plin.txt", "12345");
    EXPECT_EQ(files::length("PLIN.txt"), 5u);
    EXPECT_FALSE(files::isEmpty("plin.TXT"));
}

TEST(Files, AnUncommittedWriterLeavesTheOldFile) {
    writeBytes("FF1.txt", "vechi\r\n");
    {
        files::AtomicWriter writer("ff1.txt");
        writer.writeLine("nou");
        // Until commit the old contents are what everyone reads.
        EXPECT_EQ(files::readLines("FF1.txt"), Lines{"vechi"});
    }
    EXPECT_EQ(readBytes("FF1.txt"), "vechi\r\n");
    EXPECT_EQ(entries(), Lines{"FF1.txt"}); // no scratch file left behind

    {
        files::AtomicWriter writer("ff1.txt");
        writer.writeLine("nou");
        writer.write("fara sfarsit");
        writer.commit();
    }
    EXPECT_EQ(readBytes("FF1.txt"), "nou\r\nfara sfarsit");
    EXPECT_EQ(entries(), Lines{"FF1.txt"});
}

TEST(Files, ARewrittenFileHasTheUsualPermissions) {
    // Made by an ordinary open: the mode the umask allows.
    writeBytes("ref.txt", "");
    struct stat ref {};
    ASSERT_EQ(::stat("ref.txt", &ref), 0);

    files::writeLines("nou.txt", {"x"});
    struct stat st {};
    ASSERT_EQ(::stat("nou.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, ref.st_mode & 0777);

    ::chmod("nou.txt", 0640);
    files::writeLines("NOU.txt", {"y"});
    ASSERT_EQ(::stat("nou.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(Files, FailuresCarryTheProgramsErrorNumbers) {
    EXPECT_EQ(errorOf([] { files::copy("lipsa.txt", "tinta.txt"); }), 53);
    EXPECT_FALSE(files::exists("tinta.txt"));
    EXPECT_EQ(errorOf([] { files::rename("lipsa.txt", "tinta.txt"); }), 53);
    EXPECT_EQ(errorOf([] { files::writeLines("nudir/f.txt", {"x"}); }), 76);
    EXPECT_EQ(errorOf([] { files::appendLine("nudir/f.txt", "x"); }), 76);
    EXPECT_EQ(errorOf([] { files::listFiles("nudir"); }), 76);

    fs::create_directory("d");
    EXPECT_EQ(errorOf([] { files::writeLines("D", {"x"}); }), 75);
    writeBytes("f", "");
    EXPECT_EQ(errorOf([] { files::makeDirectory("F"); }), 75);

    fs::create_directory("ro");
    writeBytes("ro/vechi.txt", "v\r\n");
    fs::permissions("ro", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    EXPECT_EQ(errorAsUnprivilegedUser([] { files::writeLines("RO/vechi.txt", {"n"}); }), 70);
    EXPECT_EQ(errorAsUnprivilegedUser([] { files::copy("RO/vechi.txt", "ro/copie.txt"); }), 70);
    EXPECT_EQ(errorAsUnprivilegedUser([] { files::appendLine("RO/nou.txt", "n"); }), 70);
    EXPECT_EQ(readBytes("ro/vechi.txt"), "v\r\n");
    EXPECT_EQ(entries("ro"), Lines{"vechi.txt"});
    fs::permissions("ro", fs::perms::owner_all);
}

TEST(Files, ErrnoValuesMapToTheProgramsNumbers) {
    using olm::platform::errorNumberFromErrno;
    EXPECT_EQ(errorNumberFromErrno(ENOENT), 53);
    EXPECT_EQ(errorNumberFromErrno(ENOSPC), 61);
    EXPECT_EQ(errorNumberFromErrno(EDQUOT), 61);
    EXPECT_EQ(errorNumberFromErrno(EROFS), 75);
    EXPECT_EQ(errorNumberFromErrno(EACCES), 70);
    EXPECT_EQ(errorNumberFromErrno(EIO), 57);
    EXPECT_EQ(errorNumberFromErrno(ENAMETOOLONG), 52);
    EXPECT_EQ(errorNumberFromErrno(ENOTDIR), 76);
}

TEST(Files, ListingShowsOnlyTheFilesOfTheProgram) {
    writeBytes("a.txt", "");
    writeBytes("B.TXT", "x");
    fs::create_directory("sub");
    writeBytes(".olm-tmp-abc123", "resturi");
    writeBytes(".olm.lock", "1");
    auto names = files::listFiles(".");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{"B.TXT", "a.txt"}));
    EXPECT_EQ(files::listFiles(""), files::listFiles("."));

    EXPECT_FALSE(files::directoryHasFiles("sub"));
    fs::create_directory("sub/inner");
    EXPECT_FALSE(files::directoryHasFiles("SUB"));
    writeBytes("sub/x.txt", "");
    EXPECT_TRUE(files::directoryHasFiles("SUB"));
    EXPECT_FALSE(files::directoryHasFiles("lipsa"));
    EXPECT_EQ(files::listFiles("Sub"), Lines{"x.txt"});
}

TEST(Files, DirectoriesAreMadeOnceAndNamesResolved) {
    files::makeDirectory("J123");
    files::makeDirectory("j123"); // present: no error, no second directory
    EXPECT_EQ(entries(), Lines{"J123"});
    EXPECT_TRUE(files::directoryExists("J123"));
    EXPECT_FALSE(files::exists("J123")); // not a regular file
}

TEST(Files, CopyReplacesTheTargetWhole) {
    std::string big;
    for (int i = 0; i < 20000; ++i) {
        big += "linia " + std::to_string(i) + "\r\n";
    }
    writeBytes("mare.txt", big);
    writeBytes("tinta.txt", "de inlocuit\r\n");
    files::copy("mare.txt", "TINTA.txt");
    EXPECT_EQ(readBytes("tinta.txt"), big);
    files::copy("mare.txt", "Mare.TXT"); // onto itself: nothing lost
    EXPECT_EQ(readBytes("mare.txt"), big);
    EXPECT_EQ(entries(), (Lines{"mare.txt", "tinta.txt"}));
}

TEST(Files, AFailingWriterLeavesTheFileWholeAndNoScratchFile) {
    using olm::testing::FailingWriter;
    const struct {
        const char* name;
        std::optional<std::uintmax_t> afterBytes;
        int number;
    } rows[] = {
        {"full disk half way", 5, 61},
        {"full disk at once", 0, 61},
        {"failed rename", std::nullopt, 57},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes("FF1.txt", "vechi\r\n");
        {
            const auto fault = row.afterBytes ? FailingWriter::afterBytes("ff1.TXT", *row.afterBytes)
                                              : FailingWriter::atRename("ff1.TXT");
            EXPECT_EQ(errorOf([] { files::writeLines("FF1.txt", {"noua", "noua"}); }), row.number);
            EXPECT_EQ(errorOf([] { files::copy("FF1.txt", "alt.txt"); }), 0) << "another file is written";
            EXPECT_EQ(fault.failures(), 1);
        }
        EXPECT_EQ(readBytes("FF1.txt"), "vechi\r\n");
        EXPECT_EQ(entries(), (Lines{"FF1.txt", "alt.txt"}));
        files::writeLines("FF1.txt", {"noua"});
        EXPECT_EQ(readBytes("FF1.txt"), "noua\r\n") << "the fault is gone with the failing writer";
    }
    {
        const auto fault = FailingWriter::afterBytes("ff1.TXT", 70000);
        EXPECT_EQ(errorOf([] {
                      files::AtomicWriter w("FF1.txt");
                      w.write(std::string(100000, 'x')); // a block written at once
                      w.commit();
                  }),
                  61);
    }
    EXPECT_EQ(readBytes("FF1.txt"), "noua\r\n");
}

TEST(Files, AFileOfMoreThan32MiBIsSyncedAsItGrowsAndLeftWholeOrUntouched) {
    const std::string block(1 << 20, 'x');
    for (const bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "committed" : "given up");
        writeBytes("mare.txt", "vechi\r\n");
        {
            files::AtomicWriter w("mare.txt");
            for (int i = 0; i < 70; ++i) { // two syncs on another thread on the way
                w.write(block);
            }
            if (commit) {
                w.commit();
            }
        }
        EXPECT_EQ(files::length("mare.txt"), commit ? 70u << 20 : 7u);
        EXPECT_EQ(entries(), Lines{"mare.txt"}) << "no scratch file left";
    }
}

TEST(Files, AHundredThousandLinesRoundTrip) {
    Lines lines;
    lines.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        lines.push_back(std::to_string(i) + ",#NUME " + std::to_string(i) + "#,,1234.5");
    }
    files::writeLines("mare.txt", lines);
    EXPECT_EQ(files::readLines("MARE.txt"), lines);
    files::appendLines("mare.txt", {"ultima"});
    EXPECT_EQ(files::readLines("mare.txt").back(), "ultima");
}
