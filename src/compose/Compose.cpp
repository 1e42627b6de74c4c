#include "compose/Compose.h"

#include "compose/ColorFilters.h"
#include "compose/Layout.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

namespace {

// Pictures beyond this many pixels are refused whatever their format.
constexpr qint64 kMaxPixels = 200'000'000;
// The memory budget of one change: a picture is decoded into at most this
// many pixels (256 MB at four bytes a pixel). Formats that decode at a
// reduced scale (JPEG, WebP) count the size they are decoded at, so a large
// photo drawn on a screen stays well inside it.
constexpr qint64 kMaxDecodedPixels = 64'000'000;
constexpr int kAllocationLimitMb = 300;
constexpr int kMaxSide = 32767;
// No picture file of a sensible size comes near this; reading it whole would.
constexpr qint64 kMaxFileBytes = 1024LL * 1024 * 1024;

QColor colorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint16 be16(const QByteArray& d, qsizetype i) {
    return quint16((uchar(d[i]) << 8) | uchar(d[i + 1]));
}

// Whether a JPEG stream holds its end-of-image marker after the first scan.
// The decoder fills a cut-off picture with grey without failing, so a
// truncated download or copy would otherwise pass as a good picture.
bool jpegIsComplete(const QByteArray& d) {
    qsizetype i = 2;
    const qsizetype n = d.size();
    // Walk the marker segments up to the first start-of-scan; segments carry
    // their length, which skips embedded thumbnails.
    while (i + 4 <= n) {
        if (uchar(d[i]) != 0xFF) return false;
        const uchar m = uchar(d[i + 1]);
        if (m == 0xFF) {
            ++i;
            continue;
        }
        if (m == 0xD9) return false; // end of image before any scan
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) {
            i += 2;
            continue;
        }
        const qsizetype len = be16(d, i + 2);
        if (len < 2) return false;
        i += 2 + len;
        if (m == 0xDA) break;
    }
    if (i > n) return false;
    // Entropy-coded data escapes 0xFF as FF 00, so FF D9 is the real marker.
    for (; i + 1 < n; ++i) {
        if (uchar(d[i]) == 0xFF && uchar(d[i + 1]) == 0xD9) return true;
    }
    return false;
}

quint32 le32(const QByteArray& d, qsizetype i) {
    return quint32(uchar(d[i])) | (quint32(uchar(d[i + 1])) << 8) |
           (quint32(uchar(d[i + 2])) << 16) | (quint32(uchar(d[i + 3])) << 24);
}

// Whether a Windows bitmap holds all the pixel rows its header announces; the
// decoder leaves missing rows blank instead of failing.
bool bmpIsComplete(const QByteArray& d) {
    if (d.size() < 14 + 16) return false;
    const qint64 offBits = le32(d, 10);
    const quint32 headerSize = le32(d, 14);
    qint64 need = 0;
    if (headerSize == 12) { // OS/2 header: 16-bit sizes, never compressed
        const qint64 w = quint16(uchar(d[18]) | (uchar(d[19]) << 8));
        const qint64 h = quint16(uchar(d[20]) | (uchar(d[21]) << 8));
        const qint64 bpp = quint16(uchar(d[24]) | (uchar(d[25]) << 8));
        need = ((w * bpp + 31) / 32) * 4 * h;
    } else if (headerSize >= 40 && d.size() >= 14 + 40) {
        const qint64 w = qint32(le32(d, 18));
        const qint64 h = qint32(le32(d, 22));
        const qint64 bpp = quint16(uchar(d[28]) | (uchar(d[29]) << 8));
        const quint32 compression = le32(d, 30);
        if (compression == 0 || compression == 3) // plain or bit fields
            need = ((std::abs(w) * bpp + 31) / 32) * 4 * std::abs(h);
        else
            need = le32(d, 34); // compressed: the declared data size
    } else {
        return false;
    }
    return offBits + need <= d.size();
}

// The decoders report damage inside the picture data (a scrambled JPEG scan,
// a broken PNG data stream) only as a warning, and may still hand back a
// picture that is grey or garbled where the data was bad. While it lives,
// this catches those warnings so such a file counts as a load failure.
class DecoderDamageWatch {
public:
    DecoderDamageWatch() : m_previous(qInstallMessageHandler(&onMessage)) { s_active = this; }
    ~DecoderDamageWatch() {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    DecoderDamageWatch(const DecoderDamageWatch&) = delete;
    DecoderDamageWatch& operator=(const DecoderDamageWatch&) = delete;
    bool sawDamage() const { return m_damage; }

private:
    static void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        DecoderDamageWatch* self = s_active;
        if (!self) return;
        if (text.contains(QLatin1String("Corrupt JPEG data")) ||
            text.contains(QLatin1String("Premature end of JPEG")) ||
            text.startsWith(QLatin1String("libpng error"))) {
            self->m_damage = true;
            return;
        }
        if (self->m_previous) self->m_previous(type, context, text);
    }

