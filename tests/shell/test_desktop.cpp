// End-to-end tests of the real program on a private desktop session (Xvfb,
// trayer, a session bus with a notification and screen-saver service; see
// tests/support/desktop-session.sh): the tray icon, its mouse actions and
// menu, the change timer and the away probes, and the single instance.
#include "platform/linux/LinuxSystemProbes.h"
#include "settings/PictureListFile.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString binary() {
    return qEnvironmentVariable("TESSALY_BINARY");
}
QString configFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly/tessaly.conf";
}
QString dataFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + "/Orvane Tessaly";
}
QString picturesFolder() {
    return qEnvironmentVariable("HOME") + "/pictures";
}

// Runs a helper program to its end; its standard output.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void pause(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

template <typename F> bool waitFor(F condition, int ms = 10000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms) return false;
        pause(50);
    }
    return true;
}

QStringList notifications() {
    QFile f(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList bodies;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() >= 5 && fields[0] == "Notify") bodies << fields[4];
    }
    return bodies;
}

int countOf(const QStringList& list, const QString& text) {
    return static_cast<int>(std::count_if(list.begin(), list.end(),
                                          [&](const QString& s) { return s.contains(text); }));
}

// The window of Tessaly's icon inside the tray host's panel, or empty.
QString embeddedIconWindow() {
    const QStringList lines = run("xwininfo", {"-root", "-tree"}).split('\n');
    int panelIndent = -1;
    for (const QString& line : lines) {
        const int indent = static_cast<int>(line.indexOf(QRegularExpression("\\S")));
        if (panelIndent >= 0 && indent <= panelIndent) panelIndent = -1;
        if (line.contains("(\"panel\" \"trayer\")")) {
            panelIndent = indent;
            continue;
        }
        if (panelIndent >= 0 && line.contains("(\"tessaly\" \"tessaly\")"))
            return line.trimmed().section(' ', 0, 0);
    }
    return {};
}

// The colour in the middle of the root window as the X server shows it.
QColor rootCentre() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage shot = screen->grabWindow(0).toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}
bool rootHasPixmap() {
    return run("xprop", {"-root", "_XROOTPMAP_ID"}).contains("pixmap id");
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

bool setScreenSaverService(bool active) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver",
                                                       "/org/freedesktop/ScreenSaver",
                                                       "org.freedesktop.ScreenSaver", "SetActive");
    call << active;
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 3000).type() ==
           QDBusMessage::ReplyMessage;
}

// The test service's logind stand-in (tests/support/notification-server.py)
// answers on the session bus; this process and the programs it starts use
// that bus as their system bus. It is reached through the service's other
// name, which stays while it gives up the logind name.
const bool systemBusIsTheSessionBus = [] {
    return qputenv("DBUS_SYSTEM_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS"));
}();

bool callLogind(const char* method, bool value) {
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Test", QString::fromLatin1(method));
    call << value;
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 3000).type() ==
           QDBusMessage::ReplyMessage;
}

// Processes whose program is the built Tessaly and that run for this test's
// home (other tests may run their own at the same time).
int runningInstances() {
    int n = 0;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() !=
            QFileInfo(binary()).canonicalFilePath())
            continue;
        QFile env(QStringLiteral("/proc/%1/environ").arg(pid));
        if (env.open(QIODevice::ReadOnly) &&
            env.readAll().split('\0').contains("XDG_RUNTIME_DIR=" + runtime.toLocal8Bit()))
            ++n;
    }
    return n;
}

struct Tessaly {
    QProcess process;
    explicit Tessaly(const QStringList& args = {}) {
        process.setProgram(binary());
        process.setArguments(args);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Tessaly() {
        if (process.state() == QProcess::NotRunning) return;
        QProcess::execute(binary(), {"--quit"});
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool running() const { return process.state() == QProcess::Running; }
};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("TESSALY_NOTIFY_LOG"))
            << "run under desktop-session.sh";
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly").removeRecursively();
        QDir(dataFolder()).removeRecursively();
        QDir(picturesFolder()).removeRecursively();
        setScreenSaverService(false);
        callLogind("SetLockedHint", false);
        callLogind("SetPresent", true);
        // Each test reads only its own notifications.
        QFile log(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }

