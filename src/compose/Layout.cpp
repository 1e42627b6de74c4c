#include "compose/Layout.h"

bool ComputeWallpaperLayout(QSize native, PositionMode position, QSize screen,
                            WallpaperLayout& out) {
    if (native.width() <= 0 || native.height() <= 0 || screen.width() <= 0 || screen.height() <= 0)
        return false;
    // Both ratios in single precision, compared as such.
    const float a = float(native.width()) / float(native.height());
    const float b = float(screen.width()) / float(screen.height());
    float w = float(native.width());
    float h = float(native.height());
    const float sw = float(screen.width());
    const float sh = float(screen.height());

    const bool fit = position == PositionMode::FitReduceEnlarge ||
                     (position == PositionMode::FitEnlarge && h < sh && w < sw) ||
                     (position == PositionMode::FitReduce && (h > sh || w > sw));
    if (fit) {
        if (a > b) {
            w = sw;
            h = sw / a;
        } else {
            h = sh;
            w = sh * a;
        }
    } else if (position == PositionMode::Stretch) {
        w = sw;
        h = sh;
    }
    out.width = w;
    out.height = h;
    out.tile = position == PositionMode::Tile;
    out.x = out.tile ? 0.0 : (double(screen.width()) - double(w)) / 2.0;
    out.y = out.tile ? 0.0 : (double(screen.height()) - double(h)) / 2.0;
    return true;
}
