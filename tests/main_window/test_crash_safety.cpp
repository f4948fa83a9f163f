// The yearly files across crashes: a child process saves sheets, confirms the
// employer, empties the files after a backup, exits and starts again, and is
// killed (SIGKILL) at random moments. After each kill a restart must find every
// confirmed change (and the one cut short, whole or not at all), every line in
// its record's shape, no sheet with another version's dependants, the yearly
// copies equal to the working files and last year's copies untouched; and a
// restore from the backup folder the last backup or the one cut short, no mix.

#include "main_window/startup.h"
#include "platform/files.h"
#include "shared/backup.h"
#include "shared/employer_record.h"
#include "shared/record_shape.h"
#include "shared/sheet_records.h"
#include "shared/state.h"
#include "support/crash_worker/crash_plan.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/tiny_disk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
namespace files = olm::platform::files;
namespace crash = olm::testing::crash;
using olm::testing::readBytes;

constexpr int kKills = 200;
constexpr auto kTimeBound = std::chrono::seconds(40);

// What the working files hold: each sheet's version (-1 the firm's own line),
// the employer's (-1 the firm's own, 0 none), whether Fisa 2 is the firm's.
struct Model {
    std::map<std::string, long> sheets;
    long employer = -1;
    bool ff2 = true;
    bool operator==(const Model&) const = default;

    Model after(const std::string& op) const {
        Model m = *this;
        std::istringstream in(op);
        std::string kind, code;
        in >> kind;
        if (kind == "F1") {
            in >> code >> m.sheets[code];
        } else if (kind == "D1" && in >> code) {
            m.sheets.erase(code);
        } else if (kind == "E") {
            in >> m.employer;
        } else if (kind == "S" && employer != 0) {
            m = Model{{}, 0, false};
        }
        return m;
    }
};

std::string key(const std::string& line) { return line.substr(0, line.find(',')); }

struct Firm {
    olm::testing::SampleSet sample = crash::firm();
    std::map<std::string, std::string> sheets;
    mutable std::map<std::string, std::vector<std::string>> dependants;
    Model model;

    Firm() {
        for (const auto& l : sample.ff1) {
            sheets[key(l)] = l;
            model.sheets[key(l)] = -1;
        }
        for (const auto& l : sample.deduceri) {
            dependants[key(l)].push_back(l);
        }
    }

    // The working files read back as a model; an error for a line out of
    // shape or a sheet whose dependants are not its own.
    std::string observe(Model& m) const {
        std::map<std::string, std::vector<std::string>> deps;
        for (const auto& l : files::readLines("Deduceri.txt")) {
            deps[key(l)].push_back(l);
            if (!olm::VerificaStructura(l, olm::SablonDeduceri)) {
                return "out of shape: " + l;
            }
        }
        for (const auto& l : files::readLines("FF1.txt")) {
            const std::string c = key(l);
            const std::vector<std::string> raw = deps[c];
            deps.erase(c);
            const bool firms = sheets.count(c) && l == sheets.at(c) && raw == dependants.insert({c, {}}).first->second;
            const long v = std::atol(olm::citesteLinieFf1(l).record.VenitN[0].c_str());
            std::vector<std::string> names;
            for (const auto& d : raw) {
                names.push_back(olm::citesteLinieDeduceri(d).record.Nume);
            }
            if (!olm::VerificaStructura(l, olm::SablonFf1) || m.sheets.count(c) ||
                (!firms && names != std::vector<std::string>(crash::dependantsOf(v), crash::dependantName(v)))) {
                return "the sheet of " + c + " is out of shape, twice, or has other dependants";
            }
            m.sheets[c] = firms ? -1 : v;
        }
        const auto rep = files::readLines("Repfisc.txt");
        const std::string name = rep.empty() ? "" : olm::citesteLinieRepfisc(rep[0]).Denumire;
        m.employer = rep.empty() ? 0 : name == olm::citesteLinieRepfisc(sample.repfisc).Denumire ? -1
                                                                                                 : std::atol(name.c_str() + 7);
        m.ff2 = !files::isEmpty("FF2.txt");
        if (!deps.empty() || (m.ff2 && readBytes("FF2.txt") != olm::testing::crlf(sample.ff2)) ||
            (!rep.empty() && !olm::VerificaStructura(rep[0], olm::SablonRepfisc))) {
            return "dependants without a sheet, Fisa 2 or the employer damaged";
        }
        return "";
    }
};

// The changes a child confirmed, and the one it was killed in.
struct Log {
    std::vector<std::string> done;
    std::optional<std::string> pending;
    bool started = false;
};

Log readLog(const std::string& name) {
    Log log;
    for (const auto& line : files::readLines(name)) {
        log.started |= line == "P";
        if (line.rfind("B ", 0) == 0) {
            log.pending = line.substr(2);
        } else if (line == "D" || line == "N") {
            if (line == "D") {
                log.done.push_back(*log.pending);
            }
            log.pending.reset();
        }
    }
    return log;
}

