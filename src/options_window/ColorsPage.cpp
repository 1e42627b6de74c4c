#include "options_window/ColorsPage.h"

#include "compose/ColorFilters.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// A whole percentage as the language writes it ("100%", "100 %").
QString PercentText(qint64 value) {
    return QCoreApplication::translate("ColorsPage", "%1%", "a percentage, as in 100%").arg(value);
}

} // namespace

QString BrightnessLabelText(int hsBrightValue) {
    return PercentText(hsBrightValue);
}

QString ColorOffsetLabelText(int barValue) {
    return PercentText(qint64(std::nearbyint(barValue / 2.55)));
}

QString GammaLabelText(int hsGammaValue) {
    const float f = float(hsGammaValue) / 100.0f;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, f);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

double GammaFromBar(int hsGammaValue) {
    return (200 - hsGammaValue) * 0.01;
}

int GammaBarFromExponent(double gamma) {
    if (!std::isfinite(gamma)) return 100;
    const double bar = std::nearbyint(200 - gamma * 100);
    return int(std::clamp(bar, 1.0, 200.0));
}

ColorFilterSettings ColorPageControls::filters() const {
    ColorFilterSettings f;
    f.EBright = qint16(HSBright);
    f.ERed = qint16(HSRed);
    f.EGreen = qint16(HSGreen);
    f.EBlue = qint16(HSBlue);
    f.EInvert = chkinvertcolor;
    f.EGamma = GammaFromBar(HSGamma);
    return f;
}

ColorPageControls ColorPageControls::fromFilters(const ColorFilterSettings& f) {
    ColorPageControls c;
    c.HSBright = f.EBright;
    c.HSRed = f.ERed;
    c.HSGreen = f.EGreen;
    c.HSBlue = f.EBlue;
    c.chkinvertcolor = f.EInvert;
    c.HSGamma = GammaBarFromExponent(f.EGamma);
    return c;
}

QImage RenderFilterPreview(const QImage& sampleBefore, const ColorPageControls& controls) {
    return FilterPictureBits(sampleBefore, controls.filters());
}
