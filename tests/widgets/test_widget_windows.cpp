// The clock and calendar windows on the offscreen platform: what they draw,
// their places and the tray menu items that show and hide them.
#include "FakePlatform.h"
#include "shell/Program.h"
#include "shell/TrayIcon.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

struct WidgetWindowsTest : ::testing::Test {
    TestApp t;
    DesktopWidgets widgets{*t.app};
};

// Places: the defaults, saved ones and one pulled back from a monitor that is
// gone; the calendar's month with the date marked; the clock's drawing.
TEST_F(WidgetWindowsTest, PlacesTheCalendarsMonthAndTheClocksAlphaAndKeyColour) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    t.app->settings.ClockV = t.app->settings.CalV = true;
    // Nothing stored: the top right corner, the calendar under the clock.
    widgets.arrange();
    ClockWidget& clock = widgets.clock();
    CalendarWidget& cal = widgets.calendar();
    EXPECT_EQ(clock.geometry().right(), screen.right());
    EXPECT_NEAR(clock.y(), 500 * clock.dpi() / 1440, 1);
    EXPECT_EQ(cal.x(), clock.x());
    EXPECT_NEAR(cal.y(), clock.height() + clock.y(), 1);
    EXPECT_TRUE(clock.isVisible());
    // The settings follow the windows.
    EXPECT_NEAR(t.app->settings.ClockTop, 500, 15);

    // Stored: the clock where it was saved, the calendar hidden; a clock
    // saved on a monitor far to the right comes back onto the screen.
    for (const char* key : {"ClockLeft", "ClockTop", "CalLeft", "CalTop"})
        t.services.store->setValue("Options", key, "0");
    t.app->settings.ClockLeft = 1440;
    t.app->settings.ClockTop = 720;
    t.app->settings.CalV = false;
    widgets.arrange();
    EXPECT_EQ(clock.pos(), QPoint(qRound(clock.dpi()), qRound(clock.dpi() / 2)));
    EXPECT_FALSE(cal.isVisible());
    t.app->settings.ClockLeft = 200000;
    t.app->settings.ClockTop = 100000;
    widgets.arrange();
    EXPECT_TRUE(screen.contains(clock.geometry())) << clock.x() << "," << clock.y();

    // Move mode pulls a window partly off the right and bottom edges back.
    clock.move(screen.right() - 20, screen.bottom() - 20);
    clock.OMove(true);
    EXPECT_EQ(clock.geometry().bottomRight(), screen.bottomRight());
    clock.OMove(false);

    // The calendar shows the month of the date, with the date marked.
    cal.goDate(QDate(2015, 2, 14));
    EXPECT_EQ(cal.pnlMonth, "February 2015");
    for (int i = 0; i < 42; ++i) {
        EXPECT_EQ(cal.lblDay[i].visible, i <= 27) << i;
        EXPECT_EQ(cal.lblDay[i].caption, i <= 27 ? QString::number(i + 1) : QString()) << i;
        EXPECT_EQ(cal.lblDay[i].today, i == 13) << i;
    }
    EXPECT_TRUE(cal.MarkDate.isEmpty());
    cal.DoToday();
    const QDate today = QDate::currentDate();
    const int cell = QDate(today.year(), today.month(), 1).dayOfWeek() % 7 + today.day() - 1;
    EXPECT_TRUE(cal.lblDay[cell].today);
    EXPECT_EQ(cal.lblDay[cell].caption, QString::number(today.day()));

    // The widget-side alpha and the key colour: a stored Transparency outside a
    // byte draws at the nearest one, and a hand of exactly RGB(0, 8, 16) is a
    // hole in the numeral it crosses.
    const auto hourHandPixel = [&] {
        clock.showTime(QTime(3, 0));
        // Halfway along the hours hand (pointing right from the centre).
        const QPointF mid = QPointF(1597.5 + 250, 1275) * (clock.dpi() / 1440.0);
        return clock.renderImage().pixelColor(mid.toPoint());
    };
    t.app->settings.Hour = 0x0000FF; // red
    for (const auto& [stored, alpha] : {std::pair{150, 150}, {255, 255}, {999, 255}, {-5, 0}}) {
        t.app->settings.Transparency = qint16(stored);
        clock.ArrangeClock();
        EXPECT_EQ(hourHandPixel().alpha(), alpha) << stored;
    }
    t.app->settings.Transparency = 255;
    t.app->settings.Hour = 0x100800;
    clock.ArrangeClock();
    EXPECT_EQ(hourHandPixel().alpha(), 0);
    // Nothing but the elements is drawn: the corner is transparent.
    EXPECT_EQ(clock.renderImage().pixelColor(0, 0).alpha(), 0);
    // Move mode: the whole window dark red.
    clock.OMove(true);
    EXPECT_EQ(clock.renderImage().pixelColor(0, 0), QColor(128, 0, 0));
    clock.OMove(false);
    EXPECT_EQ(clock.renderImage().pixelColor(0, 0).alpha(), 0);
}

TEST(WidgetTrayMenu, ShowItemsFollowTheWindowsAndAlwaysOnTopTheFlags) {
    TestApp t;
    Program program(*t.app, CommandLine{});
    program.widgets()->arrange();
    TrayIcon& tray = program.tray();
    ClockWidget& clock = program.widgets()->clock();
    CalendarWidget& cal = program.widgets()->calendar();
    tray.prepareMenu();
    ASSERT_TRUE(tray.mnuclock->isVisible());
    EXPECT_TRUE(tray.mnuclockshow->isChecked());
    tray.mnuclockshow->trigger();
    EXPECT_FALSE(clock.isVisible());
    EXPECT_FALSE(t.app->settings.ClockV);
    tray.prepareMenu();
    EXPECT_FALSE(tray.mnuclockshow->isChecked());
    EXPECT_TRUE(tray.mnucalendarshow->isChecked());
    tray.mnuclockshow->trigger();
    EXPECT_TRUE(clock.isVisible());

    tray.mnucalendaralwaysontop->trigger();
    EXPECT_TRUE(cal.OnTop());
    EXPECT_TRUE(t.app->settings.CalOnTop);
    tray.prepareMenu();
    EXPECT_TRUE(tray.mnucalendaralwaysontop->isChecked());
    EXPECT_FALSE(tray.mnuclockalwaysontop->isChecked());
    // The portable support marks the window stays-on-top.
    EXPECT_TRUE(cal.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(clock.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
