#include "support/tiny_disk.h"

#include "support/fakes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace olm::testing {

namespace fs = std::filesystem;

namespace {
int made = 0; // each disk on a directory of its own
} // namespace

TinyDisk::TinyDisk(int kib, bool readOnly)
    : path_(workDir() + "/disc-" + std::to_string(++made)), previous_(fs::current_path().string()) {
    fs::create_directory(path_);
    const std::string options = "size=" + std::to_string(kib) + "k";
    if (::geteuid() != 0) {
        error_ = "a tiny disk (tmpfs) needs root to be mounted";
    } else if (::mount("tmpfs", path_.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, options.c_str()) != 0) {
        error_ = std::string("a tiny disk (tmpfs) cannot be mounted: ") + std::strerror(errno);
    } else {
        fs::current_path(path_);
    }
}

TinyDisk::~TinyDisk() {
    fs::current_path(previous_);
    if (mounted()) {
        ::umount2(path_.c_str(), MNT_DETACH);
    }
}

void TinyDisk::fill() {
    const int fd = ::open((path_ + "/umplutura").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    const std::string block(4096, 'x');
    while (fd >= 0 && (::write(fd, block.data(), block.size()) > 0 || ::write(fd, "x", 1) > 0)) {
    }
    ::close(fd);
}

void TinyDisk::free() { ::unlink((path_ + "/umplutura").c_str()); }

} // namespace olm::testing
