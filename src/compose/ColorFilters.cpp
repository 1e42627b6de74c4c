#include "compose/ColorFilters.h"

#include "settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

ColorFilterTables BuildColorFilterTables(const ColorFilterSettings& v) {
    ColorFilterTables t;
    const double b = double(v.EBright) / 100;
    for (int i = 0; i < 256; ++i) {
        t.red[i] = FilterChannel(i, b, v.ERed, v.EInvert, v.EGamma);
        t.green[i] = FilterChannel(i, b, v.EGreen, v.EInvert, v.EGamma);
        t.blue[i] = FilterChannel(i, b, v.EBlue, v.EInvert, v.EGamma);
    }
    return t;
}

QImage FilterPictureBits(QImage source, const ColorFilterSettings& v) {
    if (source.isNull()) return source;
    // Pixels as 0xAARRGGBB words; alpha (or the unused fourth byte) passes
    // through unchanged.
    const QImage::Format fmt =
        source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage out = source.format() == fmt ? std::move(source) : source.convertToFormat(fmt);
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

QImage ApplyColorFilters(QImage picture, const ColorFilterSettings& v) {
    if (v.isNeutral() || picture.isNull()) return picture;
    return FilterPictureBits(std::move(picture), v);
}
