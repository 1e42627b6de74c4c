#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Whether the process at the other end of a local socket runs as this user.
// Where the system cannot tell, the socket's own permissions must do.
bool peerIsThisUser(qintptr descriptor) {
#ifdef Q_OS_LINUX
    struct ucred cred {};
    socklen_t length = sizeof cred;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0) return false;
    return cred.uid == ::getuid();
#else
    static_cast<void>(descriptor);
    return true;
#endif
}

#ifndef Q_OS_WIN
// Whether `folder` is a real folder (no link) of this user's that nobody else
// may enter.
bool isPrivateFolder(const QString& folder) {
    struct stat st {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}
#endif

// A message is one short line; a peer that sends more without a line end is
// cut off rather than buffered without limit.
constexpr qint64 kMaxMessageBytes = 4096;

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    unlock();
    if (m_server) m_server->close();
}

QString SingleInstance::defaultServerName(QString* error) {
#ifdef Q_OS_WIN
    static_cast<void>(error);
    return QStringLiteral("tessaly-") + qEnvironmentVariable("USERNAME");
#else
    // The socket lives in a folder only this user can reach: the runtime
    // folder when it is such a folder, else a folder of this user's own in
    // the temporary folder. Another user who made the folder first (or left a
    // link there) could otherwise listen in this user's place and take the
    // messages.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !isPrivateFolder(folder)) {
        folder = QDir::tempPath() + QStringLiteral("/tessaly-%1").arg(::getuid());
        const QByteArray path = QFile::encodeName(folder);
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            if (error) *error = QStringLiteral("cannot create %1").arg(folder);
            return {};
        }
        if (!isPrivateFolder(folder)) {
            if (error)
                *error = QStringLiteral("%1 is not a folder private to this user; remove it or "
                                        "set XDG_RUNTIME_DIR")
                             .arg(folder);
            return {};
        }
    }
    const QString socket = folder + QStringLiteral("/tessaly.sock");
    // A socket of another user's (root can leave one anywhere) is neither
    // talked to nor replaced.
    struct stat st {};
    if (::lstat(QFile::encodeName(socket).constData(), &st) == 0 && st.st_uid != ::getuid()) {
        if (error) *error = QStringLiteral("%1 belongs to another user; remove it").arg(socket);
        return {};
    }
    return socket;
#endif
}
SingleInstance::SendResult SingleInstance::send(const QString& serverName, const QString& message,
                                                int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs)) return SendResult::NotRunning;
    if (!peerIsThisUser(socket.socketDescriptor())) return SendResult::OtherUser;
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

void SingleInstance::stopListening() {
    if (m_server) m_server->close();
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
        // Messages come only from this user's own starts.
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray bytes = socket->readLine(kMaxMessageBytes + 1);
                if (!bytes.endsWith('\n')) {
                    socket->abort();
                    return;
                }
                const QString line = QString::fromUtf8(bytes).trimmed();
                socket->write("OK\n");
                socket->flush();
                // Handled from the event loop, not inside this socket's own
                // signal: the work may run events (a wallpaper change does),
                // and the socket may be gone by the time it returns.
                QMetaObject::invokeMethod(
                    this, [this, line] { emit messageReceived(line); }, Qt::QueuedConnection);
            }
            if (socket->bytesAvailable() > kMaxMessageBytes) socket->abort();
        });
    }
}
