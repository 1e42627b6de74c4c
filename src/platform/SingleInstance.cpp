#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    unlock();
    if (m_server) m_server->close();
}

QString SingleInstance::defaultServerName() {
#ifdef Q_OS_WIN
    return QStringLiteral("tessaly-") + qEnvironmentVariable("USERNAME");
#else
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/tessaly.sock");
    return QDir::tempPath() + QStringLiteral("/tessaly-%1.sock").arg(getuid());
#endif
}

SingleInstance::SendResult SingleInstance::send(const QString& serverName, const QString& message,
                                                int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs)) return SendResult::NotRunning;
    socket.write(message.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return SendResult::NotResponding;
    // The instance answers once it has taken the message.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) return SendResult::NotResponding;
    }
    socket.disconnectFromServer();
    return SendResult::Delivered;
}

void SingleInstance::lock() {
    m_lock = std::make_unique<QLockFile>(m_serverName + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(10000);
    if (!m_lock->tryLock(5000))
        m_lock.reset(); // go on without: a stuck lock must not keep the program from starting
}

void SingleInstance::unlock() {
    m_lock.reset();
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed instance would block listening.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QString line = QString::fromUtf8(socket->readLine()).trimmed();
                socket->write("OK\n");
                socket->flush();
                emit messageReceived(line);
            }
        });
    }
}
