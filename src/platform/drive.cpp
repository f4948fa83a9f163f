#include "platform/drive.h"

#include "platform/file_error.h"
#include "platform/file_transaction.h"
#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace olm::platform::drive {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(int number, const fs::path& file, const std::string& what) {
    throw FileError(number, file.string(), what + ": " + file.string());
}

fs::path drivePath() { return files::resolve(directory()); }

// The drive's directory, checked to be there.
fs::path readyPath() {
    const fs::path p = drivePath();
    struct stat st;
    if (::stat(p.c_str(), &st) != 0) {
        const int err = errno;
        if (err == ENOENT) {
            fail(DiskNotReady, p, "no diskette in the drive");
        }
        if (err == ENOTDIR || err == ENAMETOOLONG) {
            fail(BadFileName, p, "the drive is not a directory");
        }
        fail(errorNumberFromErrno(err) == PermissionDenied ? PathFileAccessError
                                                           : errorNumberFromErrno(err),
             p, "drive");
    }
    if (!S_ISDIR(st.st_mode)) {
        fail(BadFileName, p, "the drive is not a directory");
    }
    return p;
}

bool sameDirectory(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// The directories the layer never empties, whatever the drive is set to.
void refuseProtected(const fs::path& p) {
    bool refused = sameDirectory(p, fs::current_path()) || sameDirectory(p, "/");
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        refused = refused || sameDirectory(p, home);
    }
    if (refused) {
        fail(BadFileName, p, "the drive names a directory that is never emptied");
    }
}

// An error of an operation on the drive, told in the drive's terms: a
// diskette taken out during the work is "no diskette", a write-protected one
// cannot be accessed.
[[noreturn]] void rethrowOnDrive(const FileError& e) {
    const fs::path p = drivePath();
    struct stat st;
    if (::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        throw FileError(DiskNotReady, e.file(), e.what());
    }
    if (e.number() == PermissionDenied) {
        throw FileError(PathFileAccessError, e.file(), e.what());
    }
    if (e.number() == PathNotFound) {
        throw FileError(DiskNotReady, e.file(), e.what());
    }
    throw e;
}

// A file that must be on the diskette: 71 without a diskette, 53 without the
// file, 75 when what has its name is no file that can be read (a directory, a
// link to nothing).
std::string fileOnDrive(const std::string& nameOnDrive) {
    const std::string file = (readyPath() / nameOnDrive).string();
    switch (files::entryKind(file)) {
    case files::EntryKind::File:
        return file;
    case files::EntryKind::Missing:
        fail(FileNotFound, files::resolve(file), "file not found");
    default:
        fail(PathFileAccessError, files::resolve(file), "not a file");
    }
}

} // namespace

std::string directory() {
    const char* configured = std::getenv("OLM_DRIVE_A");
    if (configured != nullptr && *configured != '\0') {
        return configured;
    }
    return "discheta";
}

void checkReady() { readyPath(); }

void emptyRoot() {
    const fs::path p = readyPath();
    refuseProtected(p);
    try {
        for (const auto& name : files::listFiles(p.string())) {
            files::remove((p / name).string());
        }
        // What a copy onto it cut short left there is this program's own.
        files::removeScratchEntries(p);
    } catch (const FileError& e) {
        rethrowOnDrive(e);
    }
}

void copyOnto(const std::string& file, const std::string& nameOnDrive) {
    const fs::path p = readyPath();
    if (!files::exists(file)) {
        fail(FileNotFound, files::resolve(file), "file not found");
    }
    try {
        files::copy(file, (p / nameOnDrive).string());
    } catch (const FileError& e) {
        rethrowOnDrive(e);
    }
}

void copyFrom(const std::string& nameOnDrive, const std::string& file) {
    const std::string onDrive = fileOnDrive(nameOnDrive);
    try {
        files::copy(onDrive, file);
    } catch (const FileError& e) {
        rethrowOnDrive(e);
    }
}

bool hasFile(const std::string& nameOnDrive) {
    const fs::path p = readyPath();
    return files::entryKind((p / nameOnDrive).string()) != files::EntryKind::Missing;
}

std::vector<std::string> readLines(const std::string& nameOnDrive) {
    const std::string file = fileOnDrive(nameOnDrive);
    try {
        return files::readLines(file);
    } catch (const FileError& e) {
        rethrowOnDrive(e);
    }
}

std::string pathOf(const std::string& nameOnDrive) {
    return files::resolve((fs::path(directory()) / nameOnDrive).string()).string();
}

} // namespace olm::platform::drive
