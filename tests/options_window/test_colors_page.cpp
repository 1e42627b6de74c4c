// The "Colors" page: its labels and the mapping between the gamma bar and the
// stored exponent, which the wallpaper and the preview must share.
#include "compose/ColorFilters.h"
#include "options_window/ColorsPage.h"

#include <gtest/gtest.h>

TEST(ColorsPage, GammaBarAndExponentAgreeAtEveryPosition) {
    QImage ramp(256, 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        ramp.setPixel(i, 0, qRgb(i, i, i));
    for (int bar = 1; bar <= 200; ++bar) {
        SCOPED_TRACE(bar);
        // The stored exponent is (200 - bar) x 0.01, computed exactly so.
        const double exponent = (200 - bar) * 0.01;
        EXPECT_EQ(GammaFromBar(bar), exponent);
        // Stored and loaded again, the bar comes back where it was.
        EXPECT_EQ(GammaBarFromExponent(GammaFromBar(bar)), bar);
        // The preview shows what the wallpaper will get.
        ColorPageControls controls;
        controls.HSGamma = bar;
        EXPECT_EQ(controls.filters().EGamma, exponent);
        ColorFilterSettings stored;
        stored.EGamma = exponent;
        EXPECT_EQ(RenderFilterPreview(ramp, controls), FilterPictureBits(ramp, stored));
        EXPECT_EQ(ColorPageControls::fromFilters(controls.filters()).HSGamma, bar);
    }
    // Values no bar position gives land on the nearest end.
    EXPECT_EQ(GammaBarFromExponent(5), 1);
    EXPECT_EQ(GammaBarFromExponent(-3), 200);
    EXPECT_EQ(GammaBarFromExponent(std::numeric_limits<double>::quiet_NaN()), 100);
}

TEST(ColorsPage, LabelTexts) {
    EXPECT_EQ(BrightnessLabelText(137), QStringLiteral("137%"));
    EXPECT_EQ(ColorOffsetLabelText(255), QStringLiteral("100%"));
    EXPECT_EQ(ColorOffsetLabelText(-128), QStringLiteral("-50%"));
    EXPECT_EQ(GammaLabelText(150), QStringLiteral("1.5"));
    EXPECT_EQ(GammaLabelText(1), QStringLiteral("0.01"));
    EXPECT_EQ(GammaLabelText(200), QStringLiteral("2"));
}
