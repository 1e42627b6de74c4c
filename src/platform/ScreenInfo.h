#pragma once

#include <QRect>
#include <QSize>

// The primary screen as the composition sees it: its size and its work area
// (the desktop minus panels), both in device pixels, and the logical dots per
// inch that turn font points into pixels.
struct ScreenInfo {
    QSize size;
    QRect workArea;
    double dpi = 96;
};

// The primary screen of the running application. Falls back to 800 x 600 when
// no screen is known.
ScreenInfo PrimaryScreenInfo();
