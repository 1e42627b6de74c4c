// The tray popup menu's preparation before each popup.
#include "FakePlatform.h"
#include "shell/Program.h"
#include "shell/frmtray.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TrayMenuTest : ::testing::Test {
    TestApp t;
    Program program{*t.app, CommandLine{}};
    frmtray& tray = program.tray();
};

TEST_F(TrayMenuTest, CurrentWallpaperOnlyForAValidLocalEntryAndWidgetItemsOnlyWhenIsNT) {
    const QStringList list = {u"/pics/a.jpg"_s, u"/pics/Tom & Jerry/b.png"_s, u"/pics/c.jpg"_s};
    const auto shown = [&](qsizetype listSize, double cur, qint16 source) {
        t.app->PictureList = list.mid(0, listSize);
        t.app->settings.CurWallPaper = cur;
        t.app->settings.WPSource = source;
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
    EXPECT_EQ(tray.mnuwallpapercurrentfilename->text(), u"/pics/Tom && Jerry/b.png"_s);

    // The widget items follow IsNT, their check marks the widgets' state.
    t.app->IsNT = false;
    tray.prepareMenu();
    EXPECT_FALSE(tray.mnuclock->isVisible());
    EXPECT_FALSE(tray.mnucalendar->isVisible());

    t.app->IsNT = true;
    t.app->settings.ClockV = false;
    t.app->settings.CalV = true;
    tray.prepareMenu();
    EXPECT_TRUE(tray.mnuclock->isVisible());
    EXPECT_TRUE(tray.mnucalendar->isVisible());
    EXPECT_FALSE(tray.mnuclockshow->isChecked());
    EXPECT_TRUE(tray.mnucalendarshow->isChecked());
}

} // namespace
