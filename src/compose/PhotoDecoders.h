#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QString>

// Decoders for the photo formats Qt has no plugin for: HEIF (HEIC and AVIF)
// through libheif and JPEG XL through libjxl. Each decodes the whole primary
// picture, turned upright by the file's own orientation, in its own colour
// space (the image carries it), or fails with the reason in `error`.
// `maxPixels` is checked against the header before any pixel is decoded.

bool IsHeifContent(const QByteArray& bytes);
bool DecodeHeif(const QByteArray& bytes, qint64 maxPixels, QImage& out, QString& error);

bool IsJxlContent(const QByteArray& bytes);
bool DecodeJxl(const QByteArray& bytes, qint64 maxPixels, QImage& out, QString& error);

// The EXIF orientation (1 to 8) of a WebP file's EXIF chunk, 1 when it has
// none. (Qt's JPEG and TIFF readers apply their own.)
int WebpExifOrientation(const QByteArray& bytes);

// `image` turned by an EXIF orientation value.
QImage ApplyExifOrientation(const QImage& image, int orientation);

// The EXIF orientation value of a transformation Qt's readers report.
int ExifOrientationOf(QImageIOHandler::Transformations t);
