// End-to-end tests of the real program on a private desktop session (Xvfb,
// trayer, a session bus with a notification service; see
// tests/support/desktop-session.sh): the tray icon and its mouse actions, the
// menu and command line, the change timer and the single instance.
#include "settings/PictureListFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

#include "DesktopTestUtil.h"

namespace {

// The bodies of the notifications shown since the test began.
QStringList notifications() {
    QFile f(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
    QStringList bodies;
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split('\n'))
            if (line.startsWith("Notify\t")) bodies << line.section('\t', 4, 4);
    return bodies;
}

// The window of Tessaly's icon inside the tray host's windows, or empty.
QString embeddedIconWindow() {
    const QString hosts = run("xdotool", {"search", "--class", "trayer"});
    for (const QString& host : hosts.split('\n', Qt::SkipEmptyParts))
        for (const QString& line : run("xwininfo", {"-tree", "-id", host}).split('\n'))
            if (line.contains("(\"tessaly\" \"tessaly\")"))
                return line.trimmed().section(' ', 0, 0);
    return {};
}

// Whether the middle of the root window, as the X server shows it, has about this colour.
bool rootShows(const QColor& c) {
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QColor r = shot.pixelColor(shot.width() / 2, shot.height() / 2);
    return std::abs(r.red() - c.red()) < 40 && std::abs(r.green() - c.green()) < 40 &&
           std::abs(r.blue() - c.blue()) < 40;
}

struct Tessaly {
    static QString binary() { return qEnvironmentVariable("TESSALY_BINARY"); }
    QProcess process;
    explicit Tessaly(const QStringList& args = {}) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(binary(), args);
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Tessaly() { // the QProcess destructor kills what does not quit
        if (process.state() == QProcess::Running) QProcess::execute(binary(), {"--quit"});
        process.waitForFinished(10000);
    }
};

// Processes of the built Tessaly that run for this test's session (other
// tests may run their own at the same time).
int runningInstances() {
    const QByteArray session = "XDG_RUNTIME_DIR=" + qgetenv("XDG_RUNTIME_DIR");
    int n = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile env("/proc/" + pid + "/environ");
        if (QFileInfo("/proc/" + pid + "/exe").symLinkTarget() ==
                QFileInfo(Tessaly::binary()).canonicalFilePath() &&
            env.open(QIODevice::ReadOnly) && env.readAll().split('\0').contains(session))
            ++n;
    }
    return n;
}

struct DesktopTest : ::testing::Test {
    static inline const QString pictures = qEnvironmentVariable("HOME") + "/pictures/";
    // Three pictures of one colour each, in sequence, no watermark, stretched
    // over the screen; stored as after an earlier run, with `options` on top.
    void prepare(const QString& options = {}) {
        QFile log(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate)) << "needs the bench";
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly";
        const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Orvane Tessaly";
        for (const QString& dir : {config, data, pictures})
            ASSERT_TRUE(QDir(dir).removeRecursively() && QDir().mkpath(dir));
        PictureListData list;
        for (const auto& [name, colour] :
             {std::pair{"red.png", Qt::red}, {"green.png", Qt::green}, {"blue.png", Qt::blue}}) {
            QImage img(64, 48, QImage::Format_RGB32);
            img.fill(colour);
            ASSERT_TRUE(img.save(pictures + name));
            list.files.append({pictures, QString::fromLatin1(name)});
        }
        ASSERT_TRUE(WritePictureListFile(data + "/WallPapersList.tsy", list));
        QSettings ini(config + "/tessaly.conf", QSettings::IniFormat);
        const QString defaults =
            "1strun=False WPSource=0 TechniqueTimer=1 CurWallPaper=1 WallpaperStartup=False "
            "WallpaperTimer=False BubbleFileName=True WaterMarkVisible=False "
            "WallPaperPosition=Stretch ";
        for (const QString& option : (defaults + options).split(' ', Qt::SkipEmptyParts))
            ini.setValue("Options/" + option.section('=', 0, 0), option.section('=', 1));
    }
    static void clickIcon(const QString& icon, int button, int times) {
        run("xdotool", {"mousemove", "--window", icon, "10", "10", "click", "--repeat",
                        QString::number(times), "--delay", "80", QString::number(button)});
    }
};

TEST_F(DesktopTest, IconMouseActionsMenuCommandLineAndASecondStart) {
    prepare();
    Tessaly first({"/y"}); // a log-on start opens nothing by itself
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = embeddedIconWindow()).isEmpty(); }))
        << "the icon was not embedded in the tray host";
    const auto settingsShown = [] { return notifications().filter("Tessaly is running").size(); };
    clickIcon(icon, 1, 1);
    EXPECT_FALSE(waitFor([&] { return settingsShown() > 0; }, 1500)) << "a single click acted";
    clickIcon(icon, 1, 2);
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 1; })) << "a double click did not";

    // Right button: the menu; "w" picks "Switch &Wallpaper Now" once it is open.
    clickIcon(icon, 3, 1);
    waitFor([] { return false; }, 700);
    run("xdotool", {"key", "w"});
    EXPECT_TRUE(waitFor([] { return rootShows(Qt::green); })) << "the menu command did not change";
    EXPECT_EQ(QProcess::execute(Tessaly::binary(), {"--next"}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(Qt::blue); }));
    // Other X clients find the picture in the root window's property.
    EXPECT_TRUE(run("xprop", {"-root", "_XROOTPMAP_ID"}).contains("pixmap id"));

    // The second start hands over: the running instance shows its settings.
    Tessaly second;
    ASSERT_TRUE(second.process.waitForFinished(10000));
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);
    EXPECT_EQ(runningInstances(), 1);
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 2; }));
}

TEST_F(DesktopTest, TimerChangesTwiceAtAboutTheInterval) {
    // 0.05 minutes: every 3 seconds, counted from the end of each change.
    prepare("WallpaperTimer=True IntervalTimer=0.05");
    QElapsedTimer clock;
    clock.start();
    Tessaly t({"/y"});
    ASSERT_TRUE(waitFor([] { return notifications().contains(pictures + "green.png"); }, 15000));
    const qint64 first = clock.elapsed();
    ASSERT_TRUE(waitFor([] { return notifications().contains(pictures + "blue.png"); }, 15000));
    const qint64 second = clock.elapsed();
    // The first tick (about 1 s after start) starts the countdown.
    EXPECT_GE(first, 3000);
    EXPECT_LE(first, 9000);
    EXPECT_GE(second - first, 2500);
    EXPECT_LE(second - first, 6000);
}

} // namespace
