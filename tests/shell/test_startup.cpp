// Start-up, single instance and shutdown, tested on the real program started
// as separate processes (offscreen, with a session bus address that leads
// nowhere, so bubbles go to stderr).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

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

// Removes everything a previous test left in the temporary home.
void resetHome() {
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly").removeRecursively();
    QDir(dataFolder()).removeRecursively();
}

void writeSettings(std::initializer_list<std::pair<const char*, const char*>> values) {
    QDir().mkpath(QFileInfo(configFile()).path());
    QSettings ini(configFile(), QSettings::IniFormat);
    for (const auto& [k, v] : values)
        ini.setValue(QString::fromLatin1(k), QString::fromLatin1(v));
}

QString storedValue(const QString& key) {
    QSettings ini(configFile(), QSettings::IniFormat);
    return ini.value(key, "<missing>").toString();
}

struct Program {
    QProcess process;
    QString err;

    explicit Program(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Not unset: without an address libdbus would start a bus of its own.
        env.insert("DBUS_SESSION_BUS_ADDRESS",
                   "unix:path=" + qEnvironmentVariable("XDG_RUNTIME_DIR") + "/no-bus");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setProgram(binary());
        process.setArguments(args);
        process.start();
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool finishes(int ms = 10000) { return process.waitForFinished(ms); }
    QString stderrText() { return err += QString::fromLocal8Bit(process.readAllStandardError()); }
    // Waits until the program's stderr contains `text` `count` times.
    bool waitForStderr(const QString& text, int count = 1) {
        for (int i = 0; i < 200 && stderrText().count(text) < count; ++i)
            process.waitForReadyRead(50);
        return stderrText().count(text) >= count;
    }
    // Waits until the instance listens and has loaded its settings.
    bool waitUntilListening() {
        const QString sock = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/tessaly.sock";
        for (int i = 0; i < 200 && !(QFileInfo::exists(sock) && QFileInfo(dataFolder()).isDir());
             ++i)
            QThread::msleep(50);
        QThread::msleep(300); // the rest of start-up is quick
        return QFileInfo::exists(sock);
    }
};

int run(const QStringList& args, QString* out = nullptr) {
    Program p(args);
    EXPECT_TRUE(p.finishes());
    if (out) *out = QString::fromLocal8Bit(p.process.readAllStandardOutput());
    return p.process.exitCode();
}

// What the program says when asked for its settings window.
const QString kSettingsShown = "Tessaly is running";

} // namespace

TEST(Startup, SecondStartHandsOverToTheFirstAndEnds) {
    resetHome();
    writeSettings({{"Options/1strun", "False"}, {"Options/WallpaperStartup", "False"}});
    Program first({"/y"});
    ASSERT_TRUE(first.waitUntilListening());
    first.stderrText();
    const int before = first.err.count(kSettingsShown, Qt::CaseInsensitive);

    // An option the program does not know is refused with the usage and
    // reaches nobody.
    Program bogus({"--bogus"});
    ASSERT_TRUE(bogus.finishes());
    EXPECT_EQ(bogus.process.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(bogus.process.readAllStandardError()).contains("Usage:"));

    Program second({});
    ASSERT_TRUE(second.finishes());
    EXPECT_EQ(second.process.exitCode(), 0);
    // The running instance was asked to open its settings window.
    EXPECT_TRUE(first.waitForStderr(kSettingsShown, before + 1));
    EXPECT_EQ(first.process.state(), QProcess::Running);

    QString out;
    EXPECT_EQ(run({"--quit"}, &out), 0);
    EXPECT_TRUE(first.finishes());
    EXPECT_EQ(storedValue("Options/1strun"), "False");
}

TEST(Startup, LogOnSwitchIgnoresCaseButNotALeadingBlank) {
    resetHome();
    writeSettings({{"Options/1strun", "False"}, {"Options/WallpaperStartup", "False"}});
    {
        Program logon({"/Y"});
        ASSERT_TRUE(logon.waitUntilListening());
        QThread::msleep(300);
        EXPECT_EQ(logon.stderrText().count(kSettingsShown, Qt::CaseInsensitive), 0)
            << logon.err.toStdString();
        EXPECT_EQ(run({"--quit"}), 0);
        EXPECT_TRUE(logon.finishes());
    }
    {
        Program manual({" /y"});
        ASSERT_TRUE(manual.waitForStderr(kSettingsShown)) << manual.err.toStdString();
        EXPECT_EQ(run({"--quit"}), 0);
        EXPECT_TRUE(manual.finishes());
    }
}

