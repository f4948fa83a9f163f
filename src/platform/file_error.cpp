#include "platform/file_error.h"

#include <cerrno>

namespace olm::platform {

FileError::FileError(int number, const std::string& file, const std::string& what)
    : std::runtime_error(what), number_(number), file_(file) {}

LinkedNamesError::LinkedNamesError(const std::string& file, const std::string& other, bool link)
    : FileError(PathFileAccessError, file,
                link ? file + " is a link to " + other : file + " and " + other + " are one file"),
      other_(other), link_(link) {}

int errorNumberFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return FileNotFound;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return DiskFull;
    case EACCES:
    case EPERM:
        return PermissionDenied;
    case EROFS: // a write-protected diskette
    case EISDIR:
    case EBUSY:
    case ETXTBSY:
        return PathFileAccessError;
    case EIO:
        return DeviceIoError;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return BadFileName;
    case ENOTDIR:
        return PathNotFound;
    case EEXIST:
        return FileAlreadyExists;
    case ENXIO:
    case ENODEV:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
        return DiskNotReady;
    default:
        return PathFileAccessError;
    }
}

} // namespace olm::platform
