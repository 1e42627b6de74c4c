#pragma once

// Local network peers for tests, on 127.0.0.1 only:
//
// LocalHttpServer runs tests/support/http-test-server.py: a plain HTTP server
// and, on request, an HTTPS one with a self-signed certificate (made by
// tests/support/make-test-certs.sh). See the script for the paths it serves.
//
// LocalProxy runs tinyproxy in the foreground as an HTTP proxy, with its own
// configuration and log in a temporary folder.
//
// Both start in the constructor (waiting at most 10 s), record a test failure
// when they cannot start (ok() is then false), and stop in the destructor.
// Should the test process die first, the children stop by themselves: the
// server notices that its parent went away, and tinyproxy gets SIGTERM from
// the kernel (PR_SET_PDEATHSIG).

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>
#include <utility>

namespace local_servers_detail {

// Stops a child: SIGTERM, then SIGKILL if it has not gone after a while.
inline void stopProcess(QProcess& process, int graceMs = 5000) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(graceMs)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

// Makes the kernel send SIGTERM to the child when the thread that started it
// ends, so that a crashed test leaves nothing behind.
inline void stopWithParent(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// True once something accepts connections on 127.0.0.1:port.
inline bool accepts(quint16 port) {
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    socket.connectToHost(QHostAddress::LocalHost, port);
    const bool connected = socket.waitForConnected(200);
    socket.abort();
    return connected;
}

// A port on 127.0.0.1 that was free a moment ago.
inline quint16 freePort() {
    QTcpServer server;
    server.setProxy(QNetworkProxy::NoProxy);
    if (!server.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

} // namespace local_servers_detail

class LocalHttpServer {
public:
    // Which certificate the HTTPS server presents.
    enum class Certificate { Trusted, Untrusted };

    // https: also run the HTTPS server. rootDir: the folder served under
    // /files/NAME. certDir: a folder made by make-test-certs.sh; empty makes
    // one in a temporary folder of this object.
    explicit LocalHttpServer(bool https = false, const QString& rootDir = {}, QString certDir = {},
                             Certificate served = Certificate::Trusted)
        : m_certDir(std::move(certDir)) {
        if (!m_temp.isValid()) {
            fail(QStringLiteral("cannot make a temporary folder"));
            return;
        }
        if (https && m_certDir.isEmpty()) {
            m_certDir = m_temp.filePath(QStringLiteral("certs"));
            if (!makeCertificates(m_certDir)) return;
        }

        const QString ready = m_temp.filePath(QStringLiteral("ready"));
        QStringList args{QStringLiteral(TESSALY_SOURCE_DIR "/tests/support/http-test-server.py"),
                         QStringLiteral("--ready"), ready};
        if (https) {
            const QString name = served == Certificate::Trusted ? QStringLiteral("trusted")
                                                                : QStringLiteral("untrusted");
            args << QStringLiteral("--cert") << certificate(name) << QStringLiteral("--key")
                 << m_certDir + QLatin1Char('/') + name + QStringLiteral(".key");
        }
        if (!rootDir.isEmpty()) args << QStringLiteral("--root") << rootDir;

        m_process.setProcessChannelMode(QProcess::MergedChannels);
        local_servers_detail::stopWithParent(m_process);
        m_process.start(QStringLiteral("/usr/bin/python3"), args);
        if (!m_process.waitForStarted(10000)) {
            fail(QStringLiteral("cannot start /usr/bin/python3: ") + m_process.errorString());
            return;
        }

        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(ready)) {
            if (m_process.waitForFinished(20)) {
                fail(QStringLiteral("the test server stopped at once: ") +
                     QString::fromLocal8Bit(m_process.readAll()));
                return;
            }
            if (deadline.hasExpired()) {
                fail(QStringLiteral("the test server did not get ready within 10 s"));
                return;
            }
        }
        QFile file(ready);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("cannot read ") + ready);
            return;
        }
        const QList<QByteArray> ports = file.readAll().trimmed().split(' ');
        if (ports.size() == 2) {
            m_httpPort = ports[0].toInt();
            m_httpsPort = ports[1].toInt();
        }
        if (m_httpPort <= 0 || (https && m_httpsPort <= 0)) {
            fail(QStringLiteral("the test server wrote no usable ports"));
            return;
        }
        m_ok = true;
    }

    ~LocalHttpServer() { local_servers_detail::stopProcess(m_process); }

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    int httpPort() const { return m_httpPort; }
    int httpsPort() const { return m_httpsPort; }

