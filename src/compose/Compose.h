#pragma once

#include "compose/Watermark.h"
#include "platform/ScreenInfo.h"
#include "settings/Settings.h"

#include <QImage>
#include <QString>
#include <atomic>

// The picture a composition starts from. The pixels may have been decoded at
// a reduced scale; `nativeSize` is the picture's own size.
struct SourcePicture {
    QImage image;
    QSize nativeSize;
    bool isNull() const { return nativeSize.isEmpty() || image.isNull(); }
};

// Decodes a picture file by its content (the name's extension does not
// matter). When `drawSize` is given and smaller than the picture, a JPEG is
// decoded at a reduced scale, at least 7/8 of it (a WebP at that size). A
// missing, empty, corrupt or truncated file, one in a format no decoder reads,
// or one too large to hold, is a failure: false, with a message in `error`,
// and `out` untouched.
//
// Safe to call on several threads at once. With `cancel`, the load looks at
// the flag between its steps and as it decodes (JPEG rows, metafile records)
// and, once it is set, gives up soon after: false, with "Cancelled." in
// `error` and `out` untouched. (The other decoders run to their end; the
// flag is looked at again after them.)
bool LoadPicture(const QString& path, SourcePicture& out, QString* error = nullptr,
                 QSize drawSize = QSize(), const std::atomic<bool>* cancel = nullptr);

// The same for a picture's bytes already in memory (a download); `name` only
// serves the error text.
bool LoadPictureFromBytes(const QByteArray& bytes, const QString& name, SourcePicture& out,
                          QString* error = nullptr, QSize drawSize = QSize(),
                          const std::atomic<bool>* cancel = nullptr);

// The same, decoding no larger than the picture will be drawn for `position`
// on a screen of `screen` size.
bool LoadPictureFor(const QString& path, PositionMode position, QSize screen, SourcePicture& out,
                    QString* error = nullptr, const std::atomic<bool>* cancel = nullptr);

// Everything a composition depends on besides the picture itself.
struct CompositionInputs {
    ColorFilterSettings filters;
    PositionMode position = PositionMode::Center;
    ScreenInfo screen;
    quint32 desktopColor = 0x984E00; // 0x00BBGGRR
    WatermarkSettings watermark;
    WatermarkFields fields;
};

// Lays the picture out on a screen-sized canvas of the desktop colour, with
// the colour filters applied to the picture and the watermark drawn on top,
// and returns the canvas. Depends on nothing but its arguments and never
// changes the source picture, so composing twice gives the same canvas. A
// null image when there is no picture to compose.
QImage ComposeWallpaper(const SourcePicture& source, const CompositionInputs& inputs);

// One monitor's picture for ComposeDesktop, with the watermark's fields for it.
struct MonitorPicture {
    const SourcePicture* source = nullptr;
    WatermarkFields fields;
};

// The whole desktop for `layout`: with "Primary", the primary monitor's
// canvas alone; otherwise one canvas of the layout's bounds, the gaps between
// monitors in the desktop colour, and per monitor the picture laid out for
// that monitor's size ("Same": pictures[0] everywhere; "Different":
// pictures[i] on monitor i) or one picture across the bounds ("Span"). The
// watermark goes on each monitor's work area, naming that monitor's picture.
// `common.screen` and `common.fields` are replaced per monitor. A null image
// when there is nothing to compose.
QImage ComposeDesktop(const ScreenLayout& layout, MonitorSharing mode,
                      const QList<MonitorPicture>& pictures, const CompositionInputs& common);

// ComposeDesktop in two steps: first the pictures alone, on a canvas of
// `format` (RGB32, or BGR888 for a canvas kept a while: a quarter smaller),
// composed into `reuse` when it has that size and format and nothing else
// holds its pixels (a canvas no longer needed, saving a fresh one); then the
// watermarks, which name the pictures (`fields` in the order of `pictures`)
// and may show the time, so a canvas composed ahead gets them when it is
// shown.
QImage ComposeDesktopPictures(const ScreenLayout& layout, MonitorSharing mode,
                              const QList<MonitorPicture>& pictures,
                              const CompositionInputs& common, QImage reuse = QImage(),
                              QImage::Format format = QImage::Format_RGB32);
void DrawDesktopWatermarks(QImage& canvas, const ScreenLayout& layout, MonitorSharing mode,
                           const QList<WatermarkFields>& fields, const CompositionInputs& common);

// Saves the canvas as the wallpaper bitmap (a 24-bit Windows bitmap) through
// a temporary file and a rename: the previous bitmap stays whole until the
// new one is complete, and a reader never sees part of one. False, with the
// reason in `error`, when it could not be written.
bool WriteWallpaperBitmap(const QImage& canvas, const QString& path, QString* error = nullptr);
