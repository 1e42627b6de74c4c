#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// The root window's background on X11, set the way root setters agree on:
// the pixmap is made on a connection kept after it closes, published in
// _XROOTPMAP_ID and ESETROOT_PMAP_ID (so that terminals and compositors find
// it), and the previous setter's pixmap is freed when both properties name it.

// Makes `image` the root window background, with its top-left corner at
// `origin` (the primary screen's place on the root window); the rest shows
// `fillRgb`. `display` empty means $DISPLAY. False when there is no X server
// or the visual is not a true-colour one of depth 24 or 32.
bool SetX11RootPixmap(const QImage& image, QPoint origin, quint32 fillRgb,
                      const QString& display = QString());

// Removes the root pixmap (freeing the previous setter's) and shows the plain
// colour `fillRgb` (0xRRGGBB) instead.
bool ClearX11RootPixmap(quint32 fillRgb, const QString& display = QString());

// The pixels of the pixmap named by _XROOTPMAP_ID, as RGB32. Null when there
// is none. For tests and diagnostics.
QImage ReadX11RootPixmap(const QString& display = QString());
