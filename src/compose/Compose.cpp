#include "compose/Compose.h"

#include "compose/ColorFilters.h"
#include "compose/JpegDecoder.h"
#include "compose/Layout.h"
#include "compose/Metafile.h"
#include "compose/PhotoDecoders.h"
#include "compose/Targa.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegion>
#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>

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
    // Looked for from the end, where it is: not through megabytes of scan.
    return QByteArrayView(d).lastIndexOf(QByteArrayView("\xFF\xD9", 2)) >= i;
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
    if (offBits > d.size()) return false;
    const qint64 available = d.size() - offBits;
    // Rows of `rowBytes` each, `rows` of them, compared without multiplying:
    // a damaged header may announce sizes whose product overflows.
    const auto rowsFit = [available](qint64 rowBytes, qint64 rows) {
        return rowBytes == 0 || rows <= available / rowBytes;
    };
    if (headerSize == 12) { // OS/2 header: 16-bit sizes, never compressed
        const qint64 w = quint16(uchar(d[18]) | (uchar(d[19]) << 8));
        const qint64 h = quint16(uchar(d[20]) | (uchar(d[21]) << 8));
        const qint64 bpp = quint16(uchar(d[24]) | (uchar(d[25]) << 8));
        return rowsFit(((w * bpp + 31) / 32) * 4, h);
    }
    if (headerSize >= 40 && d.size() >= 14 + 40) {
        const qint64 w = qint32(le32(d, 18));
        const qint64 h = qint32(le32(d, 22));
        const qint64 bpp = quint16(uchar(d[28]) | (uchar(d[29]) << 8));
        const quint32 compression = le32(d, 30);
        if (compression == 0 || compression == 3) // plain or bit fields
            return rowsFit(((std::abs(w) * bpp + 31) / 32) * 4, std::abs(h));
        return le32(d, 34) <= available; // compressed: the declared data size
    }
    return false;
}

// The decoders report damage inside the picture data (a scrambled JPEG scan,
// a broken PNG data stream) only as a warning, and may still hand back a
// picture that is grey or garbled where the data was bad. While it lives,
// this catches those warnings so such a file counts as a load failure.
//
// Decodes run on several threads at once, so the damage belongs to the
// decode on the thread that reports it: Qt's image plugins warn on the
// thread that decodes. One message handler, put in place with the first
// watch and kept for the life of the process, charges a damage warning to
// the watch of the calling thread and passes every other message on to the
// handler that was there before it.
class DecoderDamageWatch {
public:
    DecoderDamageWatch() : m_outer(t_active) {
        static std::once_flag installed;
        std::call_once(installed, [] {
            s_previous = qInstallMessageHandler(&onMessage);
            s_chained.store(true, std::memory_order_release);
        });
        t_active = this;
    }
    ~DecoderDamageWatch() { t_active = m_outer; }
    DecoderDamageWatch(const DecoderDamageWatch&) = delete;
    DecoderDamageWatch& operator=(const DecoderDamageWatch&) = delete;
    bool sawDamage() const { return m_damage; }

private:
    static bool isDamageReport(const QString& text) {
        return text.contains(QLatin1String("Corrupt JPEG data")) ||
               text.contains(QLatin1String("Premature end of JPEG")) ||
               text.startsWith(QLatin1String("libpng error"));
    }

    static void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (DecoderDamageWatch* self = t_active; self && isDamageReport(text)) {
            self->m_damage = true;
            return;
        }
        // Another thread may log in the instant between the handler going in
        // and the previous one being stored; it waits for that store.
        while (!s_chained.load(std::memory_order_acquire))
            std::this_thread::yield();
        if (s_previous) s_previous(type, context, text);
    }

    static inline thread_local DecoderDamageWatch* t_active = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
    static inline std::atomic<bool> s_chained{false};
    DecoderDamageWatch* m_outer; // a watch further out on the same thread
    bool m_damage = false;
};

