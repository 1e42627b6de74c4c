// The running program in-process: start-up order, the log-on change, the tray
// menu's preparation and commands, the hot-key actions and the command line,
// with the fake desktop, shell and notifier and the real settings store and
// list files.
#include "AwaitChange.h"
#include "options_window/AboutBox.h"
#include "options_window/SettingsWindow.h"
#include "platform/Language.h"
#include "shell/CommandLine.h"
#include "shell/HotKeyActions.h"
#include "shell/Messages.h"
#include "shell/Program.h"
#include "shell/TrayIcon.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <map>

namespace {

struct ProgramTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;

    void SetUp() override {
        // Main fixes the data folder itself: keep it inside the test folder.
        qputenv("XDG_DATA_HOME", t.path("xdg").toUtf8());
    }
    // A picture in pics/; `listed`, it is the whole files list.
    QString picture(const QString& name, bool listed = true) {
        if (listed) t.writeList({{{t.path("pics/"), name}}, {}});
        return savePicture(t.path("pics/" + name), Qt::darkGreen, {11, 10});
    }
    // Settings as a previous run left them ("Group/Key" each), read anew.
    void stored(const std::vector<std::pair<QString, QString>>& values) {
        t.services.store->setValue("Options", "1strun", "False");
        for (const auto& [key, value] : values)
            t.services.store->setValue(key.section('/', 0, 0), key.section('/', 1), value);
        t.services.store->sync();
        t.reopenStore();
    }
    // The windows with this title on screen.
    static int windowsShown(const QString& title = "Tessaly settings") {
        const QWidgetList all = QApplication::topLevelWidgets();
        return int(std::ranges::count_if(
            all, [&](QWidget* w) { return w->isVisible() && w->windowTitle() == title; }));
    }
};

} // namespace

TEST_F(ProgramTest, LogOnStartChangesOnceWhenAskedAndOtherwiseNotAtAll) {
    picture("a.png");
    for (const bool startup : {true, false}) {
        SCOPED_TRACE(startup);
        t.desktop->calls.clear();
        stored({{"Options/WallpaperStartup", startup ? "True" : "False"},
                {"Options/CurWallPaper", "0"}});
        Program program(app, CommandLine::parse({"/y"}));
        program.Main();
        ASSERT_TRUE(await::idle(app));
        EXPECT_FALSE(program.ended());
        EXPECT_EQ(windowsShown(), 0); // a log-on start opens no window
        EXPECT_EQ(t.desktop->calls.size(), startup ? 1u : 0u);
        EXPECT_EQ(app.settings.CurWallPaper, startup ? 1 : 0);
        program.EndProgram();
    }
}

// The log-on change waits for the start-up scan; ending the program while
// the scan runs cancels both and keeps what was saved.
TEST_F(ProgramTest, EndingDuringTheStartUpScanCancelsItAndTheChangeWaitingForIt) {
    picture("one/a.png", false);
    picture("two/b.png", false);
    t.writeList({{}, {t.path("pics/one"), t.path("pics/two")}});
    stored({{"Options/WPSource", "1"}, {"Options/CurWallPaper", "3"}, {"HK1/Enabled", "True"}});
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
    EXPECT_TRUE(WallpaperChanging(app)); // the log-on change waits for the list
    ASSERT_TRUE(waitUntil([&] { return program.ended(); }));
    ASSERT_TRUE(await::idle(app));
    EXPECT_TRUE(iconDuringScan);
    EXPECT_EQ(program.tray().trayIcon(), nullptr);
    EXPECT_TRUE(t.hotkeys->registered.empty());
    EXPECT_TRUE(t.desktop->calls.empty());
    EXPECT_TRUE(app.PictureList.isEmpty()); // the cut-short list was not taken
    EXPECT_FALSE(program.tray().Timer1.isActive());
    EXPECT_EQ(t.stored("Options/CurWallPaper"), "3");
    EXPECT_EQ(t.stored("Options/1strun"), "False");
}

