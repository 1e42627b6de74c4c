// Start-up, single instance and shutdown, tested on the real program started
// as separate processes (offscreen; the session bus address leads nowhere, so
// bubbles go to standard error).
#include <QLocalServer>

#include "DesktopTestUtil.h"

namespace {

struct Startup : ::testing::Test {
    void SetUp() override {
        // The program must not reach a display the test may have been given.
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", "offscreen");
        resetHome();
    }
    // Runs the program to its end: its exit code; `out` takes its standard output.
    static int runTessaly(const QStringList& args, QString* out = nullptr) {
        TessalyProcess p(args);
        EXPECT_TRUE(p.process.waitForFinished(10000));
        if (out) *out = QString::fromLocal8Bit(p.process.readAllStandardOutput());
        return p.process.exitCode();
    }
    static QString stored(const QString& key) {
        return QSettings(kConfigFile, QSettings::IniFormat).value(key, "<missing>").toString();
    }
};

TEST_F(Startup, CommandsEndAtOnceAndALaterStartHandsOver) {
    QString out;
    EXPECT_EQ(runTessaly({"--quit"}, &out), 0);
    EXPECT_EQ(out.trimmed(), "Tessaly is not running");
    // --help and --version: test_install (the options of --help are those of
    // the manual page) and test_package (the version is the package's).
    // An option the program does not know is refused with the usage.
    TessalyProcess bogus({"--bogus"});
    ASSERT_TRUE(bogus.process.waitForFinished(10000));
    EXPECT_EQ(bogus.process.exitCode(), 2);
    EXPECT_TRUE(bogus.said("Usage:", 1, 0));
    EXPECT_FALSE(QFileInfo::exists(kConfigFile));

    // The log-on switch, in any case, opens no settings window; a later start
    // hands over, and the running instance opens it.
    resetHome(kEarlierRun);
    TessalyProcess first({"/Y"});
    ASSERT_TRUE(waitFor([] { return QFileInfo::exists(kDataFolder); })); // started up
    // The window the later start asks for is seen through the accessibility
    // interface in test_settings_window_atspi; here, the hand-over itself. That
    // a word that is not an option (an old launcher's) makes such a start is
    // test_program's (CommandLine).
    EXPECT_EQ(runTessaly({}), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);
    EXPECT_EQ(runTessaly({"--quit"}), 0);
    EXPECT_TRUE(first.process.waitForFinished(10000));
    EXPECT_EQ(stored("Options/1strun"), "False");
}

// The first start, on a desktop of two monitors of different sizes (Qt's
// offscreen platform given a screen list).
TEST_F(Startup, FirstRunSetsUpTheSamplePictureOnEveryMonitorAndShutdownSavesEverything) {
    QTemporaryDir dir;
    writeFile(dir.filePath("screens.json"), R"({"screens": [
                  {"name": "left", "x": 0, "y": 0, "width": 640, "height": 480,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                  {"name": "right", "x": 640, "y": 0, "width": 320, "height": 240,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    TessalyProcess p({"/y"},
                     {{"QT_QPA_PLATFORM", "offscreen:configfile=" + dir.filePath("screens.json")}});
    const QString bmp = kDataFolder + "/Orvane Wallpaper.bmp";
    // Composed for both monitors; below the smaller one the desktop colour.
    ASSERT_TRUE(waitFor([&] { return QImage(bmp).size() == QSize(960, 480); }))
        << QImage(bmp).width() << "x" << QImage(bmp).height();
    const QImage canvas(bmp);
    EXPECT_EQ(canvas.pixel(900, 400), canvas.pixel(959, 479));
    EXPECT_NE(canvas.pixel(800, 120), canvas.pixel(900, 400));
    // That the list names the sample picture, test_package checks on the
    // unpacked copy, whose folder it knows.
    // Killed before any save: still the first run.
    EXPECT_EQ(stored("Options/1strun"), "<missing>");

    // Ending the session (SIGTERM) goes through the orderly shutdown.
    ::kill(static_cast<pid_t>(p.process.processId()), SIGTERM);
    ASSERT_TRUE(p.process.waitForFinished(10000));
    EXPECT_EQ(stored("Options/1strun"), "False");
    EXPECT_EQ(stored("Options/WallPaperPosition"), "Fit (Reduce/Enlarge)");
    EXPECT_EQ(stored("Options/CurWallPaper"), "1");
}

// The desktop's log-on start follows AutoStart whenever the settings are
// saved (here by --quit), and an entry left by a program that has moved is
// mended at the next start. Started under the C locale (an autostart entry, a
// changed LANG), a fraction stored with a comma keeps its value; a value that
// cannot be used is reset and said once on standard error.
TEST_F(Startup, AutoStartKeepsTheLogOnEntryInStepAndTheCLocaleKeepsCommaFractions) {
    const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/" +
                          QString::fromLatin1(TESSALY_APP_ID) + ".desktop";
    const auto exec = [&] {
        return QSettings(entry, QSettings::IniFormat).value("Desktop Entry/Exec").toString();
    };
    // The program moved: the entry names a path that is gone.
    const auto writeStale = [&] {
        writeFile(entry,
                  "[Desktop Entry]\nType=Application\nName=Tessaly\nExec=/opt/old/tessaly /y\n");
    };
    const QString expected = QFileInfo(kTessaly).canonicalFilePath() + " /y";

    // Switched off: a stale entry is removed at the save. A log-on start ends
    // before loading or saving anything: the entry is left alone.
    writeStale();
    resetHome(kEarlierRun + QStringList{"Options/AutoStart=False"});
    EXPECT_EQ(runTessaly({"/y"}), 0);
    EXPECT_EQ(exec(), "/opt/old/tessaly /y");
    EXPECT_FALSE(QFileInfo::exists(kDataFolder));
    {
        TessalyProcess p({});
        ASSERT_TRUE(waitFor([] { return QFileInfo::exists(kDataFolder); }));
        // Off is off at once, not only at the next save.
        EXPECT_TRUE(waitFor([&] { return !QFileInfo::exists(entry); }));
        EXPECT_EQ(runTessaly({"--quit"}), 0);
        ASSERT_TRUE(p.process.waitForFinished(10000));
    }
    EXPECT_FALSE(QFileInfo::exists(entry));

    // Switched on by hand in the settings file: the next start writes the
    // entry, and it stays after the save.
    resetHome(kEarlierRun + QStringList{"Options/AutoStart=True"});
    // Under [Options], the only section.
    writeFile(kConfigFile, readFile(kConfigFile) + "IntervalTimer=2,5\nEBright=-1\n");
    {
        TessalyProcess p({"/y"}, {{"LC_ALL", "C"}, {"LANG", "C"}});
        EXPECT_TRUE(
            p.said("Some settings held values Tessaly cannot use and were reset: EBright.\n"))
            << p.errors.toStdString();
        ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(entry); }));
        EXPECT_EQ(exec(), expected);
        writeStale();
        EXPECT_EQ(runTessaly({"--quit"}), 0);
        ASSERT_TRUE(p.process.waitForFinished(10000));
        p.said("");
        EXPECT_EQ(p.errors.count("were reset"), 1) << p.errors.toStdString();
    }
    EXPECT_EQ(stored("Options/AutoStart"), "True");
    EXPECT_EQ(stored("Options/IntervalTimer"), "2.5");
    EXPECT_EQ(stored("Options/EBright"), "0");
    EXPECT_EQ(exec(), expected); // mended at the save
    const QString text = QString::fromUtf8(readFile(entry));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nIcon=" + QString::fromLatin1(TESSALY_APP_ID) + "\n"));

    // And at a start, before any save, an entry of a moved program is mended.
    writeStale();
    TessalyProcess p({"/y"});
    EXPECT_TRUE(waitFor([&] { return exec() == expected; })) << exec().toStdString();
}

// An instance that holds the socket but never takes a message (hung) is
// reported, not taken for success, and no second instance starts beside it.
TEST_F(Startup, AHungInstanceIsReportedAsNotResponding) {
    QLocalServer hung; // listens, but this test never reads what arrives
    ASSERT_TRUE(hung.listen(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/tessaly.sock"));
    for (const char* option : {"--quit", "--next"}) {
        SCOPED_TRACE(option);
        TessalyProcess p({QString::fromLatin1(option)});
        ASSERT_TRUE(p.process.waitForFinished(10000));
        EXPECT_NE(p.process.exitCode(), 0);
        EXPECT_TRUE(p.said("Tessaly is not responding", 1, 0));
    }
    EXPECT_FALSE(QFileInfo::exists(kDataFolder));
}

// The settings saved at the end on a disk with one page left (a small tmpfs
// on the settings folder, so only where the test may mount one): never a
// cut-off file, and a failed save is told.
TEST_F(Startup, SavingOnANearlyFullDiskNeverLeavesACutOffSettingsFile) {
    const QString folder = QFileInfo(kConfigFile).path();
    QDir().mkpath(folder);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    struct Unmount {
        QString folder;
        ~Unmount() { QProcess::execute("umount", {folder}); }
    } unmount{folder};
    resetHome(kEarlierRun + QStringList{"Options/IntervalTimer=25"});
    const QByteArray before = readFile(kConfigFile);
    {
        QFile fill(folder + "/fill");
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
        while (fill.write(QByteArray(1024, 'x')) == 1024 && fill.flush()) {
        }
        fill.close();
        fill.resize(fill.size() - 4096); // one page left, as seen on real disks
    }
    TessalyProcess p({"/y"});
    ASSERT_TRUE(waitFor([] { return QFileInfo::exists(kDataFolder); })); // started up
    EXPECT_EQ(runTessaly({"--quit"}), 0);
    ASSERT_TRUE(p.process.waitForFinished(10000));
    const QByteArray after = readFile(kConfigFile);
    if (after != before)
        EXPECT_TRUE(after.contains("IntervalTimer=25") && after.contains("[HK5]"))
            << after.toStdString();
    else
        EXPECT_TRUE(p.said("could not save its settings", 1, 0)) << p.errors.toStdString();
}

} // namespace
