#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// A second start hands its work to the running window over a local socket
// beside the single-instance lock. One connection carries one path: the
// bytes of an absolute path as the file system spells it (empty when the
// second start named none), ended by closing the connection.

// The running window's end.
class HandOverServer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Listens at `name`. The caller holds the lock, so a socket found there
    // was left by a crashed run and is removed first.
    bool Listen(const QString &name);

signals:
    void pathReceived(const QString &path);

private:
    QLocalServer server_;
};

// The second start's end: sends `path` (absolute, or empty) to the window
// listening at `name`, trying again for up to `patienceMs` while that window
// is still starting. False when no window took it.
bool HandOver(const QString &name, const QString &path, int patienceMs = 5000);
