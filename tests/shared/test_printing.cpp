#include "shared/printing.h"

#include "platform/files.h"
#include "shared/state.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace olm {
namespace {

using testing::expectMessages;
using testing::fakePrinter;
using testing::FakePrinter;

std::vector<std::string> randuri(int n) {
    std::vector<std::string> r;
    for (int i = 1; i <= n; ++i) {
        r.push_back("  linia " + std::to_string(i) + "  ");
    }
    return r;
}

struct Rutina {
    const char* nume;
    void (*tipareste)(const std::string&);
    int randuriPePagina;
    double marime;
    int stanga;
    int sus;
};

const Rutina Rutine[] = {
    {"TiparesteFisier", TiparesteFisier, 65, 9, 1000, 1000},
    {"TiparesteBorderou", TiparesteBorderou, 76, 7, 800, 800},
    {"TiparesteTabel", TiparesteTabel, 76, 7, 150, 800},
};

class Printing : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
};

TEST_F(Printing, AFullPageStaysOnePage) {
    for (const Rutina& r : Rutine) {
        fakePrinter().jobs.clear();
        platform::files::writeLines("lista.txt", randuri(r.randuriPePagina));
        r.tipareste("lista.txt");
        ASSERT_EQ(fakePrinter().jobs.size(), 1u) << r.nume;
        const auto& job = fakePrinter().jobs[0];
        EXPECT_TRUE(job.ended);
        EXPECT_FALSE(job.aborted);
        ASSERT_EQ(job.pages.size(), 1u) << r.nume;
        EXPECT_EQ(job.pages[0], randuri(r.randuriPePagina));
        EXPECT_EQ(ContorLinii, r.randuriPePagina);
    }
}

TEST_F(Printing, TheNextLineStartsANewPage) {
    for (const Rutina& r : Rutine) {
        fakePrinter().jobs.clear();
        const auto linii = randuri(2 * r.randuriPePagina + 1);
        platform::files::writeLines("lista.txt", linii);
        r.tipareste("lista.txt");
        ASSERT_EQ(fakePrinter().jobs.size(), 1u) << r.nume;
        const auto& pagini = fakePrinter().jobs[0].pages;
        ASSERT_EQ(pagini.size(), 3u) << r.nume;
        EXPECT_EQ(pagini[0].size(), static_cast<std::size_t>(r.randuriPePagina));
        EXPECT_EQ(pagini[1].front(), linii[r.randuriPePagina]);
        EXPECT_EQ(pagini[2], std::vector<std::string>{linii.back()});
        EXPECT_EQ(ContorLinii, 1);
    }
}

TEST_F(Printing, FontMarginsAndSpacingOfEachRoutine) {
    platform::files::writeLines("lista.txt", {"x"});
    for (const Rutina& r : Rutine) {
        r.tipareste("lista.txt");
    }
    ASSERT_EQ(fakePrinter().jobs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& setup = fakePrinter().jobs[i].setup;
        EXPECT_EQ(setup.fontName, "Courier New");
        EXPECT_EQ(setup.pointSize, Rutine[i].marime) << Rutine[i].nume;
        EXPECT_EQ(setup.leftMarginTwips, Rutine[i].stanga) << Rutine[i].nume;
        EXPECT_EQ(setup.topMarginTwips, Rutine[i].sus) << Rutine[i].nume;
        EXPECT_EQ(setup.extraLineSpacingTwips, 1.5 * Rutine[i].marime) << Rutine[i].nume;
    }
}

TEST_F(Printing, CancelledDialogMissingOrEmptyFilePrintNothingSilently) {
    platform::files::writeLines("lista.txt", randuri(3));
    fakePrinter().cancelDialog = true;
    TiparesteFisier("lista.txt");
    EXPECT_EQ(fakePrinter().dialogsShown, 1);
    EXPECT_TRUE(fakePrinter().jobs.empty());

    fakePrinter().cancelDialog = false;
    TiparesteBorderou("lipsa.txt");
    EXPECT_TRUE(fakePrinter().jobs.empty());

    platform::files::createEmpty("gol.txt");
    TiparesteTabel("gol.txt");
    for (const auto& job : fakePrinter().jobs) {
        for (const auto& pagina : job.pages) {
            EXPECT_TRUE(pagina.empty());
        }
    }
    expectMessages({});
}

// The pages go a batch of five at a time, each batch reported with the job's
// page count; the clerk cancelling at a report stops the job there, dropped.
TEST_F(Printing, ALongJobReportsEachBatchAndACancelStopsItThere) {
    auto linii = randuri(100 * 65);
    linii.push_back("ultima");
    platform::files::writeLines("lista.txt", linii);
    TiparesteFisier("lista.txt");
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    const auto& intreaga = fakePrinter().jobs[0];
    EXPECT_EQ(intreaga.total, 101);
    ASSERT_EQ(intreaga.progress.size(), 20u);
    EXPECT_EQ(intreaga.progress.front(), 5);
    EXPECT_EQ(intreaga.progress.back(), 100);
    EXPECT_TRUE(intreaga.ended);

    fakePrinter().cancelAtPage = 12;
    TiparesteFisier("lista.txt");
    ASSERT_EQ(fakePrinter().jobs.size(), 2u);
    const auto& anulata = fakePrinter().jobs[1];
    EXPECT_EQ(anulata.progress, (std::vector<long>{5, 10, 15}));
    EXPECT_EQ(anulata.pages.size(), 15u) << "stopped within the batch of the cancel";
    EXPECT_TRUE(anulata.aborted);
    EXPECT_FALSE(anulata.ended);
    expectMessages({});
}

// A printer that fails on a given line.
class ImprimantaDefecta : public FakePrinter {
public:
    void printLine(const std::string& line) override {
        if (++linii == 3) {
            throw std::runtime_error("printer failed");
        }
        FakePrinter::printLine(line);
    }
    int linii = 0;
};

TEST_F(Printing, AJobFailingHalfWayIsDroppedSilently) {
    ImprimantaDefecta imprimanta;
    platform::setPrinter(&imprimanta);
    platform::files::writeLines("lista.txt", randuri(10));
    EXPECT_NO_THROW(TiparesteFisier("lista.txt"));
    platform::setPrinter(&fakePrinter());
    ASSERT_EQ(imprimanta.jobs.size(), 1u);
    EXPECT_TRUE(imprimanta.jobs[0].aborted);
    EXPECT_FALSE(imprimanta.jobs[0].ended);
    expectMessages({});
}

} // namespace
} // namespace olm
