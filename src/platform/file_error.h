#pragma once

#include <stdexcept>
#include <string>

namespace olm::platform {

// Error numbers of the file and drive operations, as the program's messages
// name them ("Eroare 61. Discheta plina. ").
enum ErrorNumber : int {
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIoError = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// Thrown by the file layer when an operation fails; carries the error number
// and the name of the file involved.
class FileError : public std::runtime_error {
public:
    FileError(int number, const std::string& file, const std::string& what);
    int number() const { return number_; }
    const std::string& file() const { return file_; }

private:
    int number_;
    std::string file_;
};

// Names given to one group of files that stand for one file: a symbolic
// link, or two names of the same file. Writing through one name would change
// the other behind the program's back (a yearly copy linked to its working
// file takes last year's data with it at exit). `other` is the second name,
// or for a link what it points to.
class LinkedNamesError : public FileError {
public:
    LinkedNamesError(const std::string& file, const std::string& other, bool link);
    const std::string& other() const { return other_; }
    bool link() const { return link_; }

private:
    std::string other_;
    bool link_;
};

// Maps an errno value to the program's error number.
int errorNumberFromErrno(int err);

} // namespace olm::platform
