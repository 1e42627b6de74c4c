// Composition geometry, checked on the pixels of the saved bitmap.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"
#include "compose/Layout.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

ScreenInfo Screen(int w, int h) {
    return ScreenInfo{QSize(w, h), QRect(0, 0, w, h), 96};
}

class ComposeLayout : public ::testing::Test {
protected:
    ComposeLayout() { t.app->settings.WaterMarkVisible = false; }

    // Composes `picture` in `position` on a w x h screen and returns the BMP.
    QImage compose(const QImage& picture, const QString& position, int w = 200, int h = 100) {
        t.app->imgprev = {picture, picture.size()};
        t.app->settings.WallPaperPosition = position;
        EXPECT_TRUE(ComposeWallpaper(*t.app, Screen(w, h)));
        QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
        EXPECT_EQ(bmp.size(), QSize(w, h));
        return bmp;
    }

    TestApp t;
};

TEST_F(ComposeLayout, EnlargeIsStrict_ScreenSizedPictureStaysNative) {
    WallpaperLayout l;
    ASSERT_TRUE(ComputeWallpaperLayout(QSize(200, 100), QStringLiteral("Fit screen (Enlarge)"),
                                       QSize(200, 100), l));
    EXPECT_EQ(l.width, 200);
    EXPECT_EQ(l.height, 100);
    // Narrower but as tall as the screen: not both strictly smaller, so native.
    ASSERT_TRUE(ComputeWallpaperLayout(QSize(50, 100), QStringLiteral("Fit screen (Enlarge)"),
                                       QSize(200, 100), l));
    EXPECT_EQ(l.width, 50);
    EXPECT_EQ(l.x, 75);

    const QImage bmp = compose(QuadrantPicture(200, 100), QStringLiteral("Fit screen (Enlarge)"));
    EXPECT_EQ(Rgb(bmp, 0, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 199, 99), 0xFFFF00u);
}

TEST_F(ComposeLayout, EnlargeFitsSmallPictureOfSameAspectToFullScreen) {
    const QImage bmp = compose(QuadrantPicture(40, 20), QStringLiteral("Fit screen (Enlarge)"));
    EXPECT_EQ(Rgb(bmp, 2, 2), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 197, 2), 0x00FF00u);
    EXPECT_EQ(Rgb(bmp, 2, 97), 0x0000FFu);
    EXPECT_EQ(Rgb(bmp, 197, 97), 0xFFFF00u);
}

TEST_F(ComposeLayout, ReduceFitsWidePictureToWidthAndCentresVertically) {
    // 400 x 100 on 200 x 100: wider only, so fitted to 200 x 50 at y = 25.
    WallpaperLayout l;
    ASSERT_TRUE(ComputeWallpaperLayout(QSize(400, 100), QStringLiteral("Fit screen (Reduce)"),
                                       QSize(200, 100), l));
    EXPECT_EQ(l.width, 200);
    EXPECT_EQ(l.height, 50);
    EXPECT_EQ(l.y, 25);
    const QImage bmp = compose(QuadrantPicture(400, 100), QStringLiteral("Fit screen (Reduce)"));
    EXPECT_EQ(Rgb(bmp, 100, 10), kDesktopRgb);
    EXPECT_EQ(Rgb(bmp, 100, 90), kDesktopRgb);
    EXPECT_EQ(Rgb(bmp, 5, 30), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 195, 69), 0xFFFF00u);
}

TEST_F(ComposeLayout, ReduceKeepsSmallPictureNativeAndCentred) {
    const QImage bmp = compose(QuadrantPicture(40, 20), QStringLiteral("Fit screen (Reduce)"));
    EXPECT_EQ(Rgb(bmp, 79, 39), kDesktopRgb);
    EXPECT_EQ(Rgb(bmp, 80, 40), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 119, 59), 0xFFFF00u);
    EXPECT_EQ(Rgb(bmp, 120, 60), kDesktopRgb);
}

TEST_F(ComposeLayout, FitTallPictureUsesHeightBranch) {
    // 50 x 100 on 200 x 100: A = 0.5 <= B = 2, so H = 100 and W = 50.
    const QImage bmp = compose(QuadrantPicture(100, 200), QStringLiteral("Fit (Reduce/Enlarge)"));
    EXPECT_EQ(Rgb(bmp, 74, 50), kDesktopRgb);
    EXPECT_EQ(Rgb(bmp, 76, 2), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 123, 97), 0xFFFF00u);
    EXPECT_EQ(Rgb(bmp, 126, 50), kDesktopRgb);
}

TEST_F(ComposeLayout, StretchFillsTheScreen) {
    const QImage bmp = compose(QuadrantPicture(30, 30), QStringLiteral("Stretch"));
    EXPECT_EQ(Rgb(bmp, 1, 1), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 198, 98), 0xFFFF00u);
}

TEST_F(ComposeLayout, CenterCropsLargePictureEquallyOnBothSides) {
    // 220 x 120 on 200 x 100: offsets -10, -10.
    QImage pic(220, 120, QImage::Format_RGB32);
    pic.fill(Qt::white);
    pic.setPixel(10, 10, qRgb(1, 2, 3));
    pic.setPixel(209, 109, qRgb(4, 5, 6));
    const QImage bmp = compose(pic, QStringLiteral("Center"));
    EXPECT_EQ(Rgb(bmp, 0, 0), 0x010203u);
    EXPECT_EQ(Rgb(bmp, 199, 99), 0x040506u);
}

