#pragma once

// What the benchmarks share: the sizes of firm they run on, one sample firm
// per size, generated once for all of them, and a fresh temporary working
// directory.

#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <system_error>

namespace olm::bench {

// Firms of 1,000, 10,000 and 100,000 employees, timed in milliseconds of
// elapsed time (the work is mostly file input and output):
// BENCHMARK(BM_x)->Apply(olm::bench::firmSizes).
inline void firmSizes(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The sample of a firm of this many employees (seed 2002), made on first use.
inline const testing::SampleSet& sample(std::size_t employees) {
    static std::map<std::size_t, testing::SampleSet> cache;
    auto it = cache.find(employees);
    if (it == cache.end()) {
        it = cache.emplace(employees, testing::generateSample(employees, {.seed = 2002})).first;
    }
    return it->second;
}

// A new temporary directory made the current one; on destruction the previous
// current directory comes back and the temporary one goes with its files.
class FreshDirectory {
public:
    FreshDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "olm-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        path_ = pattern;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~FreshDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    FreshDirectory(const FreshDirectory&) = delete;
    FreshDirectory& operator=(const FreshDirectory&) = delete;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace olm::bench
