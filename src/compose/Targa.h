#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Truevision TGA pictures: colour-mapped, true-colour and grey, plain or
// run-length encoded, 8 to 32 bits a pixel, with or without the version 2
// footer, in any of the four corner orders. (Qt's own reader takes only
// plain true-colour files with the footer, and its icon reader claims many
// TGA files by their first bytes.)

// Whether the bytes begin with a TGA header that holds together. TGA has no
// signature, so this is strict: every header field must have a value the
// format allows and the colour-map fields must agree with the type.
bool IsTgaContent(const QByteArray& bytes);

// Decodes the whole picture, upright. False, with the reason, for a damaged
// or cut-off file or one of more than `maxPixels` pixels (checked before any
// pixel is decoded).
bool DecodeTga(const QByteArray& bytes, qint64 maxPixels, QImage& out, QString& error);