TEST_F(ComposeLayout, TileRepeatsFromTopLeftAndCropsLargePicture) {
    QImage bmp = compose(QuadrantPicture(30, 40), QStringLiteral("Tile"));
    for (int x : {0, 30, 60, 180})
        for (int y : {0, 40, 80}) {
            EXPECT_EQ(Rgb(bmp, x + 1, y + 1), 0xFF0000u) << x << "," << y;
            if (y + 39 < 100 && x + 29 < 200) {
                EXPECT_EQ(Rgb(bmp, x + 29, y + 39), 0xFFFF00u) << x << "," << y;
            }
        }
    // Larger than the screen: one unscaled copy at (0, 0), cropped right and bottom.
    bmp = compose(QuadrantPicture(300, 300), QStringLiteral("Tile"));
    EXPECT_EQ(Rgb(bmp, 149, 99), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 150, 99), 0x00FF00u);
    EXPECT_EQ(InkCount(bmp, kDesktopRgb), 200 * 100);
}

TEST_F(ComposeLayout, UnknownPositionDrawsNativeCentredAndStillSetsTheFile) {
    const QImage bmp = compose(QuadrantPicture(40, 20), QStringLiteral("Sideways"));
    EXPECT_EQ(Rgb(bmp, 80, 40), 0xFF0000u);
    EXPECT_EQ(Rgb(bmp, 79, 40), kDesktopRgb);
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_EQ(t.desktop->calls[0].position, QStringLiteral("Sideways"));
    EXPECT_EQ(t.desktop->calls[0].path, t.app->paths.WallpaperBitmapPath);
}

TEST_F(ComposeLayout, DesktopColourIsReadForEveryComposition) {
    t.desktop->color = 0x00332211; // red 0x11, green 0x22, blue 0x33
    const QImage bmp = compose(QuadrantPicture(10, 10), QStringLiteral("Center"));
    EXPECT_EQ(Rgb(bmp, 0, 0), 0x112233u);
}

TEST_F(ComposeLayout, MissingOrZeroSizedSourceWritesNothing) {
    QFile prev(t.app->paths.WallpaperBitmapPath);
    ASSERT_TRUE(prev.open(QIODevice::WriteOnly));
    prev.write("previous");
    prev.close();
    t.app->imgprev = {};
    EXPECT_FALSE(ComposeWallpaper(*t.app, Screen(200, 100)));
    t.app->imgprev = {QImage(), QSize(0, 10)};
    EXPECT_FALSE(ComposeWallpaper(*t.app, Screen(200, 100)));
    ASSERT_TRUE(prev.open(QIODevice::ReadOnly));
    EXPECT_EQ(prev.readAll(), QByteArray("previous"));
    EXPECT_TRUE(t.desktop->calls.empty());
}

TEST_F(ComposeLayout, FailedSaveIsReportedAndDoesNotSetTheWallpaper) {
    t.app->paths.WallpaperBitmapPath = t.path(QStringLiteral("no/such/folder/w.bmp"));
    t.app->imgprev = {QuadrantPicture(10, 10), QSize(10, 10)};
    EXPECT_FALSE(ComposeWallpaper(*t.app, Screen(200, 100)));
    EXPECT_TRUE(t.desktop->calls.empty());
}

TEST_F(ComposeLayout, SetSelectedPictureComposesWithChoicesAndRestoresStoredValues) {
    const QString folder = t.path(QStringLiteral("pics"));
    QDir().mkpath(folder);
    ASSERT_TRUE(QuadrantPicture(200, 100).save(folder + QStringLiteral("/a.png")));
    Settings& s = t.app->settings;
    s.WallPaperPosition = QStringLiteral("Tile");
    s.ERed = 5, s.EGreen = 6, s.EBlue = 7, s.EBright = 80, s.EInvert = true, s.EGamma = 1.25;

    SetAsWallpaperChoices choices;
    choices.cmbposition = QStringLiteral("Center");
    choices.HSBright = 0; // everything black
    EXPECT_EQ(SetSelectedPictureAsWallpaper(*t.app, folder, QStringLiteral("a.png"), -1, choices,
                                            Screen(200, 100)),
              SetAsWallpaperResult::NothingSelected);
    EXPECT_TRUE(t.desktop->calls.empty());

    EXPECT_EQ(SetSelectedPictureAsWallpaper(*t.app, folder, QStringLiteral("a.png"), 2, choices,
                                            Screen(200, 100)),
              SetAsWallpaperResult::Done);
    const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
    EXPECT_EQ(Rgb(bmp, 10, 10), 0x000000u);
    EXPECT_EQ(t.desktop->calls.back().position, QStringLiteral("Center"));
    EXPECT_EQ(s.CurWallPaper, 3);
    EXPECT_EQ(s.WallPaperPosition, QStringLiteral("Tile"));
    EXPECT_EQ(s.ERed, 5);
    EXPECT_EQ(s.EGreen, 6);
    EXPECT_EQ(s.EBlue, 7);
    EXPECT_EQ(s.EBright, 80);
    EXPECT_TRUE(s.EInvert);
    EXPECT_EQ(s.EGamma, 1.25);

    QString error;
    EXPECT_EQ(SetSelectedPictureAsWallpaper(*t.app, folder, QStringLiteral("gone.png"), 0, choices,
                                            Screen(200, 100), &error),
              SetAsWallpaperResult::LoadFailed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(s.CurWallPaper, 3);
}

} // namespace
