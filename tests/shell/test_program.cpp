// The running program in-process: start-up order, the log-on change, the tray
// menu's commands, the hot-key actions and the command line, with the fake
// desktop, shell and notifier and the real settings store and list files.
#include "FakePlatform.h"
#include "collection/Collection.h"
#include "settings/PictureListFile.h"
#include "shell/CommandLine.h"
#include "shell/HotKeyActions.h"
#include "shell/Program.h"
#include "shell/frmtray.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

struct ProgramTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;

    void SetUp() override {
        // Main fixes the data folder itself: keep it inside the test folder.
        qputenv("XDG_DATA_HOME", t.path("xdg").toUtf8());
    }
    QString picture(const QString& name, int width) {
        QDir().mkpath(QFileInfo(t.path("pics/" + name)).absolutePath());
        QImage img(width, 10, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        EXPECT_TRUE(img.save(t.path("pics/" + name), "PNG"));
        return t.path("pics/" + name);
    }
    // Settings as a previous run left them.
    void stored(const std::vector<std::pair<QString, QString>>& values) {
        t.services.store->setValue("Options", "1strun", "False");
        for (const auto& [key, value] : values) {
            const qsizetype slash = key.indexOf('/');
            t.services.store->setValue(key.left(slash), key.mid(slash + 1), value);
        }
        t.services.store->sync();
    }
    void writeList(const PictureListData& list) {
        InitDataFolder(app);
        ASSERT_TRUE(WritePictureListFile(app.paths.WallPapersListPath, list));
    }
    QString storedValue(const QString& key) {
        t.reopenStore();
        const qsizetype slash = key.indexOf('/');
        return t.services.store->value(key.left(slash), key.mid(slash + 1)).value_or("<missing>");
    }
    int settingsBubbles() const {
        int n = 0;
        for (const auto& b : t.notifier->shown)
            n += b.text.startsWith("Tessaly is running");
        return n;
    }
};

} // namespace

TEST_F(ProgramTest, OnlyTheFirstManualStartOpensTheHelpContents) {
    {
        Program first(app, CommandLine::parse({}));
        first.Main();
        EXPECT_EQ(settingsBubbles(), 1); // the settings window's stand-in
        ASSERT_EQ(t.shell->urls.size(), 1);
        EXPECT_TRUE(t.shell->urls[0].endsWith("/help/index.html"))
            << t.shell->urls[0].toStdString();
        first.EndProgram();
    }
    t.reopenStore();
    Program next(app, CommandLine::parse({}));
    next.Main();
    EXPECT_EQ(settingsBubbles(), 2);
    EXPECT_EQ(t.shell->urls.size(), 1); // no help this time
}

TEST_F(ProgramTest, LogOnStartChangesOnceWhenAskedAndOtherwiseNotAtAll) {
    writeList({{{t.path("pics/"), "a.png"}, {t.path("pics/"), "b.png"}}, {}});
    picture("a.png", 11);
    picture("b.png", 12);
    for (const bool startup : {true, false}) {
        SCOPED_TRACE(startup);
        t.desktop->calls.clear();
        stored({{"Options/WallpaperStartup", startup ? "True" : "False"},
                {"Options/CurWallPaper", "0"}});
        t.reopenStore();
        Program program(app, CommandLine::parse({"/y"}));
        program.Main();
        EXPECT_FALSE(program.ended());
        EXPECT_EQ(settingsBubbles(), 0); // a log-on start opens no window
        EXPECT_EQ(t.desktop->calls.size(), startup ? 1u : 0u);
        EXPECT_EQ(app.settings.CurWallPaper, startup ? 1 : 0);
        program.EndProgram();
    }
}

TEST_F(ProgramTest, EndingDuringTheStartUpScanStopsStartUpAndKeepsWhatWasSaved) {
    picture("one/a.png", 11);
    picture("two/b.png", 12);
    writeList({{}, {t.path("pics/one"), t.path("pics/two")}});
    stored({{"Options/WPSource", "1"}, {"Options/CurWallPaper", "3"}, {"HK1/Enabled", "True"}});
    t.reopenStore();
    Program program(app, CommandLine::parse({"/y"}));
    bool iconDuringScan = false;
    t.notifier->onShow = [&](const FakeNotifier::Bubble& b) {
        // The scan reaches its second folder: the icon is already there, and
        // the user (or the session) ends the program.
        if (program.ended() || !b.text.endsWith("two")) return;
        iconDuringScan = program.tray().trayIcon() != nullptr;
        program.EndProgram();
    };
    program.Main();
    EXPECT_TRUE(program.ended());
    EXPECT_TRUE(iconDuringScan);
    // Start-up went no further: no icon back, no hot keys, no log-on change.
    EXPECT_EQ(program.tray().trayIcon(), nullptr);
    EXPECT_TRUE(t.hotkeys->registered.empty());
    EXPECT_TRUE(t.desktop->calls.empty());
    EXPECT_FALSE(program.tray().Timer1.isActive());
    EXPECT_EQ(storedValue("Options/CurWallPaper"), "3");
    EXPECT_EQ(storedValue("Options/1strun"), "False");
}

