#include "core/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace core {

bool AnotherInstanceRunning()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    static QLockFile lock(folder + QStringLiteral("/quorvel.lock"));
    if (lock.isLocked())
        return false;
    lock.setStaleLockTime(0);
    return !lock.tryLock(0);
}

} // namespace core
