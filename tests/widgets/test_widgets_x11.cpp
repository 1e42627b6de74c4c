// The clock and the news bar on a real X server with a real window manager
// (openbox), with and without a real compositing manager (picom), seen as
// screenshots and used with real pointer events (xdotool).
#include "../feeds/FeedDocuments.h"
#include "DesktopTestUtil.h"
#include "LocalHttpServer.h"
#include "feeds/FeedList.h"
#include "platform/linux/X11DesktopWidgetSupport.h"
#include "platform/linux/X11RootPixmap.h"
#include "shell/Program.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"
#include "widgets/NewsBar.h"
#include "widgets/WidgetGeometry.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

const QColor kWallpaper(40, 160, 60);
const QColor kRed(255, 0, 0);
// The clock's place in twips: one inch from the left, one from the top.
constexpr double kLeft = 1440, kTop = 1440;

double dpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}
QRect clockRect() {
    return QRect(TwipsToPixels(kLeft, dpi()), TwipsToPixels(kTop, dpi()),
                 TwipsToPixels(kClockWidth, dpi()), TwipsToPixels(kClockHeight, dpi()));
}
// Numeral 3 on the screen.
QRect numeralThree(QPoint clockAt) {
    const QPointF t = NumeralPlace(3);
    return QRect(clockAt + QPoint(TwipsToPixels(t.x(), dpi()), TwipsToPixels(t.y(), dpi())),
                 QSize(TwipsToPixels(kNumeralWidth, dpi()), TwipsToPixels(kNumeralHeight, dpi())));
}

QImage screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}
bool near(const QColor& a, const QColor& b, int tolerance = 4) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
// Points the mouse at `p` on the screen, then does `more` (xdotool's words).
void pointAt(QPoint p, const QStringList& more = {}) {
    run("xdotool", QStringList{"mousemove", QString::number(p.x()), QString::number(p.y())} + more);
}
int count(const QImage& shot, const QRect& r, const QColor& c, int tolerance = 4) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += near(shot.pixelColor(x, y), c, tolerance);
    return n;
}

struct WidgetsOnX11 : ::testing::Test {
    static void SetUpTestSuite() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
        openbox = new QProcess;
        openbox->start("openbox", {"--sm-disable"});
        ASSERT_TRUE(waitFor([] {
            return !run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("not found");
        }));
        ASSERT_TRUE(SetX11RootPixmap(solidImage({64, 64}, kWallpaper), {0, 0},
                                     kWallpaper.rgb() & 0xFFFFFF));
    }
    static void TearDownTestSuite() {
        if (!openbox) return;
        openbox->terminate();
        openbox->waitForFinished(5000);
        delete openbox;
    }
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs X";
    }
    void TearDown() override { stopCompositor(); }

    void startCompositor() {
        compositor.start("picom", {"--backend", "xrender", "--config", "/dev/null"});
        ASSERT_TRUE(waitFor([] { return X11DesktopWidgetSupport().blendsTranslucentWindows(); }));
    }
    void stopCompositor() {
        if (compositor.state() == QProcess::NotRunning) return;
        compositor.terminate();
        compositor.waitForFinished(5000);
        waitFor([] { return !X11DesktopWidgetSupport().blendsTranslucentWindows(); });
    }
    // Stored settings for a clock in red at the known place, the calendar hidden.
    static QStringList clockSettings(int transparency, bool onTop = false) {
        return kEarlierRun +
               QString("Options/Transparency=%1 Options/ClockLeft=%2 Options/ClockTop=%3 "
                       "Options/ClockV=True Options/CalV=False Options/ClockOnTop=%4 "
                       "ClockDigit/size=16 ClockDigit/bold=True ClockDigit/color=255 "
                       "ClockPointers/Sec=255 ClockPointers/Min=255 ClockPointers/Hour=255")
                   .arg(QString::number(transparency), QString::number(kLeft),
                        QString::number(kTop), onTop ? "True" : "False")
                   .split(' ') +
               QStringList{"ClockDigit/name=DejaVu Sans"};
    }
    // Whether a window whose title matches is shown.
    static bool shown(const QString& title) {
        return !run("xdotool", {"search", "--onlyvisible", "--name", title}).isEmpty();
    }

    static inline QProcess* openbox = nullptr;
    QProcess compositor;
};

// The program in this process with its real services, started as at log-on.
struct InProcess {
    std::unique_ptr<PlatformServices> services = createPlatformServices();
    AppContext app{*services};
    Program program{app, CommandLine::parse({"/y"})};
    InProcess() { program.Main(); }
};

