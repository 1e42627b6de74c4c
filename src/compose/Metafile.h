#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <atomic>

// Windows metafiles (WMF, with or without the placeable header, and EMF),
// played record by record through QPainter. Both formats share one drawing
// model: an object table of pens, brushes, fonts and palettes; a current
// position, path and clip; and a mapping from logical coordinates through the
// window and viewport to the reference device. Records the player does not
// know are skipped; a file whose records do not fit together is refused.

// Whether the bytes start like a WMF or EMF file.
bool IsMetafileContent(const QByteArray& bytes);

// The picture's own size in pixels at 96 dots per inch, from the header's
// bounds and resolution. False, with the reason, for a damaged header.
bool MetafileNativeSize(const QByteArray& bytes, QSize& size, QString& error);

// Plays the whole file onto a white picture of `size` pixels, its bounds
// stretched to fill it. False, with the reason, when a record is malformed
// or the file ends before its end record; `out` is then untouched. Also false
// when `cancel` is set: the player looks at it before each record.
bool RenderMetafile(const QByteArray& bytes, QSize size, QImage& out, QString& error,
                    const std::atomic<bool>* cancel = nullptr);
