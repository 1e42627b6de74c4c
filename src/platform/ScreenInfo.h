#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

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

// One monitor on the virtual desktop: its place and its work area in device
// pixels of the virtual desktop, and its logical dots per inch.
struct MonitorInfo {
    QRect geometry;
    QRect workArea;
    double dpi = 96;
    bool primary = false;
    // The output's name and the monitor's place in logical pixels, as the
    // desktop's own interface knows the monitor.
    QString name{};
    QRect logicalGeometry{};

    // The monitor as a screen of its own (work area relative to it).
    ScreenInfo asScreen() const {
        return {geometry.size(), workArea.translated(-geometry.topLeft()), dpi};
    }
};

// Every monitor of the desktop; the primary one first.
struct ScreenLayout {
    QList<MonitorInfo> monitors;
    // The box around every monitor (the virtual desktop).
    QRect bounds() const;
    const MonitorInfo& primary() const { return monitors.first(); }
    bool operator==(const ScreenLayout& o) const;
};

// A layout of the one screen `screen`.
ScreenLayout SingleScreenLayout(const ScreenInfo& screen);

// The monitors of the running application, in device pixels.
ScreenLayout CurrentScreenLayout();
