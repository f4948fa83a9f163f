// The child of the crash test: it starts the work on a working directory,
// then runs random Fisa 1 saves and deletions, employer confirmations, backups
// that empty the files, and exits followed by starts, until it is killed. It
// logs "B <operation>" before each one and "D" (done) or "N" (nothing to do)
// after it; anything else it logs ("X <why>") is a failure.
//
//   olm_crash_worker <working directory> <log file> <seed>

#include "main_window/startup.h"
#include "platform/dialogs.h"
#include "shared/backup.h"
#include "shared/dependants.h"
#include "shared/employer_record.h"
#include "shared/fisa1_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/crash_worker/crash_plan.h"

#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <unistd.h>

using namespace olm;

namespace {

// The clerk answers Yes: the files are emptied after each backup.
struct Yes : platform::Dialogs {
    platform::Answer message(const std::string&, const std::string&, platform::Icon, platform::Buttons b) override {
        return b == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override { return {}; }
};

int logFd = -1;

void log(const std::string& line, bool ok = true) {
    const std::string l = (ok ? line : "X " + line) + "\n";
    if (::write(logFd, l.data(), l.size()) != static_cast<ssize_t>(l.size()) || !ok) {
        std::_Exit(4);
    }
}

void start(platform::InstanceLock& lock) {
    const RezultatPornire r = PornesteLucrul(lock);
    log("start: " + r.mesaj, r.stare == StarePornire::Pornit && r.mesaj.empty());
}

void saveSheet(const std::string& code, long version) {
    CodAngajat = AngajatFisaII.CodS = code;
    AngajatFisaII.NumeS = "NUME";
    Fisa1Date = FormaFisa1{};
    Fisa1Date.VenitN[0] = std::to_string(version);
    GolesteRegistrul();
    for (NrPersoane = 0; NrPersoane < testing::crash::dependantsOf(version);) {
        auto& row = TabelPersoane[static_cast<std::size_t>(++NrPersoane)];
        row[1] = std::to_string(1000000000000LL + NrPersoane);
        row[2] = testing::crash::dependantName(version);
        row[10] = "0.5";
    }
    const Rezultat r = SalveazaFisa1();
    log(r ? "D" : r.eroare, r.ok());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || ::chdir(argv[1]) != 0 || (logFd = ::open(argv[2], O_WRONLY | O_CREAT | O_APPEND, 0666)) < 0) {
        return 2;
    }
    Yes yes;
    platform::setDialogs(&yes);
    platform::InstanceLock lock;
    start(lock);
    log("P");
    const auto firm = testing::crash::firm();
    const auto codes = testing::crash::codes(firm);
    const long seed = std::atol(argv[3]);
    std::mt19937_64 random(static_cast<std::uint64_t>(seed));
    for (long version = seed * 100000 + 1;; ++version) {
        const std::string& code = codes[random() % codes.size()];
        const unsigned pick = static_cast<unsigned>(random() % 100);
        if (pick < 55) {
            log("B F1 " + code + " " + std::to_string(version));
            saveSheet(code, version);
        } else if (pick < 65) {
            log("B D1 " + code);
            CodAngajat = code;
            log("D", StergeFisa1().ok());
        } else if (pick < 80) {
            log("B E " + std::to_string(version));
            AngajatorFisaI = citesteLinieRepfisc(firm.repfisc);
            AngajatorFisaI.Denumire = testing::crash::employerName(version);
            TipAngajator = 1;
            log("D", SalveazaRepfisc().ok());
        } else if (pick < 90) {
            log("B S");
            log(SalvareDate() ? "D" : "N");
        } else {
            log("B C");
            const std::string exit = TerminaLucrul();
            log("exit: " + exit, exit.empty());
            start(lock);
            log("D");
        }
    }
}
