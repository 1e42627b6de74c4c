#pragma once

#include "compose/Compose.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

// A picture with four coloured quadrants (red, green / blue, yellow), so that
// position, scale and orientation all show in the pixels.
inline QImage QuadrantPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h / 2, QColor(255, 0, 0));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(0, 255, 0));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(0, 0, 255));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(255, 255, 0));
    return img;
}

inline QRgb Rgb(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

// The bounds of the pixels that differ from `background`.
inline QRect InkBounds(const QImage& img, QRgb background) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Rgb(img, x, y) != (background & 0xFFFFFF)) r |= QRect(x, y, 1, 1);
    return r;
}

// `v` in `bytes` bytes, least significant first, as the picture formats store it.
inline QByteArray le(qint64 v, int bytes) {
    QByteArray b;
    for (int k = 0; k < bytes; ++k)
        b += char((v >> (8 * k)) & 0xFF);
    return b;
}

// The channels' differences added.
inline int ColourDistance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

struct Probe {
    QPoint at;
    QRgb color;
};

// Fails the test where a probed pixel is further than `tolerance` from its colour.
inline void ExpectProbes(const QImage& image, const std::vector<Probe>& probes,
                         int tolerance = 30) {
    for (const Probe& p : probes)
        EXPECT_LE(ColourDistance(image.pixelColor(p.at), p.color), tolerance)
            << "at " << p.at.x() << "," << p.at.y() << ": "
            << image.pixelColor(p.at).name().toStdString() << " instead of "
            << QColor(p.color).name().toStdString();
}

// Inputs for `position` on a 200 x 100 screen: the desktop colour 0x332211
// (shown as 0x112233), no watermark.
inline CompositionInputs Inputs(const QString& position) {
    CompositionInputs in;
    in.position = WallpaperPosition::fromText(position).mode;
    in.screen = ScreenInfo{QSize(200, 100), QRect(0, 0, 200, 100), 96};
    in.desktopColor = 0x00332211;
    in.watermark.WaterMarkVisible = false;
    return in;
}
