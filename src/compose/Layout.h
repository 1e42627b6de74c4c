#pragma once

#include "settings/Settings.h"
#include <QRectF>
#include <QSize>

// Where the picture goes on the screen-sized canvas for one position text.
struct WallpaperLayout {
    // Draw size: native, fitted (fractional, not rounded) or the screen size.
    double width = 0;
    double height = 0;
    // "Tile": unscaled copies column by column from the top-left corner.
    bool tile = false;
    // Top-left corner of the single drawn copy; negative when the picture is
    // larger than the canvas and is cropped equally on both sides.
    double x = 0;
    double y = 0;
};

// Computes the layout of a picture of `native` size on a `screen`-sized
// canvas. Aspect ratios are single precision and the fitting tests strict,
// so a picture exactly the size of the screen is not "enlarged". A position
// that is not one of the six modes draws the picture at native size,
// centred. Returns false for a zero-sized picture or screen.
bool ComputeWallpaperLayout(QSize native, PositionMode position, QSize screen,
                            WallpaperLayout& out);
