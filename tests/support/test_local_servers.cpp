// Checks the local test peers themselves (LocalHttpServer.h) with curl: the
// HTTP and HTTPS servers, the request counts and the tinyproxy proxy.

#include "LocalHttpServer.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CurlResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs curl with the arguments, at most 20 s, and with no proxy from the
// environment.
CurlResult curl(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY",
                             "all_proxy", "NO_PROXY", "no_proxy"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(
        QStringLiteral("curl"),
        QStringList{QStringLiteral("-sS"), QStringLiteral("--max-time"), QStringLiteral("15")} +
            args);
    CurlResult result;
    if (!process.waitForStarted(5000)) {
        result.err = "curl did not start: " + process.errorString().toUtf8();
        return result;
    }
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(2000);
        result.err = "curl did not finish";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

const QByteArray pageText = "Hello from the Tessaly test server.";

} // namespace

TEST(LocalServers, PageArrivesDirectlyAndIsCounted) {
    LocalHttpServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    EXPECT_EQ(server.count(QStringLiteral("/page.html")), 0);

    const CurlResult page = curl({server.url(QStringLiteral("/page.html"))});
    EXPECT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(pageText)) << page.out.toStdString();

    const CurlResult missing =
        curl({QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-w"),
              QStringLiteral("%{http_code}"), server.url(QStringLiteral("/404"))});
    EXPECT_EQ(missing.out, "404");

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(curl({server.url(QStringLiteral("/count/alpha"))}).out, "ok");

    EXPECT_EQ(server.count(QStringLiteral("/page.html")), 1);
    EXPECT_EQ(server.count(QStringLiteral("/404")), 1);
    EXPECT_EQ(server.count(QStringLiteral("alpha")), 3);
    EXPECT_EQ(server.count(QStringLiteral("beta")), 0);
}

TEST(LocalServers, BytesFilesAndFailures) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    {
        QFile file(root.filePath(QStringLiteral("picture.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("file contents\n");
    }
    LocalHttpServer server(false, root.path());
    ASSERT_TRUE(server.ok()) << server.error().toStdString();

    EXPECT_EQ(curl({server.url(QStringLiteral("/files/picture.txt"))}).out, "file contents\n");

    const CurlResult bytes = curl({server.url(QStringLiteral("/bytes/300"))});
    ASSERT_EQ(bytes.out.size(), 300);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(quint8(bytes.out[i]), quint8((i * 7) % 256)) << "byte " << i;

    // curl: 56 = failure receiving (the reset), 47 = too many redirects,
    // 28 = timed out.
    EXPECT_EQ(curl({server.url(QStringLiteral("/reset"))}).exitCode, 56);
    EXPECT_EQ(curl({QStringLiteral("-L"), QStringLiteral("--max-redirs"), QStringLiteral("5"),
                    server.url(QStringLiteral("/loop"))})
                  .exitCode,
              47);
    EXPECT_EQ(curl({QStringLiteral("--max-time"), QStringLiteral("1"),
                    server.url(QStringLiteral("/hang"))})
                  .exitCode,
              28);
    const CurlResult drip = curl(
        {QStringLiteral("--max-time"), QStringLiteral("1.5"), server.url(QStringLiteral("/drip"))});
    EXPECT_EQ(drip.exitCode, 28);
    EXPECT_GE(drip.out.size(), 1);
    EXPECT_LE(drip.out.size(), 3);
}

TEST(LocalServers, HttpsTrustsOnlyTheTrustedCertificate) {
    LocalHttpServer server(true);
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    ASSERT_FALSE(server.httpsUrl(QStringLiteral("/page.html")).isEmpty());

    const CurlResult trusted =
        curl({QStringLiteral("--cacert"), server.certificate(QStringLiteral("trusted")),
              server.httpsUrl(QStringLiteral("/page.html"))});
    EXPECT_EQ(trusted.exitCode, 0) << trusted.err.toStdString();
    EXPECT_TRUE(trusted.out.contains(pageText));

    // 60: the peer's certificate cannot be verified.
    const CurlResult untrusted =
        curl({QStringLiteral("--cacert"), server.certificate(QStringLiteral("untrusted")),
              server.httpsUrl(QStringLiteral("/page.html"))});
    EXPECT_EQ(untrusted.exitCode, 60) << untrusted.err.toStdString();
    EXPECT_TRUE(untrusted.out.isEmpty());

    // /to-http leads from the HTTPS server to the plain one.
    const CurlResult down = curl({QStringLiteral("-L"), QStringLiteral("--cacert"),
                                  server.certificate(QStringLiteral("trusted")),
                                  server.httpsUrl(QStringLiteral("/to-http"))});
    EXPECT_EQ(down.exitCode, 0) << down.err.toStdString();
    EXPECT_TRUE(down.out.contains(pageText));
    EXPECT_EQ(server.count(QStringLiteral("/page.html")), 2);
}

TEST(LocalServers, ServerWithTheUntrustedCertificate) {
    LocalHttpServer made(true);
    ASSERT_TRUE(made.ok()) << made.error().toStdString();
    LocalHttpServer server(true, {}, made.certificateDir(),
                           LocalHttpServer::Certificate::Untrusted);
    ASSERT_TRUE(server.ok()) << server.error().toStdString();

    EXPECT_EQ(curl({QStringLiteral("--cacert"), server.certificate(QStringLiteral("trusted")),
                    server.httpsUrl(QStringLiteral("/page.html"))})
                  .exitCode,
              60);
    const CurlResult own =
        curl({QStringLiteral("--cacert"), server.certificate(QStringLiteral("untrusted")),
              server.httpsUrl(QStringLiteral("/page.html"))});
    EXPECT_EQ(own.exitCode, 0) << own.err.toStdString();
    EXPECT_TRUE(own.out.contains(pageText));
}

TEST(LocalServers, PageArrivesThroughTheProxy) {
    LocalHttpServer server(true);
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    LocalProxy proxy;
    ASSERT_TRUE(proxy.ok()) << proxy.error().toStdString();
    EXPECT_TRUE(proxy.address().startsWith(QStringLiteral("127.0.0.1:")));

    const CurlResult page =
        curl({QStringLiteral("-x"), proxy.address(), server.url(QStringLiteral("/page.html"))});
    EXPECT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(pageText));
    EXPECT_EQ(server.count(QStringLiteral("/page.html")), 1);

    // HTTPS through the proxy (CONNECT).
    const CurlResult secure =
        curl({QStringLiteral("-x"), proxy.address(), QStringLiteral("--cacert"),
              server.certificate(QStringLiteral("trusted")),
              server.httpsUrl(QStringLiteral("/count/secure"))});
    EXPECT_EQ(secure.exitCode, 0) << secure.err.toStdString();
    EXPECT_EQ(secure.out, "ok");
    EXPECT_EQ(server.count(QStringLiteral("secure")), 1);

    const QString log = proxy.log();
    EXPECT_TRUE(log.contains(server.url(QStringLiteral("/page.html")))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("CONNECT 127.0.0.1:%1").arg(server.httpsPort())))
        << log.toStdString();
}
