#include "platform/instance_lock.h"

#include "platform/file_error.h"

#include <QDir>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace olm::platform {

namespace {

// Why nothing can be written in the directory: the program's error number of
// a file made and written there, 0 when that works.
int writeError() {
    const std::string probe = ".olm-tmp-lock-probe-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errorNumberFromErrno(errno);
    }
    // A full disk still takes an empty file: a page of data shows it.
    const std::string page(4096, '\n');
    int err = 0;
    if (::write(fd, page.data(), page.size()) != static_cast<ssize_t>(page.size()) ||
        ::fsync(fd) != 0) {
        err = errno != 0 ? errno : ENOSPC;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return err == 0 ? 0 : errorNumberFromErrno(err);
}

QString lockPath() { return QDir::current().absoluteFilePath(QStringLiteral(".olm.lock")); }

} // namespace

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default; // QLockFile releases the lock

std::string InstanceLock::directory() { return QDir::currentPath().toStdString(); }

InstanceLock::Outcome InstanceLock::tryAcquire() {
    if (lock_ && lock_->isLocked()) {
        return {};
    }
    lock_ = std::make_unique<QLockFile>(lockPath());
    // A lock is stale only when its process is gone: the default age limit
    // would let a second instance take over from one running for 30 seconds.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return {};
    }
    // Before a stale lock is removed, its remover marks the removal with a
    // lock of its own, which counts as held for 30 seconds when it was killed
    // before writing its owner in it. No instance runs for that mark: only a
    // living remover's hold on it counts.
    if (lock_->error() == QLockFile::LockFailedError &&
        QLockFile(lockPath() + QStringLiteral(".rmlock")).removeStaleLockFile() && lock_->tryLock(0)) {
        return {};
    }
    return outcomeOfFailure();
}

InstanceLock::Outcome InstanceLock::outcomeOfFailure() {
    Outcome o;
    if (lock_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString app;
        o.state = State::HeldHere;
        if (!lock_->getLockInfo(&pid, &host, &app)) {
            // A lock file without its owner's name: its process was killed
            // between making it and writing it. It is stale unless a living
            // process still holds the file's own lock.
            if (lock_->removeStaleLockFile() && lock_->tryLock(0)) {
                return {};
            }
        } else if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
            o.state = State::HeldElsewhere;
            o.host = host.toStdString();
            o.pid = pid;
        }
    } else {
        o.state = State::Failed;
        o.error = writeError();
        if (o.error == 0) {
            o.error = PathFileAccessError;
        }
    }
    lock_.reset();
    return o;
}

InstanceLock::Outcome InstanceLock::takeOver() {
    QLockFile other(lockPath());
    other.removeStaleLockFile();
    return tryAcquire();
}

void InstanceLock::release() { lock_.reset(); }

} // namespace olm::platform
