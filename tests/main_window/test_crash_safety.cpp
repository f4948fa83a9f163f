// The yearly files across crashes: a child process saves sheets, confirms the
// employer, empties the files after a backup and exits and starts again, and
// is killed (SIGKILL) at random moments. After each kill a restart must find
// every confirmed change, at most the one cut short besides, every line of
// every data file in its record's shape, no sheet with another version's
// dependants, the yearly copies equal to the working files, and last year's
// copies untouched.

#include "main_window/startup.h"
#include "platform/files.h"
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
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
namespace files = olm::platform::files;
namespace crash = olm::testing::crash;
using olm::testing::crlf;
using olm::testing::readBytes;

constexpr int kKills = 200;
constexpr auto kTimeBound = std::chrono::seconds(40);
constexpr unsigned kLongestWait = 60000; // microseconds before the kill

const std::string kCuantum =
    "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n";

// What the files must hold: each employee's sheet version (-1 the firm's own
// line; no entry, no sheet), the employer's version (-1 the firm's own, 0 an
// empty file), and whether the Fisa 2 file is still the firm's.
struct Model {
    std::map<std::string, long> sheets;
    long employer = -1;
    bool ff2 = true;

    void apply(const std::string& op) {
        std::istringstream in(op);
        std::string kind, code;
        long version = 0;
        in >> kind;
        if (kind == "F1") {
            in >> code >> version;
            sheets[code] = version;
        } else if (kind == "D1") {
            in >> code;
            sheets.erase(code);
        } else if (kind == "E") {
            in >> employer;
        } else if (kind == "S" && employer != 0) {
            sheets.clear();
            employer = 0;
            ff2 = false;
        }
    }
};

std::string code(const std::string& line) { return line.substr(0, line.find(',')); }

class Firm {
public:
    Firm() : firm_(crash::firm()) {
        for (const auto& l : firm_.ff1) {
            ff1_[code(l)] = l;
            model_.sheets[code(l)] = -1;
        }
        for (const auto& l : firm_.deduceri) {
            dependants_[code(l)].push_back(l);
        }
    }
    const olm::testing::SampleSet& sample() const { return firm_; }
    const Model& initial() const { return model_; }

    // Why the working files do not hold what the model says; empty when they do.
    std::string mismatch(const Model& m) const {
        std::map<std::string, std::string> sheets;
        for (const auto& l : files::readLines("FF1.txt")) {
            if (!olm::VerificaStructura(l, olm::SablonFf1)) {
                return "FF1.txt holds a line of another shape: " + l;
            }
            if (!sheets.emplace(code(l), l).second) {
                return "two sheets of " + code(l);
            }
        }
        std::map<std::string, std::vector<std::string>> deps;
        for (const auto& l : files::readLines("Deduceri.txt")) {
            if (!olm::VerificaStructura(l, olm::SablonDeduceri)) {
                return "Deduceri.txt holds a line of another shape: " + l;
            }
            deps[code(l)].push_back(l);
        }
        if (sheets.size() != m.sheets.size()) {
            return std::to_string(sheets.size()) + " sheets instead of " + std::to_string(m.sheets.size());
        }
        for (const auto& [c, version] : m.sheets) {
            auto it = sheets.find(c);
            if (it == sheets.end()) {
                return "the sheet of " + c + " is missing";
            }
            std::vector<std::string> own = deps[c];
            deps.erase(c);
            if (version == -1) {
                auto expected = dependants_.count(c) ? dependants_.at(c) : std::vector<std::string>{};
                if (it->second != ff1_.at(c) || own != expected) {
                    return "the firm's sheet of " + c + " or its dependants changed";
                }
                continue;
            }
            if (olm::citesteLinieFf1(it->second).record.VenitN[0] != std::to_string(version)) {
                return "the sheet of " + c + " is not version " + std::to_string(version);
            }
            if (static_cast<int>(own.size()) != crash::dependantsOf(version)) {
                return "the sheet of " + c + " has " + std::to_string(own.size()) + " dependants";
            }
            for (const auto& d : own) {
                if (olm::citesteLinieDeduceri(d).record.Nume != crash::dependantName(version)) {
                    return "the sheet of " + c + " has another version's dependant: " + d;
                }
            }
        }
        if (!deps.empty()) {
            return "dependants without a sheet: " + deps.begin()->first;
        }
        if (readBytes("FF2.txt") != (m.ff2 ? crlf(firm_.ff2) : "")) {
            return "FF2.txt changed";
        }
        const auto rep = files::readLines("Repfisc.txt");
        if (m.employer == 0 ? !rep.empty()
                            : rep.size() != 1 || !olm::VerificaStructura(rep[0], olm::SablonRepfisc) ||
                                  olm::citesteLinieRepfisc(rep[0]).Denumire !=
                                      (m.employer == -1 ? olm::citesteLinieRepfisc(firm_.repfisc).Denumire
                                                        : crash::employerName(m.employer))) {
            return "the employer is not the one confirmed last";
        }
        return "";
    }

private:
    olm::testing::SampleSet firm_;
    std::map<std::string, std::string> ff1_;
    std::map<std::string, std::vector<std::string>> dependants_;
    Model model_;
};

