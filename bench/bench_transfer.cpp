// Times the converter of DBF tables on a firm of 1,000, 10,000 and 100,000
// employees: the firm's four files written as DBF tables of our layout
// (outside the timed region), converted back into the four text files.

#include "bench_support.h"
#include "platform/files.h"
#include "shared/record_line.h"
#include "transfer/dbf_layout.h"
#include "transfer/transfer.h"

#include <benchmark/benchmark.h>
#include <shapefil.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace files = olm::platform::files;
namespace transfer = olm::transfer;

// One table of the layout holding these record lines, as another application would write it.
void scrieTabel(const transfer::TabelDbf& t, const std::vector<std::string>& linii) {
    DBFHandle h = DBFCreate(transfer::NumeTabelAnual(t, 2002).c_str());
    if (h == nullptr) {
        throw std::runtime_error("cannot create a table");
    }
    std::vector<int> coloana(t.coloane.size(), -1);
    for (std::size_t i = 0; i < t.coloane.size(); ++i) {
        const auto& c = t.coloane[i];
        if (!c.nume.empty()) {
            // Dates as text: the sample writes them dd/mm/yyyy.
            const char tip = c.fel == transfer::FelColoana::Data ? 'C' : transfer::TipSablon(c.fel);
            coloana[i] = DBFAddNativeFieldType(h, c.nume.c_str(), tip, tip == 'C' && c.latime < 10 ? 10 : c.latime,
                                               c.zecimale);
        }
    }
    int r = 0;
    for (const auto& l : linii) {
        const auto campuri = olm::taieCampuri(l, t.structura).campuri;
        for (std::size_t i = 0; i < campuri.size(); ++i) {
            if (coloana[i] >= 0) {
                DBFWriteAttributeDirectly(h, r, coloana[i], const_cast<char*>(campuri[i].c_str()));
            }
        }
        ++r;
    }
    DBFClose(h);
}

void BM_TransferaTabele(benchmark::State& state) {
    const auto& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    olm::bench::FreshDirectory dir;
    files::writeLines(transfer::FisierAn, {"2002"});
    const std::vector<std::string>* linii[] = {nullptr, &s.ff1, &s.ff2, &s.deduceri};
    const std::vector<std::string> angajator{s.repfisc};
    std::uintmax_t octeti = 0;
    for (std::size_t i = 0; i < transfer::TabeleDbf().size(); ++i) {
        const auto& t = transfer::TabeleDbf()[i];
        scrieTabel(t, linii[i] ? *linii[i] : angajator);
        octeti += std::filesystem::file_size(transfer::NumeTabelAnual(t, 2002));
    }
    for (auto _ : state) {
        if (!transfer::TransferaTabele().empty() || files::readLines("FF1.txt").size() != s.ff1.size()) {
            state.SkipWithError("the tables were not converted");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(octeti) * state.iterations());
    state.counters["employees"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_TransferaTabele)->Apply(olm::bench::firmSizes);

} // namespace
