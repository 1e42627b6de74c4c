// The built program on a desktop of two monitors of different sizes (Qt's
// offscreen platform given a screen list): the wallpaper covers both.
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DesktopTestUtil.h"

TEST(Monitors, TheFirstStartComposesForEveryMonitor) {
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [
                  {"name": "left", "x": 0, "y": 0, "width": 640, "height": 480,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                  {"name": "right", "x": 640, "y": 0, "width": 320, "height": 240,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + dir.filePath("screens.json"));
    env.remove("DISPLAY");
    resetHome();
    const QString bitmap = kDataFolder + "/Orvane Wallpaper.bmp";
    TessalyProcess tessaly({"/y"}, env);
    ASSERT_TRUE(waitFor([&] { return QImage(bitmap).size() == QSize(960, 480); }))
        << QImage(bitmap).width() << "x" << QImage(bitmap).height();
    // Below the smaller monitor: the desktop colour, not the picture.
    const QImage canvas(bitmap);
    EXPECT_EQ(canvas.pixel(900, 400), canvas.pixel(959, 479));
    EXPECT_NE(canvas.pixel(800, 120), canvas.pixel(900, 400));
}
