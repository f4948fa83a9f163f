#include "main_window/sorted_copies.h"
#include "platform/files.h"
#include "shared/record_line.h"
#include "support/fakes.h"
#include "support/record_lines.h"
#include "support/sample_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;

// A sheet line with its code and name; the rest of the record does not matter
// to the order.
std::string fisa1(const std::string& cod, const std::string& nume, const std::string& prenume) {
    return testing::linieCu(structuraFf1(), {{0, cod}, {1, nume}, {2, prenume}, {3, "IASI"}, {85, "5"}});
}

std::string fisa2(const std::string& cod, const std::string& nume, const std::string& prenume) {
    return testing::linieCu(structuraFf2(), {{0, cod}, {1, nume}, {2, prenume}});
}

TEST(SortedCopies, AlphabeticalWithoutRegardToCaseTiesByTheRestOfTheLine) {
    const Linii ff1{
        fisa1("2800101000002", "popescu", "ion"),
        fisa1("1700101000001", "BARBU", "DAN"),
        fisa1("1800101000001", "POPESCU", "ION"),
        fisa1("1900101000009", "POPESCU", "IONEL"),  // "ION$$" before "IONEL$$"
        fisa1("1600101000003", "POP", "VASILE"),     // "POP " before "POPE"
        fisa1("2600101000004", "Albu", "Maria, Ana"),
    };
    files::writeLines("FF1.txt", ff1);
    ActualizeazaCopiiSortate(true);
    EXPECT_EQ(files::readLines("ff1_sort1.txt"), (Linii{ff1[5], ff1[1], ff1[4], ff1[2], ff1[0], ff1[3]}));
}

TEST(SortedCopies, EqualItemsKeepTheirOrderAndNothingIsLost) {
    // The same line twice, a line without name fields, a line holding "@" and "$$".
    const Linii ff2{
        fisa2("3", "ZETA", "A"),
        fisa2("1", "MU", "B@C$$D"),
        "",
        fisa2("3", "ZETA", "A"),
        fisa2("2", "MU", "B"),
    };
    files::writeLines("ff2.txt", ff2);
    ActualizeazaCopiiSortate(true);
    EXPECT_EQ(files::readLines("FF2_SORT1.TXT"), (Linii{"", ff2[4], ff2[1], ff2[0], ff2[3]}));
    EXPECT_FALSE(files::exists("ff1_sort1.txt")); // no "ff1.txt", no copy
}

TEST(SortedCopies, TickingAgainRebuildsFromTheCurrentFilesAndUntickingDeletes) {
    files::writeLines("FF1.txt", {fisa1("1", "B", "B"), fisa1("2", "A", "A")});
    files::createEmpty("FF2.txt");
    ActualizeazaCopiiSortate(true);
    EXPECT_TRUE(files::exists("ff2_sort1.txt"));
    EXPECT_TRUE(files::isEmpty("ff2_sort1.txt"));

    files::appendLine("FF1.txt", fisa1("3", "AA", "A"));
    ActualizeazaCopiiSortate(false);
    EXPECT_FALSE(files::exists("ff1_sort1.txt"));
    EXPECT_FALSE(files::exists("ff2_sort1.txt"));
    ActualizeazaCopiiSortate(true);
    EXPECT_EQ(files::readLines("ff1_sort1.txt"),
              (Linii{fisa1("2", "A", "A"), fisa1("3", "AA", "A"), fisa1("1", "B", "B")}));
    testing::expectMessages({});
}

TEST(SortedCopies, AnErrorLeavesNoCopyAndIsShown) {
    files::writeLines("FF1.txt", {fisa1("1", "B", "B")});
    files::writeLines("FF2.txt", {fisa2("1", "B", "B")});
    std::filesystem::create_directories("ff2_sort1.txt"); // cannot be deleted as a file
    ActualizeazaCopiiSortate(true);
    EXPECT_FALSE(files::exists("ff1_sort1.txt"));
    testing::expectMessages({"Eroare 75."});
}

TEST(SortedCopies, SampleSheetsComeOutSortedByName) {
    const auto set = testing::generateSample(300);
    files::writeLines("FF1.txt", set.ff1);
    ActualizeazaCopiiSortate(true);
    const Linii sortat = files::readLines("ff1_sort1.txt");
    ASSERT_EQ(sortat.size(), set.ff1.size());
    EXPECT_TRUE(std::is_permutation(sortat.begin(), sortat.end(), set.ff1.begin()));
    auto nume = [](const std::string& linie) {
        const auto c = taieCampuri(linie, structuraFf1(), 3).campuri;
        return majuscule(c[1] + " " + c[2] + "$$" + linie);
    };
    for (std::size_t i = 1; i < sortat.size(); ++i) {
        EXPECT_LE(nume(sortat[i - 1]), nume(sortat[i])) << i;
    }
}

} // namespace
} // namespace olm
