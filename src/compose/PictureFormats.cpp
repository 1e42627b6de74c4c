#include "compose/PictureFormats.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace {

constexpr std::array kFormats = {
    PictureFormat{QLatin1String(".jpg"), QLatin1String("JPEG")},
    PictureFormat{QLatin1String(".bmp"), QLatin1String("Windows bitmap")},
    PictureFormat{QLatin1String(".gif"), QLatin1String("GIF")},
    PictureFormat{QLatin1String(".wmf"), QLatin1String("Windows metafile")},
    PictureFormat{QLatin1String(".ico"), QLatin1String("Windows icon")},
    PictureFormat{QLatin1String(".rle"), QLatin1String("run-length encoded Windows bitmap")},
    PictureFormat{QLatin1String(".emf"), QLatin1String("enhanced Windows metafile")},
    PictureFormat{QLatin1String("jpeg"), QLatin1String("JPEG")},
    PictureFormat{QLatin1String(".png"), QLatin1String("PNG")},
    PictureFormat{QLatin1String("webp"), QLatin1String("WebP")},
    PictureFormat{QLatin1String("heic"), QLatin1String("HEIC")},
    PictureFormat{QLatin1String("heif"), QLatin1String("HEIF")},
    PictureFormat{QLatin1String("avif"), QLatin1String("AVIF")},
    PictureFormat{QLatin1String(".jxl"), QLatin1String("JPEG XL")},
    PictureFormat{QLatin1String("tiff"), QLatin1String("TIFF")},
    PictureFormat{QLatin1String(".tif"), QLatin1String("TIFF")},
    PictureFormat{QLatin1String(".tga"), QLatin1String("Truevision TGA")},
};

} // namespace

std::span<const PictureFormat> PictureFormats() {
    return kFormats;
}

bool HasPictureEnding(const QString& fileName) {
    if (fileName.size() < 4) return false;
    const QStringView last = QStringView(fileName).right(4);
    for (const PictureFormat& f : kFormats)
        if (last.compare(f.ending, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString PicturesFileDialogFilter() {
    QStringList patterns;
    for (const PictureFormat& f : kFormats) {
        // ".jpg" becomes "*.jpg"; an ending without its dot ("jpeg") "*.jpeg".
        patterns << (f.ending.startsWith(QLatin1Char('.')) ? QLatin1String("*") + f.ending
                                                           : QLatin1String("*.") + f.ending);
    }
    return QCoreApplication::translate("PictureFormats", "Pictures (%1);;All Files (*)")
        .arg(patterns.join(QLatin1Char(' ')));
}
