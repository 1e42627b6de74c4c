// Download and cache benchmark: 200 pictures of 2 MB from a local HTTP server,
// fetched with GetPageB and stored with CacheStore, beside curl fetching the
// same files in the same run; then lookups among 10,000 cached items, from a
// cold start and once the index is read.
#include "context/AppContext.h"
#include "internet/DownloadCache.h"
#include "internet/DownloadClient.h"
#include "platform/IniSettingsStore.h"
#include "settings/DataFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Pictures = 200;
constexpr int PictureBytes = 2 * 1024 * 1024;
constexpr int CachedItems = 10000;

QString serveFolder(QProcess& server, const QString& root, const QString& readyFile) {
    server.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(TESSALY_SOURCE_DIR "/tests/support/http-test-server.py"),
                  QStringLiteral("--ready"), readyFile, QStringLiteral("--root"), root});
    for (int i = 0; i < 200; ++i) {
        QFile ready(readyFile);
        if (ready.open(QIODevice::ReadOnly)) {
            const QByteArray ports = ready.readAll().trimmed();
            if (!ports.isEmpty())
                return QStringLiteral("http://127.0.0.1:%1/files/")
                    .arg(QString::fromLatin1(ports.split(' ').value(0)));
        }
        QThread::msleep(50);
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("site"));
    QDir().mkpath(root);
    QByteArray picture(PictureBytes, '\0');
    for (int i = 0; i < PictureBytes; ++i)
        picture[i] = char((i * 131) >> 3);
    for (int k = 0; k < Pictures; ++k) {
        QFile f(root + QStringLiteral("/p%1.jpg").arg(k));
        if (!f.open(QIODevice::WriteOnly) || f.write(picture) != picture.size()) return 1;
    }
    QProcess server;
    const QString base = serveFolder(server, root, dir.filePath(QStringLiteral("ready")));
    if (base.isEmpty()) {
        std::fprintf(stderr, "bench_download: the local server did not start\n");
        return 1;
    }

    PlatformServices services;
    services.store =
        std::make_unique<IniSettingsStore>(dir.filePath(QStringLiteral("tessaly.conf")));
    AppContext app(services);
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    app.paths = MakeDataPaths(dir.filePath(QStringLiteral("data")) + QLatin1Char('/'));
    app.settings.IntTray = false;
    if (qEnvironmentVariableIsSet("BENCH_NO_CACHE")) app.settings.IntEnableCaching = false;

    QElapsedTimer clock;
    // curl first: the same files, one process fetching them all in turn.
    QStringList args{QStringLiteral("-s")};
    QStringList urls;
    for (int k = 0; k < Pictures; ++k)
        urls << base + QStringLiteral("p%1.jpg").arg(k);
    args << QStringLiteral("-Z") << QStringLiteral("--parallel-max") << QStringLiteral("1");
    // curl writes the files to disk too, as the cache does.
    const QString curlDir = dir.filePath(QStringLiteral("curl"));
    QDir().mkpath(curlDir);
    for (int k = 0; k < Pictures; ++k)
        args << QStringLiteral("-o") << curlDir + QStringLiteral("/p%1.jpg").arg(k) << urls[k];
    clock.start();
    QProcess curlProcess;
    curlProcess.setStandardOutputFile(QProcess::nullDevice());
    curlProcess.setStandardErrorFile(QProcess::nullDevice());
    curlProcess.start(QStringLiteral("curl"), args);
    const int curl = curlProcess.waitForFinished(300000) ? curlProcess.exitCode() : -1;
    const double theirs = clock.nsecsElapsed() / 1e6;
    // curl's files go to the disk before Tessaly starts, so that neither pays
    // for the other's writes.
    ::sync();
    // Tessaly: one client, the pictures one after the other, each stored.
    DownloadCache cache(app);
    DownloadClient client(app);
    clock.restart();
    int next = 0, failed = 0;
    qint64 storeNs = 0;
    std::function<void()> fetch = [&] {
        if (next == Pictures) return;
        const QString url = base + QStringLiteral("p%1.jpg").arg(next++);
        client.GetPageB(
            url,
            [&, url](std::optional<QByteArray> body) {
                QElapsedTimer st;
                st.start();
                if (!body || !cache.CacheStore(url, *body)) ++failed;
                storeNs += st.nsecsElapsed();
                fetch();
            },
            DownloadClient::PictureLimit);
    };
    fetch();
    while (next < Pictures || client.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double ours = clock.nsecsElapsed() / 1e6;
    if (qEnvironmentVariableIsSet("BENCH_NO_CACHE")) app.settings.IntEnableCaching = true;

    std::printf("download %d x 2 MB: tessaly (GetPageB + CacheStore) %.0f ms, curl %.0f ms%s\n",
                Pictures, ours, theirs, curl == 0 ? "" : " (curl failed)");
    std::printf("ratio tessaly / curl: %.2f (goal: at most 1.2); of Tessaly's time, storing in "
                "the cache took %.0f ms%s\n",
                ours / theirs, storeNs / 1e6, failed ? " -- some downloads failed" : "");
    server.terminate();
    server.waitForFinished(5000);

    // 10,000 cached items, then lookups cold (a new cache object reads the
    // index) and warm (the index kept).
    cache.clear();
    for (int k = 0; k < CachedItems; ++k)
        cache.CacheStore(QStringLiteral("http://pictures.example/%1.jpg").arg(k), "0123456789");
    clock.restart();
    DownloadCache cold(app);
    const bool first =
        cold.CacheLookup(QStringLiteral("http://pictures.example/9999.jpg")).has_value();
    const double coldMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    int hits = 0;
    for (int k = 0; k < CachedItems; ++k)
        hits +=
            cold.CacheLookup(QStringLiteral("http://pictures.example/%1.jpg").arg(k)).has_value();
    const double warmUs = clock.nsecsElapsed() / 1e3 / CachedItems;
    std::printf("cache of %d items: first lookup (reads the index) %.1f ms, then %.1f us a lookup "
                "(goal: under 1 ms)%s\n",
                CachedItems, coldMs, warmUs, first && hits == CachedItems ? "" : " -- misses!");
    return 0;
}
