// The tray popup menu: its items, the preparation before each popup, and what
// the items do once the program has wired them.
#include "FakePlatform.h"
#include "shell/Program.h"
#include "shell/frmtray.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

struct TrayMenuTest : ::testing::Test {
    TestApp t;
    Program program{*t.app, CommandLine{}};
    frmtray& tray = program.tray();

    QStringList itemsOf(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << a->objectName() + "=" + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    void useList(QStringList list, double cur, int source = 0) {
        t.app->PictureList = std::move(list);
        t.app->settings.CurWallPaper = cur;
        t.app->settings.WPSource = static_cast<qint16>(source);
        tray.prepareMenu();
    }
};

TEST_F(TrayMenuTest, ItemsInOrderWithTheirCaptions) {
    EXPECT_EQ(tray.mnuoptz()->objectName(), "mnuoptz");
    EXPECT_EQ(tray.mnuoptz()->title(), "Optz");
    EXPECT_EQ(
        itemsOf(tray.mnuoptz()),
        QStringList({"mnusettings=&Settings", "mnunow=Switch &Wallpaper Now", "space3=-",
                     "mnuwallpaper=Wallpaper", "mnuclock=Clock", "mnucalendar=Calendar", "space1=-",
                     "mnuabout=&About", "mnuhelp=&Help", "space=-", "mnuexit=E&xit"}));
    EXPECT_EQ(itemsOf(tray.mnuwallpaper->menu()),
              QStringList({"mnuwallpapernext=Next wallpaper", "mnuwallpaperclear=Clear wallpaper",
                           "mnuwallpapercurrentwallpaper=Current wallpaper"}));
    EXPECT_EQ(itemsOf(tray.mnuwallpapercurrentwallpaper->menu()),
              QStringList({"mnuwallpapercurrentfilename=Filename",
                           "mnuwallpapercurrentopenfolder=Open folder"}));
    EXPECT_EQ(itemsOf(tray.mnuclock->menu()),
              QStringList({"mnuclockshow=Show the clock", "mnuclockalwaysontop=Always on top"}));
    EXPECT_EQ(
        itemsOf(tray.mnucalendar->menu()),
        QStringList({"mnucalendarshow=Show the calendar", "mnucalendaralwaysontop=Always on top"}));
}

TEST_F(TrayMenuTest, CurrentWallpaperShownOnlyForAValidLocalEntry) {
    const QStringList list = {"/pics/a.jpg", "/pics/Tom & Jerry/b.png", "/pics/c.jpg"};
    useList(list, 2);
    EXPECT_TRUE(tray.mnuwallpapercurrentwallpaper->isVisible());
    // The full path, its ampersand shown as text rather than a mnemonic.
    EXPECT_EQ(tray.mnuwallpapercurrentfilename->text(), "/pics/Tom && Jerry/b.png");

    useList(list, 3, 1);
    EXPECT_TRUE(tray.mnuwallpapercurrentwallpaper->isVisible());
    EXPECT_EQ(tray.mnuwallpapercurrentfilename->text(), "/pics/c.jpg");

    useList(list, 2, 2); // the internet source
    EXPECT_FALSE(tray.mnuwallpapercurrentwallpaper->isVisible());
    useList(list.mid(0, 2), 3); // the list shrank below the current position
    EXPECT_FALSE(tray.mnuwallpapercurrentwallpaper->isVisible());
    useList(list, 0); // no current picture yet
    EXPECT_FALSE(tray.mnuwallpapercurrentwallpaper->isVisible());
    useList(list, 1.5); // a stored position that names no entry
    EXPECT_FALSE(tray.mnuwallpapercurrentwallpaper->isVisible());
    useList(list, 1);
    EXPECT_TRUE(tray.mnuwallpapercurrentwallpaper->isVisible());
}

TEST_F(TrayMenuTest, CurrentWallpaperItemsActOnTheShownPicture) {
    useList({"/pics/a.jpg", "/pics/b.jpg"}, 2);
    // The list changes while the menu is open: the items act on what was shown.
    t.app->PictureList.clear();
    tray.mnuwallpapercurrentfilename->trigger();
    tray.mnuwallpapercurrentopenfolder->trigger();
    EXPECT_EQ(t.shell->opened, QStringList{"/pics/b.jpg"});
    EXPECT_EQ(t.shell->shown, QStringList{"/pics/b.jpg"});
}

TEST_F(TrayMenuTest, WidgetItemsFollowIsNTAndToggleTheirState) {
    t.app->IsNT = false;
    tray.prepareMenu();
    EXPECT_FALSE(tray.mnuclock->isVisible());
    EXPECT_FALSE(tray.mnucalendar->isVisible());

    t.app->IsNT = true;
    Settings& s = t.app->settings;
    s.ClockV = false;
    s.ClockOnTop = true;
    s.CalV = true;
    s.CalOnTop = false;
    tray.prepareMenu();
    EXPECT_TRUE(tray.mnuclock->isVisible());
    EXPECT_TRUE(tray.mnucalendar->isVisible());
    EXPECT_FALSE(tray.mnuclockshow->isChecked());
    EXPECT_TRUE(tray.mnuclockalwaysontop->isChecked());
    EXPECT_TRUE(tray.mnucalendarshow->isChecked());
    EXPECT_FALSE(tray.mnucalendaralwaysontop->isChecked());

    int changed = 0;
    QObject::connect(&tray, &frmtray::widgetsChanged, [&] { ++changed; });
    tray.mnuclockshow->trigger();
    tray.mnucalendaralwaysontop->trigger();
    EXPECT_TRUE(s.ClockV);
    EXPECT_TRUE(s.CalOnTop);
    EXPECT_EQ(changed, 2);
    tray.prepareMenu();
    EXPECT_TRUE(tray.mnuclockshow->isChecked());
    EXPECT_TRUE(tray.mnucalendaralwaysontop->isChecked());
}

TEST_F(TrayMenuTest, CommandsReachTheirActions) {
    tray.mnuwallpaperclear->trigger();
    ASSERT_FALSE(t.desktop->calls.empty());
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");

    tray.mnuhelp->trigger();
    ASSERT_EQ(t.shell->urls.size(), 1);
    EXPECT_TRUE(t.shell->urls[0].startsWith("file://"));
    EXPECT_TRUE(t.shell->urls[0].endsWith("/help/index.html#context-5"));

    tray.mnuabout->trigger();
    tray.mnusettings->trigger();
    ASSERT_EQ(t.notifier->shown.size(), 2u);
    EXPECT_TRUE(t.notifier->shown[0].text.contains(TESSALY_VERSION));

    // Both wallpaper commands step the sequence.
    t.app->settings.TechniqueTimer = 1;
    t.app->settings.WPSource = 0;
    t.app->PictureList = {"/nowhere/a.jpg", "/nowhere/b.jpg", "/nowhere/c.jpg"};
    t.app->settings.CurWallPaper = 1;
    tray.mnunow->trigger();
    EXPECT_EQ(t.app->settings.CurWallPaper, 2);
    tray.mnuwallpapernext->trigger();
    EXPECT_EQ(t.app->settings.CurWallPaper, 3);
}

TEST_F(TrayMenuTest, TimerFollowsTheSwitchAndPlaceTrayRunsWithoutATray) {
    t.app->settings.WallpaperTimer = true;
    t.app->setChangeTimer(true);
    EXPECT_TRUE(tray.Timer1.isActive());
    EXPECT_EQ(tray.Timer1.interval(), 1000);
    t.app->setChangeTimer(false);
    EXPECT_FALSE(tray.Timer1.isActive());

    // Offscreen there is no notification area: the program runs on.
    tray.PlaceTray();
    ASSERT_NE(tray.trayIcon(), nullptr);
    EXPECT_EQ(tray.trayIcon()->toolTip(), "Tessaly");
    EXPECT_EQ(tray.trayIcon()->contextMenu(), tray.mnuoptz());
    tray.removeTrayIcon();
    EXPECT_EQ(tray.trayIcon(), nullptr);
}

} // namespace