QImage scaledTo(const QImage& image, QSize size) {
    if (image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

namespace {

bool readPictureFile(const QString& path, QByteArray& bytes, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QFile file(path);
    if (!file.exists())
        return fail(QCoreApplication::translate("Compose", "File not found: %1").arg(path));
    // Only regular files are pictures: opening a FIFO would block the program
    // and a device such as /dev/zero would be read without end.
    if (!QFileInfo(path).isFile())
        return fail(QCoreApplication::translate("Compose", "%1 is not a regular file.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("Compose", "Cannot open %1: %2")
                        .arg(path, file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(
            QCoreApplication::translate("Compose", "The file %1 is too large for a picture.")
                .arg(path));
    bytes = file.readAll();
    return true;
}

// The picture's upright size from its header, where that is cheap to know;
// invalid otherwise (the photo formats decoded whole anyway).
QSize probeNativeSize(const QByteArray& bytes) {
    if (IsHeifContent(bytes) || IsJxlContent(bytes) || IsTgaContent(bytes)) return QSize();
    if (IsMetafileContent(bytes)) {
        QSize size;
        QString ignored;
        return MetafileNativeSize(bytes, size, ignored) ? size : QSize();
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) size.transpose();
    if (reader.format() == "webp" && WebpExifOrientation(bytes) >= 5) size.transpose();
    return size;
}

} // namespace

bool LoadPicture(const QString& path, SourcePicture& out, QString* error, QSize drawSize,
                 const std::atomic<bool>* cancel) {
    QByteArray bytes;
    if (!readPictureFile(path, bytes, error)) return false;
    return LoadPictureFromBytes(bytes, path, out, error, drawSize, cancel);
}

bool LoadPictureFromBytes(const QByteArray& bytes, const QString& path, SourcePicture& out,
                          QString* error, QSize drawSize, const std::atomic<bool>* cancel) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    const auto failCancelled = [&] {
        return fail(QCoreApplication::translate("Compose", "Cancelled."));
    };
    if (cancelled()) return failCancelled();
    if (bytes.isEmpty())
        return fail(QCoreApplication::translate("Compose", "The file %1 is empty.").arg(path));
    auto tooLarge = [&](QSize size) {
        return fail(QCoreApplication::translate(
                        "Compose", "The picture %1 is too large to show: %2 x %3 pixels, over the "
                                   "limit of 64 million pixels.")
                        .arg(path)
                        .arg(size.width())
                        .arg(size.height()));
    };

    QImage image;
    QSize native;
    QString why;
    if (IsHeifContent(bytes) || IsJxlContent(bytes)) {
        // Decoded whole: neither library decodes a reduced size of the
        // primary picture.
        const bool heif = IsHeifContent(bytes);
        if (!(heif ? DecodeHeif(bytes, kMaxDecodedPixels, image, why)
                   : DecodeJxl(bytes, kMaxDecodedPixels, image, why)))
            return fail(
                QCoreApplication::translate("Compose", "Cannot load %1: %2").arg(path, why));
        native = image.size();
    } else if (IsMetafileContent(bytes)) {
        // A vector picture: drawn straight at the size it will be shown.
        if (!MetafileNativeSize(bytes, native, why))
            return fail(
                QCoreApplication::translate("Compose", "Cannot load %1: %2").arg(path, why));
        const QSize drawn = drawSize.isValid() && !drawSize.isEmpty() ? drawSize : native;
        if (drawn.width() > kMaxSide || drawn.height() > kMaxSide ||
            qint64(drawn.width()) * drawn.height() > kMaxDecodedPixels)
            return tooLarge(drawn);
        if (!RenderMetafile(bytes, drawn, image, why, cancel))
            return cancelled() ? failCancelled()
                               : fail(QCoreApplication::translate("Compose",
                                                                  "The metafile %1 is damaged: %2")
                                          .arg(path, why));
    } else if (IsTgaContent(bytes)) {
        // Decoded whole, by our own reader (see Targa.h for why not Qt's).
        if (!DecodeTga(bytes, kMaxDecodedPixels, image, why))
            return fail(
                QCoreApplication::translate("Compose", "Cannot load %1: %2").arg(path, why));
        native = image.size();
    } else {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer); // the format comes from the content
        // JPEG and TIFF pictures come upright by their orientation tag.
        reader.setAutoTransform(true);
        // A backstop for pictures whose header gives no size.
        reader.setAllocationLimit(kAllocationLimitMb);
        const QByteArray format = reader.format();
        if (format.isEmpty())
            return fail(
                QCoreApplication::translate("Compose", "%1 is not a picture in a known format.")
                    .arg(path));
        const QSize stored = reader.size();
        if (stored.isValid()) {
            if (stored.width() > kMaxSide || stored.height() > kMaxSide ||
                qint64(stored.width()) * stored.height() > kMaxPixels)
                return fail(QCoreApplication::translate(
                                "Compose", "The picture %1 is too large (%2 x %3 pixels).")
                                .arg(path)
                                .arg(stored.width())
                                .arg(stored.height()));
        }
        // A GIF ends with its trailer byte; the decoder shows a cut-off one
        // half drawn.
        if ((format == "jpeg" && !jpegIsComplete(bytes)) ||
            (format == "bmp" && !bmpIsComplete(bytes)) || (format == "gif" && !bytes.endsWith(';')))
            return fail(
                QCoreApplication::translate("Compose", "The picture %1 is damaged or incomplete.")
                    .arg(path));
        // Qt's WebP reader leaves the orientation tag to its caller.
        const int webpOrientation = format == "webp" ? WebpExifOrientation(bytes) : 1;
        const bool quarterTurn =
            (reader.transformation() & QImageIOHandler::TransformationRotate90) ||
            webpOrientation >= 5;

        const QSize drawStored = quarterTurn ? drawSize.transposed() : drawSize;
        const auto damagedFile = [&] {
            return fail(
                QCoreApplication::translate("Compose", "The picture %1 is damaged or incomplete.")
                    .arg(path));
        };
        // JPEG photographs, the usual case, go through libjpeg-turbo directly:
        // reduced inside the decoder when they will be drawn smaller, and
        // straight into the canvas's pixel format.
        JpegDecode jpeg = JpegDecode::NotHandled;
        if (format == "jpeg") {
            jpeg = DecodeJpeg(bytes, drawStored, kMaxDecodedPixels, image, why, cancel);
            if (jpeg == JpegDecode::Cancelled) return failCancelled();
            if (jpeg == JpegDecode::TooLarge) return tooLarge(stored);
            if (jpeg == JpegDecode::Damaged) return damagedFile();
            if (jpeg == JpegDecode::Failed)
                return fail(
                    QCoreApplication::translate("Compose", "Cannot load %1: %2").arg(path, why));
            if (jpeg == JpegDecode::Done)
                image = ApplyExifOrientation(image, ExifOrientationOf(reader.transformation()));
        }
        if (jpeg != JpegDecode::Done) {
            // A JPEG or WebP picture that will be drawn smaller is decoded at
            // a reduced scale straight away, which costs a fraction of
            // decoding it whole. (Other decoders would decode it whole
            // first.) The scale applies before the picture is turned.
            QSize decoded = stored;
            if ((format == "jpeg" || format == "webp") && stored.isValid() &&
                drawStored.isValid() && drawStored.width() < stored.width() &&
                drawStored.height() < stored.height() &&
                reader.supportsOption(QImageIOHandler::ScaledSize)) {
                reader.setScaledSize(drawStored);
                decoded = drawStored;
            }
            if (decoded.isValid() && qint64(decoded.width()) * decoded.height() > kMaxDecodedPixels)
                return tooLarge(stored);
            if (cancelled()) return failCancelled();
            bool damaged = false;
            {
                DecoderDamageWatch watch;
                image = reader.read();
                damaged = watch.sawDamage();
            }
            if (image.isNull())
                return fail(QCoreApplication::translate("Compose", "Cannot load %1: %2")
                                .arg(path, reader.errorString()));
            if (damaged) return damagedFile();
        }
        if (webpOrientation != 1) image = ApplyExifOrientation(image, webpOrientation);
        native = stored.isValid() ? (quarterTurn ? stored.transposed() : stored) : image.size();
    }
    if (native.isEmpty() || qint64(native.width()) * native.height() > kMaxPixels)
        return fail(
            QCoreApplication::translate("Compose", "The picture %1 has no usable size.").arg(path));
    // Decoded; the colour conversion of a large picture still takes a while.
    if (cancelled()) return failCancelled();
    // Everything after the loader works in sRGB: a picture with its own
    // colour profile (Display P3, Adobe RGB, …) is converted here.
    const QColorSpace space = image.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        if (image.format() == QImage::Format_Indexed8 || image.depth() < 8)
            image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
        image.convertToColorSpace(QColorSpace::SRgb);
    }
    out.image = std::move(image);
    out.nativeSize = native;
    return true;
}

bool LoadPictureFor(const QString& path, PositionMode position, QSize screen, SourcePicture& out,
                    QString* error, const std::atomic<bool>* cancel) {
    QByteArray bytes;
    if (!readPictureFile(path, bytes, error)) return false;
    // The draw size needs the native size: a first look at the header.
    QSize drawSize;
    WallpaperLayout layout;
    if (ComputeWallpaperLayout(probeNativeSize(bytes), position, screen, layout) && !layout.tile)
        drawSize = QSize(int(std::ceil(layout.width)), int(std::ceil(layout.height)));
    return LoadPictureFromBytes(bytes, path, out, error, drawSize, cancel);
}

namespace {

// A view of `rect` of `canvas`: drawing on it draws on the canvas.
QImage viewOf(QImage& canvas, const QRect& rect) {
    uchar* bits = canvas.bits() + qsizetype(rect.y()) * canvas.bytesPerLine() +
                  qsizetype(rect.x()) * (canvas.depth() / 8);
    return QImage(bits, rect.width(), rect.height(), canvas.bytesPerLine(), canvas.format());
}

// A canvas of `size` and `format`: `reuse` itself when it has them and no
// one else holds its pixels, which saves allocating and touching a fresh one.
QImage canvasOf(QSize size, QImage::Format format, QImage reuse) {
    if (reuse.size() == size && reuse.format() == format && reuse.isDetached()) return reuse;
    reuse = QImage();
    return QImage(size, format);
}

void drawWatermarkOn(QImage& target, const ScreenInfo& screen, const WatermarkSettings& w,
                     const WatermarkFields& fields) {
    if (!w.WaterMarkVisible) return;
    WatermarkSurface surface(target, screen.dpi);
    surface.setFont(w.WaterMarkFont, w.WaterMarkSize, w.WaterMarkBold, w.WaterMarkItalic,
                    w.WaterMarkUnderLine);
    surface.setColor(colorFromBgr(quint32(w.WaterMarkColor)));
    DrawWatermark(w.WaterMarkText, surface, w.WaterMarkPos, screen.workArea, fields);
}

// Lays the picture out on `target` (of the screen's size): the desktop colour
// where the picture does not cover it, the picture with its filters. False
// when the picture has no layout.
bool composeInto(QImage& target, const SourcePicture& source, const CompositionInputs& in) {
    if (source.isNull()) return false;
    WallpaperLayout layout;
    if (!ComputeWallpaperLayout(source.nativeSize, in.position, in.screen.size, layout))
        return false;
    const QColor background = colorFromBgr(in.desktopColor);
    const QRect canvasRect = target.rect();
    QPainter p(&target);
    // The filters run on the part of the picture that shows, at the size it
    // is drawn: never on a full-size copy of a large source, and never on the
    // source itself, which stays as it was for the next composition.
    if (layout.tile) {
        p.fillRect(canvasRect, background);
        // Unscaled copies, each column top to bottom, columns left to right;
        // no copy shows more than the canvas holds.
        const QImage tile = scaledTo(source.image, source.nativeSize);
        const int w = tile.width(), h = tile.height();
        const QImage shown = ApplyColorFilters(
            tile.copy(QRect(0, 0, std::min(w, target.width()), std::min(h, target.height()))),
            in.filters);
        for (int x = 0; x < target.width(); x += w)
            for (int y = 0; y < target.height(); y += h)
                p.drawImage(QPoint(x, y), shown);
        return true;
    }
    // Smooth resampling once to whole pixels, then a plain copy; a picture
    // larger than the canvas is cropped equally on both sides.
    const QSize size(std::max(1, int(std::lround(layout.width))),
                     std::max(1, int(std::lround(layout.height))));
    const int x = int(std::floor((target.width() - size.width()) / 2.0));
    const int y = int(std::floor((target.height() - size.height()) / 2.0));
    const QRect visible = QRect(QPoint(x, y), size) & canvasRect;
    QImage drawn = scaledTo(source.image, size);
    if (visible.size() != size) drawn = drawn.copy(visible.translated(-x, -y));
    drawn = ApplyColorFilters(std::move(drawn), in.filters);
    // The desktop colour goes only where the picture leaves the canvas
    // uncovered, unless the picture lets it through.
    if (drawn.hasAlphaChannel()) {
        p.fillRect(canvasRect, background);
    } else {
        for (const QRect& r : QRegion(canvasRect).subtracted(QRegion(visible)))
            p.fillRect(r, background);
    }
    p.drawImage(visible.topLeft(), drawn);
    return true;
}

} // namespace

QImage ComposeWallpaper(const SourcePicture& source, const CompositionInputs& in) {
    if (source.isNull() || in.screen.size.isEmpty()) return QImage();
    QImage canvas(in.screen.size, QImage::Format_RGB32);
    if (canvas.isNull() || !composeInto(canvas, source, in)) return QImage();
    drawWatermarkOn(canvas, in.screen, in.watermark, in.fields);
    return canvas;
}

QImage ComposeDesktopPictures(const ScreenLayout& layout, MonitorSharing mode,
                              const QList<MonitorPicture>& pictures,
                              const CompositionInputs& common, QImage reuse,
                              QImage::Format format) {
    if (layout.monitors.isEmpty() || pictures.isEmpty() || !pictures[0].source) return QImage();
    if (mode == MonitorSharing::Primary) {
        CompositionInputs in = common;
        in.screen = layout.primary().asScreen();
        QImage canvas = canvasOf(in.screen.size, format, std::move(reuse));
        if (canvas.isNull() || !composeInto(canvas, *pictures[0].source, in)) return QImage();
        return canvas;
    }
    const QRect bounds = layout.bounds();
    QImage canvas = canvasOf(bounds.size(), format, std::move(reuse));
    if (canvas.isNull()) return QImage();
    if (mode == MonitorSharing::Span) {
        CompositionInputs in = common;
        in.screen = {bounds.size(), layout.primary().workArea.translated(-bounds.topLeft()),
                     layout.primary().dpi};
        if (!composeInto(canvas, *pictures[0].source, in)) return QImage();
        return canvas;
    }
    // The gaps between monitors of different sizes show the desktop colour.
    if (layout.monitors.size() > 1) canvas.fill(colorFromBgr(common.desktopColor));
    for (qsizetype i = 0; i < layout.monitors.size(); ++i) {
        const MonitorInfo& m = layout.monitors[i];
        const MonitorPicture& picture =
            mode == MonitorSharing::Different ? pictures[i % pictures.size()] : pictures[0];
        if (!picture.source) continue;
        CompositionInputs in = common;
        in.screen = m.asScreen();
        QImage monitor = viewOf(canvas, m.geometry.translated(-bounds.topLeft()));
        if (!composeInto(monitor, *picture.source, in)) return QImage();
    }
    return canvas;
}

void DrawDesktopWatermarks(QImage& canvas, const ScreenLayout& layout, MonitorSharing mode,
                           const QList<WatermarkFields>& fields, const CompositionInputs& common) {
    if (!common.watermark.WaterMarkVisible || canvas.isNull() || layout.monitors.isEmpty()) return;
    if (mode == MonitorSharing::Primary) {
        drawWatermarkOn(canvas, layout.primary().asScreen(), common.watermark, fields.value(0));
        return;
    }
    const QRect bounds = layout.bounds();
    for (qsizetype i = 0; i < layout.monitors.size(); ++i) {
        const MonitorInfo& m = layout.monitors[i];
        const qsizetype k =
            mode == MonitorSharing::Different && !fields.isEmpty() ? i % fields.size() : 0;
        QImage monitor = viewOf(canvas, m.geometry.translated(-bounds.topLeft()));
        drawWatermarkOn(monitor, m.asScreen(), common.watermark, fields.value(k));
    }
}

QImage ComposeDesktop(const ScreenLayout& layout, MonitorSharing mode,
                      const QList<MonitorPicture>& pictures, const CompositionInputs& common) {
    QImage canvas = ComposeDesktopPictures(layout, mode, pictures, common);
    QList<WatermarkFields> fields;
    for (const MonitorPicture& picture : pictures)
        fields.append(picture.fields);
    DrawDesktopWatermarks(canvas, layout, mode, fields, common);
    return canvas;
}

namespace {

void putLe16(uchar* p, quint16 v) {
    p[0] = uchar(v), p[1] = uchar(v >> 8);
}

void putLe32(uchar* p, quint32 v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uchar(v >> (8 * i));
}

// The canvas as a 24-bit Windows bitmap (rows from the bottom up, each padded
// to four bytes), written in slices of rows rather than built in memory whole.
bool writeBmp(const QImage& canvas, QIODevice& out) {
    // BGR888 rows are the bitmap's own; other formats go through RGB32.
    const bool bgr = canvas.format() == QImage::Format_BGR888;
    const QImage image =
        bgr || canvas.format() == QImage::Format_RGB32 || canvas.format() == QImage::Format_ARGB32
            ? canvas
            : canvas.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const qint64 rowBytes = (qint64(w) * 3 + 3) & ~qint64(3);
    const qint64 dataBytes = rowBytes * h;
    if (image.isNull() || 54 + dataBytes > 0xFFFFFFFFLL) return false;
    uchar header[54] = {'B', 'M'};
    putLe32(header + 2, quint32(54 + dataBytes));
    putLe32(header + 10, 54);
    putLe32(header + 14, 40);
    putLe32(header + 18, quint32(w));
    putLe32(header + 22, quint32(h));
    putLe16(header + 26, 1);
    putLe16(header + 28, 24);
    putLe32(header + 34, quint32(dataBytes));
    putLe32(header + 38, quint32(std::max(0, image.dotsPerMeterX())));
    putLe32(header + 42, quint32(std::max(0, image.dotsPerMeterY())));
    if (out.write(reinterpret_cast<const char*>(header), 54) != 54) return false;
    const int rowsPerSlice = int(std::max<qint64>(1, (1 << 20) / rowBytes));
    QByteArray slice(qsizetype(rowBytes) * rowsPerSlice, '\0');
    for (int y = h - 1; y >= 0;) {
        const int n = std::min(rowsPerSlice, y + 1);
        for (int k = 0; k < n; ++k, --y) {
            auto* dst = reinterpret_cast<uchar*>(slice.data()) + qsizetype(k) * rowBytes;
            if (bgr) {
                std::memcpy(dst, image.constScanLine(y), size_t(w) * 3);
                continue;
            }
            const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x, dst += 3) {
                const QRgb px = src[x];
                dst[0] = uchar(px), dst[1] = uchar(px >> 8), dst[2] = uchar(px >> 16);
            }
        }
        const qint64 bytes = rowBytes * n;
        if (out.write(slice.constData(), bytes) != bytes) return false;
    }
    return true;
}

} // namespace

bool WriteWallpaperBitmap(const QImage& canvas, const QString& path, QString* error) {
    if (canvas.isNull()) {
        if (error) *error = QCoreApplication::translate("Compose", "There is no picture to write.");
        return false;
    }
    // Not pushed to the disk: the next change writes it again, and readers
    // only ever see a whole bitmap because it is renamed into place.
    return WriteFileAtomically(
        path, [&](QIODevice& out) { return writeBmp(canvas, out); }, error, false);
}
