#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running program per user and desktop. The lock file's name carries the
// user and the display; QLockFile records the owner's process id, so a lock
// left behind by a crashed process is taken over instead of blocking.
class SingleInstance
{
public:
    // The lock file of this user on this display, in the user's runtime
    // folder ($XDG_RUNTIME_DIR; the temporary folder when there is none).
    static QString LockPath();
    // The hand-over socket beside it: the same name ending in ".socket".
    static QString SocketPath();

    // True when this process now holds the lock; false when another holds it.
    bool TryAcquire(const QString &lockPath = LockPath());

private:
    std::unique_ptr<QLockFile> m_lock;
};