    // http://127.0.0.1:PORT + path; path starts with '/'.
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_httpPort) + path;
    }
    // https://127.0.0.1:PORT + path (the HTTPS server; empty without one).
    QString httpsUrl(const QString& path) const {
        if (m_httpsPort <= 0) return {};
        return QStringLiteral("https://127.0.0.1:%1").arg(m_httpsPort) + path;
    }

    // The certificate file "trusted" or "untrusted" (".pem" may be given);
    // empty without HTTPS and without a certDir.
    QString certificate(const QString& which) const {
        if (m_certDir.isEmpty()) return {};
        QString name = which;
        if (name.endsWith(QStringLiteral(".pem"))) name.chop(4);
        return m_certDir + QLatin1Char('/') + name + QStringLiteral(".pem");
    }
    QString certificateDir() const { return m_certDir; }

    // How many GET requests the server (both sides together) has seen for
    // the key: a path such as "/404", or NAME for /count/NAME. -1 when the
    // server cannot be asked.
    int count(const QString& key) const {
        const QByteArray counts = get("/counts");
        if (counts.isNull()) return -1;
        for (const QByteArray& line : counts.split('\n')) {
            const int space = line.lastIndexOf(' ');
            if (space > 0 && QString::fromUtf8(line.left(space)) == key)
                return line.mid(space + 1).toInt();
        }
        return 0;
    }

    // The body of a short GET on the plain server (null on failure); blocks
    // for at most 5 s.
    QByteArray get(const QByteArray& path) const {
        QTcpSocket socket;
        socket.setProxy(QNetworkProxy::NoProxy);
        socket.connectToHost(QHostAddress::LocalHost, quint16(m_httpPort));
        if (!socket.waitForConnected(5000)) return {};
        socket.write("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray response;
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            if (socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
                response += socket.readAll();
            if (socket.state() != QAbstractSocket::ConnectedState) {
                response += socket.readAll();
                break;
            }
        }
        const int end = response.indexOf("\r\n\r\n");
        if (!response.startsWith("HTTP/1.") || end < 0) return {};
        QByteArray body = response.mid(end + 4);
        if (body.isNull()) body = QByteArray("");
        return body;
    }

private:
    void fail(const QString& message) {
        m_error = message;
        ADD_FAILURE() << "LocalHttpServer: " << message.toStdString();
    }

    bool makeCertificates(const QString& dir) {
        QProcess make;
        make.setProcessChannelMode(QProcess::MergedChannels);
        make.start(QStringLiteral("/bin/bash"),
                   {QStringLiteral(TESSALY_SOURCE_DIR "/tests/support/make-test-certs.sh"), dir});
        if (!make.waitForFinished(10000)) {
            local_servers_detail::stopProcess(make, 1000);
            fail(QStringLiteral("make-test-certs.sh did not finish within 10 s"));
            return false;
        }
        if (make.exitStatus() != QProcess::NormalExit || make.exitCode() != 0) {
            fail(QStringLiteral("make-test-certs.sh failed: ") +
                 QString::fromLocal8Bit(make.readAll()));
            return false;
        }
        return true;
    }

    QTemporaryDir m_temp;
    QString m_certDir;
    QProcess m_process;
    int m_httpPort = 0;
    int m_httpsPort = 0;
    bool m_ok = false;
    QString m_error;
};

class LocalProxy {
public:
    LocalProxy() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"));
        if (!m_temp.isValid()) {
            fail(QStringLiteral("cannot make a temporary folder"));
        } else if (program.isEmpty()) {
            fail(QStringLiteral("tinyproxy is not installed (make test-deps installs it)"));
        } else {
            // The port is picked before tinyproxy takes it, so another program
            // may take it first: try a few times.
            for (int attempt = 0; attempt < 3 && !m_ok; ++attempt)
                m_ok = start(program);
        }
        if (!m_ok) ADD_FAILURE() << "LocalProxy: " << m_error.toStdString();
    }

    ~LocalProxy() { local_servers_detail::stopProcess(m_process); }

    LocalProxy(const LocalProxy&) = delete;
    LocalProxy& operator=(const LocalProxy&) = delete;

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    int port() const { return m_port; }

    // "127.0.0.1:PORT", as curl's -x or a proxy setting takes it.
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // The text of tinyproxy's log so far.
    QString log() const {
        QFile file(m_temp.filePath(QStringLiteral("tinyproxy.log")));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll());
    }

private:
    bool start(const QString& program) {
        local_servers_detail::stopProcess(m_process, 1000);
        m_port = local_servers_detail::freePort();
        if (m_port == 0) {
            fail(QStringLiteral("no free port on 127.0.0.1"));
            return false;
        }
        // Running as root, tinyproxy only warns that no User is set and goes
        // on as root, so no User/Group lines are needed. No ConnectPort line:
        // CONNECT (HTTPS through the proxy) is allowed to any port.
        const QString conf = m_temp.filePath(QStringLiteral("tinyproxy.conf"));
        QFile file(conf);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            fail(QStringLiteral("cannot write ") + conf);
            return false;
        }
        file.write(QStringLiteral("Port %1\n"
                                  "Listen 127.0.0.1\n"
                                  "Allow 127.0.0.1\n"
                                  "Timeout 150\n"
                                  "MaxClients 50\n"
                                  "LogFile \"%2\"\n"
                                  "LogLevel Info\n")
                       .arg(m_port)
                       .arg(m_temp.filePath(QStringLiteral("tinyproxy.log")))
                       .toUtf8());
        file.close();

        m_process.setProcessChannelMode(QProcess::MergedChannels);
        local_servers_detail::stopWithParent(m_process);
        m_process.start(program, {QStringLiteral("-d"), QStringLiteral("-c"), conf});
        if (!m_process.waitForStarted(10000)) {
            fail(QStringLiteral("cannot start tinyproxy: ") + m_process.errorString());
            return false;
        }
        const QDeadlineTimer deadline(10000);
        while (!local_servers_detail::accepts(quint16(m_port))) {
            if (m_process.waitForFinished(50)) {
                fail(QStringLiteral("tinyproxy stopped at once: ") +
                     QString::fromLocal8Bit(m_process.readAll()) + log());
                return false;
            }
            if (deadline.hasExpired()) {
                fail(QStringLiteral("tinyproxy did not listen within 10 s"));
                return false;
            }
        }
        m_error.clear();
        return true;
    }

    void fail(const QString& message) { m_error = message; }

    QTemporaryDir m_temp;
    QProcess m_process;
    int m_port = 0;
    bool m_ok = false;
    QString m_error;
};
