// Times looking an employee up and opening his Fisa 1 (the lookup, the
// decision, the identity, the sheet and the dependants), and saving his
// Fisa 1 with his dependants, on a firm of 1,000, 10,000 and 100,000
// employees. The employee is the last one with a Fisa 1, so every pass reads
// its files to the end; each save rewrites the sheet file, the dependants'
// file and their yearly copies once.

#include "bench_support.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "shared/counties.h"
#include "shared/employee_lookup.h"
#include "shared/fisa1_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

namespace files = olm::platform::files;
using olm::testing::SampleSet;

// No window may open in a benchmark: a message counts and is answered OK.
class DialoguriMute : public olm::platform::Dialogs {
public:
    olm::platform::Answer message(const std::string&, const std::string&, olm::platform::Icon,
                                  olm::platform::Buttons) override {
        ++mesaje;
        return olm::platform::Answer::Ok;
    }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    int mesaje = 0;
};

// A fresh temporary working directory holding the sample, the dialogs muted.
class Firma {
public:
    explicit Firma(const SampleSet& s) {
        olm::testing::writeSample(s);
        olm::platform::setDialogs(&dialoguri);
        olm::resetState();
        olm::resetFormData();
        olm::IncarcaJudete();
        olm::AnFiscal = 2002;
    }
    ~Firma() { olm::platform::setDialogs(nullptr); }
    Firma(const Firma&) = delete;
    Firma& operator=(const Firma&) = delete;

    DialoguriMute dialoguri;

private:
    olm::bench::FreshDirectory director_;
};

const olm::testing::SampleEmployee& ultimulCuFisa1(const SampleSet& s) {
    for (auto it = s.employees.rbegin(); it != s.employees.rend(); ++it) {
        if (it->fisa1) {
            return *it;
        }
    }
    throw std::runtime_error("the sample has no Fisa 1");
}

// The lookup and the opening the decision dialog runs for "Modific Fisa 1".
void deschide(const std::string& cod) {
    olm::CodAngajat = cod;
    olm::CautaFiseAngajat();
    olm::ModIncarcare = olm::FiseAngajat == "F1F2" ? 3 : 1;
    olm::DeschideFisa();
}

void BM_CautaSiDeschideFisa1(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    const auto& angajat = ultimulCuFisa1(s);
    Firma firma(s);
    for (auto _ : state) {
        deschide(angajat.code);
    }
    if (olm::AngajatFisaII.NumeS != angajat.surname || olm::NrPersoane != angajat.dependants ||
        firma.dialoguri.mesaje != 0) {
        state.SkipWithError("the employee was not loaded as stored");
    }
    state.counters["sheets"] = static_cast<double>(s.ff1.size() + s.ff2.size());
}

void BM_SalveazaFisa1(benchmark::State& state) {
    const SampleSet& s = olm::bench::sample(static_cast<std::size_t>(state.range(0)));
    const auto& angajat = ultimulCuFisa1(s);
    Firma firma(s);
    deschide(angajat.code);
    for (auto _ : state) {
        if (!olm::SalveazaFisa1()) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    // His line replaced in its place, nobody else's touched, the copy alike.
    const auto ff1 = files::readLines("FF1.txt");
    const auto pozitie = static_cast<std::size_t>(olm::PozitiiFisa[1]);
    bool intacte = ff1.size() == s.ff1.size() && pozitie >= 1 && pozitie <= ff1.size() &&
                   ff1[pozitie - 1].starts_with(angajat.code + ",") &&
                   files::readLines("FF1_2002.txt") == ff1 &&
                   files::readLines("Deduceri.txt").size() == s.deduceri.size();
    for (std::size_t i = 0; intacte && i < ff1.size(); ++i) {
        intacte = i == pozitie - 1 || ff1[i] == s.ff1[i];
    }
    if (!intacte) {
        state.SkipWithError("the files do not hold what the save should leave");
    }
    state.counters["lines"] = static_cast<double>(s.ff1.size() + s.deduceri.size());
}

BENCHMARK(BM_CautaSiDeschideFisa1)->Apply(olm::bench::firmSizes);
BENCHMARK(BM_SalveazaFisa1)->Apply(olm::bench::firmSizes);

} // namespace