// A first manual start, also on a settings file that is damaged or lacks
// "1strun", opens the settings window and the help contents; the next does not.
TEST_F(ProgramTest, ADamagedSettingsFileIsKeptAsideAndOnlyTheFirstStartOpensTheHelp) {
    picture("a.png");
    const QByteArray list = readFile(app.paths.WallPapersListPath);
    const QString aside = t.iniPath() + ".damaged";
    const std::pair<QByteArray, bool> files[] = {
        {"<missing>", false},                                    // none yet
        {QByteArray(), true},                                    // empty
        {QByteArray("[Options]\nAutoStart=Tr\0ue\n", 24), true}, // a NUL byte
        {QByteArray("[Options]\n1STRUN=False\n"), false},        // readable, no "1strun"
    };
    for (const auto& [content, damaged] : files) {
        SCOPED_TRACE(content.toHex().toStdString());
        QFile::remove(aside);
        if (content == "<missing>")
            QFile::remove(t.iniPath());
        else
            writeFile(t.iniPath(), content);
        t.reopenStore();
        t.notifier->shown.clear();
        t.shell->urls.clear();
        Program program(app, CommandLine::parse({}));
        program.Main();
        ASSERT_TRUE(await::idle(app));
        EXPECT_EQ(windowsShown(), 1); // the window of the start before went with it
        EXPECT_EQ(t.shell->urls.size(), 1);
        EXPECT_TRUE(t.shell->urls.value(0).endsWith("/help/index.html"));
        // The first-run set-up keeps the list it finds, and the wallpaper.
        EXPECT_EQ(readFile(app.paths.WallPapersListPath), list);
        EXPECT_EQ(app.PictureList, QStringList{t.path("pics/a.png")});
        EXPECT_TRUE(t.desktop->calls.empty());
        EXPECT_EQ(readFile(aside), damaged ? content : "<missing>");
        EXPECT_TRUE(!damaged || t.notifier->shown.front().text.contains(aside));
        program.EndProgram();
        EXPECT_EQ(t.stored("Options/1strun"), "False");
    }
    t.shell->urls.clear();
    Program next(app, CommandLine::parse({}));
    next.Main();
    EXPECT_EQ(windowsShown(), 1);
    EXPECT_TRUE(t.shell->urls.isEmpty()); // no help this time
}

