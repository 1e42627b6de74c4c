#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "settings/Settings.h"

// One channel value through the filter chain, with doubles throughout:
// brightness, offset, inversion, clamping to 0 … 255, gamma (0^0 = 1), then
// rounding half to even. `offset` is the channel's own offset.
quint8 FilterChannel(int value, double brightnessFactor, int offset, bool invert, double gamma);

// 256-entry tables per channel holding FilterChannel for every input value.
struct ColorFilterTables {
    std::array<quint8, 256> red{}, green{}, blue{};
};
ColorFilterTables BuildColorFilterTables(const ColorFilterSettings& v);

// The pixel pass: returns `source` with the filters applied to every pixel
// (RGB32, or ARGB32 when the source has transparency; alpha is never
// changed). One pass over the scanlines through the channel tables.
// A source that nothing else holds is filtered in place.
QImage FilterPictureBits(QImage source, const ColorFilterSettings& v);

// The picture with the filters applied, as a new image; `picture` itself is
// never changed. With every filter neutral, the picture comes back as it is
// (sharing its pixels, no copy).
QImage ApplyColorFilters(QImage picture, const ColorFilterSettings& v);
