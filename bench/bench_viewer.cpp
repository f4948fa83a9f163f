// Times opening the text viewer on the Fisa 1 listing of every sheet
// ("- toate") of a firm of 1,000, 10,000 and 100,000 employees: from the call
// that shows it to its first page drawn, and the memory the open viewer takes
// (growth of the resident set). The listing is written once per size, before
// the timing; its write time is printed beside, for comparison. The viewer
// runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include "bench_qt.h"
#include "listings/fisa1_listing.h"
#include "platform/text_view.h"
#include "platform/text_viewer.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

double residentMegabytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

olm::platform::TextView* openViewer() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<olm::platform::TextView*>(w); view != nullptr && view->isVisible()) {
            return view;
        }
    }
    return nullptr;
}

void closeViewer(olm::platform::TextView* view) {
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The application the viewer needs, made once, with the fonts already loaded
// by a first viewer, as they are in the running program.
void ensureApplication() {
    static bool warm = false;
    if (warm) {
        return;
    }
    warm = true;
    olm::bench::ensureQtApplication();
    olm::bench::FreshDirectory dir;
    QFile f(QStringLiteral("a.txt"));
    if (f.open(QIODevice::WriteOnly)) {
        f.write("o linie\r\n");
        f.close();
    }
    olm::platform::textViewer().show("a.txt");
    if (auto* view = openViewer()) {
        view->grab();
        closeViewer(view);
    }
}

void BM_VizualizareListaFise1Toate(benchmark::State& state) {
    ensureApplication();
    olm::bench::FreshDirectory dir;
    olm::bench::writeFirmForFisa1Listing(static_cast<std::size_t>(state.range(0)));
    const auto written = Clock::now();
    olm::ScrieFise1(olm::SelectieFise1::Toate, olm::Semnatar{"popescu ion", "director economic"});
    const double writeSeconds = seconds(written);

    double growth = 0;
    std::size_t lines = 0;
    double fileBytes = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        const auto opened = Clock::now();
        olm::platform::textViewer().show(olm::FisierListaFise1);
        olm::platform::TextView* view = openViewer();
        if (view == nullptr) {
            state.SkipWithError("the viewer did not open");
            break;
        }
        view->viewport()->grab(); // the first page drawn
        state.SetIterationTime(seconds(opened));
        growth = std::max(growth, residentMegabytes() - before);
        lines = view->text().lineCount();
        fileBytes = static_cast<double>(view->text().size());
        closeViewer(view);
    }
    state.counters["write_s"] = writeSeconds;
    state.counters["rss_MB"] = growth;
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["file_MB"] = fileBytes / (1024.0 * 1024.0);
}

BENCHMARK(BM_VizualizareListaFise1Toate)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace
