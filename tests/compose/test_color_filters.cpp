// The colour filter pass.
#include "compose/ColorFilters.h"

#include <gtest/gtest.h>

// All six filters neutral unless given: {.EBright, .EBlue, .EGreen, .ERed, .EInvert, .EGamma}.
using F = ColorFilterSettings;

// One pixel through the whole pass.
static QRgb Filter(QRgb rgb, const F& v) {
    QImage img(1, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, rgb);
    return FilterPictureBits(img, v).pixel(0, 0) & 0xFFFFFF;
}

TEST(ColorFilters, WorkedExamplesTablesAsDirectArithmeticNeutralSettingsChangeNothing) {
    // Brightness 0 gives black; inverted, white. +-255 red.
    EXPECT_EQ(Filter(qRgb(12, 200, 255), {.EBright = 0}), 0x000000u);
    EXPECT_EQ(Filter(qRgb(12, 200, 255), {.EBright = 0, .EInvert = true}), 0xFFFFFFu);
    EXPECT_EQ(Filter(qRgb(0, 0, 0), {.ERed = 255}), 0xFF0000u);
    EXPECT_EQ(Filter(qRgb(255, 10, 20), {.ERed = -255}), 0x000A14u);
    // 200 % of 200 is 400, inverted -145, clamped 0 (inversion before clamping).
    EXPECT_EQ(Filter(qRgb(200, 200, 200), {.EBright = 200, .EInvert = true}), 0x000000u);
    // Exponent 0 turns every channel, 0 included, into 255.
    EXPECT_EQ(Filter(qRgb(0, 77, 255), {.EGamma = 0}), 0xFFFFFFu);
    // Exponent 0.5 on 64: 127.75... stored as 128.
    EXPECT_EQ(Filter(qRgb(64, 64, 64), {.EGamma = 0.5}), 0x808080u);
    // Halves go to the even neighbour: 255 x 0.5 = 127.5 -> 128; 253 x 0.5 = 126.5 -> 126.
    EXPECT_EQ(Filter(qRgb(255, 253, 0), {.EBright = 50}), 0x807E00u);

    // Every channel value through the tables against the chain written out on
    // its own; alpha passes through unchanged.
    const F sets[] = {{.EBright = 137, .EBlue = 255, .EGreen = 13, .ERed = -40},
                      {.EBright = 0, .EInvert = true, .EGamma = 1.99},
                      {.EBright = 200, .EInvert = true, .EGamma = 0.01},
                      {.EBright = 55, .EBlue = 3, .EGreen = -199, .ERed = 201, .EInvert = true},
                      {.ERed = 1, .EGamma = 1.37}};
    for (const F& v : sets) {
        QImage img(256, 1, QImage::Format_ARGB32);
        for (int i = 0; i < 256; ++i)
            img.setPixel(i, 0, qRgba(i, 255 - i, (i * 7) & 0xFF, i | 1));
        const QImage out = FilterPictureBits(img, v);
        const auto direct = [&](int c, int offset) {
            double x = c * (v.EBright / 100.0) + offset;
            x = qBound(0.0, v.EInvert ? 255 - x : x, 255.0);
            if (v.EGamma != 1)
                x = (x == 0 && v.EGamma == 0) ? 255 : 255 * std::pow(x / 255, v.EGamma);
            return int(std::nearbyint(x));
        };
        for (int i = 0; i < 256; ++i) {
            const QRgb p = out.pixel(i, 0);
            ASSERT_EQ(qRed(p), direct(i, v.ERed)) << i;
            ASSERT_EQ(qGreen(p), direct(255 - i, v.EGreen)) << i;
            ASSERT_EQ(qBlue(p), direct((i * 7) & 0xFF, v.EBlue)) << i;
            ASSERT_EQ(qAlpha(p), i | 1) << i;
        }
    }

    // Neutral settings leave the picture byte for byte; nothing changes the source.
    QImage img(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixel(x, y, qRgba(x * 30, y * 50, 7, 128 + x));
    const QImage original = img.copy();
    const QImage neutral = ApplyColorFilters(img, F{});
    ASSERT_EQ(neutral.format(), QImage::Format_ARGB32);
    EXPECT_EQ(0, memcmp(neutral.constBits(), original.constBits(), size_t(img.sizeInBytes())));
    // Any other value changes the result, never the picture it came from.
    const QImage filtered = ApplyColorFilters(img, F{.EGamma = 0.9});
    EXPECT_NE(filtered.pixel(6, 4), original.pixel(6, 4));
    EXPECT_EQ(img, original);
}
