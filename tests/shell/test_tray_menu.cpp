// The tray popup menu's preparation before each popup.
#include "FakePlatform.h"
#include "shell/Program.h"
#include "shell/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

struct TrayMenuTest : ::testing::Test {
    TestApp t;
    Program program{*t.app, CommandLine{}};
    TrayIcon& tray = program.tray();
};

TEST_F(TrayMenuTest, CurrentWallpaperOnlyForAValidLocalEntryAndWidgetItemsOnlyWhenIsNT) {
    const QStringList list = {"/pics/a.jpg", "/pics/Tom & Jerry/b.png", "/pics/c.jpg"};
    const auto shown = [&](qsizetype listSize, double cur, int source) {
        t.app->PictureList = list.mid(0, listSize);
        t.app->settings.CurWallPaper = cur;
        t.app->settings.WPSource = WallpaperSource(source);
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
        t.app->IsNT = isNT;
        t.app->widgetWindows = windows;
        tray.prepareMenu();
        EXPECT_EQ(tray.mnuclock->isVisible(), isNT && windows);
        EXPECT_EQ(tray.mnucalendar->isVisible(), isNT && windows);
    }
}

// "Previous wallpaper" follows "Switch Wallpaper Now", and no two items of
// the menu share an access key.
TEST_F(TrayMenuTest, PreviousFollowsSwitchAndAccessKeysAreUnique) {
    const auto* menu = qobject_cast<QMenu*>(tray.mnuprevious->parent());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    EXPECT_EQ(items.indexOf(tray.mnuprevious), items.indexOf(tray.mnunow) + 1);
    EXPECT_EQ(tray.mnuprevious->objectName(), "mnuprevious");
    QList<QChar> keys;
    for (const QAction* item : items) {
        const qsizetype amp = item->text().indexOf('&');
        if (amp < 0 || amp + 1 >= item->text().size()) continue;
        const QChar key = item->text().at(amp + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << item->text().toStdString();
        keys << key;
    }
    EXPECT_TRUE(keys.contains('p'));
}

} // namespace
