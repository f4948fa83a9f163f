#include "exchange/verification_run.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "verification_test_support.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

using VerificationExample = VerificationTest;

TEST_F(VerificationExample, ReportAndRepairedFilesOfTheWorkedExample) {
    for (const char* nume : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        writeBytes(nume, readBytes(example(std::string("verification/in/") + nume)));
    }
    const RezultatVerificare r = VerificaFisiereExterne();
    EXPECT_EQ(r.eroare, "");
    EXPECT_TRUE(r.existaErori);
    EXPECT_EQ(r.copie, "erori_10203045.txt");
    for (const char* nume : {"erori.txt", "Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        SCOPED_TRACE(nume);
        expectFileMatches(nume, example(std::string("verification/expected/") + nume));
    }
    expectFileMatches("erori_10203045.txt", example("verification/expected/erori.txt"));
}

} // namespace
} // namespace olm::testing
