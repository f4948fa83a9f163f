// Times the alphabetical copies of the sheet files ("Sortare" ticked) and the
// table of regularised sheets on a firm of 1,000, 10,000 and 100,000
// employees. Both sort every sheet once (n log n) and read and write each line
// a constant number of times. Each iteration runs in a fresh temporary
// directory whose files are written outside the timed region.

#include "bench_support.h"
#include "main_window/regularised_table.h"
#include "main_window/sorted_copies.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

namespace {

namespace files = olm::platform::files;
using olm::bench::FreshDirectory;
using olm::testing::SampleSet;

void BM_CopiiSortate(benchmark::State& state) {
    olm::AnFiscal = 2002;
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        olm::testing::writeSample(s);
        state.ResumeTiming();

        olm::ActualizeazaCopiiSortate(true);

        state.PauseTiming();
        const bool facute = files::readLines("ff1_sort1.txt").size() == s.ff1.size() &&
                            files::readLines("ff2_sort1.txt").size() == s.ff2.size();
        dir.reset();
        if (!facute) {
            state.SkipWithError("the sorted copies do not hold every sheet");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["sheets"] = static_cast<double>(s.ff1.size() + s.ff2.size());
}

void BM_TabelRegularizate(benchmark::State& state) {
    olm::AnFiscal = 2002;
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    std::size_t regularizate = 0;
    for (const auto& a : s.employees) {
        regularizate += a.regularised ? 1 : 0;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        olm::testing::writeSample(s);
        state.ResumeTiming();

        olm::ScrieTabel5();

        state.PauseTiming();
        const bool scris = files::readLines("Ff1R.txt").size() == regularizate;
        dir.reset();
        if (!scris) {
            state.SkipWithError("the table does not hold every regularised sheet");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(regularizate);
}

BENCHMARK(BM_CopiiSortate)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_TabelRegularizate)->Apply(olm::bench::firmSizes);

} // namespace
