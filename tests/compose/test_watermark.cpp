// The watermark: fields, spots, word wrap and style marks, on real fonts.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"
#include "compose/Watermark.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kFont = QStringLiteral("DejaVu Sans");

// A white canvas and a surface on it with the given initial styles.
struct Canvas {
    explicit Canvas(int w = 400, int h = 200, bool bold = false, bool underline = false)
        : image(w, h, QImage::Format_RGB32) {
        image.fill(Qt::white);
        surface = std::make_unique<WatermarkSurface>(image, 96);
        surface->setFont(kFont, 12, bold, false, underline);
        surface->setColor(Qt::black);
    }
    void draw(const QString& tmpl, int spot, const WatermarkFields& f = {}) {
        DrawWatermark(tmpl, *surface, spot, QRect(0, 0, image.width(), image.height()), f);
    }
    QImage image;
    std::unique_ptr<WatermarkSurface> surface;
};

// Rows that carry ink, as [first, last] bands.
std::vector<std::pair<int, int>> InkBands(const QImage& img) {
    std::vector<std::pair<int, int>> bands;
    bool in = false;
    for (int y = 0; y < img.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < img.width() && !ink; ++x)
            ink = (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        if (ink && !in) bands.push_back({y, y});
        if (ink) bands.back().second = y;
        in = ink;
    }
    return bands;
}

TEST(Watermark, DefaultTemplateOnListedPictureAtBottomRightOfWorkArea) {
    TestApp t;
    const QString pic = t.path(QStringLiteral("sunset.jpg"));
    ASSERT_TRUE(QuadrantPicture(8, 8).save(pic, "JPEG"));
    t.app->PictureList = {pic};
    t.app->settings.CurWallPaper = 1;
    EXPECT_EQ(PrepareWatermarkText(t.app->settings.WaterMarkText, CurrentWatermarkFields(*t.app)),
              QStringLiteral("Orvane Tessaly - sunset.jpg"));

    // A white picture over the whole screen; the work area leaves a 40-pixel panel.
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    t.app->imgprev = {white, white.size()};
    t.app->settings.WallPaperPosition = QStringLiteral("Stretch");
    const ScreenInfo screen{QSize(640, 480), QRect(0, 0, 640, 440), 96};
    ASSERT_TRUE(ComposeWallpaper(*t.app, screen));
    const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
    const QRect ink = InkBounds(bmp, 0xFFFFFF);
    ASSERT_FALSE(ink.isEmpty());
    // Ends 2 pixels inside the work area's right edge (glyph bearings aside)
    // and sits just above its bottom, clear of the panel.
    EXPECT_LE(ink.right(), 640 - 3);
    EXPECT_GE(ink.right(), 640 - 3 - 3);
    EXPECT_LE(ink.bottom(), 440 - 3);
    EXPECT_GE(ink.bottom(), 440 - 3 - 8);
    // One line of 12-point text, about as wide as the text measures.
    QImage probe(10, 10, QImage::Format_RGB32);
    WatermarkSurface m(probe, 96);
    m.setFont(QStringLiteral("Arial"), 12, true, false, false);
    EXPECT_NEAR(ink.width(), m.textWidth(QStringLiteral("Orvane Tessaly - sunset.jpg")), 6);
    EXPECT_LE(ink.height(), m.textHeight());
    // Dark blue ink.
    int blueish = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QRgb p = bmp.pixel(x, y);
            if (qBlue(p) > 150 && qRed(p) < 60 && qGreen(p) < 60) ++blueish;
        }
    EXPECT_GT(blueish, 20);
}

TEST(Watermark, FileFields) {
    TestApp t;
    const QString existing = t.path(QStringLiteral("sunset.beach.jpg"));
    QFile(existing).open(QIODevice::WriteOnly);
    t.app->PictureList = {existing, t.path(QStringLiteral("deleted.png"))};
    t.app->settings.CurWallPaper = 1;
    WatermarkFields f = CurrentWatermarkFields(*t.app);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#fd|#fp|#fn"), f),
              QStringLiteral("sunset|%1|sunset.beach.jpg").arg(existing));
    t.app->settings.CurWallPaper = 2;
    f = CurrentWatermarkFields(*t.app);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("[#fn]#fd"), f), QStringLiteral("[]deleted"));
    t.app->settings.CurWallPaper = 3; // beyond the list
    f = CurrentWatermarkFields(*t.app);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("[#fp#fn#fd]"), f), QStringLiteral("[]"));
    t.app->settings.WPSource = 2;
    f = CurrentWatermarkFields(*t.app);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#fn/#fp/#fd"), f),
              QStringLiteral("Internet file/Internet file/Internet file"));
    EXPECT_EQ(FileBaseName(QStringLiteral("/pics/my.holiday.jpg")), QStringLiteral("my"));
    EXPECT_EQ(FileBaseName(QStringLiteral("/pics.d/noext")), QStringLiteral("noext"));
}

