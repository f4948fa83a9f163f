#include "exchange/verification_run.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/record_lines.h"
#include "verification_test_support.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

namespace files = platform::files;
using Linii = std::vector<std::string>;
using VerificationRun = VerificationTest;

const std::string Angajator = "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,,##,##";

TEST_F(VerificationRun, NothingFoundInEmptyFilesLeavesTheWholeSkeleton) {
    writeBytes("erori_0.txt", "a report of an earlier run");
    const RezultatVerificare r = VerificaFisiereExterne();
    EXPECT_FALSE(r.existaErori);
    EXPECT_EQ(r.mesaj, "Rep_2002.txt e gol, Ff1_2002.txt e gol, Ff2_2002.txt e gol, Ded_2002.txt e gol. ");
    EXPECT_FALSE(files::exists("erori_0.txt")) << "an older copy goes, no new one is made";
    const Linii raport = files::readLines("erori.txt");
    ASSERT_EQ(raport.size(), 35u) << "headings, box, rules, closing line and the four warnings";
    EXPECT_EQ(raport[4], "Avertisment : Fisierul Rep_2002.txt nu exista sau e gol.");
    EXPECT_EQ(raport[7], "Avertisment : Fisierul Ded_2002.txt nu exista sau e gol.");
    EXPECT_EQ(raport.back(), "                  Sfarsit verificari");
}

TEST_F(VerificationRun, NothingFoundNamesTheEmptyFilesAfterTheMessage) {
    writeBytes("Repfisc.txt", crlf({Angajator}));
    writeBytes("FF2.txt", crlf({linieCu(structuraFf2(), {{0, "2791201123454"}, {1, "BARBU"}})}));
    writeBytes("erori_10203045.txt", "a report of an earlier run");
    CodAngajat = "1750305123453";
    DataAngajarii = "01/02/2002";
    const RezultatVerificare r = VerificaFisiereExterne();
    EXPECT_EQ(r.eroare, "");
    EXPECT_FALSE(r.existaErori);
    EXPECT_EQ(r.mesaj, "Verificarea a fost efectuata si nu sunt erori. Ff1_2002.txt e gol, Ded_2002.txt e gol. ");
    EXPECT_FALSE(files::exists("erori_10203045.txt"));
    EXPECT_EQ(CodAngajat, "1750305123453") << "the open sheet's state is not the verification's";
    EXPECT_EQ(DataAngajarii, "01/02/2002");
}

TEST_F(VerificationRun, WrongDatesLeaveTheCorrelationOut) {
    // Own 1 and total 1.5 without a dependant: the correlation would report it.
    std::vector<std::string> f = campuriFisa1("1830710123451");
    for (std::size_t i = 0; i < 12; ++i) {
        f[22 + i] = "1.5";
    }
    std::vector<std::string> gresita = campuriFisa1("1750305123453");
    gresita[20] = "31/02/2002";
    writeBytes("Repfisc.txt", crlf({Angajator}));
    writeBytes("FF1.txt", crlf({linieFisa1(f), linieFisa1(gresita)}));
    const RezultatVerificare r = VerificaFisiereExterne();
    EXPECT_TRUE(r.existaErori);
    const Linii raport = files::readLines("erori.txt");
    ASSERT_GE(raport.size(), 5u);
    EXPECT_EQ(Linii(raport.end() - 5, raport.end()),
              (Linii{std::string(62, '='),
                     "   Atentie ! Din cauza erorilor de structura in FF1_aaaa.txt si/sau Ded_aaaa.txt ",
                     "procedura de verificare a corelarii a fost abandonata.", std::string(100, '-'),
                     "                  Sfarsit verificari"}));
    EXPECT_EQ(files::readLines("FF1.txt").size(), 1u) << "the sheet with a wrong date is left out";
    EXPECT_EQ(readBytes("erori_10203045.txt"), readBytes("erori.txt"));
}

TEST_F(VerificationRun, AFullDiskStopsTheRunAndTheScreeningReplacesNothing) {
    writeBytes("erori.txt", "a report of an earlier run");
    const std::string repfisc = crlf({Angajator, Angajator});
    writeBytes("Repfisc.txt", repfisc);
    writeBytes("FF1.txt", crlf({linieFisa1(campuriFisa1("1830710123451"))}));
    RezultatVerificare r;
    {
        LimitaFisiere discPlin(300);
        r = VerificaFisiereExterne();
    }
    EXPECT_EQ(r.eroare, "Eroare 61 la scrierea fisierului ff1_sort.txt.");
    EXPECT_FALSE(r.existaErori);
    EXPECT_EQ(r.mesaj, "") << "never 'no errors' over a run that did not finish";
    EXPECT_FALSE(files::exists("erori.txt")) << "the earlier report does not pass for this one";
    EXPECT_EQ(readBytes("Repfisc.txt"), repfisc);
}

} // namespace
} // namespace olm::testing