// The confirmed operations of a child's log, and the one it was killed in.
struct Log {
    std::vector<std::string> done;
    std::optional<std::string> pending;
    std::string refused;
    bool started = false;
};

Log readLog(const std::string& name) {
    Log log;
    for (const auto& line : files::readLines(name)) {
        if (line == "P") {
            log.started = true;
        } else if (line.rfind("B ", 0) == 0) {
            log.pending = line.substr(2);
        } else if (line == "D" || line == "N") {
            if (line == "D") {
                log.done.push_back(*log.pending);
            }
            log.pending.reset();
        } else {
            log.refused = line;
        }
    }
    return log;
}

void writeSet(const std::vector<std::string>& ff1, const std::vector<std::string>& ff2,
              const std::vector<std::string>& ded, const std::string& rep, const std::string& year) {
    const std::string suffix = year.empty() ? "" : "_" + year;
    files::writeLines(year.empty() ? "FF1.txt" : "FF1" + suffix + ".txt", ff1);
    files::writeLines(year.empty() ? "FF2.txt" : "FF2" + suffix + ".txt", ff2);
    files::writeLines(year.empty() ? "Deduceri.txt" : "Ded" + suffix + ".txt", ded);
    files::writeLines(year.empty() ? "Repfisc.txt" : "Rep" + suffix + ".txt", {rep});
}

std::vector<std::string> leftovers() {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(".")) {
        const std::string n = e.path().filename().string();
        if (n.rfind(".olm-tmp-", 0) == 0 || n == ".olm-jurnal") {
            found.push_back(e.path().string());
        }
    }
    return found;
}