TEST(Watermark, MarksAndFieldsMatchCaseExactlyAndTimeUsesLocale) {
    WatermarkFields f;
    f.fullPath = QStringLiteral("/p/a.jpg");
    f.baseName = QStringLiteral("a");
    f.now = QDateTime(QDate(2024, 3, 9), QTime(14, 5, 0));
    f.locale = QLocale(QLocale::German, QLocale::Germany);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#Fd #FP <B>x</B> #D"), f),
              QStringLiteral("#Fd #FP <B>x</B> #D"));
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("<b>x</b><u><i>"), f),
              QStringLiteral("\x01x\x02\x03\x05"));
    // Time with seconds and no zone name; the locale's short date.
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#t #d"), f),
              QStringLiteral("14:05:00 09.03.24"));
    f.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    const QString us = PrepareWatermarkText(QStringLiteral("#t|#d"), f);
    EXPECT_TRUE(us.startsWith(QStringLiteral("2:05:00")) && us.contains(QStringLiteral("PM|")) &&
                us.endsWith(QStringLiteral("|3/9/24")))
        << us.toStdString();
    // "#fp" is replaced before "#fn", "#fd" after both.
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#fpn"), f), QStringLiteral("/p/a.jpgn"));
}

TEST(Watermark, BlankTemplateDrawsNothing) {
    Canvas c;
    c.draw(QStringLiteral("    "), 5);
    EXPECT_EQ(InkCount(c.image, 0xFFFFFF), 0);
    EXPECT_EQ(c.surface->pos().x(), 0);
    EXPECT_GT(c.surface->pos().y(), 0); // moved to the next line
}

TEST(Watermark, WrappedLinesStartAtTheLeftEdgeEvenForRightSpots) {
    Canvas c(300, 200);
    c.draw(QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda"), 2);
    const auto bands = InkBands(c.image);
    ASSERT_GE(bands.size(), 2u);
    // The second line's ink begins at the canvas's left edge.
    const QImage second =
        c.image.copy(0, bands[1].first, 300, bands[1].second - bands[1].first + 1);
    EXPECT_LE(InkBounds(second, 0xFFFFFF).left(), 2);
    // Every line fits the surface width except where a word alone is wider.
    for (const auto& b : bands) {
        const QRect r = InkBounds(c.image.copy(0, b.first, 300, b.second - b.first + 1), 0xFFFFFF);
        EXPECT_LT(r.right(), 300);
    }
    // Styles end switched off.
    EXPECT_FALSE(c.surface->bold());
}

TEST(Watermark, UnclosedBoldMakesTheWholeLineBold) {
    Canvas marked;
    marked.draw(QStringLiteral("Hello <b>world"), 1);
    Canvas bold(400, 200, true);
    bold.draw(QStringLiteral("Hello world"), 1);
    Canvas plain;
    plain.draw(QStringLiteral("Hello world"), 1);
    EXPECT_EQ(marked.image, bold.image);
    EXPECT_NE(marked.image, plain.image);
}

TEST(Watermark, ClosedMarksSwitchStyleMidLine) {
    Canvas closed;
    closed.draw(QStringLiteral("<b>Hello</b> world"), 1);
    Canvas plain;
    plain.draw(QStringLiteral("Hello world"), 1);
    Canvas bold(400, 200, true);
    bold.draw(QStringLiteral("Hello world"), 1);
    const int a = InkCount(plain.image, 0xFFFFFF), b = InkCount(closed.image, 0xFFFFFF),
              c = InkCount(bold.image, 0xFFFFFF);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST(Watermark, UnderlineHasGapsUnderSpaces) {
    Canvas c(400, 100, false, true);
    c.draw(QStringLiteral("mmmm mmmm"), 1);
    // The underline row: the row with the most ink.
    int best = -1, bestCount = 0;
    for (int y = 0; y < 100; ++y) {
        int n = 0;
        for (int x = 0; x < 400; ++x)
            n += (c.image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        if (n > bestCount) bestCount = n, best = y;
    }
    ASSERT_GE(best, 0);
    int first = -1, last = -1, gaps = 0;
    for (int x = 0; x < 400; ++x)
        if ((c.image.pixel(x, best) & 0xFFFFFF) != 0xFFFFFF) {
            if (first < 0) first = x;
            last = x;
        }
    for (int x = first; x <= last; ++x)
        gaps += (c.image.pixel(x, best) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GE(gaps, 2);
}

TEST(Watermark, SpotsOfTheWorkArea) {
    for (int spot : {1, 2, 3, 4, 5}) {
        Canvas c(400, 200);
        DrawWatermark(QStringLiteral("Mark"), *c.surface, spot, QRect(20, 10, 300, 150), {});
        const QRect ink = InkBounds(c.image, 0xFFFFFF);
        ASSERT_FALSE(ink.isEmpty()) << spot;
        const QPoint mid = ink.center();
        if (spot == 1 || spot == 4) {
            EXPECT_LT(mid.x(), 70) << spot;
        }
        if (spot == 2 || spot == 5) {
            EXPECT_GT(mid.x(), 260) << spot;
        }
        if (spot == 1 || spot == 2) {
            EXPECT_LT(mid.y(), 30) << spot;
        }
        if (spot == 4 || spot == 5) {
            EXPECT_GT(mid.y(), 140) << spot;
        }
        if (spot == 3) {
            // Centre uses only the right and bottom edges: (320 - TW) / 2.
            EXPECT_NEAR(mid.x(), 160, 12);
            EXPECT_NEAR(mid.y(), 80, 12);
        }
    }
    Canvas other(400, 200);
    DrawWatermark(QStringLiteral("Mark"), *other.surface, 9, QRect(20, 10, 300, 150), {});
    EXPECT_LT(InkBounds(other.image, 0xFFFFFF).top(), 20); // stays at the top-left corner
}

} // namespace
