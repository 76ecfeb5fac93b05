#include "app/HandOver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <memory>

bool HandOverServer::Listen(const QString &name)
{
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            const auto received = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, socket,
                    [socket, received] { received->append(socket->readAll()); });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
                received->append(socket->readAll());
                socket->deleteLater();
                QStringList paths;
                for (const QByteArray &path : received->split('\0')) {
                    if (!path.isEmpty())
                        paths << QFile::decodeName(path);
                }
                emit pathsReceived(paths);
            });
        }
    });
    return server_.listen(name);
}

bool HandOver(const QString &name, const QStringList &paths, int patienceMs)
{
    QByteArray bytes;
    for (const QString &path : paths)
        bytes += QFile::encodeName(path) + '\0';
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(500)) {
            socket.write(bytes);
            while (socket.bytesToWrite() > 0) {
                if (!socket.waitForBytesWritten(2000))
                    return false;
            }
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(2000);
            return true;
        }
        if (clock.elapsed() >= patienceMs)
            return false;
        QThread::msleep(100);
    }
}
