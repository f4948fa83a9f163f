// Truncated and random inputs, from a fixed seed and for a bounded time: the
// converter and the screening of the verification end on each of them, with
// their files whole.

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

constexpr int Incercari = 400;
constexpr auto Timp = std::chrono::seconds(20);

// One of the ways an input goes wrong: cut short, bytes changed, bytes
// thrown in, or nothing but noise.
std::string strica(std::string b, std::mt19937& aleator) {
    const auto la = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(aleator() % n); };
    const auto octet = [&] {
        // Mostly the characters a record line or a DBF header is made of.
        static const std::string des = ",#0123456789./-X \r\n\x0d\x20\x1a*CNDF";
        return aleator() % 4 == 0 ? static_cast<char>(aleator()) : des[la(des.size())];
    };
    switch (aleator() % 4) {
    case 0:
        b.resize(la(b.size() + 1));
        break;
    case 1:
        for (int i = 0, n = 1 + static_cast<int>(la(16)); i < n && !b.empty(); ++i) {
            b[la(b.size())] = octet();
        }
        break;
    case 2:
        for (int i = 0, n = 1 + static_cast<int>(la(64)); i < n; ++i) {
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(la(b.size() + 1)), octet());
        }
        break;
    default:
        b.assign(la(2048), '\0');
        for (char& c : b) {
            c = octet();
        }
        break;
    }
    return b;
}

template <class F>
void repeta(F f) {
    std::mt19937 aleator(2002);
    const auto pana = std::chrono::steady_clock::now() + Timp;
    int facute = 0;
    for (; facute < Incercari && std::chrono::steady_clock::now() < pana; ++facute) {
        SCOPED_TRACE("try " + std::to_string(facute));
        f(aleator);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(facute, 0);
}

TEST(Robustness, TheConverterEndsOnDamagedTablesAndChangesNothingThen) {
    writeBytes("tr12.txt", "2002\r\n");
    std::vector<std::string> bune;
    for (const auto& t : transfer::TabeleDbf()) {
        std::vector<std::vector<std::string>> inregistrari;
        for (const auto& l : files::readLines(example("verification/in/" + t.fisierText))) {
            const auto c = taieCampuri(l, t.structura);
            if (c.complet && !l.empty()) {
                inregistrari.push_back(valoriStrat(t, c.campuri));
            }
        }
        const std::string nume = transfer::NumeTabelAnual(t, 2002);
        scrieTabel(nume, coloaneStrat(t), inregistrari);
        bune.push_back(readBytes(nume));
    }
    repeta([&](std::mt19937& aleator) {
        const auto& tabele = transfer::TabeleDbf();
        const std::size_t i = aleator() % tabele.size();
        for (std::size_t j = 0; j < tabele.size(); ++j) {
            writeBytes(transfer::NumeTabelAnual(tabele[j], 2002), j == i ? strica(bune[j], aleator) : bune[j]);
            writeBytes(tabele[j].fisierText, "before\r\n");
        }
        const std::vector<std::string> erori = transfer::TransferaTabele();
        for (const auto& t : tabele) {
            if (!erori.empty()) {
                ASSERT_EQ(readBytes(t.fisierText), "before\r\n") << t.fisierText;
            }
        }
    });
}

using RobustnessOfTheChecks = VerificationTest;

TEST_F(RobustnessOfTheChecks, TheVerificationEndsOnDamagedRecordLines) {
    std::vector<std::pair<std::string, std::string>> bune;
    for (const char* nume : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        bune.emplace_back(nume, readBytes(example(std::string("verification/in/") + nume)));
    }
    repeta([&](std::mt19937& aleator) {
        for (const auto& [nume, continut] : bune) {
            writeBytes(nume, aleator() % 2 == 0 ? strica(continut, aleator) : continut);
        }
        const RezultatVerificare r = VerificaFisiereExterne();
        ASSERT_TRUE(r.eroare.empty()) << r.eroare;
        ASSERT_TRUE(files::exists("erori.txt"));
    });
}

} // namespace
} // namespace olm::testing