TEST_F(ProgramTest, ADamagedSettingsFileIsKeptAsideAndThePictureListSurvives) {
    const auto bytesOf = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    picture("a.png", 11);
    writeList({{{t.path("pics/"), "a.png"}}, {}});
    const QByteArray list = bytesOf(app.paths.WallPapersListPath);
    const std::pair<QByteArray, bool> files[] = {
        {QByteArray(), true},                                    // empty
        {QByteArray("[Options]\nAutoStart=Tr\0ue\n", 24), true}, // a NUL byte
        {QByteArray("[Options]\n1STRUN=False\n"), false},        // readable, no "1strun"
    };
    for (const auto& [content, damaged] : files) {
        SCOPED_TRACE(content.toHex().toStdString());
        for (const QString& old : QDir(t.path("")).entryList({"tessaly.conf*"}))
            QFile::remove(t.path(old));
        QFile ini(t.iniPath());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(content);
        ini.close();
        t.reopenStore();
        t.notifier->shown.clear();
        t.desktop->calls.clear();
        Program program(app, CommandLine::parse({}));
        program.Main();
        // The first-run set-up keeps the list it finds, and the wallpaper.
        EXPECT_EQ(bytesOf(app.paths.WallPapersListPath), list);
        EXPECT_EQ(app.PictureList, QStringList{t.path("pics/a.png")});
        EXPECT_TRUE(t.desktop->calls.empty());
        const QString aside = t.iniPath() + ".damaged";
        EXPECT_EQ(QFile::exists(aside), damaged);
        if (damaged) {
            EXPECT_EQ(bytesOf(aside), content);
            ASSERT_FALSE(t.notifier->shown.empty());
            EXPECT_TRUE(t.notifier->shown.front().text.contains(aside));
        }
        program.EndProgram();
        EXPECT_EQ(storedValue("Options/1strun"), "False");
    }
}

TEST_F(ProgramTest, TrayMenuCommandsDoWhatTheySay) {
    const QString a = picture("a & b.png", 11);
    writeList({{{t.path("pics/"), "a & b.png"}}, {}});
    stored({{"Options/CurWallPaper", "1"}, {"Options/WallpaperStartup", "False"}});
    t.reopenStore();
    Program program(app, CommandLine::parse({"/y"}));
    program.Main();
    frmtray& tray = program.tray();
    tray.prepareMenu();

    tray.mnuwallpaperclear->trigger();
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
    tray.mnuwallpapercurrentfilename->trigger();
    EXPECT_EQ(t.shell->opened, QStringList{a});
    tray.mnuwallpapercurrentopenfolder->trigger();
    EXPECT_EQ(t.shell->shown, QStringList{a});
    tray.mnuhelp->trigger();
    ASSERT_FALSE(t.shell->urls.isEmpty());
    EXPECT_TRUE(t.shell->urls.back().endsWith("/help/index.html#context-5"));
    tray.mnunow->trigger();
    EXPECT_EQ(t.desktop->calls.size(), 2u);
    EXPECT_EQ(t.desktop->calls.back().position, "Center");

    app.settings.CurWallPaper = 1;
    tray.mnuexit->trigger();
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(tray.trayIcon(), nullptr);
    EXPECT_EQ(storedValue("Options/1strun"), "False");
}

TEST_F(ProgramTest, HotKeyAndCommandLineActionsReachTheirTargets) {
    writeList({{{t.path("pics/"), "a.png"}}, {}});
    picture("a.png", 11);
    stored({{"Options/WallpaperStartup", "False"}, {"Options/WallpaperTimer", "False"}});
    t.reopenStore();
    Program program(app, CommandLine::parse({"/y"}));
    program.Main();

    HotKeyAction(app, 0);
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
    HotKeyAction(app, 3);
    EXPECT_EQ(settingsBubbles(), 1);
    HotKeyAction(app, 1);
    EXPECT_EQ(t.desktop->calls.size(), 2u);
    EXPECT_EQ(t.desktop->calls.back().position, "Center");

    // The toggle: the timer follows the setting through the change notice.
    EXPECT_FALSE(program.tray().Timer1.isActive());
    HotKeyAction(app, 2);
    EXPECT_TRUE(app.settings.WallpaperTimer);
    EXPECT_TRUE(program.tray().Timer1.isActive());
    EXPECT_EQ(t.notifier->shown.back().text, "Automatic wallpaper changing is now Enabled");
    program.handleMessage("TessalyToggleTimer");
    EXPECT_FALSE(program.tray().Timer1.isActive());
    EXPECT_EQ(t.notifier->shown.back().text, "Automatic wallpaper changing is now Disabled");

    // The command-line messages take the same paths.
    program.handleMessage("TessalyClear");
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
    program.handleMessage("TessalyNext");
    EXPECT_EQ(t.desktop->calls.back().position, "Center");
    program.handleMessage("TessalyRestore");
    EXPECT_EQ(settingsBubbles(), 2);
    program.handleMessage("TessalyEnd");
    EXPECT_TRUE(program.ended());
}

TEST(CommandLine, LogOnSwitchKnownOptionsAndUnknownOnes) {
    EXPECT_TRUE(CommandLine::parse({"/Y"}).logOn);
    const CommandLine blank = CommandLine::parse({" /y"}); // a manual start
    EXPECT_FALSE(blank.logOn);
    EXPECT_TRUE(blank.unknown.isEmpty());
    EXPECT_TRUE(CommandLine::parse({}).unknown.isEmpty());
    EXPECT_EQ(CommandLine::parse({"--next"}).remote, CommandLine::Remote::Next);
    EXPECT_EQ(CommandLine::parse({"--bogus"}).unknown, "--bogus");
    EXPECT_EQ(CommandLine::parse({"--next", "--clear"}).unknown, "--next");
    EXPECT_EQ(CommandLine::parse({"/y", "extra"}).unknown, "extra");
}
