#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

// A second start hands its work to the running window over a local socket
// beside the single-instance lock. One connection carries the paths the
// second start named (none, one or several): each absolute, in the bytes the
// file system spells it with, and ended by a NUL byte, which no path holds;
// closing the connection ends the list.

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
    void pathsReceived(const QStringList &paths);

private:
    QLocalServer server_;
};

// The second start's end: sends `paths` (absolute) to the window listening
// at `name`, trying again for up to `patienceMs` while that window is still
// starting. False when no window took them.
bool HandOver(const QString &name, const QStringList &paths, int patienceMs = 5000);
