// The colour filter pass and the values the Colors page shows.
#include "FakePlatform.h"
#include "compose/ColorFilters.h"
#include "compose/Compose.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// One pixel through the whole pass.
QRgb Filter(QRgb rgb, ColorFilterValues v) {
    QImage img(1, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, rgb);
    return FilterPictureBits(img, v).pixel(0, 0) & 0xFFFFFF;
}

ColorFilterValues Values(double bright, int r = 0, int g = 0, int b = 0, bool inv = false,
                         double gamma = 1.0) {
    ColorFilterValues v;
    v.brightness = bright;
    v.red = r;
    v.green = g;
    v.blue = b;
    v.invert = inv;
    v.gamma = gamma;
    return v;
}

TEST(ColorFilters, WorkedExamples) {
    // Brightness 0 gives black; inverted, white.
    EXPECT_EQ(Filter(qRgb(12, 200, 255), Values(0)), 0x000000u);
    EXPECT_EQ(Filter(qRgb(12, 200, 255), Values(0, 0, 0, 0, true)), 0xFFFFFFu);
    // +255 red on black is pure red; -255 removes red entirely.
    EXPECT_EQ(Filter(qRgb(0, 0, 0), Values(100, 255)), 0xFF0000u);
    EXPECT_EQ(Filter(qRgb(255, 10, 20), Values(100, -255)), 0x000A14u);
    // 200 % of 200 is 400, inverted -145, clamped 0 (inversion before clamping).
    EXPECT_EQ(Filter(qRgb(200, 200, 200), Values(200, 0, 0, 0, true)), 0x000000u);
    // Exponent 0 turns every channel, 0 included, into 255.
    EXPECT_EQ(Filter(qRgb(0, 77, 255), Values(100, 0, 0, 0, false, GammaFromBar(200))), 0xFFFFFFu);
    // Exponent 0.5 on 64: 127.75... stored as 128.
    EXPECT_EQ(Filter(qRgb(64, 64, 64), Values(100, 0, 0, 0, false, 0.5)), 0x808080u);
    // Halves go to the even neighbour: 255 x 0.5 = 127.5 -> 128; 253 x 0.5 = 126.5 -> 126.
    EXPECT_EQ(Filter(qRgb(255, 253, 0), Values(50)), 0x807E00u);
}

TEST(ColorFilters, TablesEqualDirectArithmeticForEveryChannelValue) {
    const ColorFilterValues sets[] = {
        Values(100, 0, 0, 0, false, 0.5), Values(137, -40, 13, 255),
        Values(0, 0, 0, 0, true, 1.99),   Values(200, 0, 0, 0, true, 0.01),
        Values(55, 201, -199, 3, true),   Values(100, 1, 0, 0, false, 1.37),
    };
    for (const ColorFilterValues& v : sets) {
        QImage img(256, 1, QImage::Format_RGB32);
        for (int i = 0; i < 256; ++i)
            img.setPixel(i, 0, qRgb(i, 255 - i, (i * 7) & 0xFF));
        const QImage out = FilterPictureBits(img, v);
        for (int i = 0; i < 256; ++i) {
            // The chain written out on its own, step by step.
            auto direct = [&](int c, int offset) {
                double x = c;
                const double b = v.brightness / 100;
                if (b != 1) x *= b;
                if (offset != 0) x += offset;
                if (v.invert) x = 255 - x;
                x = std::min(255.0, std::max(0.0, x));
                if (v.gamma != 1.0)
                    x = (x == 0 && v.gamma == 0) ? 255 : 255 * std::pow(x / 255, v.gamma);
                return int(std::nearbyint(x));
            };
            const QRgb p = out.pixel(i, 0);
            ASSERT_EQ(qRed(p), direct(i, v.red)) << i;
            ASSERT_EQ(qGreen(p), direct(255 - i, v.green)) << i;
            ASSERT_EQ(qBlue(p), direct((i * 7) & 0xFF, v.blue)) << i;
        }
    }
}