TEST(Startup, LogOnStartWithAutoStartOffEndsBeforeLoadingAnything) {
    resetHome();
    writeSettings({{"Options/AutoStart", "False"}});
    const QByteArray before = [] {
        QFile f(configFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    Program p({"/y"});
    ASSERT_TRUE(p.finishes(5000));
    EXPECT_EQ(p.process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
    QFile f(configFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before); // nothing saved either
}

TEST(Startup, FirstRunSetsUpTheSamplePictureAndShutdownSavesEverything) {
    resetHome();
    Program p({"/y"});
    ASSERT_TRUE(p.waitUntilListening());
    const QString bmp = dataFolder() + "/Orvane Wallpaper.bmp";
    for (int i = 0; i < 200 && QFileInfo(bmp).size() == 0; ++i)
        QThread::msleep(50);
    EXPECT_GT(QFileInfo(bmp).size(), 0);
    QFile list(dataFolder() + "/WallPapersList.tsy");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray bytes = list.readAll();
    EXPECT_TRUE(bytes.endsWith("/share/tessaly/\r\nsample.jpg\r\n")) << bytes.toStdString();
    // Killed before any save: still the first run.
    EXPECT_EQ(storedValue("Options/1strun"), "<missing>");

    // Ending the session (SIGTERM) goes through the orderly shutdown.
    ::kill(static_cast<pid_t>(p.process.processId()), SIGTERM);
    ASSERT_TRUE(p.finishes());
    EXPECT_EQ(storedValue("Options/1strun"), "False");
    EXPECT_EQ(storedValue("Options/WallPaperPosition"), "Fit (Reduce/Enlarge)");
    EXPECT_EQ(storedValue("Options/CurWallPaper"), "1");
    EXPECT_EQ(storedValue("HK2/ASCIIkey"), "68");
}

TEST(Startup, QuitHelpAndVersionStartNothing) {
    resetHome();
    QString out;
    EXPECT_EQ(run({"--quit"}, &out), 0);
    EXPECT_EQ(out.trimmed(), "Tessaly is not running");
    EXPECT_EQ(run({"--help"}, &out), 0);
    EXPECT_TRUE(out.contains("--next"));
    EXPECT_EQ(run({"--version"}, &out), 0);
    EXPECT_TRUE(out.startsWith("Tessaly "));
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
    EXPECT_FALSE(QFileInfo::exists(configFile()));
}

// An instance that holds the socket but never takes a message (hung) is
// reported, not taken for success, and no second instance starts beside it.
TEST(Startup, AHungInstanceIsReportedAsNotResponding) {
    resetHome();
    QLocalServer hung; // listens, but this test never reads what arrives
    ASSERT_TRUE(hung.listen(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/tessaly.sock"));
    for (const char* option : {"--quit", "--next"}) {
        SCOPED_TRACE(option);
        Program p({QString::fromLatin1(option)});
        ASSERT_TRUE(p.finishes());
        EXPECT_NE(p.process.exitCode(), 0);
        EXPECT_TRUE(QString::fromLocal8Bit(p.process.readAllStandardError())
                        .contains("Tessaly is not responding"));
    }
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
}

// The settings saved at the end on a disk with one page left (a small tmpfs,
// so only where the test may mount one): the save fails, the user hears of it,
// and the previous settings file stays whole.
TEST(Startup, SavingOnANearlyFullDiskNeverLeavesACutOffSettingsFile) {
    QTemporaryDir mount;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount.path()}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    // Whatever happens below, the file system goes and the folders come back.
    struct Restore {
        QString mount;
        QByteArray config = qgetenv("XDG_CONFIG_HOME");
        ~Restore() {
            qputenv("XDG_CONFIG_HOME", config);
            QProcess::execute("umount", {mount});
        }
    } restore{mount.path()};
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(mount.path()));
    resetHome();
    writeSettings({{"Options/1strun", "False"},
                   {"Options/WallpaperStartup", "False"},
                   {"Options/IntervalTimer", "25"}});
    const auto settingsBytes = [] {
        QFile f(configFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = settingsBytes();
    {
        QFile fill(mount.filePath("fill"));
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
        while (fill.write(QByteArray(1024, 'x')) == 1024 && fill.flush()) {
        }
        fill.close();
        fill.resize(fill.size() - 4096); // one page left, as seen on real disks
    }
    Program p({"/y"});
    ASSERT_TRUE(p.waitUntilListening());
    EXPECT_EQ(run({"--quit"}), 0);
    ASSERT_TRUE(p.finishes());
    // Either the whole new file or the previous one, never a cut-off one;
    // and when the save failed, the user heard of it.
    const QByteArray after = settingsBytes();
    if (after != before) {
        EXPECT_TRUE(after.contains("IntervalTimer=25") && after.contains("[HK5]"))
            << after.toStdString();
    } else {
        EXPECT_TRUE(p.stderrText().contains("could not save its settings"));
    }
}