TEST(CrashSafety, KilledAtRandomMomentsTheYearlyFilesLoseNothing) {
    // A kill loses nothing the kernel holds, synced or not: a memory disk,
    // where one can be had, gives the same crashes many times faster.
    olm::testing::TinyDisk memory(64 * 1024);
    fs::create_directory("lucru");
    fs::current_path("lucru");
    const Firm firm;
    olm::testing::writeBytes("Cuantum.txt", "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
    olm::testing::writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
    olm::testing::writeBytes(".olm-an", "lucru=2001\r\n");
    olm::testing::SampleOptions o;
    o.seed = 5;
    const auto old = olm::testing::generateSample(25, o);
    const std::string sets[][2] = {{"Repfisc.txt", "Rep"}, {"FF1.txt", "FF1"}, {"FF2.txt", "FF2"}, {"Deduceri.txt", "Ded"}};
    for (const auto& [year, s] : {std::pair{std::string("2001"), old}, {"2002", firm.sample}}) {
        const std::vector<std::string> lines[] = {{s.repfisc}, s.ff1, s.ff2, s.deduceri};
        for (int i = 0; i < 4; ++i) {
            files::writeLines(sets[i][1] + "_" + year + ".txt", lines[i]);
            if (year == "2001") {
                files::writeLines(sets[i][0], lines[i]);
            }
        }
    }
    std::map<std::string, std::string> lastYear;
    for (const auto& set : sets) {
        lastYear[set[1]] = readBytes(set[1] + "_2001.txt");
    }

    Model model = firm.model;
    std::optional<Model> backup; // what the last backup holds
    const std::string code = olm::citesteLinieRepfisc(firm.sample.repfisc).CodAngajator;
    int restores = 0, newer = 0;
    std::mt19937_64 random(42);
    const auto begin = std::chrono::steady_clock::now();
    int kills = 0, confirmed = 0, whole = 0, cut = 0, renames = 0, removed = 0, early = 0;
    for (; kills < kKills && std::chrono::steady_clock::now() - begin < kTimeBound; ++kills) {
        const std::string log = olm::testing::workDir() + "/log-" + std::to_string(kills);
        const std::string dir = fs::current_path().string(), seed = std::to_string(kills + 1);
        const char* argv[] = {OLM_CRASH_WORKER, dir.c_str(), log.c_str(), seed.c_str(), nullptr};
        pid_t child = 0;
        ASSERT_EQ(::posix_spawn(&child, OLM_CRASH_WORKER, nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        // Half the kills count from the end of the start, slow on a busy machine.
        for (int waited = 0; kills % 2 == 1 && waited < 5000 && readBytes(log).find("\nP\n") == std::string::npos; ++waited) {
            ::usleep(1000);
        }
        ::usleep(static_cast<useconds_t>(1000 + random() % 60000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << readBytes(log);
        const Log l = readLog(log);
        early += l.started ? 0 : 1;

        olm::resetState();
        olm::platform::InstanceLock lock;
        const olm::RezultatPornire r = olm::PornesteLucrul(lock);
        ASSERT_TRUE(r.stare == olm::StarePornire::Pornit && r.mesaj.empty()) << "kill " << kills << ": " << r.mesaj;
        renames += r.renumiriReluate;
        removed += r.temporareSterse;
        for (const auto& op : l.done) {
            if (op == "S" && model.employer != 0) {
                backup = model;
            }
            model = model.after(op);
        }
        // A backup cut short holds the files as they were when it began, or nothing new.
        const std::optional<Model> begun = l.pending == "S" && model.employer != 0 ? std::optional(model) : std::nullopt;
        confirmed += static_cast<int>(l.done.size());
        Model found;
        ASSERT_EQ(firm.observe(found), "") << "kill " << kills;
        const bool landed = l.pending && found != model && found == model.after(*l.pending);
        ASSERT_TRUE(found == model || landed) << "kill " << kills << ", log " << log;
        model = found;
        whole += landed ? 1 : 0;
        cut += l.pending ? 1 : 0;
        for (const auto& set : sets) {
            ASSERT_TRUE(files::sameBytes(set[0], set[1] + "_2002.txt")) << set[0];
            ASSERT_EQ(readBytes(set[1] + "_2001.txt"), lastYear[set[1]]) << set[1];
        }

        if (files::directoryHasFiles(olm::subdirectorSalvare(code))) {
            std::map<std::string, std::string> before;
            for (const auto& set : sets) {
                before[set[0]] = readBytes(set[0]);
                before[set[1] + "_2002.txt"] = readBytes(set[1] + "_2002.txt");
            }
            olm::testing::fakeDialogs().answerInput(code);
            ASSERT_TRUE(olm::RestaurareDate()) << olm::testing::fakeDialogs().texts().back();
            Model restored;
            ASSERT_EQ(firm.observe(restored), "") << "kill " << kills << ": the backup is a mix";
            ASSERT_TRUE(restored == backup || restored == begun) << "kill " << kills << ": another backup";
            newer += restored != backup ? 1 : 0;
            backup = restored;
            ++restores;
            for (const auto& [name, bytes] : before) {
                olm::testing::writeBytes(name, bytes);
            }
        }

        // The clerk ends the program normally; the next child starts from there.
        ASSERT_EQ(olm::TerminaLucrul(), "");
        ASSERT_EQ(readBytes("FF1.txt"), lastYear["FF1"]);
    }
    fs::current_path(olm::testing::workDir());
    std::cout << "crash test: " << kills << " kills (" << early << " during the start), " << confirmed
              << " changes confirmed and found, " << cut << " cut short (" << whole << " whole, " << cut - whole
              << " not at all), " << renames << " renames finished and " << removed
              << " scratch files removed at restart; " << restores << " restores from the backup folder, "
              << newer << " of them from a backup cut short" << std::endl;
    EXPECT_GE(kills, 20) << "too few kills within the time bound";
}

} // namespace
