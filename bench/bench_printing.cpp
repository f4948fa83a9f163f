// Times the printing of the Fisa 1 listing ("- toate") of a firm of 1,000
// employees to a PDF file (OLM_PRINT_TO_PDF), through the real printer on Qt's
// offscreen platform: the pages are read from the listing file and painted a
// batch at a time. The listing is written outside the timed region; each
// line gives the pages printed a second.

#include "bench_qt.h"
#include "listings/fisa1_listing.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "shared/printing.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_TiparireListF1Pdf(benchmark::State& state) {
    olm::bench::ensureQtApplication();
    olm::bench::FreshDirectory dir;
    olm::bench::writeFirmForFisa1Listing(static_cast<std::size_t>(state.range(0)));
    olm::ScrieFise1(olm::SelectieFise1::Toate, {"popescu ion", "director economic"});
    const auto lines = olm::platform::files::countLines(olm::FisierListaFise1);
    const std::string pdf = (std::filesystem::current_path() / "ListF1.pdf").string();
    qputenv("OLM_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    olm::platform::setPrinter(nullptr);
    for (auto _ : state) {
        olm::TiparesteFisier(olm::FisierListaFise1);
    }
    qunsetenv("OLM_PRINT_TO_PDF");
    const auto pages = static_cast<double>((lines + olm::LungPagina - 1) / olm::LungPagina);
    if (!std::filesystem::exists(pdf)) {
        state.SkipWithError("no PDF was written");
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_second"] =
        benchmark::Counter(pages * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pdf_MB"] = static_cast<double>(std::filesystem::file_size(pdf)) / 1e6;
}

BENCHMARK(BM_TiparireListF1Pdf)->Arg(1'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
