#pragma once

#include "settings/Settings.h"

#include <QImage>
#include <QString>

// What the "Colors" page shows and how its controls map onto the stored
// colour filters. Pure functions: the page only wires them.

// Text of lblbrightness: the value followed by "%".
QString BrightnessLabelText(int hsBrightValue);
// Text of lblred/lblgreen/lblblue: value ÷ 2.55 rounded, followed by "%".
QString ColorOffsetLabelText(int barValue);
// Text of lblgamma: the bar value ÷ 100 in the shortest single-precision form.
QString GammaLabelText(int hsGammaValue);
// The gamma exponent for a position of HSGamma: (200 − value) × 0.01. The
// wallpaper and the preview both use this one mapping.
double GammaFromBar(int hsGammaValue);
// The HSGamma position for a stored exponent, within the bar's range 1 … 200.
int GammaBarFromExponent(double gamma);

// The control values of the page.
struct ColorPageControls {
    int HSBright = 100;
    int HSRed = 0;
    int HSGreen = 0;
    int HSBlue = 0;
    int HSGamma = 100;
    bool chkinvertcolor = false;

    // The filters these controls stand for, as they would be stored.
    ColorFilterSettings filters() const;
    // The controls showing stored filters.
    static ColorPageControls fromFilters(const ColorFilterSettings& f);
};

// The preview picture for the page's current values (always runs the pass,
// with no neutral shortcut).
QImage RenderFilterPreview(const QImage& sampleBefore, const ColorPageControls& controls);
