// The acquisitions without the window: why each stops, with what it leaves
// in the working files, and the ends of the converter.

#include "acquisition_test_support.h"
#include "exchange/verification_acquisition.h"
#include "platform/termination.h"
#include "support/failing_writer.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "transfer/dbf_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>

namespace olm::testing {
namespace {

using platform::Icon;
using Acquisition = AcquisitionTest;

const std::vector<std::string> Lucru{"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"};

TEST_F(Acquisition, EachReasonToStopAndWhatItLeaves) {
    const auto golite = std::vector<std::string>(4, "");
    struct Caz {
        const char* nume;
        std::function<void()> pregateste;
        std::function<bool()> preia;
        ExpectedMessage mesaj;
        std::vector<std::string> lucru; // empty: untouched
    } cazuri[] = {
        {"no diskette, text", [] { std::filesystem::remove("discheta"); }, PreiaTextDePeDischeta,
         {"Nu ati introdus discheta in unitate sau discheta defecta.", "  ", Icon::Exclamation}, {}},
        {"no diskette, tables", [] { std::filesystem::remove("discheta"); }, PreiaDbfDePeDischeta,
         {"Nu ati introdus discheta in unitate sau discheta defecta.", "  ", Icon::Exclamation}, {}},
        {"no employer text file", [] { writeBytes("discheta/FF1_2002.txt", "x\r\n"); }, PreiaTextDePeDischeta,
         {"   Nu exista fisierul Rep_2002.txt pe discheta.\r\nAlte verificari sunt abandonate.", "", Icon::Exclamation},
         golite},
        {"no employer table", [] { writeBytes("discheta/FF1_2002.dbf", "x"); }, PreiaDbfDePeDischeta,
         {"   Nu exista fisierul Rep_2002.dbf pe discheta.\r\nAlte verificari si conversia dbf->txt sunt abandonate."},
         golite},
        {"no employer table here", [] {}, PreiaDbfDinDirector,
         {"   Nu exista fisierul Rep_2002.dbf in directorul\r\naplicatiei.\r\n"
          "   Alte verificari si conversia dbf->txt sunt abandonate."}, golite},
        {"no template", [] { writeBytes("Rep_2002.dbf", "x"); std::filesystem::remove("FF2.dbf"); }, PreiaDbfDinDirector,
         {"   Nu exista fisierul FF2.dbf in directorul aplicatiei.\r\n"
          "   Alte verificari si conversia dbf->txt sunt abandonate."}, golite},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        std::filesystem::create_directory("discheta");
        for (const auto& f : Lucru) {
            writeBytes(f, f);
        }
        c.pregateste();
        EXPECT_FALSE(c.preia());
        expectMessages({c.mesaj});
        for (std::size_t i = 0; i < Lucru.size(); ++i) {
            EXPECT_EQ(readBytes(Lucru[i]), c.lucru.empty() ? Lucru[i] : c.lucru[i]);
        }
    }

    // A working file that cannot be written: the diskette's files are all
    // read first, and nothing is half taken.
    writeBytes("discheta/Rep_2002.txt", "10203045,1\r\n");
    const FailingWriter plin = FailingWriter::afterBytes("Repfisc.txt", 5);
    EXPECT_FALSE(PreiaTextDePeDischeta());
    expectMessages({"Eroare 61 la scrierea fisierului Repfisc.txt."});
    EXPECT_EQ(readBytes("Repfisc.txt"), "");
}

// A log-out during the wait after the copies: the checks are not run, and
// nothing is told.
TEST_F(Acquisition, ASignalToEndDuringTheWaitStopsTheVerification) {
    writeBytes("discheta/Rep_2002.txt", "10203045,1\r\n");
    platform::catchTerminationSignals();
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_FALSE(PreiaTextDePeDischeta());
    expectMessages({});
    EXPECT_EQ(fakeClock().waits, std::vector<double>{5});
}

TEST_F(Acquisition, TheDisketteTablesOrTheirTemplatesGoToTheConverter) {
    scrieTabel("discheta/REP_2002.DBF", coloaneStrat(transfer::TabeleDbf()[0]), {});
    EXPECT_TRUE(PreiaDbfDePeDischeta());
    expectMessages({});
    EXPECT_EQ(readBytes("Rep_2002.dbf"), readBytes("discheta/Rep_2002.dbf"));
    EXPECT_EQ(readBytes("Ded_2002.dbf"), readBytes("Ded.dbf"));
    EXPECT_EQ(readBytes("tr12.txt"), "2002\r\n");
}

TEST_F(Acquisition, EachEndOfTheConverter) {
    const std::string Abandon = "\r\nAlte verificari sunt abandonate.";
    struct Caz {
        const char* script; // nullptr: a program that is not there
        bool continua;
        std::string mesaj;
    } cazuri[] = {
        {"exit 0", true, ""},
        {"echo 'Fisierul FF1_2002.dbf lipseste.' > ferr.txt; exit 1", true, ""},
        {"exit 1", false, "Conversia dbf->txt nu a reusit (cod de iesire 1)." + Abandon},
        {"kill -SEGV $$", false, "Conversia dbf->txt s-a oprit din eroare." + Abandon},
        {"sleep 20", false, "Conversia dbf->txt nu s-a terminat in 1 secunde si a fost oprita." + Abandon},
        {nullptr, false, "Conversia dbf->txt nu poate fi pornita: programul /nu/exista lipseste sau nu poate fi rulat." +
                             Abandon},
        {"kill -TERM $PPID; sleep 20", false, ""}, // a log-out meanwhile: stopped, nothing to tell
    };
    platform::catchTerminationSignals();
    platform::setConverterTimeLimit(1);
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.script ? c.script : "missing");
        std::filesystem::remove("ferr.txt");
        c.script ? convertor(c.script) : platform::setConverterProgram("/nu/exista");
        EXPECT_EQ(RuleazaConvertorul(), c.continua);
        expectMessages(c.mesaj.empty() ? std::vector<ExpectedMessage>{}
                                       : std::vector<ExpectedMessage>{{c.mesaj, "  ", Icon::Exclamation}});
    }
}

// Stopped from outside, the converter is asked to end and given time to
// remove its scratch files; one that stays on is killed.
TEST_F(Acquisition, AStoppedConverterIsAskedToEndBeforeItIsKilled) {
    struct Caz {
        const char* script;
        bool ramane; // its scratch file
    } cazuri[] = {
        {"trap 'rm .olm-tmp-convertor; exit 1' TERM; kill -TERM $PPID; while :; do sleep 0.1; done", false},
        {"trap '' TERM; kill -TERM $PPID; exec sleep 20", true},
    };
    platform::catchTerminationSignals();
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.script);
        writeBytes(".olm-tmp-convertor", "");
        convertor(c.script);
        const auto inceput = std::chrono::steady_clock::now();
        EXPECT_FALSE(RuleazaConvertorul());
        EXPECT_LT(std::chrono::steady_clock::now() - inceput, std::chrono::seconds(10));
        EXPECT_EQ(std::filesystem::exists(".olm-tmp-convertor"), c.ramane);
        platform::forgetTerminationRequest();
    }
    expectMessages({});
}

} // namespace
} // namespace olm::testing
