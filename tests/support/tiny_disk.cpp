#include "support/tiny_disk.h"

#include "support/fakes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace olm::testing {

namespace fs = std::filesystem;

namespace {

constexpr const char* FillName = "umplutura.bin";

std::string tryMount(const std::string& path, int kib, bool readOnly) {
    const std::string options = "size=" + std::to_string(kib) + "k,nr_inodes=64";
    if (::mount("tmpfs", path.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, options.c_str()) != 0) {
        return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
    return "";
}

} // namespace

std::string TinyDisk::unavailable() {
    if (::geteuid() != 0) {
        return "mounting a tiny tmpfs for the full-disk tests needs root";
    }
    const fs::path probe = fs::path(workDir()) / ".probe-mount";
    fs::create_directory(probe);
    std::string why = tryMount(probe.string(), 16, false);
    if (why.empty()) {
        ::umount(probe.c_str());
    }
    fs::remove(probe);
    return why;
}

TinyDisk::TinyDisk(int kib, bool readOnly) {
    path_ = (fs::path(workDir()) / "disc").string();
    fs::create_directory(path_);
    error_ = tryMount(path_, kib, readOnly);
    mounted_ = error_.empty();
    previous_ = fs::current_path().string();
    if (mounted_) {
        fs::current_path(path_);
    }
}

TinyDisk::~TinyDisk() {
    fs::current_path(previous_);
    if (mounted_) {
        ::umount2(path_.c_str(), MNT_DETACH);
    }
}

void TinyDisk::fill() {
    const int fd = ::open((path_ + "/" + FillName).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        return;
    }
    const std::string block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // A last partial page, so that not even one byte fits.
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}

void TinyDisk::free() { ::unlink((path_ + "/" + FillName).c_str()); }

} // namespace olm::testing
