// The program itself, ended as a log-out or a shutdown ends it: the exit
// steps run, the yearly copies are written and the lock is released.

#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using olm::testing::readBytes;
using olm::testing::writeBytes;

// Waits until the condition holds, 20 seconds at most.
template <typename F>
bool waitFor(F condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Ended by the system, the program runs its exit steps and releases the lock.
// A start refused after the lock was taken ends it too, at the clerk's OK
// (here a log-out, which the test can give): the lock goes with it, or another
// computer sharing the directory would take it for a running program.
TEST(Signals, SigtermAndSighupRunTheExitStepsAndReleaseTheLock) {
    const std::string cuantum = "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n";
    const struct {
        const char* nume;
        int signal;
        std::string cuantum;
        bool refuzat = false; // the start refused
    } randuri[] = {
        {"SIGTERM", SIGTERM, cuantum},
        {"SIGHUP", SIGHUP, cuantum},
        {"a damaged Cuantum.txt", SIGTERM, "02,3,31\r\neof\r\n", true},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        const std::string dir = olm::testing::workDir() + "/lucru-" + std::to_string(&r - randuri);
        std::filesystem::create_directory(dir);
        std::filesystem::current_path(dir);
        writeBytes("Cuantum.txt", r.cuantum);
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
        writeBytes("FF1.txt", "last year\r\n");
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(OLM_PROGRAM, OLM_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Started: the working files swapped, or the lock taken and the refusal shown.
        ASSERT_TRUE(waitFor([&] {
            return r.refuzat ? std::filesystem::exists(".olm.lock") : readBytes(".olm-an") == "lucru=2002\r\n";
        })) << "not started";
        if (!r.refuzat) {
            writeBytes("FF1.txt", "this year\r\n");
        }

        ASSERT_EQ(::kill(child, r.signal), 0);
        int status = -1;
        ASSERT_TRUE(waitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }));

        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == (r.refuzat ? 1 : 0)) << status;
        EXPECT_FALSE(std::filesystem::exists(".olm.lock"));
        if (!r.refuzat) {
            EXPECT_EQ(readBytes("FF1_2002.txt"), "this year\r\n");
            EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
        }
        std::filesystem::current_path(olm::testing::workDir());
    }
}

} // namespace