    static inline DecoderDamageWatch* s_active = nullptr;
    QtMessageHandler m_previous;
    bool m_damage = false;
};

QImage scaledTo(const QImage& image, QSize size) {
    if (image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

bool LoadPicture(const QString& path, SourcePicture& out, QString* error, QSize drawSize) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QFile file(path);
    if (!file.exists()) return fail(QStringLiteral("File not found: %1").arg(path));
    // Only regular files are pictures: opening a FIFO would block the program
    // and a device such as /dev/zero would be read without end.
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("%1 is not a regular file.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(QStringLiteral("The file %1 is too large for a picture.").arg(path));
    const QByteArray bytes = file.readAll();
    file.close();
    return LoadPictureFromBytes(bytes, path, out, error, drawSize);
}

bool LoadPictureFromBytes(const QByteArray& bytes, const QString& path, SourcePicture& out,
                          QString* error, QSize drawSize) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (bytes.isEmpty()) return fail(QStringLiteral("The file %1 is empty.").arg(path));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // the format comes from the content
    reader.setAutoTransform(false);
    // A backstop for pictures whose header gives no size.
    reader.setAllocationLimit(kAllocationLimitMb);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return fail(QStringLiteral("%1 is not a picture in a known format.").arg(path));
    const QSize native = reader.size();
    if (native.isValid()) {
        if (native.width() > kMaxSide || native.height() > kMaxSide ||
            qint64(native.width()) * native.height() > kMaxPixels)
            return fail(QStringLiteral("The picture %1 is too large (%2 x %3 pixels).")
                            .arg(path)
                            .arg(native.width())
                            .arg(native.height()));
    }
    if ((format == "jpeg" && !jpegIsComplete(bytes)) || (format == "bmp" && !bmpIsComplete(bytes)))
        return fail(QStringLiteral("The picture %1 is damaged or incomplete.").arg(path));

    // A JPEG or WebP picture that will be drawn smaller is decoded at a
    // reduced scale straight away, which costs a fraction of decoding it
    // whole. (Other decoders would decode it whole first.)
    QSize decoded = native;
    if ((format == "jpeg" || format == "webp") && native.isValid() && drawSize.isValid() &&
        drawSize.width() < native.width() && drawSize.height() < native.height() &&
        reader.supportsOption(QImageIOHandler::ScaledSize)) {
        reader.setScaledSize(drawSize);
        decoded = drawSize;
    }
    if (decoded.isValid() && qint64(decoded.width()) * decoded.height() > kMaxDecodedPixels)
        return fail(QStringLiteral("The picture %1 is too large to show: %2 x %3 pixels, over the "
                                   "limit of 64 million pixels.")
                        .arg(path)
                        .arg(native.width())
                        .arg(native.height()));
    QImage image;
    bool damaged = false;
    {
        DecoderDamageWatch watch;
        image = reader.read();
        damaged = watch.sawDamage();
    }
    if (image.isNull())
        return fail(QStringLiteral("Cannot load %1: %2").arg(path, reader.errorString()));
    if (damaged) return fail(QStringLiteral("The picture %1 is damaged or incomplete.").arg(path));
    const QSize size = native.isValid() ? native : image.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPixels)
        return fail(QStringLiteral("The picture %1 has no usable size.").arg(path));
    out.image = std::move(image);
    out.nativeSize = size;
    return true;
}

bool LoadPictureFor(const QString& path, PositionMode position, QSize screen, SourcePicture& out,
                    QString* error) {
    // The draw size needs the native size: a first look at the header.
    QSize drawSize;
    {
        QImageReader probe(path);
        probe.setDecideFormatFromContent(true);
        WallpaperLayout layout;
        if (ComputeWallpaperLayout(probe.size(), position, screen, layout) && !layout.tile)
            drawSize = QSize(int(std::ceil(layout.width)), int(std::ceil(layout.height)));
    }
    return LoadPicture(path, out, error, drawSize);
}

