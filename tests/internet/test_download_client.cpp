// The download client against a real HTTP/HTTPS server and a real proxy on
// 127.0.0.1 (tests/support/http-test-server.py, tinyproxy).
#include "LocalHttpServer.h"
#include "internet/DownloadClient.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSslConfiguration>

namespace {

struct DownloadTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    LocalHttpServer server{false, t.path("site")}; // serves site/ under /files/
    void SetUp() override {
        ASSERT_TRUE(server.ok());
        app.settings.IntTimeOut = 2;
        app.settings.IntIgnore = true;
    }
    // One GetPageB to its end: the body, or nothing. `totalMs`: the limit of
    // the whole answer in place of the usual one.
    std::optional<QByteArray> get(const QString& url, qint64 limit = DownloadClient::PageLimit,
                                  qint64 totalMs = 0) {
        DownloadClient client(app);
        client.setTotalTimeLimitMs(totalMs);
        std::optional<std::optional<QByteArray>> body; // set once it ended
        client.GetPageB(
            url, [&](std::optional<QByteArray> b) { body.emplace(std::move(b)); }, limit);
        EXPECT_TRUE(waitUntil([&] { return body.has_value(); })) << url.toStdString();
        lastError = client.lastError();
        return body.value_or(std::nullopt);
    }
    QString lastError;
};

QByteArray pattern(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7) % 256);
    return b;
}

} // namespace

TEST_F(DownloadTest, BodiesArriveWholeInOrderTheIconShowsWhileARequestRunsAndTheErrorBox) {
    EXPECT_EQ(get(server.url("/bytes/300000")), pattern(300000));

    DownloadClient client(app);
    bool done = false;
    client.GetPageB(server.url("/slow-page"), [&](std::optional<QByteArray> b) {
        EXPECT_TRUE(b && b->contains("<html"));
        done = true;
    });
    EXPECT_TRUE(client.downloadIconShown());
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_FALSE(client.downloadIconShown());
    app.settings.IntTray = false;
    done = false;
    client.GetPageB(server.url("/page.html"), [&](auto) { done = true; });
    EXPECT_FALSE(client.downloadIconShown());
    ASSERT_TRUE(waitUntil([&] { return done; }));

    // Two requests on one client run one after the other, in order.
    QStringList order;
    client.GetPageB(server.url("/slow-page"), [&](auto b) { order << (b ? "slow" : "-"); });
    client.GetPageB(server.url("/bytes/10"), [&](auto b) { order << (b ? "fast" : "-"); });
    ASSERT_TRUE(waitUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (QStringList{"slow", "fast"}));

    // The error box retries the request; Cancel gives up.
    app.settings.IntIgnore = false;
    std::optional<std::optional<QByteArray>> body; // set once it ended
    client.GetPageB(server.url("/404"), [&](std::optional<QByteArray> b) { body.emplace(b); });
    QStringList answered;
    for (const QMessageBox::StandardButton answer : {QMessageBox::Retry, QMessageBox::Cancel}) {
        QMessageBox* box = nullptr;
        ASSERT_TRUE(waitUntil([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w);
                    b && b->isVisible() && b->windowTitle() == "Orvane Downloader Error")
                    box = b;
            return box != nullptr;
        }));
        answered << box->text();
        box->button(answer)->click();
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(waitUntil([&] { return body.has_value(); }));
    EXPECT_FALSE(body->has_value());
    EXPECT_EQ(server.count("/404"), 2); // Retry really asked again
    EXPECT_TRUE(answered[0].startsWith("Error ")) << answered[0].toStdString();
    EXPECT_TRUE(answered[0].contains(" at line: 3"));
}

TEST_F(DownloadTest, EveryFailureIsEmptyWithinTheTimeOutWhichIsForSilence) {
    LocalHttpServer secure(true);
    LocalHttpServer untrusted(true, {}, secure.certificateDir(),
                              LocalHttpServer::Certificate::Untrusted);
    ASSERT_TRUE(secure.ok() && untrusted.ok());
    // The test trusts its own certificate, as a user's system would.
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.addCaCertificates(secure.certificateDir() + "/trusted.pem");
    QSslConfiguration::setDefaultConfiguration(ssl);

    EXPECT_TRUE(get(secure.httpsUrl("/page.html")).has_value()) << lastError.toStdString();
    QStringList failures{secure.httpsUrl("/to-http"), untrusted.httpsUrl("/page.html"),
                         "http://127.0.0.1:1/page.html", "ftp://127.0.0.1/x.jpg"};
    for (const char* path :
         {"/404", "/reset", "/hang", "/stall/20000", "/loop", "/huge", "/nolength-huge"})
        failures << server.url(path);
    for (const QString& url : failures) {
        SCOPED_TRACE(url.toStdString());
        QElapsedTimer clock;
        clock.start();
        // A huge answer of no stated length over the larger limit, for pictures.
        EXPECT_FALSE(get(url, url.endsWith("/nolength-huge") ? DownloadClient::PictureLimit
                                                             : DownloadClient::PageLimit)
                         .has_value());
        EXPECT_LT(clock.elapsed(), (app.settings.IntTimeOut + 1) * 1000);
        EXPECT_FALSE(lastError.isEmpty());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // no box with IntIgnore on
    }
    QSslConfiguration::setDefaultConfiguration(QSslConfiguration());

    // IntTimeOut is how long the server may stay silent, not how long the
    // whole answer may take: a large picture on a slow link keeps coming and
    // gets through; an answer that stops coming fails. A trickle that never
    // ends fails at the limit of the whole answer.
    app.settings.IntTimeOut = 1;
    QElapsedTimer clock;
    // 24 bytes, 100 ms apart: 2.4 s, over twice the time-out.
    clock.start();
    EXPECT_EQ(get(server.url("/trickle/24/100")), pattern(24)) << lastError.toStdString();
    EXPECT_GE(clock.elapsed(), 2000);
    EXPECT_TRUE(lastError.isEmpty());
    // Silent after part of the body: it fails once the silence lasts the
    // time-out, not when the answer would have been whole.
    clock.restart();
    EXPECT_FALSE(get(server.url("/stall/50000")).has_value());
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(lastError.contains("nothing came within 1 seconds")) << lastError.toStdString();
    // Silence before the answer begins counts the same.
    EXPECT_FALSE(get(server.url("/slow-page")).has_value());
    app.settings.IntTimeOut = 2;
    EXPECT_TRUE(get(server.url("/slow-page")).has_value()) << lastError.toStdString();

    // A byte a second is never silent for 2 s; the whole answer's limit ends it.
    clock.restart();
    EXPECT_FALSE(get(server.url("/drip"), DownloadClient::PageLimit, 3000).has_value());
    EXPECT_GE(clock.elapsed(), 2900);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_TRUE(lastError.contains("did not complete within 3 seconds")) << lastError.toStdString();
    // That limit by default: a quarter of an hour, in which the largest
    // picture accepted comes over 1 Mbit/s, or ten silences.
    EXPECT_EQ(DownloadClient::TotalTimeLimitMs(60), 15 * 60 * 1000);
    EXPECT_GT(DownloadClient::TotalTimeLimitMs(1), DownloadClient::PictureLimit * 8 / 1000);
    EXPECT_EQ(DownloadClient::TotalTimeLimitMs(600), 6000 * 1000);
}

