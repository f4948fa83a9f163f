// Truncated and random inputs, from a fixed seed and for a bounded time: the
// converter and the verification end on each, and the converter changes no
// text file when it lists errors.

#include "dbf_test_support.h"
#include "exchange/verification_run.h"
#include "exchange/verification_test_support.h"
#include "support/file_bytes.h"
#include "support/golden.h"
#include "transfer/transfer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace olm::testing {
namespace {

namespace files = platform::files;

// Cut short, bytes changed, bytes thrown in, or noise alone: mostly the
// characters record lines and DBF headers are made of.
std::string strica(std::string b, std::mt19937& aleator) {
    const auto la = [&](std::size_t n) { return static_cast<std::size_t>(aleator() % (n + 1)); };
    const auto octet = [&] {
        static const std::string des = ",#0123456789./-X \r\n\x1a*CNDF";
        return aleator() % 4 == 0 ? static_cast<char>(aleator()) : des[la(des.size() - 1)];
    };
    switch (aleator() % 4) {
    case 0:
        b.resize(la(b.size()));
        break;
    case 1:
        for (std::size_t n = 1 + la(32); n-- > 0 && !b.empty();) {
            b[la(b.size() - 1)] = octet();
        }
        break;
    case 2:
        for (std::size_t n = 1 + la(32); n-- > 0;) {
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(la(b.size())), octet());
        }
        break;
    default:
        b.assign(la(2048), ' ');
        for (char& c : b) {
            c = octet();
        }
    }
    return b;
}

// 400 tries from seed 2002, stopped after 20 seconds on a slow machine.
template <class F>
void repeta(F incearca) {
    std::mt19937 aleator(2002);
    const auto pana = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (int i = 0; i < 400 && std::chrono::steady_clock::now() < pana && !::testing::Test::HasFatalFailure(); ++i) {
        SCOPED_TRACE("try " + std::to_string(i));
        incearca(aleator);
    }
}

TEST(Robustness, TheConverterEndsOnDamagedTablesAndChangesNothingThen) {
    writeBytes("tr12.txt", "2002\r\n");
    const auto& tabele = transfer::TabeleDbf();
    std::vector<std::string> bune;
    for (const auto& t : tabele) {
        std::vector<std::vector<std::string>> inregistrari;
        for (const auto& l : files::readLines(example("verification/in/" + t.fisierText))) {
            if (!l.empty() && taieCampuri(l, t.structura).complet) {
                inregistrari.push_back(valoriStrat(t, l));
            }
        }
        scrieTabel("bun.dbf", coloaneStrat(t), inregistrari);
        bune.push_back(readBytes("bun.dbf"));
    }
    repeta([&](std::mt19937& aleator) {
        const std::size_t stricat = aleator() % tabele.size();
        for (std::size_t j = 0; j < tabele.size(); ++j) {
            writeBytes(transfer::NumeTabelAnual(tabele[j], 2002), j == stricat ? strica(bune[j], aleator) : bune[j]);
            writeBytes(tabele[j].fisierText, "before\r\n");
        }
        if (!transfer::TransferaTabele().empty()) {
            for (const auto& t : tabele) {
                ASSERT_EQ(readBytes(t.fisierText), "before\r\n") << t.fisierText;
            }
        }
    });
}

using RobustnessOfTheChecks = VerificationTest;

TEST_F(RobustnessOfTheChecks, TheVerificationEndsOnDamagedRecordLines) {
    const char* nume[] = {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"};
    repeta([&](std::mt19937& aleator) {
        for (const char* n : nume) {
            const std::string bun = readBytes(example(std::string("verification/in/") + n));
            writeBytes(n, aleator() % 2 == 0 ? strica(bun, aleator) : bun);
        }
        const RezultatVerificare r = VerificaFisiereExterne();
        ASSERT_EQ(r.eroare, "");
        ASSERT_TRUE(files::exists("erori.txt"));
    });
}

} // namespace
} // namespace olm::testing
