// News feed benchmark: ReadFeed on a 4 MB RSS document beside Python's
// ElementTree reading the same file in the same run; then the processor time
// the news bar takes while its line scrolls for ten seconds, as a share of
// one core, on the display in DISPLAY (offscreen without one).
#include "context/AppContext.h"
#include "feeds/FeedList.h"
#include "feeds/FeedReader.h"
#include "feeds/FeedUpdater.h"
#include "platform/IniSettingsStore.h"
#include "settings/DataFolder.h"
#include "widgets/NewsBar.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Items = 4000;
constexpr int Rounds = 10;
constexpr int ScrollSeconds = 10;

QByteArray BigFeed() {
    QByteArray d = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Bench "
                   "News</title><link>https://bench.example/</link>\n";
    for (int i = 0; i < Items; ++i)
        d += "<item><title>Headline number " + QByteArray::number(i) +
             " of the day</title><link>https://bench.example/" + QByteArray::number(i) +
             "</link><description>" + QByteArray(900, 'd') + "</description></item>\n";
    return d + "</channel></rss>\n";
}

double CpuSeconds() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    const QByteArray feed = BigFeed();
    const QString file = dir.filePath(QStringLiteral("big.xml"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(feed) != feed.size()) return 1;
    out.close();

    QElapsedTimer clock;
    clock.start();
    int headlines = 0;
    for (int i = 0; i < Rounds; ++i)
        headlines += int(ReadFeed(feed).headlines.size());
    const double ours = clock.nsecsElapsed() / 1e6 / Rounds;
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, time, xml.etree.ElementTree as E\n"
                                 "t = time.perf_counter()\n"
                                 "for _ in range(%1):\n"
                                 "    r = E.parse(sys.argv[1]).getroot()\n"
                                 "    n = [i.findtext('title') for i in r.iter('item')]\n"
                                 "print((time.perf_counter() - t) * 1000 / %1)\n")
                      .arg(Rounds),
                  file});
    const bool ran = python.waitForFinished(120000) && python.exitCode() == 0;
    const double theirs = python.readAllStandardOutput().trimmed().toDouble();
    std::printf("ReadFeed, %.1f MB with %d items: tessaly %.1f ms, python3 ElementTree %.1f ms%s\n",
                feed.size() / 1048576.0, Items, ours, theirs, ran ? "" : " (python failed)");
    if (ran && theirs > 0) std::printf("ratio tessaly / ElementTree: %.2f\n", ours / theirs);
    if (headlines != Rounds * kMaxHeadlines)
        std::printf("unexpected headline count %d\n", headlines);

    // The bar with five stored feeds of ten headlines, scrolling.
    PlatformServices services;
    services.store =
        std::make_unique<IniSettingsStore>(dir.filePath(QStringLiteral("tessaly.conf")));
    AppContext app(services);
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    app.paths = MakeDataPaths(dir.filePath(QStringLiteral("data")) + QLatin1Char('/'));
    app.settings.NBEnabled = true;
    app.settings.NBSpeed = 5;
    QList<FeedEntry> feeds;
    QDir().mkpath(app.paths.FeedsFolder);
    for (int f = 0; f < 5; ++f) {
        const QString title = QStringLiteral("Feed %1").arg(f);
        QByteArray doc = "<rss><channel><title>" + title.toUtf8() + "</title>";
        for (int i = 0; i < 10; ++i)
            doc += "<item><title>A headline of some length, number " + QByteArray::number(i) +
                   "</title></item>";
        QFile stored(FeedFilePath(app.paths.FeedsFolder, title));
        if (!stored.open(QIODevice::WriteOnly)) return 1;
        stored.write(doc + "</channel></rss>");
        feeds.append({title, QStringLiteral("http://127.0.0.1:9/feed%1").arg(f)});
    }
    FeedUpdater updater(app);
    NewsBar bar(app, updater);
    updater.showStored(feeds);
    bar.move(0, 100);
    bar.show();
    // The event loop runs as in the program: waiting for the bar's timer.
    const auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    runFor(500);
    const double cpu0 = CpuSeconds();
    clock.restart();
    runFor(ScrollSeconds * 1000);
    const double share = (CpuSeconds() - cpu0) / (clock.nsecsElapsed() / 1e9);
    std::printf("news bar scrolling %d s on %s (%dx%d, %d pieces): %.1f %% of one core (goal: a "
                "few percent)\n",
                ScrollSeconds, qPrintable(QGuiApplication::platformName()), bar.width(),
                bar.height(), int(bar.pieces().size()), share * 100);
    return 0;
}
