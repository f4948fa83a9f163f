// The acquisitions of a verification without the window: from the diskette
// as text or DBF, from DBF tables of the working directory, and the ends of
// the converter.

#include "acquisition_test_support.h"
#include "exchange/verification_acquisition.h"
#include "support/failing_writer.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "transfer/dbf_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace olm::testing {
namespace {

namespace files = platform::files;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

using Acquisition = AcquisitionTest;

const std::vector<std::string> Lucru{"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"};

void puneLucru() {
    for (const auto& f : Lucru) {
        writeBytes(f, f + "\r\n");
    }
}

std::string exemplu(const char* nume) { return readBytes(example(std::string("verification/in/") + nume)); }

TEST_F(Acquisition, TextFilesFromTheDiskette) {
    const std::string Lipsa = "   Nu exista fisierul Rep_2002.txt pe discheta.\r\nAlte verificari sunt abandonate.";
    const std::string Reparat = "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,,##,##\r\n";
    struct Caz {
        const char* nume;
        std::function<void()> pregateste;
        bool preluat;
        std::vector<ExpectedMessage> mesaje;
        std::vector<std::string> lucru; // Repfisc, FF1, FF2, Deduceri
    } cazuri[] = {
        {"no diskette, given up", [] {
             std::filesystem::remove("discheta");
             fakeDialogs().answer(Answer::Cancel);
         }, false, {{"Eroare 71. Nu ati introdus discheta in unitate .", "  ", Icon::Exclamation, Buttons::RetryCancel}},
         {"Repfisc.txt\r\n", "FF1.txt\r\n", "FF2.txt\r\n", "Deduceri.txt\r\n"}},
        {"no employer file", [&] { writeBytes("discheta/FF1_2002.txt", exemplu("FF1.txt")); },
         false, {{Lipsa, "", Icon::Exclamation}}, {"", "", "", ""}},
        {"a working file cannot be written", [&] {
             writeBytes("discheta/Rep_2002.txt", Reparat);
             writeBytes("discheta/ff1_2002.TXT", exemplu("FF1.txt"));
         }, false, {{"Eroare 61 la scrierea fisierului FF1.txt.", "", Icon::Exclamation}}, {"", "", "", ""}},
        {"taken; the earlier employer form repaired", [&] {
             writeBytes("discheta/Rep_2002.txt", exemplu("Repfisc.txt"));
             writeBytes("discheta/FF1_2002.txt", exemplu("FF1.txt"));
             writeBytes("discheta/Ded_2002.txt", exemplu("Deduceri.txt"));
         }, true, {}, {Reparat, exemplu("FF1.txt"), "", exemplu("Deduceri.txt")}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        std::filesystem::remove_all("discheta");
        std::filesystem::create_directory("discheta");
        puneLucru();
        fakeClock().waits.clear();
        c.pregateste();
        bool preluat = false;
        if (std::string(c.nume).starts_with("a working")) {
            const FailingWriter plin = FailingWriter::afterBytes("FF1.txt", 10);
            preluat = PreiaTextDePeDischeta();
        } else {
            preluat = PreiaTextDePeDischeta();
        }
        EXPECT_EQ(preluat, c.preluat);
        expectMessages(c.mesaje);
        for (std::size_t i = 0; i < Lucru.size(); ++i) {
            EXPECT_EQ(readBytes(Lucru[i]), c.lucru[i]) << Lucru[i];
        }
        if (c.preluat) {
            EXPECT_EQ(readBytes("discheta/Rep_2002.txt"), Reparat);
            EXPECT_EQ(fakeClock().waits, std::vector<double>{5});
        }
    }
}

TEST_F(Acquisition, DbfTablesFromTheDisketteOrTheWorkingDirectory) {
    const auto& tabele = transfer::TabeleDbf();
    const auto scrie = [&](const transfer::TabelDbf& t, const std::string& fisier) {
        scrieTabel(fisier, coloaneStrat(t), {});
    };
    // From the diskette: the employer's and the Fisa 1 tables; the others
    // become their templates.
    scrie(tabele[0], "discheta/REP_2002.DBF");
    scrie(tabele[1], "discheta/FF1_2002.dbf");
    puneLucru();
    EXPECT_TRUE(PreiaDbfDePeDischeta());
    expectMessages({});
    EXPECT_EQ(readBytes("Rep_2002.dbf"), readBytes("discheta/Rep_2002.dbf"));
    EXPECT_EQ(readBytes("FF2_2002.dbf"), readBytes("FF2.dbf"));
    EXPECT_EQ(readBytes("Ded_2002.dbf"), readBytes("Ded.dbf"));
    EXPECT_EQ(readBytes("tr12.txt"), "2002\r\n");
    for (const auto& f : Lucru) {
        EXPECT_EQ(readBytes(f), "") << f;
    }

    // Without the employer's table nothing is converted.
    files::remove("discheta/Rep_2002.dbf");
    EXPECT_FALSE(PreiaDbfDePeDischeta());
    expectMessages({"   Nu exista fisierul Rep_2002.dbf pe discheta.\r\n"
                    "Alte verificari si conversia dbf->txt sunt abandonate."});
    std::filesystem::remove("Rep_2002.dbf");
    EXPECT_FALSE(PreiaDbfDinDirector());
    expectMessages({"   Nu exista fisierul Rep_2002.dbf in directorul\r\naplicatiei.\r\n"
                    "   Alte verificari si conversia dbf->txt sunt abandonate."});

    // In the working directory a missing table takes its template, which
    // must be there.
    scrie(tabele[0], "Rep_2002.dbf");
    std::filesystem::remove("FF2_2002.dbf");
    std::filesystem::remove("FF2.dbf");
    EXPECT_FALSE(PreiaDbfDinDirector());
    expectMessages({"   Nu exista fisierul FF2.dbf in directorul aplicatiei.\r\n"
                    "   Alte verificari si conversia dbf->txt sunt abandonate."});
    transfer::ScrieSablonDbf(tabele[2], "FF2.dbf");
    EXPECT_TRUE(PreiaDbfDinDirector());
    EXPECT_EQ(readBytes("FF2_2002.dbf"), readBytes("FF2.dbf"));
}

TEST_F(Acquisition, EachEndOfTheConverter) {
    const std::string Abandon = "\r\nAlte verificari sunt abandonate.";
    struct Caz {
        const char* nume;
        std::string script; // empty: a program that is not there
        bool continua;
        std::string mesaj;
    } cazuri[] = {
        {"converted", "exit 0", true, ""},
        {"structure errors listed", "echo 'Fisierul FF1_2002.dbf lipseste.' > ferr.txt; exit 1", true, ""},
        {"errors without their list", "exit 1", false, "Conversia dbf->txt nu a reusit (cod de iesire 1)." + Abandon},
        {"crashed", "kill -SEGV $$", false, "Conversia dbf->txt s-a oprit din eroare." + Abandon},
        {"too long", "sleep 20", false, "Conversia dbf->txt nu s-a terminat in 1 secunde si a fost oprita." + Abandon},
        {"not there", "", false, "Conversia dbf->txt nu poate fi pornita: programul /nu/exista/olm-transfer lipseste "
                                 "sau nu poate fi rulat." + Abandon},
    };
    platform::setConverterTimeLimit(1);
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        std::filesystem::remove("ferr.txt");
        if (c.script.empty()) {
            platform::setConverterProgram("/nu/exista/olm-transfer");
        } else {
            convertor(c.script);
        }
        EXPECT_EQ(RuleazaConvertorul(), c.continua);
        expectMessages(c.mesaj.empty() ? std::vector<ExpectedMessage>{}
                                       : std::vector<ExpectedMessage>{{c.mesaj, "  ", Icon::Exclamation}});
        EXPECT_EQ(readBytes("tr12.txt"), "2002\r\n");
    }
}

} // namespace
} // namespace olm::testing
