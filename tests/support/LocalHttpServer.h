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

#include "FakePlatform.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <sys/prctl.h>

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

// Starts a child that the kernel stops (SIGTERM) when the thread that started
// it ends, so that a crashed test leaves nothing behind, and waits until
// `ready` holds: empty, or why it did not come up.
template <typename Ready>
QString startChild(QProcess& process, const QString& program, const QStringList& args,
                   Ready ready) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return "cannot start " + program + ": " + process.errorString();
    for (const QDeadlineTimer deadline(10000); !ready();) {
        if (process.waitForFinished(20))
            return program + " stopped at once: " + QString::fromLocal8Bit(process.readAll());
        if (deadline.hasExpired()) return program + " did not get ready within 10 s";
    }
    return {};
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
        const QString error = start(https, rootDir, served);
        m_ok = error.isEmpty();
        if (!m_ok) ADD_FAILURE() << "LocalHttpServer: " << error.toStdString();
    }

    ~LocalHttpServer() { local_servers_detail::stopProcess(m_process); }

    bool ok() const { return m_ok; }

    // http://127.0.0.1:PORT + path; path starts with '/'.
    QString url(const QString& path) const {
        return QString("http://127.0.0.1:%1").arg(m_httpPort) + path;
    }
    // https://127.0.0.1:PORT + path (the HTTPS server).
    QString httpsUrl(const QString& path) const {
        return QString("https://127.0.0.1:%1").arg(m_httpsPort) + path;
    }

    // The folder of the certificates, "trusted.pem" and "untrusted.pem" (with
    // their ".key" files); empty without HTTPS and without a certDir.
    QString certificateDir() const { return m_certDir; }

    // How many GET requests the server (both sides together) has seen for
    // the key: a path such as "/404", or NAME for /count/NAME. -1 when the
    // server cannot be asked (within 5 s).
    int count(const QString& key) const {
        QTcpSocket socket;
        socket.setProxy(QNetworkProxy::NoProxy);
        socket.connectToHost(QHostAddress::LocalHost, quint16(m_httpPort));
        if (!socket.waitForConnected(5000)) return -1;
        // HTTP/1.0: the server closes the connection after the answer.
        socket.write("GET /counts HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
        socket.waitForDisconnected(5000);
        const QByteArray response = socket.readAll();
        const int end = response.indexOf("\r\n\r\n");
        if (!response.startsWith("HTTP/1.") || end < 0) return -1;
        for (const QByteArray& line : response.mid(end + 4).split('\n')) {
            const int space = line.lastIndexOf(' ');
            if (space > 0 && QString::fromUtf8(line.left(space)) == key)
                return line.mid(space + 1).toInt();
        }
        return 0;
    }

private:
    // Empty once the server is up, else why it is not.
    QString start(bool https, const QString& rootDir, Certificate served) {
        if (https && m_certDir.isEmpty()) {
            m_certDir = m_temp.filePath("certs");
            if (QProcess::execute(
                    "/bin/bash",
                    {TESSALY_SOURCE_DIR "/tests/support/make-test-certs.sh", m_certDir}) != 0)
                return "make-test-certs.sh failed (its output is above)";
        }
        const QString ready = m_temp.filePath("ready");
        QStringList args{TESSALY_SOURCE_DIR "/tests/support/http-test-server.py", "--ready", ready};
        if (https) {
            const QString name = served == Certificate::Trusted ? "trusted" : "untrusted";
            args << "--cert" << m_certDir + "/" + name + ".pem"
                 << "--key" << m_certDir + "/" + name + ".key";
        }
        if (!rootDir.isEmpty()) args << "--root" << rootDir;
        const QString error = local_servers_detail::startChild(
            m_process, "/usr/bin/python3", args, [&] { return QFile::exists(ready); });
        if (!error.isEmpty()) return error;
        const QList<QByteArray> ports = readFile(ready).trimmed().split(' ');
        m_httpPort = ports.value(0).toInt();
        m_httpsPort = ports.value(1).toInt();
        if (ports.size() != 2 || m_httpPort <= 0 || (https && m_httpsPort <= 0))
            return "the test server wrote no usable ports";
        return {};
    }

    QTemporaryDir m_temp;
    QString m_certDir;
    QProcess m_process;
    int m_httpPort = 0;
    int m_httpsPort = 0;
    bool m_ok = false;
};

class LocalProxy {
public:
    LocalProxy() {
        const QString program = QStandardPaths::findExecutable("tinyproxy");
        QString error = "tinyproxy is not installed (make test-deps installs it)";
        // The port is picked before tinyproxy takes it, so another program
        // may take it first: try a few times.
        for (int attempt = 0; attempt < 3 && !program.isEmpty() && !m_ok; ++attempt)
            m_ok = (error = start(program)).isEmpty();
        if (!m_ok) ADD_FAILURE() << "LocalProxy: " << error.toStdString();
    }

    ~LocalProxy() { local_servers_detail::stopProcess(m_process); }

    bool ok() const { return m_ok; }

    // "127.0.0.1:PORT", as curl's -x or a proxy setting takes it.
    QString address() const { return QString("127.0.0.1:%1").arg(m_port); }

    // The text of tinyproxy's log so far.
    QString log() const { return QString::fromUtf8(readFile(m_temp.filePath("tinyproxy.log"))); }

private:
    // Empty once tinyproxy is up, else why it is not.
    QString start(const QString& program) {
        local_servers_detail::stopProcess(m_process, 1000);
        m_port = local_servers_detail::freePort();
        // Running as root, tinyproxy only warns that no User is set and goes
        // on as root, so no User/Group lines are needed. No ConnectPort line:
        // CONNECT (HTTPS through the proxy) is allowed to any port.
        const QString conf = m_temp.filePath("tinyproxy.conf");
        writeFile(conf, QString("Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 150\n"
                                "MaxClients 50\nLogFile \"%2\"\nLogLevel Info\n")
                            .arg(m_port)
                            .arg(m_temp.filePath("tinyproxy.log"))
                            .toUtf8());
        return local_servers_detail::startChild(m_process, program, {"-d", "-c", conf}, [&] {
            return local_servers_detail::accepts(m_port);
        });
    }

    QTemporaryDir m_temp;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ok = false;
};
