#pragma once

// The folder a fuzz target works in: its own under /tmp, named for the
// process, so that the files it writes never touch the caller's. libFuzzer's
// own paths (the corpus, a dictionary, the artifacts) keep meaning what they
// meant where it was started: the target steps into its folder only while an
// input runs, and a relative artifact prefix is made absolute beforehand,
// since a crash writes its artifact from inside the input.
//
// The folder goes when the run ends; the folders that runs ended by a signal
// left (their process is gone) go at the next start.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace olm::fuzz {

namespace fs = std::filesystem;

inline fs::path& folder() {
    static fs::path f;
    return f;
}

inline int& startFolder() {
    static int fd = -1;
    return fd;
}

// Folders "/tmp/<prefix><pid>" of processes that no longer run.
inline void removeLeftFolders(const std::string& prefix) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/tmp", ec)) {
        const std::string name = e.path().filename().string();
        if (name.rfind(prefix, 0) != 0) {
            continue;
        }
        const std::string pid = name.substr(prefix.size());
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) {
            fs::remove_all(e.path(), ec);
        }
    }
}

// Called from LLVMFuzzerInitialize with its arguments, before the flags are read.
inline void prepareFolder(const std::string& prefix, int* argc, char*** argv) {
    removeLeftFolders(prefix);
    folder() = fs::path("/tmp") / (prefix + std::to_string(::getpid()));
    fs::create_directories(folder());
    startFolder() = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(folder(), ec);
    });

    // The artifacts go where libFuzzer was started, unless the caller says.
    static std::vector<std::string> kept;
    static std::vector<char*> args;
    const std::string flag = "-artifact_prefix=";
    bool given = false;
    for (int i = 0; i < *argc; ++i) {
        std::string a = (*argv)[i];
        if (a.rfind(flag, 0) == 0) {
            given = true;
            const std::string value = a.substr(flag.size());
            if (!value.empty() && value[0] != '/') {
                a = flag + (fs::current_path() / value).string();
            }
        }
        kept.push_back(a);
    }
    if (!given) {
        kept.push_back(flag + fs::current_path().string() + "/");
    }
    for (std::string& a : kept) {
        args.push_back(a.data());
    }
    args.push_back(nullptr);
    *argc = static_cast<int>(kept.size());
    *argv = args.data();
}

// In the folder while one input runs.
class InFolder {
public:
    InFolder() { fs::current_path(folder()); }
    ~InFolder() { [[maybe_unused]] int r = ::fchdir(startFolder()); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
};

} // namespace olm::fuzz
