#pragma once

// Helpers of the end-to-end tests that drive the built program, the X server
// and the test session's notification service from outside.
#include "FakePlatform.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QSettings>

// The built program, its settings file and its data folder.
inline const QString kTessaly = qEnvironmentVariable("TESSALY_BINARY");
inline const QString kConfigFile =
    qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly/tessaly.conf";
inline const QString kDataFolder = qEnvironmentVariable("XDG_DATA_HOME") + "/Orvane Tessaly";

// Settings as an earlier run left them, with no change at start or on a timer.
inline const QStringList kEarlierRun{"Options/1strun=False", "Options/WallpaperStartup=False",
                                     "Options/WallpaperTimer=False"};

// Empties the program's settings and data folders, then stores `settings`
// ("Group/Key=Value" each), later ones over earlier ones.
inline void resetHome(const QStringList& settings = {}) {
    QDir(QFileInfo(kConfigFile).path()).removeRecursively();
    QDir(kDataFolder).removeRecursively();
    if (settings.isEmpty()) return;
    QSettings ini(kConfigFile, QSettings::IniFormat);
    for (const QString& s : settings)
        ini.setValue(s.section('=', 0, 0), s.section('=', 1));
}

// One picture of each named colour ("red.png" all red, …) in `folder`, stored
// as the picture list in that order.
inline void storePictures(const QString& folder, const QStringList& colours) {
    PictureListData list;
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(kDataFolder));
    for (const QString& colour : colours) {
        savePicture(folder + "/" + colour + ".png", QColor(colour));
        list.files.append({folder + "/", colour + ".png"});
    }
    ASSERT_TRUE(WritePictureListFile(kDataFolder + "/WallPapersList.tsy", list));
}

// Whether the middle of the screen, as the X server shows it, has about this colour.
inline bool rootShows(const QColor& c) {
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QColor r = shot.pixelColor(shot.width() / 2, shot.height() / 2);
    return std::abs(r.red() - c.red()) < 40 && std::abs(r.green() - c.green()) < 40 &&
           std::abs(r.blue() - c.blue()) < 40;
}

// Waits until the condition holds, keeping this process's events flowing.
template <typename F> bool waitFor(F condition, int ms = 10000) {
    for (QDeadlineTimer deadline(ms); !condition(); QThread::msleep(50)) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// Each call the session's notification service logged, as its fields:
// "Notify", id, app, summary, body, timeout, replaces id; or
// "CloseNotification", id.
inline QList<QStringList> notificationCalls() {
    QFile f(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
    QList<QStringList> calls;
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts))
            calls << line.split('\t');
    return calls;
}

// The window of Tessaly's icon inside the tray host, or empty.
inline QString embeddedIconWindow() {
    for (const QString& host :
         run("xdotool", {"search", "--class", "trayer"}).split('\n', Qt::SkipEmptyParts))
        for (const QString& line : run("xwininfo", {"-tree", "-id", host}).split('\n'))
            if (line.contains("(\"tessaly\" \"tessaly\")"))
                return line.trimmed().section(' ', 0, 0);
    return {};
}

// The built program, run for a test: what it says on standard error is kept;
// at the end it is asked to quit (and killed when it does not).
struct TessalyProcess {
    QProcess process;
    QString errors;
    // `vars` ({name, value} each) set over the test's own environment.
    explicit TessalyProcess(const QStringList& args,
                            std::initializer_list<std::pair<QString, QString>> vars = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : vars)
            env.insert(name, value);
        process.setProcessEnvironment(env);
        process.start(kTessaly, args);
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~TessalyProcess() {
        if (process.state() == QProcess::Running) QProcess::execute(kTessaly, {"--quit"});
        process.waitForFinished(10000);
    }
    // Whether standard error has said `text` at least `times` times, waiting
    // up to `ms` for it.
    bool said(const QString& text, int times = 1, int ms = 10000) {
        return waitFor(
            [&] {
                process.waitForReadyRead(20);
                errors += QString::fromLocal8Bit(process.readAllStandardError());
                return errors.count(text) >= times;
            },
            ms);
    }
};