QImage ComposeWallpaper(const SourcePicture& source, const CompositionInputs& in) {
    if (source.isNull()) return QImage();
    WallpaperLayout layout;
    if (!ComputeWallpaperLayout(source.nativeSize, in.position, in.screen.size, layout))
        return QImage();

    QImage canvas(in.screen.size, QImage::Format_RGB32);
    if (canvas.isNull()) return QImage();
    canvas.fill(colorFromBgr(in.desktopColor));

    // The filters run on the part of the picture that shows, at the size it
    // is drawn: never on a full-size copy of a large source, and never on the
    // source itself, which stays as it was for the next composition.
    const QRect canvasRect = canvas.rect();
    {
        QPainter p(&canvas);
        if (layout.tile) {
            // Unscaled copies, each column top to bottom, columns left to right;
            // no copy shows more than the canvas holds.
            const QImage tile = scaledTo(source.image, source.nativeSize);
            const int w = tile.width(), h = tile.height();
            const QImage shown = ApplyColorFilters(
                tile.copy(QRect(0, 0, std::min(w, canvas.width()), std::min(h, canvas.height()))),
                in.filters);
            for (int x = 0; x < canvas.width(); x += w)
                for (int y = 0; y < canvas.height(); y += h)
                    p.drawImage(QPoint(x, y), shown);
        } else {
            // Smooth resampling once to whole pixels, then a plain copy; a
            // picture larger than the canvas is cropped equally on both sides.
            const QSize size(std::max(1, int(std::lround(layout.width))),
                             std::max(1, int(std::lround(layout.height))));
            const QImage drawn = scaledTo(source.image, size);
            const int x = int(std::floor((canvas.width() - size.width()) / 2.0));
            const int y = int(std::floor((canvas.height() - size.height()) / 2.0));
            const QRect visible = QRect(QPoint(x, y), size) & canvasRect;
            p.drawImage(visible.topLeft(),
                        ApplyColorFilters(drawn.copy(visible.translated(-x, -y)), in.filters));
        }
    }

    const WatermarkSettings& w = in.watermark;
    if (w.WaterMarkVisible) {
        WatermarkSurface surface(canvas, in.screen.dpi);
        surface.setFont(w.WaterMarkFont, w.WaterMarkSize, w.WaterMarkBold, w.WaterMarkItalic,
                        w.WaterMarkUnderLine);
        surface.setColor(colorFromBgr(quint32(w.WaterMarkColor)));
        DrawWatermark(w.WaterMarkText, surface, w.WaterMarkPos, in.screen.workArea, in.fields);
    }
    return canvas;
}

QImage ComposeDesktop(const ScreenLayout& layout, MonitorSharing mode,
                      const QList<MonitorPicture>& pictures, const CompositionInputs& common) {
    if (layout.monitors.isEmpty() || pictures.isEmpty() || !pictures[0].source) return QImage();
    if (mode == MonitorSharing::Primary) {
        CompositionInputs in = common;
        in.screen = layout.primary().asScreen();
        in.fields = pictures[0].fields;
        return ComposeWallpaper(*pictures[0].source, in);
    }
    const QRect bounds = layout.bounds();
    QImage canvas(bounds.size(), QImage::Format_RGB32);
    if (canvas.isNull()) return QImage();
    canvas.fill(colorFromBgr(common.desktopColor));
    QPainter p(&canvas);
    if (mode == MonitorSharing::Span) {
        CompositionInputs in = common;
        in.screen = {bounds.size(), layout.primary().workArea.translated(-bounds.topLeft()),
                     layout.primary().dpi};
        in.watermark.WaterMarkVisible = false;
        const QImage spanned = ComposeWallpaper(*pictures[0].source, in);
        if (spanned.isNull()) return QImage();
        p.drawImage(QPoint(0, 0), spanned);
    }
    for (qsizetype i = 0; i < layout.monitors.size(); ++i) {
        const MonitorInfo& m = layout.monitors[i];
        const MonitorPicture& picture =
            mode == MonitorSharing::Different ? pictures[i % pictures.size()] : pictures[0];
        const QPoint at = m.geometry.topLeft() - bounds.topLeft();
        CompositionInputs in = common;
        in.screen = m.asScreen();
        in.fields = picture.fields;
        if (mode == MonitorSharing::Span) {
            // The spanned picture's part on this monitor gets its watermark.
            if (!common.watermark.WaterMarkVisible) continue;
            QImage part = canvas.copy(QRect(at, m.geometry.size()));
            const WatermarkSettings& w = common.watermark;
            WatermarkSurface surface(part, m.dpi);
            surface.setFont(w.WaterMarkFont, w.WaterMarkSize, w.WaterMarkBold, w.WaterMarkItalic,
                            w.WaterMarkUnderLine);
            surface.setColor(colorFromBgr(quint32(w.WaterMarkColor)));
            DrawWatermark(w.WaterMarkText, surface, w.WaterMarkPos, in.screen.workArea, in.fields);
            p.drawImage(at, part);
            continue;
        }
        if (!picture.source) continue;
        const QImage monitor = ComposeWallpaper(*picture.source, in);
        if (monitor.isNull()) return QImage();
        p.drawImage(at, monitor);
    }
    return canvas;
}

bool WriteWallpaperBitmap(const QImage& canvas, const QString& path, QString* error) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "bmp");
        if (!writer.write(canvas)) {
            if (error) *error = writer.errorString();
            return false;
        }
    }
    return WriteFileAtomically(path, bytes, error);
}
