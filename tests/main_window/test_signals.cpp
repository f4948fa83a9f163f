// The program itself, ended from outside as a log-out or a shutdown ends it:
// the exit steps run, the yearly copies are written and the lock is released.

#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using olm::testing::readBytes;
using olm::testing::writeBytes;
using namespace std::chrono_literals;

// Waits until the condition holds, at most a while.
template <typename F>
bool waitFor(F condition, std::chrono::milliseconds most = 20s) {
    const auto end = std::chrono::steady_clock::now() + most;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

TEST(Signals, SigtermAndSighupRunTheExitStepsAndReleaseTheLock) {
    for (int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        const std::string dir = olm::testing::workDir() + "/lucru-" + std::to_string(signal);
        fs::create_directory(dir);
        fs::current_path(dir);
        writeBytes("Cuantum.txt",
                   "2002,3,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,19200000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
        writeBytes("FF1.txt", "last year\r\n");
        writeBytes("FF1_2002.txt", "this year\r\n");

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::execl(OLM_PROGRAM, OLM_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Running: the start-up swap brought this year in.
        ASSERT_TRUE(waitFor([] { return readBytes(".olm-an") == "lucru=2002\r\n"; }));
        EXPECT_TRUE(fs::exists(".olm.lock"));
        writeBytes("FF1.txt", "this year, saved\r\n");

        ASSERT_EQ(::kill(child, signal), 0);
        int status = -1;
        ASSERT_TRUE(waitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }));

        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_FALSE(fs::exists(".olm.lock"));
        EXPECT_EQ(readBytes("FF1_2002.txt"), "this year, saved\r\n");
        EXPECT_EQ(readBytes("FF1.txt"), "last year\r\n");
        EXPECT_EQ(readBytes(".olm-an"), "lucru=2001\r\n");
        fs::current_path(olm::testing::workDir());
    }
}

} // namespace
