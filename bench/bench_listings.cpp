// Times the listings on a firm of 1,000, 10,000 and 100,000 employees,
// printing included (the viewer and the printer stand in for the real ones and
// only count): the Fisa 1 sheets ("- toate") and the Fisa 2 sheets, the
// hand-in list of all sheets and the monthly table of the Fisa 1 sheets. Each
// sheet is read, laid out and written once, and the dependants are read once
// for the whole listing: the work grows with the number of sheets. Each
// iteration runs in a fresh temporary directory whose files are written
// outside the timed region.
//
// Beside each listing, outside the timed region, a file of the listing's size
// is written and synced through the same file layer: the least any listing of
// that size can take on this disk. The counter "x_floor" is the listing's
// time (written, shown and printed) divided by that floor, both measured in
// the same run.

#include "bench_support.h"
#include "listings/fisa1_listing.h"
#include "listings/fisa2_listing.h"
#include "listings/handin_list.h"
#include "listings/monthly_table.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/text_viewer.h"
#include "shared/printing.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

using olm::bench::FreshDirectory;
using olm::testing::SampleSet;

// Prints nowhere; counts the pages and lines it was sent.
class ImprimantaNumarator : public olm::platform::Printer {
public:
    bool choosePrinter() override { return true; }
    bool begin(const olm::platform::PrintSetup&) override {
        pagini = 1;
        linii = 0;
        return true;
    }
    void printLine(const std::string&) override { ++linii; }
    void newPage() override { ++pagini; }
    void end() override {}
    void abort() override {}
    // Nothing is shown, so the job's pages are never counted.
    bool pagesDone(long, const std::function<long()>&) override { return true; }

    std::size_t pagini = 0;
    std::size_t linii = 0;
};

class VizualizatorTacut : public olm::platform::TextViewer {
public:
    void show(const std::string&) override {}
};

// What an iteration must have printed: a text saying what is wrong, or none.
using Verificare = std::function<const char*(const ImprimantaNumarator&)>;

using Ceas = std::chrono::steady_clock;

double secundeDe(Ceas::time_point inceput) { return std::chrono::duration<double>(Ceas::now() - inceput).count(); }

// The floor of a listing of `octeti` bytes: the seconds it takes to write a
// file of that size in blocks of 64 KiB and sync it, as every rewrite does.
double podea(std::uintmax_t octeti) {
    const std::string bloc(64 * 1024, 'x');
    const auto inceput = Ceas::now();
    olm::platform::files::AtomicWriter f("podea.txt");
    for (std::uintmax_t scrisi = 0; scrisi < octeti; scrisi += bloc.size()) {
        f.write(octeti - scrisi < bloc.size() ? bloc.substr(0, octeti - scrisi) : bloc);
    }
    f.commit();
    const double secunde = secundeDe(inceput);
    olm::platform::files::remove("podea.txt");
    return secunde;
}

void listare(benchmark::State& state, const char* fisier, const std::function<void()>& scrie,
             olm::Tiparire tipareste, const Verificare& verifica, std::size_t foi) {
    olm::resetState();
    olm::AnFiscal = 2002;
    olm::DeducereBaza[12] = 1600000;
    olm::TipExemplar = "angajat";
    ImprimantaNumarator imprimanta;
    VizualizatorTacut vizualizator;
    olm::platform::setPrinter(&imprimanta);
    olm::platform::setTextViewer(&vizualizator);
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    double secundeListare = 0;
    double secundePodea = 0;
    std::uintmax_t octeti = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<FreshDirectory>();
        olm::testing::writeSample(s);
        state.ResumeTiming();

        const auto inceput = Ceas::now();
        olm::ListeazaSiTipareste(fisier, scrie, tipareste);
        secundeListare += secundeDe(inceput);

        state.PauseTiming();
        octeti = std::filesystem::file_size(fisier);
        secundePodea += podea(octeti);
        dir.reset();
        if (const char* eroare = verifica(imprimanta)) {
            state.SkipWithError(eroare);
            break;
        }
        state.ResumeTiming();
    }
    olm::platform::setPrinter(nullptr);
    olm::platform::setTextViewer(nullptr);
    state.counters["sheets"] = static_cast<double>(foi);
    state.counters["pages"] = static_cast<double>(imprimanta.pagini);
    state.counters["MB"] = static_cast<double>(octeti) / 1e6;
    const double iteratii = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = 1000 * secundePodea / iteratii;
    state.counters["x_floor"] = secundeListare / secundePodea;
}

// Every sheet takes one or more whole pages.
Verificare paginiIntregi(std::size_t foi) {
    return [foi](const ImprimantaNumarator& i) -> const char* {
        if (i.pagini < foi || i.linii != i.pagini * olm::LungPagina) {
            return "the listing does not hold every sheet on whole pages";
        }
        return nullptr;
    };
}

// At least one printed row for each sheet.
Verificare unRandPeFisa(std::size_t foi) {
    return [foi](const ImprimantaNumarator& i) -> const char* {
        return i.linii < foi ? "the list does not hold a row for every sheet" : nullptr;
    };
}

const olm::Semnatar Semnatar{"popescu ion", "director economic"};

void BM_ListareFise1Toate(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    listare(state, olm::FisierListaFise1, [] { olm::ScrieFise1(olm::SelectieFise1::Toate, Semnatar); },
            olm::TiparesteFisier, paginiIntregi(s.ff1.size()), s.ff1.size());
}

void BM_ListareFise2(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    listare(state, olm::FisierListaFise2, [] { olm::ScrieFise2(Semnatar); }, olm::TiparesteFisier,
            paginiIntregi(s.ff2.size()), s.ff2.size());
}

void BM_BorderouToate(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    const std::size_t foi = s.ff1.size() + s.ff2.size();
    listare(state, olm::FisierBorderou, [] { olm::ScrieBorderou(olm::ContinutBorderou::Toate, Semnatar); },
            olm::TiparesteBorderou, unRandPeFisa(foi), foi);
}

void BM_CentralizatorLunarFise1(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    listare(state, olm::FisierListab4, [] { olm::ScrieListab4(olm::FelFisa::Fisa1, 2); }, olm::TiparesteFisier,
            unRandPeFisa(s.ff1.size()), s.ff1.size());
}

BENCHMARK(BM_ListareFise1Toate)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_ListareFise2)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_BorderouToate)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_CentralizatorLunarFise1)->Apply(olm::bench::firmSizes);

} // namespace
