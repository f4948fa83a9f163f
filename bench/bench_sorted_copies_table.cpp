// Times the alphabetical copies of the sheet files ("Sortare" ticked) and the
// table of regularised sheets on a firm of 1,000, 10,000 and 100,000
// employees. Both sort every sheet once (n log n) and read and write each line
// a constant number of times. Each iteration runs in a fresh temporary
// directory whose files are written outside the timed region.

#include "main_window/regularised_table.h"
#include "main_window/sorted_copies.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

namespace files = olm::platform::files;
using olm::testing::SampleSet;

const SampleSet& esantion(std::size_t angajati) {
    static std::map<std::size_t, SampleSet> cache;
    auto it = cache.find(angajati);
    if (it == cache.end()) {
        it = cache.emplace(angajati, olm::testing::generateSample(angajati, {.seed = 2002})).first;
    }
    return it->second;
}

class DirectorNou {
public:
    DirectorNou() {
        std::string sablon = (std::filesystem::temp_directory_path() / "olm-bench-XXXXXX").string();
        if (mkdtemp(sablon.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        cale_ = sablon;
        anterior_ = std::filesystem::current_path();
        std::filesystem::current_path(cale_);
    }
    ~DirectorNou() {
        std::error_code ignorat;
        std::filesystem::current_path(anterior_, ignorat);
        std::filesystem::remove_all(cale_, ignorat);
    }
    DirectorNou(const DirectorNou&) = delete;
    DirectorNou& operator=(const DirectorNou&) = delete;

private:
    std::filesystem::path cale_;
    std::filesystem::path anterior_;
};

void BM_CopiiSortate(benchmark::State& state) {
    olm::AnFiscal = 2002;
    const SampleSet& s = esantion(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<DirectorNou>();
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
    const SampleSet& s = esantion(static_cast<std::size_t>(state.range(0)));
    std::size_t regularizate = 0;
    for (const auto& a : s.employees) {
        regularizate += a.regularised ? 1 : 0;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<DirectorNou>();
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

BENCHMARK(BM_CopiiSortate)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TabelRegularizate)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
