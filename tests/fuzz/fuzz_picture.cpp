// Picture files from anywhere, in every format the loader takes (JPEG, PNG,
// GIF, BMP, RLE, ICO, WMF, EMF, WebP, HEIC, AVIF, JPEG XL, TIFF): decoded by
// content, whole or at a reduced size, and what decodes is composed onto a
// small screen.
#include "FuzzTarget.h"
#include "compose/Compose.h"

TESSALY_FUZZ_TARGET(picture) {
    EnsureGuiApplication();
    const QByteArray bytes = FuzzBytes(data, size);
    // Half the inputs are decoded for a small drawing size, as a photo for a
    // screen is.
    const QSize drawSize = size % 2 ? QSize(64, 48) : QSize();
    SourcePicture picture;
    QString error;
    if (!LoadPictureFromBytes(bytes, QStringLiteral("fuzz"), picture, &error, drawSize)) {
        if (error.isEmpty() || !picture.isNull()) abort(); // a failure says why, changes nothing
        return 0;
    }
    if (picture.isNull()) abort();
    CompositionInputs in;
    in.screen.size = QSize(64, 48);
    in.screen.workArea = QRect(0, 0, 64, 40);
    in.position = PositionMode(size % 6);
    in.watermark.WaterMarkVisible = false;
    const QImage canvas = ComposeWallpaper(picture, in);
    if (!canvas.isNull() && canvas.size() != in.screen.size) abort();
    return 0;
}
