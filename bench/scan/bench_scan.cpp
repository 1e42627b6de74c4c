// Folder scan benchmark: builds PictureList from a generated tree of 100,000
// files in 1,000 folders (a third of them pictures) with RefreshSettings(true),
// run as a job and waited for, and times `find <dir> -type f` on the same tree
// in the same run. Prints both times and their ratio.
#include "collection/Collection.h"
#include "context/AppContext.h"
#include "settings/DataFolder.h"
#include "settings/PictureListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int TopFolders = 10;
constexpr int SubFoldersEach = 99;  // 10 + 10 * 99 = 1,000 folders
constexpr int FilesPerFolder = 100; // 100,000 files

// The benchmark only needs somewhere to show the progress bubble.
struct SilentNotifier : Notifier {
    void showBubble(const QString&, int, BubbleKind) override {}
    void hideBubble(BubbleKind) override {}
};

bool writeEmpty(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

bool fillFolder(const QString& folder, int& serial) {
    static const char* const pictureEndings[] = {".jpg", ".png", ".JPEG", ".gif"};
    for (int i = 0; i < FilesPerFolder; ++i, ++serial) {
        const QString name = serial % 3 == 0 ? QStringLiteral("photo_%1%2")
                                                   .arg(serial)
                                                   .arg(QLatin1String(pictureEndings[serial % 4]))
                                             : QStringLiteral("note_%1.txt").arg(serial);
        if (!writeEmpty(folder + QLatin1Char('/') + name)) return false;
    }
    return true;
}

bool makeTree(const QString& root) {
    int serial = 0;
    for (int t = 0; t < TopFolders; ++t) {
        const QString top = QStringLiteral("%1/set%2").arg(root).arg(t);
        if (!QDir().mkpath(top) || !fillFolder(top, serial)) return false;
        for (int s = 0; s < SubFoldersEach; ++s) {
            const QString sub = QStringLiteral("%1/album%2").arg(top).arg(s);
            if (!QDir().mkpath(sub) || !fillFolder(sub, serial)) return false;
        }
    }
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_scan: no temporary folder\n");
        return 1;
    }
    const QString root = dir.filePath(QStringLiteral("tree"));
    std::printf("Generating %d files in %d folders...\n",
                TopFolders * (1 + SubFoldersEach) * FilesPerFolder,
                TopFolders * (1 + SubFoldersEach));
    std::fflush(stdout);
    if (!makeTree(root)) {
        std::fprintf(stderr, "bench_scan: could not write the tree\n");
        return 1;
    }

    PlatformServices services;
    services.notifier = std::make_unique<SilentNotifier>();
    AppContext app(services);
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    app.paths = MakeDataPaths(dir.filePath(QStringLiteral("data")) + QDir::separator());
    app.settings.WPSource = WallpaperSource::LocalFolders;
    app.settings.SubFols = true;
    PictureListData list;
    list.folders = {root};
    if (!WritePictureListFile(app.paths.WallPapersListPath, list)) {
        std::fprintf(stderr, "bench_scan: could not write the list file\n");
        return 1;
    }

    const QString findProgram = QStringLiteral("find");
    auto runFind = [&] {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        find.start(findProgram, {root, QStringLiteral("-type"), QStringLiteral("f")});
        find.waitForFinished(-1);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        return find.exitStatus() == QProcess::NormalExit && find.exitCode() == 0 ? ms : -1.0;
    };
    auto runScan = [&] {
        QElapsedTimer t;
        t.start();
        QEventLoop loop;
        QObject::connect(&app.events, &AppEvents::changeTimerWanted, &loop, &QEventLoop::quit);
        RefreshSettings(app, true);
        loop.exec();
        return double(t.nsecsElapsed()) / 1e6;
    };

    // One untimed round fills the file system caches for both.
    runFind();
    runScan();
    std::vector<double> findTimes, scanTimes;
    for (int round = 0; round < 7; ++round) {
        const double f = runFind();
        if (f < 0) {
            std::fprintf(stderr, "bench_scan: find failed\n");
            return 1;
        }
        findTimes.push_back(f);
        scanTimes.push_back(runScan());
    }
    const double findMs = median(findTimes);
    const double scanMs = median(scanTimes);
    std::printf("pictures found:                 %lld\n",
                static_cast<long long>(app.PictureList.size()));
    std::printf("find -type f (median of 7):     %8.1f ms\n", findMs);
    std::printf("RefreshSettings(true) (median): %8.1f ms\n", scanMs);
    std::printf("ratio RefreshSettings / find:   %8.2f (goal: at most 1.5)\n", scanMs / findMs);
    return 0;
}