// Restore and End, as a second start sends them, are test_startup's; Next is
// test_desktop's; the toggle hot key is test_hotkeys_x11's too.
TEST_F(ProgramTest, TrayHotKeyAndCommandLineActionsReachTheirTargetsAndOneAboutBoxOpens) {
    const QString a = picture("a & b.png");
    const QString other = picture("other.png", false);
    stored({{"Options/WallpaperStartup", "False"},
            {"Options/WallpaperTimer", "False"},
            {"Options/CurWallPaper", "1"}});
    Program program(app, CommandLine::parse({"/y"}));
    program.Main();
    ASSERT_TRUE(await::idle(app));
    TrayIcon& tray = program.tray();
    tray.prepareMenu();
    // Each action, the position the desktop then shows and whether it opened the settings
    // window instead of setting the desktop.
    const std::vector<std::tuple<std::function<void()>, QString, bool>> rows = {
        {[&] { tray.mnuwallpaperclear->trigger(); }, "Clear", false},
        {[&] { tray.mnunow->trigger(); }, "Center", false},
        {[&] { HotKeyAction(app, 0); }, "Clear", false},
        {[&] { HotKeyAction(app, 1); }, "Center", false},
        {[&] { HotKeyAction(app, 3); }, "Center", true},
        {[&] { program.handleMessage("TessalyClear"); }, "Clear", false},
        {[&] { program.handleMessage("TessalyNext"); }, "Center", false},
        // Back and forward between the listed picture and another one.
        {[&] { ShowPictureAsWallpaper(app, other, std::nullopt); }, "Center", false},
        {[&] { tray.mnuprevious->trigger(); }, "Center", false},
        {[&] { HotKeyAction(app, 1); }, "Center", false},
        {[&] { HotKeyAction(app, 4); }, "Center", false},
        {[&] { program.handleMessage("TessalyNext"); }, "Center", false},
        {[&] { program.handleMessage("TessalyPrevious"); }, "Center", false},
    };
    const std::vector<QString> shownAfter{a, a, a, a, a, a, a, other, a, other, a, other, a};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& [act, position, settings] = rows[i];
        const size_t calls = t.desktop->calls.size();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == "Tessaly settings") w->close();
        act();
        ASSERT_TRUE(await::idle(app));
        EXPECT_EQ(windowsShown(), int(settings));
        ASSERT_EQ(t.desktop->calls.size(), calls + !settings);
        EXPECT_EQ(t.desktop->calls.back().position, position);
        if (position != "Clear") {
            EXPECT_EQ(app.settings.MonitorPictures, QStringList{shownAfter[i]});
        }
    }
    EXPECT_EQ(app.settings.CurWallPaper, 1);
    // Forward to the unlisted picture: "Current wallpaper" names it, and
    // the list's own again once the list has moved on.
    for (const QString& next : {other, a}) {
        HotKeyAction(app, 1);
        ASSERT_TRUE(await::idle(app));
        tray.prepareMenu();
        tray.mnuwallpapercurrentfilename->trigger();
        EXPECT_EQ(t.shell->opened.takeLast(), next);
        EXPECT_TRUE(t.shell->opened.isEmpty());
    }
    tray.mnuwallpapercurrentopenfolder->trigger();
    EXPECT_EQ(t.shell->shown, QStringList{a});
    tray.mnuhelp->trigger();
    EXPECT_TRUE(t.shell->urls.value(0).endsWith("/help/index.html#context-5"));

    // The toggle: the timer follows the setting through the change notice.
    HotKeyAction(app, 2);
    ASSERT_TRUE(await::idle(app)); // switched on, the list is read again first
    EXPECT_TRUE(program.tray().Timer1.isActive());
    EXPECT_EQ(t.notifier->shown.back().text, "Automatic wallpaper changing is now Enabled");
    program.handleMessage("TessalyToggleTimer");
    EXPECT_FALSE(program.tray().Timer1.isActive());
    EXPECT_EQ(t.notifier->shown.back().text, "Automatic wallpaper changing is now Disabled");

    // The tray and the settings window open one modal about box.
    tray.mnuabout->trigger();
    ASSERT_NE(program.aboutBox(), nullptr);
    EXPECT_EQ(program.aboutBox()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(windowsShown("About"), 1);
    program.aboutBox()->cmdclose->click();
    EXPECT_EQ(windowsShown("About"), 0);
    program.showSettingsWindow();
    program.settingsWindow()->cmdabout->click();
    program.settingsWindow()->cmdabout->click();
    EXPECT_EQ(windowsShown("About"), 1);

    tray.mnuexit->trigger();
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(tray.trayIcon(), nullptr);
}

