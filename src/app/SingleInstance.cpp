#include "app/SingleInstance.h"

#include "base/Prompter.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {
    // A live copy holds the lock however long it runs; only a dead one's is stale.
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::DefaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + "/TVGlobalMutex.lock";
}

bool SingleInstance::Acquire(Prompter& prompter) {
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        prompter.Message("Едно копие на програмата вече е стартирано. Не можете да стартирате второ.",
                         MessageIcon::None);
    return false;
}
