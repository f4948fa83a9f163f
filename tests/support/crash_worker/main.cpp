// The child of the crash test: it starts the program's work on a working
// directory and then runs, for ever, random Fisa 1 saves and deletions,
// employer confirmations, backups that empty the working files, and exits
// followed by new starts, until the test kills it. Before each operation it
// logs "B <operation>", after it "D" (done), "N" (done, nothing to change) or
// "X <why>" (refused), so that the test knows which changes were confirmed and
// which one may have been cut short.
//
//   olm_crash_worker <working directory> <log file> <seed>

#include "main_window/startup.h"
#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "shared/backup.h"
#include "shared/dependants.h"
#include "shared/employer_record.h"
#include "shared/fisa1_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/crash_worker/crash_plan.h"
#include "support/sample_data.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace olm;

// The clerk says Yes to every question (empty the files after a backup).
class Yes : public platform::Dialogs {
public:
    platform::Answer message(const std::string&, const std::string&, platform::Icon,
                             platform::Buttons b) override {
        return b == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

int logFd = -1;

void log(const std::string& line) {
    const std::string l = line + "\n";
    if (::write(logFd, l.data(), l.size()) != static_cast<ssize_t>(l.size())) {
        std::_Exit(5);
    }
}

[[noreturn]] void fail(const std::string& why) {
    log("X " + why);
    std::_Exit(4);
}

void end(const Rezultat& r) {
    if (!r) {
        fail(r.eroare);
    }
    log("D");
}

void fillSheet(const std::string& code, long version) {
    CodAngajat = code;
    AngajatFisaII = FormaFisaII{};
    AngajatFisaII.CodS = code;
    AngajatFisaII.NumeS = "NUME";
    AngajatFisaII.PrenS = "PRENUME";
    AngajatFisaII.AdrS[0] = "IASI";
    AngajatFisaII.JudS = "IASI";
    Fisa1Date = FormaFisa1{};
    Fisa1Date.VenitN[0] = std::to_string(version);
    GolesteRegistrul();
    NrPersoane = testing::crash::dependantsOf(version);
    for (int r = 1; r <= NrPersoane; ++r) {
        auto& row = TabelPersoane[static_cast<std::size_t>(r)];
        row[1] = std::to_string(1000000000000LL + r);
        row[2] = testing::crash::dependantName(version);
        row[3] = "P";
        row[5] = "X";
        row[10] = "0.5";
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || ::chdir(argv[1]) != 0) {
        return 2;
    }
    logFd = ::open(argv[2], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (logFd < 0) {
        return 2;
    }
    const long seed = std::atol(argv[3]);
    Yes yes;
    platform::setDialogs(&yes);
    resetState();
    resetFormData();

    platform::InstanceLock lock;
    const RezultatPornire start = PornesteLucrul(lock);
    if (start.stare != StarePornire::Pornit || !start.mesaj.empty()) {
        fail("start: " + start.mesaj);
    }
    log("P"); // started

    const testing::SampleSet firm = testing::crash::firm();
    const std::vector<std::string> codes = testing::crash::codes(firm);
    std::mt19937_64 random(static_cast<std::uint64_t>(seed));
    for (long k = 1;; ++k) {
        const long version = seed * 100000 + k;
        const std::string& code = codes[random() % codes.size()];
        const unsigned pick = static_cast<unsigned>(random() % 100);
        if (pick < 55) {
            log("B F1 " + code + " " + std::to_string(version));
            fillSheet(code, version);
            end(SalveazaFisa1());
        } else if (pick < 65) {
            log("B D1 " + code);
            CodAngajat = code;
            end(StergeFisa1());
        } else if (pick < 80) {
            log("B E " + std::to_string(version));
            AngajatorFisaI = citesteLinieRepfisc(firm.repfisc);
            AngajatorFisaI.Denumire = testing::crash::employerName(version);
            TipAngajator = 1;
            try {
                SalveazaRepfisc();
            } catch (const platform::FileError& e) {
                fail(e.what());
            }
            log("D");
        } else if (pick < 85) {
            log("B S");
            log(SalvareDate() ? "D" : "N");
        } else {
            log("B C");
            const std::string exit = TerminaLucrul();
            if (!exit.empty()) {
                fail("exit: " + exit);
            }
            const RezultatPornire again = PornesteLucrul(lock);
            if (again.stare != StarePornire::Pornit || !again.mesaj.empty()) {
                fail("start: " + again.mesaj);
            }
            log("D");
        }
    }
}
