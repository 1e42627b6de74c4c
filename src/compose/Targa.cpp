#include "compose/Targa.h"

#include <vector>

#include <QCoreApplication>

namespace {

// Header fields (18 bytes, little-endian).
struct TgaHeader {
    int idLength, mapType, imageType;
    int mapFirst, mapLength, mapEntryBits;
    int width, height, pixelBits, descriptor;
};

int u16(const QByteArray& d, qsizetype i) {
    return uchar(d[i]) | (uchar(d[i + 1]) << 8);
}

bool readHeader(const QByteArray& d, TgaHeader& h) {
    if (d.size() < 18) return false;
    h = {uchar(d[0]), uchar(d[1]), uchar(d[2]), u16(d, 3),    u16(d, 5),
         uchar(d[7]), u16(d, 12),  u16(d, 14),  uchar(d[16]), uchar(d[17])};
    const int base = h.imageType & ~8; // 1 colour-mapped, 2 true colour, 3 grey
    if (h.imageType != base && h.imageType != base + 8) return false;
    if (base < 1 || base > 3 || h.mapType > 1 || h.width == 0 || h.height == 0) return false;
    if ((h.descriptor & 0xC0) != 0) return false; // interleaved rows: never written
    const bool mapEntryOk = h.mapEntryBits == 15 || h.mapEntryBits == 16 || h.mapEntryBits == 24 ||
                            h.mapEntryBits == 32;
    if (h.mapType == 1) {
        if (!mapEntryOk || h.mapLength == 0) return false;
    } else if (h.mapFirst != 0 || h.mapLength != 0 || h.mapEntryBits != 0) {
        return false;
    }
    switch (base) {
    case 1:
        return h.mapType == 1 && (h.pixelBits == 8 || h.pixelBits == 16);
    case 2:
        return h.pixelBits == 15 || h.pixelBits == 16 || h.pixelBits == 24 || h.pixelBits == 32;
    default:
        return h.pixelBits == 8 || h.pixelBits == 16;
    }
}

// One colour from `bits` bits of little-endian data: 15/16 are 5-5-5 with an
// attribute bit, 24 is blue-green-red, 32 adds alpha.
QRgb trueColour(const uchar* p, int bits, bool alpha) {
    switch (bits) {
    case 15:
    case 16: {
        const int v = p[0] | (p[1] << 8);
        const int r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        const int a = alpha && bits == 16 ? ((v & 0x8000) ? 255 : 0) : 255;
        return qRgba((r << 3) | (r >> 2), (g << 3) | (g >> 2), (b << 3) | (b >> 2), a);
    }
    case 24:
        return qRgb(p[2], p[1], p[0]);
    default:
        return qRgba(p[2], p[1], p[0], alpha ? p[3] : 255);
    }
}

} // namespace

bool IsTgaContent(const QByteArray& bytes) {
    TgaHeader h;
    return readHeader(bytes, h);
}

bool DecodeTga(const QByteArray& d, qint64 maxPixels, QImage& out, QString& error) {
    TgaHeader h;
    if (!readHeader(d, h))
        return error = QCoreApplication::translate("Targa", "not a TGA picture"), false;
    const qint64 pixels = qint64(h.width) * h.height;
    if (pixels > maxPixels)
        return error = QCoreApplication::translate("Targa", "%1 x %2 pixels is over the limit")
                           .arg(h.width)
                           .arg(h.height),
               false;
    const int base = h.imageType & ~8;
    const bool runLength = h.imageType & 8;
    const int alphaBits = h.descriptor & 0x0F;
    const bool alpha = alphaBits > 0 && (h.pixelBits == 32 || h.pixelBits == 16);
    const int bytesPerPixel = (h.pixelBits + 7) / 8;

    qsizetype at = 18 + h.idLength;
    std::vector<QRgb> palette;
    if (h.mapType == 1) {
        const int entryBytes = (h.mapEntryBits + 7) / 8;
        const qsizetype mapBytes = qsizetype(h.mapLength) * entryBytes;
        if (at + mapBytes > d.size())
            return error = QCoreApplication::translate("Targa", "the file is cut short"), false;
        palette.reserve(size_t(h.mapLength));
        const bool mapAlpha = alphaBits > 0 && (h.mapEntryBits == 32 || h.mapEntryBits == 16);
        for (int k = 0; k < h.mapLength; ++k)
            palette.push_back(trueColour(reinterpret_cast<const uchar*>(d.constData()) + at +
                                             qsizetype(k) * entryBytes,
                                         h.mapEntryBits, mapAlpha));
        at += mapBytes;
    }
    auto colour = [&](const uchar* p) -> QRgb {
        if (base == 1) {
            const int index = (bytesPerPixel == 2 ? p[0] | (p[1] << 8) : p[0]) - h.mapFirst;
            return index >= 0 && size_t(index) < palette.size() ? palette[size_t(index)]
                                                                : qRgb(0, 0, 0);
        }
        if (base == 3)
            return bytesPerPixel == 2 && alpha ? qRgba(p[0], p[0], p[0], p[1])
                                               : qRgb(p[0], p[0], p[0]);
        return trueColour(p, h.pixelBits, alpha);
    };

    // The pixels in file order, then placed by the corner the descriptor
    // names (bit 4: right to left, bit 5: top to bottom).
    QImage image(h.width, h.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return error = QCoreApplication::translate("Targa", "out of memory"), false;
    const bool rightToLeft = h.descriptor & 0x10, topDown = h.descriptor & 0x20;
    const uchar* data = reinterpret_cast<const uchar*>(d.constData());
    const qsizetype end = d.size();
    qint64 n = 0;
    auto put = [&](QRgb c) {
        const int row = int(n / h.width), col = int(n % h.width);
        const int y = topDown ? row : h.height - 1 - row, x = rightToLeft ? h.width - 1 - col : col;
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
        ++n;
    };
    if (!runLength) {
        if (at + pixels * bytesPerPixel > end)
            return error = QCoreApplication::translate("Targa", "the file is cut short"), false;
        for (qint64 k = 0; k < pixels; ++k)
            put(colour(data + at + k * bytesPerPixel));
    } else {
        // Packets: a count byte (top bit set: one pixel repeated), then the
        // pixels. A packet may run over the end of a row.
        while (n < pixels) {
            if (at >= end)
                return error = QCoreApplication::translate("Targa", "the file is cut short"), false;
            const int head = data[at++];
            const qint64 count = std::min<qint64>((head & 0x7F) + 1, pixels - n);
            if (head & 0x80) {
                if (at + bytesPerPixel > end)
                    return error = QCoreApplication::translate("Targa", "the file is cut short"),
                           false;
                const QRgb c = colour(data + at);
                at += bytesPerPixel;
                for (qint64 k = 0; k < count; ++k)
                    put(c);
            } else {
                if (at + count * bytesPerPixel > end)
                    return error = QCoreApplication::translate("Targa", "the file is cut short"),
                           false;
                for (qint64 k = 0; k < count; ++k, at += bytesPerPixel)
                    put(colour(data + at));
            }
        }
    }
    out = std::move(image);
    return true;
}
