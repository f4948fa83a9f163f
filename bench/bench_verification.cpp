// Times the verification of outside files (the screening, the checks, the
// merge of one employee's sheets, the report and the rewritten files) on a
// firm of 1,000, 10,000 and 100,000 employees. Each pass starts from the
// sample's four files as another application would hand them in; writing
// them is not timed. For a yardstick, `sort -f` over the same four files
// takes about a third of the time the verification may take.

#include "bench_support.h"
#include "exchange/verification_run.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

namespace {

namespace files = olm::platform::files;

// The parameters of 2002: 1,600,000 a month and for the year, the annual
// grid of the monthly one times twelve.
void parametri2002() {
    olm::resetState();
    olm::AnFiscal = 2002;
    olm::DeducereBaza.fill(1600000);
    olm::CoefMax = "5";
    olm::ProcChProf = "0.15";
    olm::CotaImpFinal = "0.15";
    olm::PrimaZi = "03";
    olm::UltimaZi = "31";
    const double anual[][4] = {{122400001, 1e12, 32520000, 40}, {87600001, 122400000, 20688000, 34},
                               {55200001, 87600000, 11616000, 28}, {21600001, 55200000, 3888000, 23},
                               {0, 21600000, 0, 18}};
    for (int i = 0; i < 5; ++i) {
        olm::Impozitar[static_cast<std::size_t>(i)] = {false, 13, anual[i][0], anual[i][1], anual[i][2], anual[i][3]};
    }
    olm::NrRandImpozitar = 129;
}

void BM_VerificaFisiereExterne(benchmark::State& state) {
    const auto& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    olm::bench::FreshDirectory director;
    parametri2002();
    olm::RezultatVerificare r;
    for (auto _ : state) {
        state.PauseTiming();
        olm::testing::writeSample(s);
        state.ResumeTiming();
        r = olm::VerificaFisiereExterne();
    }
    // Every sheet is kept, one line per employee, and the report is there.
    if (!r.eroare.empty() || files::readLines("FF1.txt").size() != s.ff1.size() ||
        files::readLines("FF2.txt").size() != s.ff2.size() ||
        files::readLines("Deduceri.txt").size() != s.deduceri.size() || files::isEmpty("erori.txt")) {
        state.SkipWithError("the verification did not leave the files it should");
    }
    state.counters["lines"] = static_cast<double>(s.ff1.size() + s.ff2.size() + s.deduceri.size());
}

BENCHMARK(BM_VerificaFisiereExterne)->Apply(olm::bench::firmSizes);

} // namespace