    // Three pictures of one colour each, in sequence, no watermark, stretched
    // over the screen; stored as after an earlier run.
    void
    prepareThreePictures(std::initializer_list<std::pair<const char*, const char*>> extra = {}) {
        QDir().mkpath(picturesFolder());
        PictureListData list;
        for (const auto& [name, colour] :
             {std::pair{"red.png", Qt::red}, {"green.png", Qt::green}, {"blue.png", Qt::blue}}) {
            QImage img(64, 48, QImage::Format_RGB32);
            img.fill(colour);
            ASSERT_TRUE(img.save(picturesFolder() + "/" + name));
            list.files.append({picturesFolder() + "/", QString::fromLatin1(name)});
        }
        QDir().mkpath(dataFolder());
        ASSERT_TRUE(WritePictureListFile(dataFolder() + "/WallPapersList.tsy", list));
        QDir().mkpath(QFileInfo(configFile()).path());
        QSettings ini(configFile(), QSettings::IniFormat);
        const std::pair<const char*, const char*> values[] = {{"1strun", "False"},
                                                              {"WPSource", "0"},
                                                              {"TechniqueTimer", "1"},
                                                              {"CurWallPaper", "1"},
                                                              {"WallpaperStartup", "False"},
                                                              {"WallpaperTimer", "False"},
                                                              {"BubbleFileName", "True"},
                                                              {"WaterMarkVisible", "False"},
                                                              {"WallPaperPosition", "Stretch"}};
        for (const auto& [k, v] : values)
            ini.setValue(QStringLiteral("Options/") + k, v);
        for (const auto& [k, v] : extra)
            ini.setValue(QStringLiteral("Options/") + k, v);
    }
    QString picture(const char* name) { return picturesFolder() + "/" + name; }

    QString waitForIcon() {
        QString icon;
        waitFor([&] { return !(icon = embeddedIconWindow()).isEmpty(); });
        return icon;
    }
    void clickIcon(const QString& icon, int button, int times) {
        run("xdotool", {"mousemove", "--window", icon, "10", "10", "click", "--repeat",
                        QString::number(times), "--delay", "80", QString::number(button)});
    }
};

TEST_F(DesktopTest, DoubleClickOnTheIconReachesTheSettingsActionAndASingleClickDoesNothing) {
    const QString settingsText = "Tessaly is running";
    prepareThreePictures();
    Tessaly t({"/y"}); // a log-on start opens nothing by itself
    const QString icon = waitForIcon();
    ASSERT_FALSE(icon.isEmpty()) << "the icon was not embedded in the tray host";
    const int before = countOf(notifications(), settingsText);

    clickIcon(icon, 1, 1);
    pause(1500);
    EXPECT_EQ(countOf(notifications(), settingsText), before);

    clickIcon(icon, 1, 2);
    EXPECT_TRUE(waitFor([&] { return countOf(notifications(), settingsText) == before + 1; }));
}