TEST(CrashSafety, KilledAtRandomMomentsTheYearlyFilesLoseNothing) {
    const Firm firm;
    // A kill loses nothing that the kernel holds, synced or not: a memory
    // disk, where one can be had, gives the same crashes many times faster.
    std::optional<olm::testing::TinyDisk> memory;
    if (olm::testing::TinyDisk::unavailable().empty()) {
        memory.emplace(64 * 1024);
    }
    fs::create_directory("lucru");
    fs::current_path("lucru");
    olm::testing::writeBytes("Cuantum.txt", kCuantum);
    olm::testing::writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
    olm::testing::writeBytes(".olm-an", "lucru=2001\r\n");
    olm::testing::SampleOptions lastYear;
    lastYear.seed = 5;
    lastYear.year = 2001;
    const auto old = olm::testing::generateSample(25, lastYear);
    writeSet(old.ff1, old.ff2, old.deduceri, old.repfisc, "");
    writeSet(old.ff1, old.ff2, old.deduceri, old.repfisc, "2001");
    const auto& s = firm.sample();
    writeSet(s.ff1, s.ff2, s.deduceri, s.repfisc, "2002");
    const std::vector<std::pair<std::string, std::string>> sets = {
        {"Repfisc.txt", "Rep"}, {"FF1.txt", "FF1"}, {"FF2.txt", "FF2"}, {"Deduceri.txt", "Ded"}};
    std::map<std::string, std::string> lastYearBytes;
    for (const auto& [working, prefix] : sets) {
        lastYearBytes[prefix] = readBytes(prefix + "_2001.txt");
    }

    Model model = firm.initial();
    std::mt19937_64 random(42);
    const auto begin = std::chrono::steady_clock::now();
    int kills = 0, confirmed = 0, landed = 0, notLanded = 0, renames = 0, removed = 0, unstarted = 0;
    for (; kills < kKills && std::chrono::steady_clock::now() - begin < kTimeBound; ++kills) {
        const std::string log = olm::testing::workDir() + "/log-" + std::to_string(kills) + ".txt";
        const std::string dir = fs::current_path().string();
        const std::string seed = std::to_string(kills + 1);
        const char* argv[] = {OLM_CRASH_WORKER, dir.c_str(), log.c_str(), seed.c_str(), nullptr};
        pid_t child = 0;
        ASSERT_EQ(::posix_spawn(&child, OLM_CRASH_WORKER, nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        ::usleep(static_cast<useconds_t>(1000 + random() % kLongestWait));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const Log l = readLog(log);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << l.refused;
        unstarted += l.started ? 0 : 1;

        // The restart.
        olm::resetState();
        olm::platform::InstanceLock lock;
        const olm::RezultatPornire r = olm::PornesteLucrul(lock);
        ASSERT_EQ(r.stare, olm::StarePornire::Pornit) << "kill " << kills << ": " << r.mesaj;
        ASSERT_EQ(r.mesaj, "") << "kill " << kills;
        renames += r.renumiriReluate;
        removed += r.temporareSterse;
        ASSERT_EQ(leftovers(), std::vector<std::string>{});
        ASSERT_EQ(readBytes(".olm-an"), "lucru=2002\r\n");

        for (const auto& op : l.done) {
            model.apply(op);
        }
        confirmed += static_cast<int>(l.done.size());
        std::string why = firm.mismatch(model);
        if (!why.empty() && l.pending) {
            Model cut = model;
            cut.apply(*l.pending);
            const std::string whyCut = firm.mismatch(cut);
            if (whyCut.empty()) {
                model = cut;
                ++landed;
            }
            why = whyCut.empty() ? "" : why + " / with \"" + *l.pending + "\": " + whyCut;
        } else if (l.pending) {
            ++notLanded;
        }
        ASSERT_EQ(why, "") << "kill " << kills << ", log " << log;
        for (const auto& [working, prefix] : sets) {
            ASSERT_TRUE(files::sameBytes(working, prefix + "_2002.txt")) << working;
            ASSERT_EQ(readBytes(prefix + "_2001.txt"), lastYearBytes[prefix]) << prefix;
        }

        // The clerk ends the program normally; the next child starts from there.
        ASSERT_EQ(olm::TerminaLucrul(), "");
        lock.release();
        ASSERT_EQ(readBytes(".olm-an"), "lucru=2001\r\n");
        ASSERT_EQ(readBytes("FF1.txt"), lastYearBytes["FF1"]);
    }
    fs::current_path(olm::testing::workDir());
    std::cout << "crash test: " << kills << " kills (" << unstarted << " before the start was done), "
              << confirmed << " changes confirmed and found, " << landed + notLanded << " cut short ("
              << landed << " whole, " << notLanded << " not at all), " << renames
              << " renames finished at restart, " << removed << " scratch files removed" << std::endl;
    EXPECT_GE(kills, 20) << "too few kills within the time bound";
    EXPECT_GT(confirmed, 0);
}

} // namespace
