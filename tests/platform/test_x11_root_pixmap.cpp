// The root window's pixmap on a real X server (the private Xvfb of the test).
#include "AwaitChange.h"
#include "FakeCommandRunner.h"
#include "collection/PreparedWallpaper.h"
#include "platform/linux/LinuxDesktopService.h"
#include "platform/linux/X11RootPixmap.h"

#include <QGuiApplication>

TEST(X11RootPixmap, RootShowsEachComposedBitmapPreparedOrNotUntilCleared) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs X";
    TestApp t;
    auto runner = std::make_unique<FakeCommandRunner>();
    const FakeCommandRunner* commands = runner.get();
    // A plain window manager session: no desktop of its own.
    t.services.desktop = std::make_unique<LinuxDesktopService>(*t.services.store, std::move(runner),
                                                               QProcessEnvironment());
    QImage pic(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            pic.setPixel(x, y, qRgb(x & 0xFF, y, (x + y) & 0xFF));
    t.app->screen = &PrimaryScreenInfo;
    t.app->settings.WallPaperPosition = WallpaperPosition::of(PositionMode::FitReduceEnlarge);
    t.app->settings.WaterMarkFont = QStringLiteral("DejaVu Sans");
    for (const char* name : {"a.png", "b.jpg"}) {
        ASSERT_TRUE(pic.save(t.path(QString::fromLatin1(name))));
        t.app->PictureList << t.path(QString::fromLatin1(name));
        pic = pic.mirrored(true, false);
    }
    // The root window shows the bitmap the change wrote.
    const auto showsTheBitmap = [&] {
        const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
        return ReadX11RootPixmap() == bmp.convertToFormat(QImage::Format_RGB32);
    };
    ASSERT_TRUE(await::Next(*t.app).changed());
    EXPECT_TRUE(showsTheBitmap());
    EXPECT_TRUE(commands->calls.empty()); // no desktop tool for a plain session

    // A wallpaper prepared ahead goes on the root window straight from
    // memory, in place of the one before; the bitmap written before it holds
    // the same picture.
    ASSERT_TRUE(waitUntil([&] { return t.app->prepared && t.app->prepared->ready(); }));
    ASSERT_TRUE(await::Next(*t.app).changed());
    EXPECT_TRUE(showsTheBitmap());
    ClearWallpaper(*t.app);
    EXPECT_TRUE(ReadX11RootPixmap().isNull());
}