TEST_F(DesktopTest, MenuAndCommandLineChangeTheWallpaper) {
    prepareThreePictures();
    Tessaly t({"/y"});
    const QString icon = waitForIcon();
    ASSERT_FALSE(icon.isEmpty());

    // Right button: the menu; "w" picks "Switch &Wallpaper Now".
    clickIcon(icon, 3, 1);
    pause(700);
    run("xdotool", {"key", "w"});
    ASSERT_TRUE(waitFor([&] { return notifications().contains(picture("green.png")); }))
        << "no change reported after the menu command";
    ASSERT_TRUE(waitFor([] { return rootHasPixmap(); }, 3000))
        << "no root-window picture (_XROOTPMAP_ID)";
    EXPECT_TRUE(waitFor([] { return near(rootCentre(), Qt::green); }, 5000))
        << "root shows " << qPrintable(rootCentre().name());

    EXPECT_EQ(QProcess::execute(binary(), {"--next"}), 0);
    ASSERT_TRUE(waitFor([&] { return notifications().contains(picture("blue.png")); }));
    EXPECT_TRUE(waitFor([] { return near(rootCentre(), Qt::blue); }, 5000))
        << "root shows " << qPrintable(rootCentre().name());

    // "Clear wallpaper" from the "Wallpaper" submenu, by keyboard.
    clickIcon(icon, 3, 1);
    pause(700);
    run("xdotool", {"key", "Down", "Down", "Down", "Right", "Down", "Return"});
    // The plain desktop colour (the program's default, RGB 0, 78, 152) and no further picture.
    EXPECT_TRUE(waitFor([] { return near(rootCentre(), QColor(0, 78, 152)); }, 5000))
        << "root shows " << qPrintable(rootCentre().name());
    EXPECT_FALSE(notifications().contains(picture("red.png")));
}

TEST_F(DesktopTest, TimerChangesTwiceAtAboutTheInterval) {
    // 0.05 minutes: every 3 seconds, counted from the end of each change.
    prepareThreePictures({{"WallpaperTimer", "True"}, {"IntervalTimer", "0.05"}});
    QElapsedTimer clock;
    clock.start();
    Tessaly t({"/y"});
    ASSERT_TRUE(waitFor([&] { return notifications().contains(picture("green.png")); }, 15000));
    const qint64 first = clock.elapsed();
    ASSERT_TRUE(waitFor([&] { return notifications().contains(picture("blue.png")); }, 15000));
    const qint64 second = clock.elapsed();
    // The first tick (about 1 s after start) starts the countdown.
    EXPECT_GE(first, 3000);
    EXPECT_LE(first, 9000);
    EXPECT_GE(second - first, 2500);
    EXPECT_LE(second - first, 6000);
}

TEST_F(DesktopTest, TimerWaitsWhileTheScreenSaverRunsAndChangesWhenItStops) {
    // Every 6 seconds; the screen saver runs for 10, so the change is long due
    // when it stops.
    prepareThreePictures(
        {{"WallpaperTimer", "True"}, {"IntervalTimer", "0.1"}, {"IsDelayWhenLocked", "True"}});
    ASSERT_TRUE(setScreenSaverService(true));
    Tessaly t({"/y"});
    ASSERT_FALSE(waitForIcon().isEmpty());
    pause(10000);
    EXPECT_FALSE(notifications().contains(picture("green.png")))
        << "changed while the screen saver ran";
    QElapsedTimer back;
    back.start();
    ASSERT_TRUE(setScreenSaverService(false));
    ASSERT_TRUE(waitFor([&] { return notifications().contains(picture("green.png")); }, 5000));
    // A new interval would take 6 seconds; the next tick takes at most one.
    EXPECT_LE(back.elapsed(), 4000)
        << "the change was due: the first tick after the return makes it";
}

TEST_F(DesktopTest, TimerWaitsWhileTheSessionIsLockedOrTheProcessorAtTheLimit) {
    // A limit of 0 % is always reached by the real processor meter.
    prepareThreePictures({{"WallpaperTimer", "True"},
                          {"IntervalTimer", "0.05"},
                          {"IsDelayWhenLocked", "True"},
                          {"IsCPULimit", "True"},
                          {"CPULimit", "0"}});
    ASSERT_TRUE(callLogind("SetLockedHint", true));
    Tessaly t({"/y"});
    ASSERT_FALSE(waitForIcon().isEmpty());
    pause(5000);
    ASSERT_TRUE(callLogind("SetLockedHint", false));
    pause(3000);
    EXPECT_FALSE(notifications().contains(picture("green.png")));
}