TEST(ColorFilters, AlphaIsNeverChanged) {
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(10, 20, 30, 0x40));
    img.setPixel(1, 0, qRgba(200, 100, 0, 0xFF));
    const QImage out = FilterPictureBits(img, Values(100, 0, 0, 0, true));
    EXPECT_EQ(out.pixel(0, 0), qRgba(245, 235, 225, 0x40));
    EXPECT_EQ(out.pixel(1, 0), qRgba(55, 155, 255, 0xFF));
}

TEST(ColorFilters, NeutralSettingsLeaveThePictureByteForByte) {
    TestApp t;
    QImage img(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixel(x, y, qRgba(x * 30, y * 50, 7, 128 + x));
    QImage copy = img;
    ApplyColorFilters(t.app->settings, copy);
    EXPECT_EQ(copy.format(), QImage::Format_ARGB32);
    ASSERT_EQ(copy.sizeInBytes(), img.sizeInBytes());
    EXPECT_EQ(0, memcmp(copy.constBits(), img.constBits(), size_t(img.sizeInBytes())));
    t.app->settings.EGamma = 0.9;
    ApplyColorFilters(t.app->settings, copy);
    EXPECT_NE(copy.pixel(6, 4), img.pixel(6, 4));
}

TEST(ColorFilters, PageLabelsAndGammaMapping) {
    EXPECT_EQ(BrightnessLabelText(150), QStringLiteral("150%"));
    EXPECT_EQ(ColorOffsetLabelText(-255), QStringLiteral("-100%"));
    EXPECT_EQ(ColorOffsetLabelText(128), QStringLiteral("50%"));
    EXPECT_EQ(ColorOffsetLabelText(1), QStringLiteral("0%"));
    EXPECT_EQ(ColorOffsetLabelText(2), QStringLiteral("1%"));
    EXPECT_EQ(GammaLabelText(100), QStringLiteral("1"));
    EXPECT_EQ(GammaLabelText(150), QStringLiteral("1.5"));
    EXPECT_EQ(GammaLabelText(1), QStringLiteral("0.01"));
    EXPECT_EQ(GammaLabelText(137), QStringLiteral("1.37"));
    EXPECT_DOUBLE_EQ(GammaFromBar(150), 0.5);
    EXPECT_DOUBLE_EQ(GammaFromBar(1), 1.99);
    EXPECT_EQ(GammaFromBar(200), 0.0);
    for (int bar = 1; bar <= 200; ++bar)
        ASSERT_EQ(GammaBarFromExponent(GammaFromBar(bar)), bar);
    EXPECT_EQ(GammaBarFromExponent(-5), 200);
    EXPECT_EQ(GammaBarFromExponent(std::nan("")), 100);
}

TEST(ColorFilters, PreviewUsesPageValuesWithoutNeutralShortcut) {
    QImage sample(2, 2, QImage::Format_ARGB32);
    sample.fill(qRgba(64, 64, 64, 255));
    ColorPageValues page;
    page.HSGamma = 150; // exponent 0.5
    const QImage out = RenderFilterPreview(sample, page);
    EXPECT_EQ(out.pixel(1, 1) & 0xFFFFFF, 0x808080u);
    // Neutral page values still give a picture (the pass always runs).
    EXPECT_EQ(RenderFilterPreview(sample, ColorPageValues{}).pixel(0, 0) & 0xFFFFFF, 0x404040u);
}

TEST(ColorFilters, CompositionFiltersTheSourcePicture) {
    TestApp t;
    t.app->settings.WaterMarkVisible = false;
    t.app->settings.EInvert = true;
    QImage pic(10, 10, QImage::Format_RGB32);
    pic.fill(qRgb(10, 20, 30));
    t.app->imgprev = {pic, pic.size()};
    t.app->settings.WallPaperPosition = QStringLiteral("Stretch");
    ASSERT_TRUE(ComposeWallpaper(*t.app, ScreenInfo{QSize(40, 30), QRect(0, 0, 40, 30), 96}));
    const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
    EXPECT_EQ(bmp.pixel(20, 15) & 0xFFFFFF, 0xF5EBE1u);
}

} // namespace
