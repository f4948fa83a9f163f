// Times the other functions on a firm of 1,000, 10,000 and 100,000
// employees: the regularisation of every Fisa 1, the take-over of the
// previous year's sheets, the merge of one diskette holding the whole firm,
// and the verification of the firm's four files as another application
// would hand them in, beside its yardstick, `sort -f` over the same four
// files (it may take three times as long). Each iteration runs in a fresh
// temporary directory whose files are written outside the timed region;
// every question is answered so that the function runs to its end, and the
// waits take no time.

#include "bench_support.h"
#include "exchange/bulk_regularisation.h"
#include "exchange/diskette_merge.h"
#include "exchange/verification_run.h"
#include "exchange/year_takeover.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"
#include "shared/state.h"
#include "support/record_lines.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace files = olm::platform::files;
using olm::bench::FreshDirectory;
using olm::bench::sample;
using olm::platform::Answer;
using olm::testing::SampleSet;

// Yes to every question but the ones asking for another diskette.
class Raspunsuri : public olm::platform::Dialogs {
public:
    Answer message(const std::string& text, const std::string&, olm::platform::Icon,
                   olm::platform::Buttons buttons) override {
        if (buttons != olm::platform::Buttons::YesNo) {
            return Answer::Ok;
        }
        const bool alta = text.starts_with("Introduceti discheta urmatoare") || text.starts_with("Mai aveti");
        return alta ? Answer::No : Answer::Yes;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

class FaraAsteptare : public olm::platform::Clock {
public:
    double seconds() override { return 0; }

protected:
    void pause(double, bool (*)()) override {}
};

// The services muted and the parameters of 2002 in memory.
class Program {
public:
    Program() {
        olm::platform::setDialogs(&raspunsuri_);
        olm::platform::setClock(&ceas_);
        olm::resetState();
        olm::AnFiscal = 2002;
        olm::DeducereBaza[12] = 1600000;
        olm::ProcChProf = "0.15";
        olm::CoefMax = "5";
        olm::CotaImpFinal = "0.15";
        olm::PrimaZi = "03";
        olm::UltimaZi = "31";
        const double limite[][3] = {{122400000, 32532000, 40}, {87600000, 20700000, 34},
                                    {55200000, 11616000, 28}, {21600000, 3888000, 23}, {0, 0, 18}};
        int r = 0;
        for (const auto& [inf, fix, proc] : limite) {
            olm::Impozitar[static_cast<std::size_t>(r++)] = {false, 13, inf, 1e15, fix, proc};
        }
    }
    ~Program() {
        olm::platform::setDialogs(nullptr);
        olm::platform::setClock(nullptr);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

private:
    Raspunsuri raspunsuri_;
    FaraAsteptare ceas_;
};

std::uintmax_t octeti(const std::vector<std::string>& linii) {
    std::uintmax_t n = 0;
    for (const auto& l : linii) {
        n += l.size() + 2;
    }
    return n;
}

// The four files of the firm.
std::uintmax_t octetiFirma(const SampleSet& s) {
    return octeti(s.ff1) + octeti(s.ff2) + octeti(s.deduceri) + s.repfisc.size() + 2;
}

// The firm as the previous year's copies would hold it.
struct AnPrecedent {
    std::vector<std::string> rep, ff1, ff2, ded;
};

AnPrecedent anPrecedent(const SampleSet& s) {
    AnPrecedent a;
    auto c = olm::taieCampuri(s.repfisc, olm::structuraRepfisc()).campuri;
    c.erase(c.begin() + 1); // the kind
    c.insert(c.begin() + 1, 2, std::string());
    a.rep.push_back(olm::testing::linieDupaSablon(olm::SablonRepfisc2001, c));
    for (const auto& l : s.ff1) {
        auto f = olm::taieCampuri(l, olm::structuraFf1(), 13).campuri;
        f.resize(17);
        f[16] = "31/12/2001";
        a.ff1.push_back(olm::testing::linieDupaSablon(olm::SablonFf12001, f));
    }
    for (const auto& l : s.ff2) {
        a.ff2.push_back(olm::testing::linieDupaSablon(olm::SablonFf22001, olm::taieCampuri(l, olm::structuraFf2(), 13).campuri));
    }
    for (const auto& l : s.deduceri) {
        auto f = olm::taieCampuri(l, olm::structuraDeduceri()).campuri;
        f.erase(f.begin() + 9); // the mark of other situations
        a.ded.push_back(olm::testing::linieDupaSablon(olm::SablonDeduceri2001, f));
    }
    return a;
}

void raporteaza(benchmark::State& state, const SampleSet& s, std::uintmax_t octetiPeTrecere) {
    state.counters["employees"] = static_cast<double>(s.employees.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * octetiPeTrecere));
}

// Runs `functia` once per iteration in a fresh directory prepared by
// `pregateste`; `reusit` tells, outside the timing, whether it did its work.
template <class Pregateste, class Functia, class Reusit>
void ruleaza(benchmark::State& state, Pregateste pregateste, Functia functia, Reusit reusit) {
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        Program program;
        pregateste();
        state.ResumeTiming();

        const bool ok = functia();

        state.PauseTiming();
        const bool bun = ok && reusit();
        dir.reset();
        if (!bun) {
            state.SkipWithError("the function did not do its work");
            break;
        }
        state.ResumeTiming();
    }
}

void BM_RegularizeazaFisele(benchmark::State& state) {
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    ruleaza(
        state, [&] { files::writeLines("FF1.txt", s.ff1); },
        [] { return olm::RegularizeazaFisele().efectuata; },
        [&] { return files::readLines("FF1.txt").size() == s.ff1.size(); });
    raporteaza(state, s, octeti(s.ff1));
}

void BM_PreiaAnulPrecedent(benchmark::State& state) {
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    const AnPrecedent a = anPrecedent(s);
    ruleaza(
        state,
        [&] {
            files::writeLines("Rep_2001.txt", a.rep);
            files::writeLines("FF1_2001.txt", a.ff1);
            files::writeLines("FF2_2001.txt", a.ff2);
            files::writeLines("Ded_2001.txt", a.ded);
        },
        [] { return olm::PreiaAnulPrecedent().efectuata; },
        [&] {
            return files::readLines("FF1.txt").size() == s.ff1.size() &&
                   files::readLines("Deduceri.txt").size() == s.deduceri.size();
        });
    raporteaza(state, s, octeti(a.rep) + octeti(a.ff1) + octeti(a.ff2) + octeti(a.ded));
}

void BM_UnesteDischete(benchmark::State& state) {
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    ruleaza(
        state,
        [&] {
            std::filesystem::create_directory("discheta");
            std::filesystem::current_path("discheta");
            olm::testing::writeSample(s, olm::testing::yearlyFileNames(2002));
            std::filesystem::current_path("..");
        },
        [] { return olm::UnesteDischete().stare == olm::RezultatUnire::Stare::Efectuata; },
        [&] { return files::readLines("FF1.txt").size() == s.ff1.size(); });
    raporteaza(state, s, octetiFirma(s));
}

void BM_VerificaFisiereExterne(benchmark::State& state) {
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    ruleaza(
        state, [&] { olm::testing::writeSample(s); },
        [] {
            const olm::RezultatVerificare r = olm::VerificaFisiereExterne();
            return r.eroare.empty() && !files::isEmpty("erori.txt");
        },
        [&] {
            return files::readLines("FF1.txt").size() == s.ff1.size() &&
                   files::readLines("FF2.txt").size() == s.ff2.size() &&
                   files::readLines("Deduceri.txt").size() == s.deduceri.size();
        });
    raporteaza(state, s, octetiFirma(s));
}

// The yardstick of the verification: `sort -f` over the same four files,
// in the C locale and in the locale of the environment (where folding the
// case follows the locale's rules and costs more).
void BM_SortF(benchmark::State& state, const char* mediu) {
    const SampleSet& s = sample(static_cast<std::size_t>(state.range(0)));
    const std::string comanda =
        std::string(mediu) + "sort -f Repfisc.txt FF1.txt FF2.txt Deduceri.txt -o sortat.txt";
    ruleaza(
        state, [&] { olm::testing::writeSample(s); }, [&] { return std::system(comanda.c_str()) == 0; },
        [] { return !files::isEmpty("sortat.txt"); });
    raporteaza(state, s, octetiFirma(s));
}

BENCHMARK(BM_RegularizeazaFisele)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_PreiaAnulPrecedent)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_UnesteDischete)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_VerificaFisiereExterne)->Apply(olm::bench::firmSizes);
BENCHMARK_CAPTURE(BM_SortF, C, "LC_ALL=C ")->Apply(olm::bench::firmSizes);
BENCHMARK_CAPTURE(BM_SortF, locale, "")->Apply(olm::bench::firmSizes);

} // namespace