// With "Use a proxy" off the system's proxy settings apply: here the proxy
// variables, which Qt's system configuration reads along with the desktop's
// settings. A proxy of its own wins; unusable proxy texts are failures.
TEST_F(DownloadTest, TheSystemsProxyOrOneOfItsOwnIsUsed) {
    LocalProxy proxy;
    ASSERT_TRUE(proxy.ok());
    const auto restore = qScopeGuard([] {
        for (const char* name : {"http_proxy", "https_proxy", "no_proxy"})
            qunsetenv(name);
    });
    qputenv("http_proxy", ("http://" + proxy.address()).toUtf8());
    app.settings.IntUseProxy = false;
    EXPECT_TRUE(get(server.url("/count/via-system-proxy")).has_value()) << lastError.toStdString();
    EXPECT_TRUE(waitUntil([&] { return proxy.log().contains("/count/via-system-proxy"); }, 3000))
        << proxy.log().toStdString();

    // no_proxy names the server: straight there.
    qputenv("no_proxy", "example.invalid,127.0.0.1");
    EXPECT_TRUE(get(server.url("/count/straight")).has_value()) << lastError.toStdString();
    EXPECT_EQ(server.count("straight"), 1);
    EXPECT_FALSE(proxy.log().contains("/count/straight"));
    qunsetenv("no_proxy");

    // The system's proxy is really the way: one that refuses fails the request.
    const quint16 closed = local_servers_detail::freePort();
    qputenv("http_proxy", QByteArray("http://127.0.0.1:") + QByteArray::number(closed));
    EXPECT_FALSE(get(server.url("/count/refused")).has_value());
    EXPECT_EQ(server.count("refused"), 0);

    // A proxy of its own wins over the system's.
    app.settings.IntUseProxy = true;
    for (const QString& text : {proxy.address(), "http://" + proxy.address() + "/"}) {
        app.settings.IntProxy = text;
        EXPECT_TRUE(get(server.url("/count/own-proxy")).has_value()) << lastError.toStdString();
    }
    EXPECT_TRUE(waitUntil([&] { return proxy.log().contains("/count/own-proxy"); }, 3000));
    qunsetenv("http_proxy");
    for (const QString& text : {QString(), QString("no port"), QString("host:99999")}) {
        app.settings.IntProxy = text;
        EXPECT_FALSE(get(server.url("/page.html")).has_value());
        EXPECT_TRUE(lastError.contains("proxy")) << lastError.toStdString();
    }
}

TEST_F(DownloadTest, FetchTellsAFailureFromAnAbandonedRequest) {
    DownloadClient client(app);
    QStringList ends;
    const auto fetch = [&](const QString& path) {
        client.Fetch(server.url(path), [&ends, path](DownloadResult r) {
            const char* how = r.status == DownloadStatus::Answered ? "answered"
                              : r.status == DownloadStatus::Failed ? "failed"
                                                                   : "abandoned";
            ends << path + " " + how + (r.body.isEmpty() ? "" : " body");
        });
    };
    fetch("/page.html");
    fetch("/404");
    ASSERT_TRUE(waitUntil([&] { return ends.size() == 2; }));
    // Abandoned: the running request and the one waiting behind it, then
    // every request once the program is ending.
    fetch("/hang");
    fetch("/page.html");
    ASSERT_TRUE(waitUntil([&] { return server.count("/hang") == 1; }));
    client.abandon();
    fetch("/hang");
    ASSERT_TRUE(waitUntil([&] { return server.count("/hang") == 2; }));
    emit app.events.ending();
    fetch("/page.html");
    ASSERT_TRUE(waitUntil([&] { return ends.size() == 6; }, 3000));
    EXPECT_FALSE(client.downloadIconShown());
    EXPECT_EQ(ends,
              (QStringList{"/page.html answered body", "/404 failed", "/hang abandoned",
                           "/page.html abandoned", "/hang abandoned", "/page.html abandoned"}));
}
