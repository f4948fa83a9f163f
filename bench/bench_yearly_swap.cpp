// Times the swap of the yearly files at start-up and at exit on a firm of
// 1,000, 10,000 and 100,000 employees. Each iteration runs in a fresh
// temporary directory whose files are written outside the timed region.

#include "bench_support.h"
#include "main_window/yearly_swap.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace files = olm::platform::files;
using olm::bench::FreshDirectory;
using olm::bench::sample;
using olm::testing::SampleSet;

constexpr int kYear = 2002;

std::uintmax_t bytesOf(const std::vector<std::string>& lines) {
    std::uintmax_t n = 0;
    for (const auto& line : lines) {
        n += line.size() + 2; // CR LF
    }
    return n;
}

std::uintmax_t bytesOf(const SampleSet& s) {
    return s.repfisc.size() + 2 + bytesOf(s.ff1) + bytesOf(s.ff2) + bytesOf(s.deduceri);
}

void emptyWorkingFiles() {
    for (const auto& set : olm::seturiFisiere()) {
        files::createEmpty(set.lucru);
    }
}

void emptyPreviousYear() {
    for (const auto& set : olm::seturiFisiere()) {
        files::createEmpty(olm::copieAnuala(set, std::to_string(kYear - 1)));
    }
}

void report(benchmark::State& state, const SampleSet& s) {
    state.counters["employees"] = static_cast<double>(s.employees.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesOf(s)));
}

// Start-up after a normal exit: the yearly copies hold the year's data, the
// working names the previous year's (empty: the firm's first year here).
void BM_SchimbaFisiereLaPornire(benchmark::State& state) {
    olm::AnFiscal = kYear;
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        olm::testing::writeSample(s, olm::testing::yearlyFileNames(kYear));
        emptyWorkingFiles();
        state.ResumeTiming();

        olm::SchimbaFisiereLaPornire();

        state.PauseTiming();
        const bool swapped = files::length("FF1.txt") == bytesOf(s.ff1);
        dir.reset();
        if (!swapped) {
            state.SkipWithError("the working files were not filled from the yearly copies");
            break;
        }
        state.ResumeTiming();
    }
    if (!state.error_occurred()) {
        report(state, s);
    }
}

// Exit after a run: the working names and the yearly copies hold the year's
// data, the previous year's copies are empty.
void BM_SchimbaFisiereLaIesire(benchmark::State& state) {
    olm::AnFiscal = kYear;
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        olm::testing::writeSample(s);
        olm::testing::writeSample(s, olm::testing::yearlyFileNames(kYear));
        emptyPreviousYear();
        state.ResumeTiming();

        const auto unsaved = olm::SchimbaFisiereLaIesire();

        state.PauseTiming();
        const bool saved = unsaved.reusit && files::length("FF1_2002.txt") == bytesOf(s.ff1) &&
                           files::length("FF1.txt") == 0;
        dir.reset();
        if (!saved) {
            state.SkipWithError("the working files were not saved to the yearly copies");
            break;
        }
        state.ResumeTiming();
    }
    if (!state.error_occurred()) {
        report(state, s);
    }
}

BENCHMARK(BM_SchimbaFisiereLaPornire)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_SchimbaFisiereLaIesire)->Apply(olm::bench::firmSizes);

} // namespace
