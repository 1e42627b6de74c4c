#pragma once

#include <QImage>
#include <QString>
#include <array>

struct Settings;

// The five colour adjustments of the wallpaper: brightness in percent, offsets
// added to the red, green and blue channels, inversion and a gamma exponent.
struct ColorFilterValues {
    double brightness = 100;
    int red = 0;
    int green = 0;
    int blue = 0;
    bool invert = false;
    double gamma = 1.0;

    // All five at their neutral values (the picture would not change).
    bool isNeutral() const;
    static ColorFilterValues fromSettings(const Settings& s);
};

// One channel value through the filter chain, with doubles throughout:
// brightness, offset, inversion, clamping to 0 … 255, gamma (0^0 = 1), then
// rounding half to even. `offset` is the channel's own offset.
quint8 FilterChannel(int value, double brightnessFactor, int offset, bool invert, double gamma);

// 256-entry tables per channel holding FilterChannel for every input value.
struct ColorFilterTables {
    std::array<quint8, 256> red{}, green{}, blue{};
};
ColorFilterTables BuildColorFilterTables(const ColorFilterValues& v);

// The pixel pass: returns `source` with the filters applied to every pixel
// (RGB32, or ARGB32 when the source has transparency; alpha is never
// changed). One pass over the scanlines through the channel tables.
QImage FilterPictureBits(const QImage& source, const ColorFilterValues& v);

// Applies the stored filter settings to `picture` in place; leaves it
// untouched (byte for byte) when all five settings are neutral.
void ApplyColorFilters(const Settings& settings, QImage& picture);

// --- What the "Colors" page shows ---------------------------------------

// Text of lblbrightness: the value followed by "%".
QString BrightnessLabelText(int hsBrightValue);
// Text of lblred/lblgreen/lblblue: value ÷ 2.55 rounded, followed by "%".
QString ColorOffsetLabelText(int barValue);
// Text of lblgamma: the bar value ÷ 100 in the shortest single-precision form.
QString GammaLabelText(int hsGammaValue);
// The gamma exponent for a position of HSGamma: (200 − value) × 0.01.
double GammaFromBar(int hsGammaValue);
// The HSGamma position for a stored exponent, within the bar's range 1 … 200.
int GammaBarFromExponent(double gamma);

// The control values of the page, as the preview uses them.
struct ColorPageValues {
    int HSBright = 100;
    int HSRed = 0;
    int HSGreen = 0;
    int HSBlue = 0;
    int HSGamma = 100;
    bool chkinvertcolor = false;

    ColorFilterValues filterValues() const;
};

// The preview picture for the page's current values (always runs the pass,
// with no neutral shortcut).
QImage RenderFilterPreview(const QImage& sampleBefore, const ColorPageValues& values);
