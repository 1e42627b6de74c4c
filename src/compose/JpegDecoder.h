#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <atomic>

// JPEG decoding through libjpeg-turbo's fast paths: the picture is reduced
// inside the decoder by 1/2, 1/4 or 1/8 as far as it stays at least 7/8 of
// `atLeast` in both directions (in the file's stored orientation; an invalid
// size decodes it whole), and its pixels come out directly as RGB32, the
// canvas's own format. The image carries the file's colour profile; the
// orientation tag is left to the caller. With `cancel`, the decode looks at
// the flag as it goes and stops soon after it is set.
enum class JpegDecode {
    Done,
    NotHandled, // CMYK and YCCK pictures: another decoder takes them
    TooLarge,   // the decoded picture would exceed `maxPixels`
    Damaged,    // the data is corrupt or cut off
    Failed,     // not a JPEG the decoder can read; `error` says why
    Cancelled,  // `cancel` was set; `out` is untouched
};
JpegDecode DecodeJpeg(const QByteArray& bytes, QSize atLeast, qint64 maxPixels, QImage& out,
                      QString& error, const std::atomic<bool>* cancel = nullptr);
