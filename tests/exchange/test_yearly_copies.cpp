// The other functions and the verification write the yearly copies of the
// working files they rewrite in the same commit: a copy that cannot be
// written leaves the working files as they were too.

#include "exchange/bulk_regularisation.h"
#include "exchange/diskette_merge.h"
#include "exchange/verification_run.h"
#include "exchange/verification_screening.h"
#include "exchange/year_takeover.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/state.h"
#include "support/failing_writer.h"
#include "support/fakes.h"
#include "support/record_lines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using platform::Answer;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;

class CopiiAnuale : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        for (const auto& set : seturiFisiere()) {
            files::writeLines(set.lucru, lucru(set));
            files::writeLines(copieAnuala(set), {"copie"});
        }
    }
    // What the working files hold: their names, and a Fisa 2 that the
    // screening keeps.
    static Linii lucru(const SetFisiere& set) {
        if (set.lucru == SetFf2().lucru) {
            return {testing::linieCu(structuraFf2(), {{0, "2791201123454"}, {1, "BARBU"}})};
        }
        return {set.lucru};
    }
    void TearDown() override { ::unsetenv("OLM_DRIVE_A"); }
    static std::string ultimulMesaj() { return fakeDialogs().texts().empty() ? "" : fakeDialogs().texts().back(); }
};

TEST_F(CopiiAnuale, ACopyThatCannotBeWrittenLeavesTheWorkingFilesToo) {
    const struct {
        const char* nume;
        const char* copie;
        std::function<std::string()> ruleaza;
    } randuri[] = {
        {"diskette merge", "FF1_2002.txt",
         [] {
             files::makeDirectory("d1");
             files::writeLines("d1/FF1_2002.txt", {"fisa noua"});
             ::setenv("OLM_DRIVE_A", "d1", 1);
             for (Answer a : {Answer::Yes, Answer::Yes, Answer::No, Answer::No}) {
                 fakeDialogs().answer(a);
             }
             UnesteDischete();
             return ultimulMesaj();
         }},
        {"take-over", "Rep_2002.txt",
         [] {
             files::writeLines("Rep_2001.txt", {"10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,"});
             fakeDialogs().answer(Answer::Yes);
             PreiaAnulPrecedent();
             return ultimulMesaj();
         }},
        {"bulk regularisation", "FF1_2002.txt",
         [] {
             DeducereBaza[12] = 1800000;
             RegularizeazaFisele();
             return ultimulMesaj();
         }},
        {"screening", "FF2_2002.txt", [] { return VerificaFisiereExterne().eroare; }},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        SetUp();
        {
            const auto defect = testing::FailingWriter::afterBytes(r.copie, 0);
            EXPECT_EQ(r.ruleaza(), "Eroare 61 la scrierea fisierului " + std::string(r.copie) + ".");
        }
        for (const auto& set : seturiFisiere()) {
            EXPECT_EQ(files::readLines(set.lucru), lucru(set));
            EXPECT_EQ(files::readLines(copieAnuala(set)), Linii{"copie"});
        }
        fakeDialogs().messages.clear();
    }
}

TEST_F(CopiiAnuale, TheScreeningRewritesTheCopiesThatExistOnly) {
    files::remove("Ded_2002.txt");
    RaportVerificare raport;
    EcraneazaFisiere(raport);
    EXPECT_EQ(files::readLines("Rep_2002.txt"), files::readLines("Repfisc.txt"));
    EXPECT_TRUE(files::readLines("Repfisc.txt").empty()); // its line was ill-formed
    EXPECT_FALSE(files::exists("Ded_2002.txt"));
}

} // namespace
} // namespace olm
