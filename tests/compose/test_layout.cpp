// Composition geometry, checked on the pixels of the saved bitmap.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The quadrants' colours, and the desktop colour the fake desktop reports.
constexpr QRgb R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, Y = 0xFFFF00, D = 0x112233;
const ScreenInfo kScreen{QSize(200, 100), QRect(0, 0, 200, 100), 96};

TEST(ComposeLayout, EveryPositionModeOnA200x100Screen) {
    TestApp t;
    t.app->settings.WaterMarkVisible = false;
    t.desktop->color = 0x00332211;     // not the default: it must be read, not assumed
    using Probe = std::array<QRgb, 3>; // x, y, colour
    const struct {
        const char* position;
        int w, h;
        std::vector<Probe> probes;
    } rows[] = {
        // Enlarge is strict: screen-sized, or as tall as the screen, stays native.
        {"Fit screen (Enlarge)", 200, 100, {{0, 0, R}, {199, 99, Y}}},
        {"Fit screen (Enlarge)", 50, 100, {{74, 50, D}, {75, 0, R}, {124, 99, Y}, {125, 50, D}}},
        // Smaller with the same aspect: fitted to the whole screen.
        {"Fit screen (Enlarge)", 40, 20, {{2, 2, R}, {197, 2, G}, {2, 97, B}, {197, 97, Y}}},
        // Wider only: fitted to 200 x 50 at y = 25.
        {"Fit screen (Reduce)", 400, 100, {{100, 10, D}, {5, 30, R}, {195, 69, Y}, {100, 90, D}}},
        {"Fit screen (Reduce)", 40, 20, {{79, 39, D}, {80, 40, R}, {119, 59, Y}, {120, 60, D}}},
        // Taller aspect: fitted by height to 50 x 100.
        {"Fit (Reduce/Enlarge)", 100, 200, {{74, 50, D}, {76, 2, R}, {123, 97, Y}, {126, 50, D}}},
        {"Stretch", 30, 30, {{1, 1, R}, {198, 98, Y}}},
        // Larger than the screen: cropped equally on both sides (offsets -10, -10).
        {"Center", 220, 120, {{99, 49, R}, {100, 49, G}, {99, 50, B}, {100, 50, Y}}},
        // Copies from the top-left corner; a larger picture is one copy cropped.
        {"Tile", 30, 40, {{1, 1, R}, {29, 39, Y}, {31, 41, R}, {61, 81, R}, {199, 99, G}}},
        {"Tile", 300, 300, {{0, 0, R}, {149, 99, R}, {150, 99, G}, {199, 99, G}}},
        // An unknown text: native size, centred.
        {"Sideways", 40, 20, {{79, 40, D}, {80, 40, R}, {119, 59, Y}, {120, 59, D}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.position << " " << row.w << "x" << row.h);
        t.app->imgprev = {QuadrantPicture(row.w, row.h), QSize(row.w, row.h)};
        t.app->settings.WallPaperPosition = QString::fromLatin1(row.position);
        ASSERT_TRUE(ComposeWallpaper(*t.app, kScreen));
        const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
        ASSERT_EQ(bmp.size(), QSize(200, 100));
        for (const Probe& p : row.probes)
            EXPECT_EQ(Rgb(bmp, p[0], p[1]), p[2]) << p[0] << "," << p[1];
        EXPECT_EQ(t.desktop->calls.back().position, t.app->settings.WallPaperPosition);
        EXPECT_EQ(t.desktop->calls.back().path, t.app->paths.WallpaperBitmapPath);
    }
}

TEST(ComposeLayout, NothingComposedKeepsThePreviousBitmapAndWallpaper) {
    TestApp t;
    ASSERT_TRUE(QuadrantPicture(2, 2).save(t.app->paths.WallpaperBitmapPath, "BMP"));
    t.app->imgprev = {QImage(), QSize(0, 10)};
    EXPECT_FALSE(ComposeWallpaper(*t.app, kScreen));
    EXPECT_EQ(QImage(t.app->paths.WallpaperBitmapPath).size(), QSize(2, 2)); // the previous one
    t.app->paths.WallpaperBitmapPath = t.path(QStringLiteral("no/such/folder/w.bmp"));
    t.app->imgprev = {QuadrantPicture(10, 10), QSize(10, 10)};
    EXPECT_FALSE(ComposeWallpaper(*t.app, kScreen)); // a failed save
    EXPECT_TRUE(t.desktop->calls.empty());
}

TEST(ComposeLayout, FiltersApplyToThePictureNotTheDesktopColour) {
    TestApp t;
    t.app->settings.WaterMarkVisible = false;
    t.app->settings.EInvert = true;
    t.app->imgprev = {QuadrantPicture(40, 20), QSize(40, 20)};
    ASSERT_TRUE(ComposeWallpaper(*t.app, kScreen));
    const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
    EXPECT_EQ(Rgb(bmp, 80, 40), 0x00FFFFu); // red inverted
    EXPECT_EQ(Rgb(bmp, 0, 0), 0x004E98u);   // the desktop colour as it is
}

TEST(ComposeLayout, SetSelectedPictureUsesTheWindowChoicesAndPutsTheStoredOnesBack) {
    TestApp t;
    const QString folder = t.path(u"pics"_s);
    QDir().mkpath(folder);
    ASSERT_TRUE(QuadrantPicture(40, 20).save(folder + u"/a.png"_s));
    Settings& s = t.app->settings;
    s.WaterMarkVisible = false;
    const Settings before = s;
    SetAsWallpaperChoices choices{u"Stretch"_s, 0, 0, 0, 0, true, 150}; // black, then inverted
    EXPECT_EQ(SetSelectedPictureAsWallpaper(*t.app, folder, u"a.png"_s, -1, choices, kScreen),
              SetAsWallpaperResult::NothingSelected);
    EXPECT_TRUE(t.desktop->calls.empty());
    ASSERT_EQ(SetSelectedPictureAsWallpaper(*t.app, folder, u"a.png"_s, 2, choices, kScreen),
              SetAsWallpaperResult::Done);
    EXPECT_EQ(Rgb(QImage(t.app->paths.WallpaperBitmapPath, "BMP"), 0, 0), 0xFFFFFFu);
    EXPECT_EQ(t.desktop->calls.back().position, u"Stretch"_s);
    EXPECT_EQ(s.CurWallPaper, 3);
    EXPECT_EQ(s.WallPaperPosition, before.WallPaperPosition);
    EXPECT_EQ(s.EBright, before.EBright);
    EXPECT_EQ(s.EInvert, before.EInvert);
    EXPECT_EQ(s.EGamma, before.EGamma);
}