// The calendar's day names keep apart in their 400-twip cells whatever the
// face: the stored "MS Sans Serif", not installed here, and a wide face that
// is, at 96 and at 192 dots per inch (where Qt draws at twice the pixels and
// the shape is cut at the program's own).
TEST_F(WidgetsOnX11, TheCalendarsDayNamesKeepApart) {
    for (const char* face : {"MS Sans Serif", "DejaVu Sans"}) {
        for (const int scale : {1, 2}) {
            const QString what = QString("%1 at %2 dpi").arg(face).arg(96 * scale);
            resetHome(kEarlierRun +
                      QString("Options/Transparency=255 Options/ClockV=False Options/CalV=True "
                              "Options/CalLeft=%1 Options/CalTop=%2 CDnames/size=8 "
                              "CDnames/bold=True CDnames/color=255")
                          .arg(QString::number(kLeft), QString::number(kTop))
                          .split(' ') +
                      QStringList{QString("CDnames/name=%1").arg(face)});
            TessalyProcess tessaly({"/y"}, {{"QT_FONT_DPI", QString::number(96 * scale)}});
            ASSERT_TRUE(waitFor([] { return shown("^Calendar"); }));
            QThread::msleep(500);
            const QImage shot = screenshot();
            // The program's pixels are `scale` of the screen's.
            const auto screen = [&](QPointF twips) {
                return (QPointF(TwipsToPixels(kLeft, 96), TwipsToPixels(kTop, 96)) +
                        twips * 96 / 1440) *
                       scale;
            };
            const QRectF first = CalendarHeaderRect(0);
            const int top = screen(first.topLeft()).y(), bottom = screen(first.bottomLeft()).y();
            const auto ink = [&](int x) {
                for (int y = top; y <= bottom; ++y)
                    if (!near(shot.pixelColor(x, y), kWallpaper, 40)) return true;
                return false;
            };
            for (int i = 0; i < 7; ++i) {
                const QRectF cell = CalendarHeaderRect(i);
                int columns = 0;
                for (int x = screen(cell.topLeft()).x(); x < screen(cell.topRight()).x(); ++x)
                    columns += ink(x);
                EXPECT_GT(columns, 4 * scale) << what.toStdString() << ": name " << i;
            }
            // Nothing but the elements and the wallpaper: no black the shape
            // lets through where a finer drawing left pixels empty.
            const QRect calendar =
                QRectF(screen({0, 0}), screen({kCalendarWidth, kCalendarHeight})).toRect();
            EXPECT_EQ(count(shot, calendar, Qt::black, 60), 0) << what.toStdString();
            // Between two names a gap of blank columns, where their cells meet.
            for (int i = 0; i < 6; ++i) {
                // The middle of the 2 twips between the cells.
                const int meet =
                    qRound(screen(CalendarHeaderRect(i).topRight() + QPointF(1, 0)).x());
                int left = meet, right = meet;
                while (left > 0 && !ink(left - 1) && meet - left < 40)
                    --left;
                while (!ink(right) && right - meet < 40)
                    ++right;
                EXPECT_GE(right - left, 3 * scale)
                    << what.toStdString() << ": between names " << i << " and " << i + 1;
            }
        }
    }
}

