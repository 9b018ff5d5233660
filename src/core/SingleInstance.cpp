#include "core/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace core {

namespace {
std::unique_ptr<QLockFile>& instanceLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}
} // namespace

bool AnotherInstanceRunning()
{
    std::unique_ptr<QLockFile>& lock = instanceLock();
    if (lock && lock->isLocked())
        return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    lock = std::make_unique<QLockFile>(folder + QStringLiteral("/quorvel.lock"));
    lock->setStaleLockTime(0);
    return !lock->tryLock(0);
}

void ReleaseInstanceLock() { instanceLock().reset(); }

} // namespace core
