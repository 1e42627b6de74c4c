// The built program on a real X server with two monitors (RandR monitors
// defined on Xvfb with xrandr): the root window's picture per monitor, a
// re-arrangement composed again without stepping, and the same pictures after
// a restart. Back and forward through the pairs shown is test_wallpaper_change's
// (PreviousRestoresTheSetAndANewLayoutComposesItEvenAfterARestart).
#include "platform/linux/X11RootPixmap.h"

#include <QDir>
#include <QRegularExpression>

#include "DesktopTestUtil.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0), kLime = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255);
const QRgb kDesktopColour = qRgb(0, 78, 152);

// Defines the monitor `name` at `geometry` ("WxH+X+Y") in place of the
// monitor `replaced`; `output` "none" for a monitor of no output of its own.
// A moved monitor takes a new name: Qt 6.4 updates a RandR monitor that keeps
// its name without telling its QScreen when the removal and the new
// definition arrive together.
void setMonitor(const QString& name, const QString& geometry, const QString& output = "none",
                const QString& replaced = {}) {
    if (!replaced.isEmpty()) QProcess::execute("xrandr", {"--delmonitor", replaced});
    const QStringList g = geometry.split(QRegularExpression("[x+]"));
    // xrandr wants the size in millimetres too: 4 pixels a millimetre.
    const QString monitor = QString("%1/%2x%3/%4+%5+%6")
                                .arg(g[0], QString::number(g[0].toInt() / 4), g[1],
                                     QString::number(g[1].toInt() / 4), g[2], g[3]);
    ASSERT_EQ(QProcess::execute("xrandr", {"--setmonitor", name, monitor, output}), 0);
}

// Whether the root window's picture has these colours at these points.
bool rootHas(const QList<std::pair<QPoint, QRgb>>& points) {
    const QImage root = ReadX11RootPixmap();
    if (root.isNull()) return false;
    for (const auto& [at, colour] : points)
        if (root.pixel(at) != colour) return false;
    return true;
}

// The newest per-monitor file of monitor `n` in the data folder.
QImage monitorFile(int n) {
    const QFileInfoList newestFirst =
        QDir(kDataFolder)
            .entryInfoList({QString("* monitor %1.bmp").arg(n)}, QDir::Files, QDir::Time);
    return QImage(newestFirst.value(0).filePath()).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(MonitorsOnX, EachMonitorItsPictureANewLayoutWithoutSteppingAndAfterARestart) {
    // Left 800 x 600 (primary), right 400 x 300 lower down: below and above
    // the right one the desktop colour.
    setMonitor("L", "800x600+0+0", "screen");
    setMonitor("R", "400x300+800+100");
    resetHome(kEarlierRun +
              QStringList{"Options/WallpaperStartup=True", "Options/MonitorMode=Different",
                          "Options/WallPaperPosition=Stretch", "Options/TechniqueTimer=1",
                          "Options/WaterMarkVisible=False"});
    storePictures(QDir::homePath() + "/pictures", {"red", "lime", "blue"});
    {
        TessalyProcess tessaly({"/y"}, {{"XDG_CURRENT_DESKTOP", "KDE"}}); // a file per monitor
        ASSERT_TRUE(waitFor([] {
            return rootHas({{{400, 300}, kRed},
                            {{1000, 250}, kLime},
                            {{1000, 50}, kDesktopColour},
                            {{1000, 500}, kDesktopColour}});
        })) << tessaly.errors.toStdString();
        // The files per monitor follow the root window's picture, shown from
        // memory first.
        EXPECT_TRUE(waitFor([] {
            return monitorFile(1).size() == QSize(800, 600) &&
                   monitorFile(2).size() == QSize(400, 300);
        }));
        EXPECT_EQ(monitorFile(1).pixel(799, 599), kRed);
        EXPECT_EQ(monitorFile(2).pixel(0, 0), kLime);

        // The right monitor moved up and made larger: composed again, each
        // monitor keeping its picture (a step would bring blue).
        setMonitor("R2", "480x400+800+0", "none", "R");
        EXPECT_TRUE(waitFor([] {
            return rootHas(
                {{{400, 300}, kRed}, {{1100, 350}, kLime}, {{1000, 500}, kDesktopColour}});
        }));
        EXPECT_FALSE(rootHas({{{400, 300}, kBlue}}));

        // A change steps both monitors on; three pictures: after blue comes red.
        ASSERT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
        EXPECT_TRUE(waitFor([] { return rootHas({{{400, 300}, kBlue}, {{1000, 150}, kRed}}); }));
    }
    // Started again (no change at start), after the root picture was lost:
    // the next layout change shows the same two pictures.
    QSettings(kConfigFile, QSettings::IniFormat).setValue("Options/WallpaperStartup", false);
    ASSERT_TRUE(ClearX11RootPixmap(0));
    TessalyProcess again({"/y"}, {{"XDG_CURRENT_DESKTOP", "KDE"}});
    ASSERT_TRUE(again.said("Tessaly: no notification area"));
    setMonitor("R3", "400x300+800+100", "none", "R2");
    EXPECT_TRUE(waitFor([] {
        return rootHas({{{400, 300}, kBlue}, {{1000, 250}, kRed}, {{1000, 50}, kDesktopColour}});
    })) << again.errors.toStdString();
}
