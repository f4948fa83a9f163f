#include "platform/instance_lock.h"

#include <QDir>
#include <QLockFile>

namespace olm::platform {

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default; // QLockFile releases the lock

bool InstanceLock::acquire() {
    if (lock_ && lock_->isLocked()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(QDir::current().absoluteFilePath(QStringLiteral(".olm.lock")));
    // A lock is stale only when its process is gone: the default age limit
    // would let a second instance take over from one running for 30 seconds.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return true;
    }
    lock_.reset();
    return false;
}

} // namespace olm::platform
