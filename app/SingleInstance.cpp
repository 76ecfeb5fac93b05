#include "app/SingleInstance.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

QString SingleInstance::LockPath()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QStringLiteral("none");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));

    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/fotlex-%1-%2.lock").arg(getuid()).arg(display);
}

QString SingleInstance::SocketPath()
{
    QString path = LockPath();
    path.chop(int(qstrlen(".lock")));
    return path + QStringLiteral(".socket");
}

bool SingleInstance::TryAcquire(const QString &lockPath)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    // The program keeps the lock for its whole run; age alone never makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}