// The tray menu's preparation before each popup. Its order and access keys
// are test_status_notifier's, which reads the menu as a panel does.
TEST_F(ProgramTest, TrayMenuCurrentWallpaperOnlyForAValidLocalEntryWidgetItemsOnlyWhenIsNT) {
    Program program(app, CommandLine{});
    TrayIcon& tray = program.tray();
    const QStringList list = {"/pics/a.jpg", "/pics/Tom & Jerry/b.png", "/pics/c.jpg"};
    const auto shown = [&](qsizetype listSize, double cur, int source) {
        app.PictureList = list.mid(0, listSize);
        app.settings.CurWallPaper = cur;
        app.settings.WPSource = WallpaperSource(source);
        tray.prepareMenu();
        return tray.mnuwallpapercurrentwallpaper->isVisible();
    };
    EXPECT_TRUE(shown(3, 3, 1));
    EXPECT_TRUE(shown(3, 1, 0));
    EXPECT_FALSE(shown(3, 2, 2));   // the internet source
    EXPECT_FALSE(shown(2, 3, 0));   // the list shrank below the current position
    EXPECT_FALSE(shown(3, 0, 0));   // no current picture yet
    EXPECT_FALSE(shown(3, 1.5, 0)); // a stored position that names no entry
    EXPECT_TRUE(shown(3, 2, 0));
    // The full path, its ampersand shown as text rather than a mnemonic.
    EXPECT_EQ(tray.mnuwallpapercurrentfilename->text(), "/pics/Tom && Jerry/b.png");

    // The widget items need widgets on the platform and their windows in the
    // program (their check marks: tests/widgets).
    for (const auto& [isNT, windows] : {std::pair{true, false}, {false, true}, {true, true}}) {
        app.IsNT = isNT;
        app.widgetWindows = windows;
        tray.prepareMenu();
        EXPECT_EQ(tray.mnuclock->isVisible(), isNT && windows);
        EXPECT_EQ(tray.mnucalendar->isVisible(), isNT && windows);
    }
}

TEST(CommandLine, LogOnSwitchKnownOptionsAndUnknownOnes) {
    EXPECT_TRUE(CommandLine::parse({"/Y"}).logOn);
    const CommandLine blank = CommandLine::parse({" /y"}); // a manual start
    EXPECT_FALSE(blank.logOn);
    EXPECT_TRUE(blank.unknown.isEmpty());
    EXPECT_EQ(CommandLine::parse({"--bogus"}).unknown, "--bogus");
    EXPECT_EQ(CommandLine::parse({"-x", "file.jpg"}).unknown, "-x");
    EXPECT_EQ(CommandLine::parse({"--next", "--clear"}).unknown, "--next");
    // Words that are not options (an old launcher's file argument) make a
    // manual start, handed to a running instance as a restore; an option
    // beside them still counts.
    for (const QStringList& args : {QStringList{"foo"}, {"/y", "extra"}, {"%U", "a b.jpg"}}) {
        const CommandLine manual = CommandLine::parse(args);
        EXPECT_TRUE(manual.unknown.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(manual.logOn);
        EXPECT_EQ(manual.remote, CommandLine::Remote::None);
        EXPECT_EQ(manual.messageForRunningInstance(), Messages::Restore);
    }
    EXPECT_EQ(CommandLine::parse({"foo", "--next"}).remote, CommandLine::Remote::Next);
}

// The desktop's language: LANGUAGE (a list, whose entries without a
// translation give way) before LC_ALL before LC_MESSAGES before LANG, the
// first set of those deciding; English for C, POSIX and what has no
// translation.
TEST(Language, ChosenInTheDesktopsOrderWithEnglishAsTheFallback) {
    const auto choose = [](std::map<std::string, QString> env) {
        return ChooseLanguage([&env](const char* name) { return env[name]; },
                              TranslatedLanguages());
    };
    EXPECT_EQ(choose({}), "");
    EXPECT_EQ(choose({{"LANG", "de_DE.UTF-8"}}), "de_DE");
    EXPECT_EQ(choose({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr_FR");
    EXPECT_EQ(choose({{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}), "es_ES");
    EXPECT_EQ(choose({{"LC_ALL", "es_ES@euro"}, {"LANGUAGE", "pt_BR:fr:de"}}), "fr");
    EXPECT_EQ(choose({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}), "");
    EXPECT_EQ(choose({{"LANGUAGE", "pt_BR"}, {"LANG", "de_DE.UTF-8"}}), "de_DE");
    EXPECT_EQ(choose({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}), "");
    EXPECT_EQ(choose({{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}), "");
    EXPECT_EQ(choose({{"LANG", "it_IT.UTF-8"}}), "");
}