TEST_F(DesktopTest, SecondStartLeavesOneProcess) {
    prepareThreePictures();
    Tessaly first({"/y"});
    ASSERT_FALSE(waitForIcon().isEmpty());
    const int before = countOf(notifications(), "Tessaly is running");
    Tessaly second;
    ASSERT_TRUE(second.process.waitForFinished(10000));
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(first.running());
    EXPECT_EQ(runningInstances(), 1);
    // The running instance answered with its settings action.
    EXPECT_TRUE(
        waitFor([&] { return countOf(notifications(), "Tessaly is running") == before + 1; }));
}

TEST_F(DesktopTest, AwayProbesReadLogindTheScreenSaverServiceAndTheXExtension) {
    LinuxSystemProbes probes;
    EXPECT_EQ(LinuxSystemProbes::screenSaverServiceActive(), std::optional<bool>(false));
    EXPECT_EQ(LinuxSystemProbes::x11ScreenSaverOn(), std::optional<bool>(false));
    EXPECT_FALSE(probes.isScreenSaverRunning());
    EXPECT_FALSE(probes.isDesktopLocked());

    // logind answers the lock question; the screen saver does not change its answer.
    ASSERT_TRUE(setScreenSaverService(true));
    EXPECT_TRUE(probes.isScreenSaverRunning());
    EXPECT_EQ(probes.logindLockedHint(), std::optional<bool>(false));
    EXPECT_FALSE(probes.isDesktopLocked());
    ASSERT_TRUE(callLogind("SetLockedHint", true));
    EXPECT_TRUE(probes.isDesktopLocked());
    ASSERT_TRUE(callLogind("SetLockedHint", false));

    // Without logind, the screen-saver service stands in for it.
    ASSERT_TRUE(callLogind("SetPresent", false));
    EXPECT_FALSE(probes.logindLockedHint().has_value());
    EXPECT_TRUE(probes.isDesktopLocked());
    ASSERT_TRUE(setScreenSaverService(false));
    EXPECT_FALSE(probes.isDesktopLocked());
    ASSERT_TRUE(callLogind("SetPresent", true));

    run("xset", {"s", "activate"});
    EXPECT_TRUE(waitFor(
        [] { return LinuxSystemProbes::x11ScreenSaverOn() == std::optional<bool>(true); }, 3000));
    EXPECT_TRUE(probes.isScreenSaverRunning());
    run("xset", {"s", "reset"});
    EXPECT_TRUE(waitFor(
        [] { return LinuxSystemProbes::x11ScreenSaverOn() == std::optional<bool>(false); }, 3000));
}

// Last: it replaces the session's tray host by one of its own.
TEST_F(DesktopTest, IconReturnsWhenTheTrayHostRestarts) {
    prepareThreePictures();
    auto t = std::make_unique<Tessaly>(QStringList{"/y"});
    ASSERT_FALSE(waitForIcon().isEmpty());

    const qint64 trayer = qEnvironmentVariable("TESSALY_TRAYER_PID").toLongLong();
    ASSERT_GT(trayer, 0);
    QProcess::execute("kill", {QString::number(trayer)});
    ASSERT_TRUE(waitFor([] { return embeddedIconWindow().isEmpty(); }));
    EXPECT_TRUE(t->running()) << "the program ended with its tray host";

    static QProcess host; // lives until the session ends
    QStringList command =
        qEnvironmentVariable("TESSALY_TRAYER_COMMAND").split(' ', Qt::SkipEmptyParts);
    host.setProgram(command.takeFirst());
    host.setArguments(command);
    host.start();
    ASSERT_TRUE(host.waitForStarted());
    EXPECT_FALSE(waitForIcon().isEmpty()) << "the icon did not come back to the new tray host";
    t.reset();
    host.kill();
    host.waitForFinished(5000);
}

} // namespace