// A window of this test process beneath the clock, counting the presses it gets.
struct Beneath : QWidget {
    int presses = 0;
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// Without a compositing manager the clock's shape shows the wallpaper around
// its numerals; with one the clock blends over the wallpaper at its
// transparency, and a click on a numeral goes through to the window beneath.
TEST_F(WidgetsOnX11, TheClockIsShapedOrBlendedOverTheWallpaperAndClicksGoThrough) {
    // The transparency and the numeral's colour: at 150, 150/255 of red over
    // the wallpaper.
    const std::pair<int, QColor> cases[] = {
        {255, kRed},
        {150, QColor((255 * 150 + 40 * 105) / 255, 160 * 105 / 255, 60 * 105 / 255)},
        {0, kWallpaper}};
    for (const auto& [transparency, numeral] : cases) {
        resetHome(clockSettings(transparency, true));
        TessalyProcess tessaly({"/y"});
        ASSERT_TRUE(waitFor([] { return shown("^Clock"); }));
        const QRect r = clockRect();
        const QRect three = numeralThree(r.topLeft());
        if (transparency == 255) { // no compositing manager yet
            QThread::msleep(300);
            const QImage shot = screenshot();
            EXPECT_GT(count(shot, three, kRed, 0), 10);
            EXPECT_TRUE(near(shot.pixelColor(r.topLeft() + QPoint(2, 2)), kWallpaper, 0));
            EXPECT_TRUE(
                near(shot.pixelColor(r.center() + QPoint(0, r.height() / 3)), kWallpaper, 0));
            startCompositor();
        }
        QThread::msleep(700); // the compositor's next frame
        const QImage shot = screenshot();
        // The numeral's full pixels in their colour, the corners the wallpaper.
        if (transparency > 0) {
            EXPECT_GT(count(shot, three, numeral), 10) << transparency;
            if (transparency < 255) {
                EXPECT_EQ(count(shot, three, kRed, 2), 0);
            }
        } else {
            EXPECT_EQ(count(shot, r, kWallpaper, 2), r.width() * r.height());
        }
        EXPECT_TRUE(near(shot.pixelColor(r.topLeft() + QPoint(2, 2)), kWallpaper, 2));
        EXPECT_TRUE(near(shot.pixelColor(r.bottomRight() - QPoint(2, 2)), kWallpaper, 2));
        if (transparency < 255) continue;
        // A window beneath the clock, which is on top.
        Beneath beneath;
        beneath.setGeometry(r.adjusted(-20, -20, 20, 20));
        beneath.show();
        ASSERT_TRUE(
            waitFor([&] { return beneath.isVisible() && beneath.windowHandle()->isExposed(); }));
        QThread::msleep(500);
        pointAt(three.center(), {"click", "1"});
        EXPECT_TRUE(waitFor([&] { return beneath.presses == 1; }, 3000))
            << run("xdotool", {"getmouselocation", "--shell"}).toStdString();
    }
}

// Move mode is entered from the settings window; here the program runs in
// this process and the test asks for it as that window's button does. The
// clock turns dark red, is dragged and its place is saved. The layer each
// widget's "Always on top." asks for outlasts move mode, whose click-through
// change sets the window's flags again: the clock stays above the other
// windows, the calendar goes back below them (it comes up among them while it
// moves, so that it can be grabbed).
TEST_F(WidgetsOnX11, InMoveModeTheClockIsDraggedAndSavedAndEachWidgetKeepsItsLayer) {
    startCompositor();
    resetHome(clockSettings(255, true) +
              QStringList{"Options/CalV=True", "Options/CalOnTop=False",
                          QString("Options/CalLeft=%1").arg(kLeft),
                          QString("Options/CalTop=%1").arg(kTop + kClockHeight + 720)});
    InProcess running;
    Program& program = running.program;
    ClockWidget& clock = program.widgets()->clock();
    CalendarWidget& calendar = program.widgets()->calendar();
    const auto state = [](QWidget& w) {
        return run("xprop", {"-id", QString::number(w.winId()), "_NET_WM_STATE"});
    };
    ASSERT_TRUE(waitFor([&] {
        return state(clock).contains("_NET_WM_STATE_ABOVE") &&
               state(calendar).contains("_NET_WM_STATE_BELOW");
    })) << state(clock).toStdString()
        << state(calendar).toStdString();

    struct Case {
        DesktopWidgetWindow& widget;
        const char* layer;
        bool whileMoving;
    } cases[] = {{clock, "_NET_WM_STATE_ABOVE", true}, {calendar, "_NET_WM_STATE_BELOW", false}};
    const QRect r = clockRect();
    const QPoint from = r.topLeft() + QPoint(10, 10);
    const QPoint to = from + QPoint(150, 100);
    for (const Case& c : cases) {
        const QString name = c.widget.windowTitle();
        c.widget.OMove(true);
        waitFor([] { return false; }, 700); // the window manager's turn
        EXPECT_EQ(state(c.widget).contains(c.layer), c.whileMoving)
            << name.toStdString() << state(c.widget).toStdString();
        if (&c.widget == &clock) {
            ASSERT_TRUE(waitFor([&] {
                return near(screenshot().pixelColor(r.topLeft() + QPoint(2, 2)), QColor(128, 0, 0),
                            2);
            }));
            pointAt(from, {"mousedown", "1"});
            waitFor([] { return false; }, 300);
            for (int step = 1; step <= 5; ++step) {
                pointAt(from + (to - from) * step / 5);
                waitFor([] { return false; }, 100);
            }
            run("xdotool", {"mouseup", "1"});
            EXPECT_TRUE(waitFor([&] { return clock.pos() == r.topLeft() + (to - from); }, 5000))
                << clock.x() << "," << clock.y();
        }
        // A double click as a hand makes it leaves move mode: the window
        // manager hears of the move each press asks for while the button is
        // still down.
        pointAt(c.widget.pos() + QPoint(10, 10));
        for (const char* step : {"mousedown", "mouseup", "mousedown", "mouseup"}) {
            run("xdotool", {step, "1"});
            waitFor([] { return false; }, 60);
        }
        EXPECT_TRUE(waitFor([&] { return !c.widget.inMoveMode(); }, 3000)) << name.toStdString();
        EXPECT_TRUE(waitFor([&] { return state(c.widget).contains(c.layer); }, 3000))
            << name.toStdString() << state(c.widget).toStdString();
    }
    EXPECT_FALSE(state(clock).contains("_NET_WM_STATE_BELOW"));
    EXPECT_FALSE(state(calendar).contains("_NET_WM_STATE_ABOVE"));

    program.EndProgram();
    QSettings ini(kConfigFile, QSettings::IniFormat);
    EXPECT_NEAR(ini.value("Options/ClockLeft").toDouble(), kLeft + PixelsToTwips(150, dpi()), 20);
    EXPECT_NEAR(ini.value("Options/ClockTop").toDouble(), kTop + PixelsToTwips(100, dpi()), 20);
}

// The news bar end to end: the program in this process with its real
// services, two feeds on the local server, the browser a script that logs
// what it is asked to open.
TEST_F(WidgetsOnX11, TheNewsBarScrollsLiveHeadlinesRefreshesThemAndOpensThemWhenClicked) {
    startCompositor();
    QTemporaryDir served, bin;
    writeFile(served.filePath("a.xml"),
              Rss2("Alpha News", "Alpha first", "http://alpha.example/first"));
    writeFile(served.filePath("b.xml"), kAtom);
    LocalHttpServer server(false, served.path());
    ASSERT_TRUE(server.ok());
    const QString opened = bin.filePath("opened.log");
    writeFile(bin.filePath("xdg-open"), "#!/bin/sh\necho \"$1\" >> '" + opened.toUtf8() + "'\n");
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));

    // Headlines red, feed titles blue, every three seconds (0.05 minutes).
    resetHome(kEarlierRun +
              QString("Options/ClockV=False Options/CalV=False Options/Transparency=255 "
                      "NewsBar/Enabled=True NewsBar/Clickable=True NewsBar/Interval=0.05 "
                      "NewsBar/Speed=4 NewsBar/Left=0 NewsBar/Top=%1 NewsBar/HeadlineSize=14 "
                      "NewsBar/HeadlineColor=255 NewsBar/SourceSize=14 NewsBar/SourceBold=True "
                      "NewsBar/SourceColor=16711680")
                  .arg(kTop * 3)
                  .split(' ') +
              QStringList{"NewsBar/HeadlineName=DejaVu Sans", "NewsBar/SourceName=DejaVu Sans"});
    ASSERT_TRUE(QDir().mkpath(kDataFolder));
    ASSERT_TRUE(SaveFeeds(kDataFolder + "/FeedsList.tsy",
                          {{"Alpha News", server.url("/files/a.xml")},
                           {"Atom Log & more", server.url("/files/b.xml")}}));

    InProcess running;
    Program& program = running.program;
    NewsBar& bar = program.widgets()->newsBar();
    ASSERT_TRUE(waitFor([&] {
        return bar.isVisible() && bar.windowHandle()->isExposed() &&
               bar.lineText().contains("Alpha first") && bar.lineText().contains("Entry one");
    }));
    EXPECT_EQ(bar.y(), TwipsToPixels(kTop * 3, dpi()));
    EXPECT_EQ(bar.width(), QGuiApplication::primaryScreen()->geometry().width());

    // The screenshot shows the line: headlines in red, feed titles in blue,
    // the wallpaper around them.
    const QRect r = bar.geometry();
    ASSERT_TRUE(waitFor(
        [&] {
            const QImage shot = screenshot();
            return count(shot, r, kRed, 40) > 30 && count(shot, r, QColor(0, 0, 255), 40) > 30;
        },
        20000));
    EXPECT_GT(count(screenshot(), r, kWallpaper, 2), r.width() * r.height() / 2);

    // A changed feed shows its new headline after the interval (that the
    // unchanged one is asked conditionally is test_feeds').
    writeFile(served.filePath("a.xml"),
              Rss2("Alpha News", "Alpha second", "http://alpha.example/second"));
    EXPECT_TRUE(waitFor([&] { return bar.lineText().contains("Alpha second"); }, 20000))
        << bar.lineText().toStdString();
    EXPECT_FALSE(bar.lineText().contains("Alpha first"));

    // A click on the headline opens its link: the line stands still under
    // the mouse, so it is found, pointed at and clicked.
    ASSERT_TRUE(waitFor(
        [&] {
            const auto at = bar.placeOf("Alpha second");
            return at && at->left() > 50 && at->right() < bar.width() - 200;
        },
        30000));
    pointAt(bar.mapToGlobal(bar.placeOf("Alpha second")->center()));
    waitFor([] { return false; }, 300);
    const auto at = bar.placeOf("Alpha second");
    ASSERT_TRUE(at.has_value());
    pointAt(bar.mapToGlobal(at->center()), {"click", "1"});
    EXPECT_TRUE(waitFor([&] { return readFile(opened) == "http://alpha.example/second\n"; }))
        << readFile(opened).toStdString();

    program.EndProgram();
}

} // namespace
