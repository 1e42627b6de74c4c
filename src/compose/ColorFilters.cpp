#include "compose/ColorFilters.h"

#include "settings/Settings.h"

#include <QCursor>
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

bool ColorFilterValues::isNeutral() const {
    return gamma == 1.0 && brightness == 100 && red == 0 && green == 0 && blue == 0 && !invert;
}

ColorFilterValues ColorFilterValues::fromSettings(const Settings& s) {
    ColorFilterValues v;
    v.brightness = s.EBright;
    v.red = s.ERed;
    v.green = s.EGreen;
    v.blue = s.EBlue;
    v.invert = s.EInvert;
    v.gamma = s.EGamma;
    return v;
}

quint8 FilterChannel(int value, double brightnessFactor, int offset, bool invert, double gamma) {
    double c = value;
    if (brightnessFactor != 1) c = c * brightnessFactor;
    if (offset != 0) c = c + offset;
    if (invert) c = 255 - c;
    if (c > 255) c = 255;
    if (c < 0) c = 0;
    if (gamma != 1.0) c = 255 * std::pow(c / 255, gamma); // pow(0, 0) is 1
    // The default rounding mode rounds halves to the even neighbour.
    return quint8(std::nearbyint(c));
}

ColorFilterTables BuildColorFilterTables(const ColorFilterValues& v) {
    ColorFilterTables t;
    const double b = v.brightness / 100;
    for (int i = 0; i < 256; ++i) {
        t.red[i] = FilterChannel(i, b, v.red, v.invert, v.gamma);
        t.green[i] = FilterChannel(i, b, v.green, v.invert, v.gamma);
        t.blue[i] = FilterChannel(i, b, v.blue, v.invert, v.gamma);
    }
    return t;
}

QImage FilterPictureBits(const QImage& source, const ColorFilterValues& v) {
    if (source.isNull()) return source;
    // Pixels as 0xAARRGGBB words; alpha (or the unused fourth byte) passes
    // through unchanged.
    const QImage::Format fmt =
        source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage out = source.convertToFormat(fmt);
    if (out.isNull()) return out;
    const ColorFilterTables t = BuildColorFilterTables(v);
    // Combined lookups keep the inner loop to three loads and one store.
    std::array<quint32, 256> r, g, b;
    for (int i = 0; i < 256; ++i) {
        r[i] = quint32(t.red[i]) << 16;
        g[i] = quint32(t.green[i]) << 8;
        b[i] = quint32(t.blue[i]);
    }
    const int w = out.width();
    const int h = out.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<quint32*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 p = line[x];
            line[x] = (p & 0xFF000000u) | r[(p >> 16) & 0xFF] | g[(p >> 8) & 0xFF] | b[p & 0xFF];
        }
    }
    return out;
}

void ApplyColorFilters(const Settings& settings, QImage& picture) {
    const ColorFilterValues v = ColorFilterValues::fromSettings(settings);
    if (v.isNeutral() || picture.isNull()) return;
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    picture = FilterPictureBits(picture, v);
    if (gui) QGuiApplication::restoreOverrideCursor();
}

QString BrightnessLabelText(int hsBrightValue) {
    return QString::number(hsBrightValue) + QLatin1Char('%');
}

QString ColorOffsetLabelText(int barValue) {
    return QString::number(qint64(std::nearbyint(barValue / 2.55))) + QLatin1Char('%');
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

ColorFilterValues ColorPageValues::filterValues() const {
    ColorFilterValues v;
    v.brightness = HSBright;
    v.red = HSRed;
    v.green = HSGreen;
    v.blue = HSBlue;
    v.invert = chkinvertcolor;
    v.gamma = (200 - HSGamma) / 100.0;
    return v;
}

QImage RenderFilterPreview(const QImage& sampleBefore, const ColorPageValues& values) {
    return FilterPictureBits(sampleBefore, values.filterValues());
}
