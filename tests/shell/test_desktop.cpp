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

using namespace Qt::StringLiterals;

namespace {

// Runs a helper program to its end; its standard output.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Waits until the condition holds, keeping this process's events flowing.
template <typename F> bool waitFor(F condition, int ms = 10000) {
    for (QDeadlineTimer deadline(ms); !condition(); QThread::msleep(50)) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// The bodies of the notifications shown since the test began.
QStringList notifications() {
    QFile f(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
    QStringList bodies;
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n'))
            if (line.startsWith(u"Notify\t"_s)) bodies << line.section(u'\t', 4, 4);
    return bodies;
}

// The window of Tessaly's icon inside the tray host's windows, or empty.
QString embeddedIconWindow() {
    const QString hosts = run(u"xdotool"_s, {u"search"_s, u"--class"_s, u"trayer"_s});
    for (const QString& host : hosts.split(u'\n', Qt::SkipEmptyParts))
        for (const QString& line : run(u"xwininfo"_s, {u"-tree"_s, u"-id"_s, host}).split(u'\n'))
            if (line.contains(u"(\"tessaly\" \"tessaly\")"_s))
                return line.trimmed().section(u' ', 0, 0);
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
        if (process.state() == QProcess::Running) QProcess::execute(binary(), {u"--quit"_s});
        process.waitForFinished(10000);
    }
};

// Processes of the built Tessaly that run for this test's session (other
// tests may run their own at the same time).
int runningInstances() {
    const QByteArray session = "XDG_RUNTIME_DIR=" + qgetenv("XDG_RUNTIME_DIR");
    int n = 0;
    for (const QString& pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile env(u"/proc/"_s + pid + u"/environ"_s);
        if (QFileInfo(u"/proc/"_s + pid + u"/exe"_s).symLinkTarget() ==
                QFileInfo(Tessaly::binary()).canonicalFilePath() &&
            env.open(QIODevice::ReadOnly) && env.readAll().split('\0').contains(session))
            ++n;
    }
    return n;
}

struct DesktopTest : ::testing::Test {
    static inline const QString pictures = qEnvironmentVariable("HOME") + u"/pictures/"_s;
    // Three pictures of one colour each, in sequence, no watermark, stretched
    // over the screen; stored as after an earlier run, with `options` on top.
    void prepare(const QString& options = {}) {
        QFile log(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate)) << "needs the bench";
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + u"/tessaly"_s;
        const QString data = qEnvironmentVariable("XDG_DATA_HOME") + u"/Orvane Tessaly"_s;
        for (const QString& dir : {config, data, pictures})
            ASSERT_TRUE(QDir(dir).removeRecursively() && QDir().mkpath(dir));
        PictureListData list;
        for (const auto& [name, colour] :
             {std::pair{"red.png", Qt::red}, {"green.png", Qt::green}, {"blue.png", Qt::blue}}) {
            QImage img(64, 48, QImage::Format_RGB32);
            img.fill(colour);
            ASSERT_TRUE(img.save(pictures + QString::fromLatin1(name)));
            list.files.append({pictures, QString::fromLatin1(name)});
        }
        ASSERT_TRUE(WritePictureListFile(data + u"/WallPapersList.tsy"_s, list));
        QSettings ini(config + u"/tessaly.conf"_s, QSettings::IniFormat);
        const QString defaults =
            u"1strun=False WPSource=0 TechniqueTimer=1 CurWallPaper=1 WallpaperStartup=False "
            "WallpaperTimer=False BubbleFileName=True WaterMarkVisible=False "
            "WallPaperPosition=Stretch "_s;
        for (const QString& option : (defaults + options).split(u' ', Qt::SkipEmptyParts))
            ini.setValue(u"Options/"_s + option.section(u'=', 0, 0), option.section(u'=', 1));
    }
    static void clickIcon(const QString& icon, int button, int times) {
        run(u"xdotool"_s,
            {u"mousemove"_s, u"--window"_s, icon, u"10"_s, u"10"_s, u"click"_s, u"--repeat"_s,
             QString::number(times), u"--delay"_s, u"80"_s, QString::number(button)});
    }
};

TEST_F(DesktopTest, IconMouseActionsMenuCommandLineAndASecondStart) {
    prepare();
    Tessaly first({u"/y"_s}); // a log-on start opens nothing by itself
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = embeddedIconWindow()).isEmpty(); }))
        << "the icon was not embedded in the tray host";
    const auto settingsShown = [] {
        return notifications().filter(u"Tessaly is running"_s).size();
    };
    clickIcon(icon, 1, 1);
    EXPECT_FALSE(waitFor([&] { return settingsShown() > 0; }, 1500)) << "a single click acted";
    clickIcon(icon, 1, 2);
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 1; })) << "a double click did not";

    // Right button: the menu; "w" picks "Switch &Wallpaper Now" once it is open.
    clickIcon(icon, 3, 1);
    waitFor([] { return false; }, 700);
    run(u"xdotool"_s, {u"key"_s, u"w"_s});
    EXPECT_TRUE(waitFor([] { return rootShows(Qt::green); })) << "the menu command did not change";
    EXPECT_EQ(QProcess::execute(Tessaly::binary(), {u"--next"_s}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(Qt::blue); }));
    // Other X clients find the picture in the root window's property.
    EXPECT_TRUE(run(u"xprop"_s, {u"-root"_s, u"_XROOTPMAP_ID"_s}).contains(u"pixmap id"_s));

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
    prepare(u"WallpaperTimer=True IntervalTimer=0.05"_s);
    QElapsedTimer clock;
    clock.start();
    Tessaly t({u"/y"_s});
    ASSERT_TRUE(waitFor([] { return notifications().contains(pictures + u"green.png"_s); }, 15000));
    const qint64 first = clock.elapsed();
    ASSERT_TRUE(waitFor([] { return notifications().contains(pictures + u"blue.png"_s); }, 15000));
    const qint64 second = clock.elapsed();
    // The first tick (about 1 s after start) starts the countdown.
    EXPECT_GE(first, 3000);
    EXPECT_LE(first, 9000);
    EXPECT_GE(second - first, 2500);
    EXPECT_LE(second - first, 6000);
}

} // namespace
