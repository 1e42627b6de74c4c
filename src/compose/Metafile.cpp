#include "compose/Metafile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr int kMaxSavedStates = 1000;
constexpr int kMaxClipRects = 10000;
constexpr qint64 kMaxBitmapPixels = 64'000'000;
// Smooth triangles are coloured pixel by pixel; past this many pixels per
// target pixel over the whole file they are filled with their mean colour.
constexpr qint64 kGradientPixelsPerTargetPixel = 32;

// A record's bytes, every read checked against its end. A read past the end
// marks the record as malformed and gives 0.
class Reader {
public:
    Reader(const char* data, qsizetype size) : m_data(data), m_size(size) {}
    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }
    qsizetype size() const { return m_size; }
    bool has(qsizetype at, qsizetype n) {
        if (at < 0 || n < 0 || at + n > m_size) return m_ok = false;
        return true;
    }
    quint8 u8(qsizetype at) { return has(at, 1) ? quint8(m_data[at]) : 0; }
    quint16 u16(qsizetype at) {
        return has(at, 2) ? quint16(quint8(m_data[at]) | (quint8(m_data[at + 1]) << 8)) : 0;
    }
    qint16 i16(qsizetype at) { return qint16(u16(at)); }
    quint32 u32(qsizetype at) {
        return has(at, 4) ? quint32(u16(at)) | (quint32(u16(at + 2)) << 16) : 0;
    }
    qint32 i32(qsizetype at) { return qint32(u32(at)); }
    float f32(qsizetype at) {
        const quint32 v = u32(at);
        float f;
        std::memcpy(&f, &v, 4);
        return std::isfinite(f) ? f : 0.0f;
    }
    QByteArray bytes(qsizetype at, qsizetype n) {
        return has(at, n) ? QByteArray(m_data + at, n) : QByteArray();
    }

private:
    const char* m_data;
    qsizetype m_size;
    bool m_ok = true;
};

QColor colorRef(quint32 c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// A device-independent bitmap (header, colour table, pixels) as a picture,
// through Qt's bitmap reader with a file header put in front.
QImage decodeDib(const QByteArray& header, const QByteArray& bits) {
    if (header.size() < 12) return QImage();
    Reader r(header.constData(), header.size());
    const quint32 headerSize = r.u32(0);
    if (headerSize < 12 || headerSize > quint32(header.size())) return QImage();
    qint64 w, h;
    int bpp;
    if (headerSize == 12) {
        w = r.u16(4), h = r.u16(6), bpp = r.u16(10);
    } else {
        if (header.size() < 40) return QImage();
        w = r.i32(4), h = std::abs(qint64(r.i32(8))), bpp = r.u16(14);
    }
    if (w <= 0 || h <= 0 || w * h > kMaxBitmapPixels) return QImage();
    QByteArray file("BM");
    const quint32 fileSize = quint32(14 + header.size() + bits.size());
    const quint32 offBits = quint32(14 + header.size());
    auto put32 = [&file](quint32 v) {
        for (int k = 0; k < 4; ++k)
            file.append(char((v >> (8 * k)) & 0xFF));
    };
    put32(fileSize);
    put32(0);
    put32(offBits);
    file += header;
    file += bits;
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(300);
    Q_UNUSED(bpp);
    return reader.read();
}

// The size of a packed DIB's header and colour table (WMF keeps the pixels
// right after them).
qsizetype dibHeaderBytes(Reader& r, qsizetype at) {
    const quint32 headerSize = r.u32(at);
    if (!r.ok() || headerSize < 12 || headerSize > 1024) return -1;
    if (headerSize == 12) {
        const int bpp = r.u16(at + 10);
        return 12 + (bpp <= 8 ? (qsizetype(1) << bpp) * 3 : 0);
    }
    const int bpp = r.u16(at + 14);
    const quint32 compression = r.u32(at + 16);
    quint32 used = r.u32(at + 32);
    if (!r.ok()) return -1;
    qsizetype table = 0;
    if (bpp <= 8)
        table = used && used <= 256 ? used : (qsizetype(1) << bpp);
    else if (used <= 65536)
        table = used;
    qsizetype extra = (headerSize == 40 && compression == 3) ? 12 : 0;
    return headerSize + table * 4 + extra;
}

struct FontSpec {
    int height = 12, escapement = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};
// One entry of the object table; a palette only takes its slot. A region
// (WMF) is kept in logical units.
struct GdiObject {
    enum Kind { Pen, Brush, Font, Palette, Region } kind = Palette;
    QPen pen;
    QBrush brush;
    FontSpec font;
    QRegion region;
    GdiObject() = default;
    GdiObject(const QPen& p) : kind(Pen), pen(p) {}
    GdiObject(const QBrush& b) : kind(Brush), brush(b) {}
    GdiObject(const FontSpec& f) : kind(Font), font(f) {}
    GdiObject(const QRegion& r) : kind(Region), region(r) {}
};

// A gradient's corner: where it is and its colour.
struct Vertex {
    QPointF at;
    QColor color;
};

// The union of many rectangles, merged pairwise so that the cost grows with
// n log n rather than n squared.
QRegion unite(std::vector<QRegion> parts) {
    if (parts.empty()) return QRegion();
    while (parts.size() > 1) {
        std::vector<QRegion> next;
        next.reserve(parts.size() / 2 + 1);
        for (size_t k = 0; k + 1 < parts.size(); k += 2)
            next.push_back(parts[k].united(parts[k + 1]));
        if (parts.size() % 2) next.push_back(parts.back());
        parts = std::move(next);
    }
    return parts.front();
}

struct DcState {
    QPen pen{Qt::black, 0};
    QBrush brush{Qt::white};
    FontSpec font;
    QColor textColor = Qt::black, bkColor = Qt::white;
    bool opaqueBk = true;
    int textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int mapMode = 1;
    QPointF winOrg, vpOrg;
    QSizeF winExt{1, 1}, vpExt{1, 1};
    QTransform world;
    QPointF current;
    QPainter::CompositionMode blend = QPainter::CompositionMode_SourceOver;
    bool arcClockwise = false;
};

class Player {
public:
    Player(QPainter& p, const QTransform& deviceToTarget, QSize target, bool enhanced)
        : m_p(p), m_deviceToTarget(deviceToTarget), m_target(target), m_enhanced(enhanced) {
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setRenderHint(QPainter::SmoothPixmapTransform);
        m_gradientBudget = kGradientPixelsPerTargetPixel * target.width() * target.height();
        apply();
    }

    DcState s;
    std::vector<std::optional<GdiObject>> objects;
    QPainterPath path;
    bool recordingPath = false;
    double devicePixelsPerMm = 96 / 25.4;
    const std::atomic<bool>* cancel = nullptr; // stops the playing when set

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }

    // Logical → device → target.
    QTransform transform() const {
        double sx = 1, sy = 1;
        switch (s.mapMode) {
        case 2:
            sx = 0.1 * devicePixelsPerMm, sy = -sx;
            break;
        case 3:
            sx = 0.01 * devicePixelsPerMm, sy = -sx;
            break;
        case 4:
            sx = 0.254 * devicePixelsPerMm, sy = -sx;
            break;
        case 5:
            sx = 0.0254 * devicePixelsPerMm, sy = -sx;
            break;
        case 6:
            sx = 25.4 / 1440 * devicePixelsPerMm, sy = -sx;
            break;
        case 7:
        case 8:
            if (s.winExt.width() != 0 && s.winExt.height() != 0) {
                sx = s.vpExt.width() / s.winExt.width();
                sy = s.vpExt.height() / s.winExt.height();
                if (s.mapMode == 7) {
                    const double m = std::min(std::abs(sx), std::abs(sy));
                    sx = std::copysign(m, sx), sy = std::copysign(m, sy);
                }
            }
            break;
        default:
            break;
        }
        const QTransform map = QTransform::fromTranslate(-s.winOrg.x(), -s.winOrg.y()) *
                               QTransform::fromScale(sx, sy) *
                               QTransform::fromTranslate(s.vpOrg.x(), s.vpOrg.y());
        return s.world * map * m_deviceToTarget;
    }

    void apply() {
        m_p.setTransform(transform());
        m_p.setPen(s.pen);
        m_p.setBrush(s.brush);
        m_p.setBackground(s.bkColor);
        m_p.setBackgroundMode(s.opaqueBk ? Qt::OpaqueMode : Qt::TransparentMode);
        m_p.setCompositionMode(s.blend);
    }

    void addObject(GdiObject o) { // WMF: the lowest free slot
        for (auto& slot : objects)
            if (!slot) {
                slot = std::move(o);
                return;
            }
    }
    void setObject(quint32 index, GdiObject o) { // EMF: the slot the record names
        if (index < objects.size()) objects[index] = std::move(o);
    }
    void select(quint32 index) {
        if (m_enhanced && (index & 0x80000000u)) {
            selectStock(index & 0x7FFFFFFFu);
        } else if (index < objects.size() && objects[index]) {
            const GdiObject& o = *objects[index];
            if (o.kind == GdiObject::Pen) s.pen = o.pen;
            if (o.kind == GdiObject::Brush) s.brush = o.brush;
            if (o.kind == GdiObject::Font) s.font = o.font;
        }
        apply();
    }
    void selectStock(quint32 n) {
        static const QColor greys[] = {Qt::white, QColor(192, 192, 192), QColor(128, 128, 128),
                                       QColor(64, 64, 64), Qt::black};
        if (n <= 4)
            s.brush = QBrush(greys[n]);
        else if (n == 5)
            s.brush = Qt::NoBrush;
        else if (n == 6)
            s.pen = QPen(Qt::white, 0);
        else if (n == 7)
            s.pen = QPen(Qt::black, 0);
        else if (n == 8)
            s.pen = Qt::NoPen;
        else if (n >= 10 && n <= 17)
            s.font = FontSpec();
    }
    // The brush an object-table index names (EMF: a stock object too).
    QBrush brushAt(quint32 index) const {
        static const QColor greys[] = {Qt::white, QColor(192, 192, 192), QColor(128, 128, 128),
                                       QColor(64, 64, 64), Qt::black};
        if (m_enhanced && (index & 0x80000000u)) {
            const quint32 n = index & 0x7FFFFFFFu;
            return n <= 4 ? QBrush(greys[n]) : QBrush(Qt::NoBrush);
        }
        if (index < objects.size() && objects[index] && objects[index]->kind == GdiObject::Brush)
            return objects[index]->brush;
        return QBrush(Qt::NoBrush);
    }
    // The region object at a WMF index, or none.
    const QRegion* regionAt(quint32 index) const {
        if (index < objects.size() && objects[index] && objects[index]->kind == GdiObject::Region)
            return &objects[index]->region;
        return nullptr;
    }
    void remove(quint32 index) {
        if (index < objects.size()) objects[index].reset();
    }

    void save() {
        if (m_saved.size() >= kMaxSavedStates) return;
        m_saved.push_back(s);
        m_p.save();
    }
    void restore(int relative) {
        // In 64 bits: the file's number may be the most negative one.
        qint64 n = relative < 0 ? -qint64(relative) : qint64(m_saved.size()) - relative + 1;
        while (n-- > 0 && !m_saved.empty()) {
            s = m_saved.back();
            m_saved.pop_back();
            m_p.restore();
        }
        apply();
    }

    // A shape: into the path while one is being recorded, else drawn.
    void draw(const QPainterPath& shape, bool fill = true) {
        if (recordingPath) {
            path.addPath(shape);
            return;
        }
        QPainterPath filled = shape;
        filled.setFillRule(s.fillRule);
        if (fill)
            m_p.drawPath(filled);
        else
            m_p.strokePath(shape, m_p.pen());
    }
    void polyline(const QPolygonF& points, bool fromCurrent) {
        if (points.isEmpty()) return;
        QPainterPath shape;
        if (fromCurrent) {
            shape.moveTo(s.current);
            for (const QPointF& pt : points)
                shape.lineTo(pt);
        } else {
            shape.addPolygon(points);
        }
        s.current = points.last();
        if (recordingPath)
            path.connectPath(shape);
        else
            draw(shape, false);
    }
    void beziers(const QPolygonF& points, bool fromCurrent) {
        QPainterPath shape;
        qsizetype i = 0;
        if (fromCurrent) {
            shape.moveTo(s.current);
        } else {
            if (points.isEmpty()) return;
            shape.moveTo(points[0]);
            i = 1;
        }
        for (; i + 2 < points.size(); i += 3)
            shape.cubicTo(points[i], points[i + 1], points[i + 2]);
        s.current = shape.currentPosition();
        if (recordingPath)
            path.connectPath(shape);
        else
            draw(shape, false);
    }
    void lineTo(QPointF pt) {
        if (recordingPath) {
            if (path.elementCount() == 0) path.moveTo(s.current);
            path.lineTo(pt);
        } else {
            m_p.drawLine(s.current, pt);
        }
        s.current = pt;
    }
    void moveTo(QPointF pt) {
        s.current = pt;
        if (recordingPath) path.moveTo(pt);
    }

    // Arcs, chords and pies: from the start radial to the end radial in the
    // arc direction (counter-clockwise unless set otherwise); the same radial
    // twice is the whole ellipse. An arc-to also draws the line from the
    // current position to the arc's start and moves the position to its end.
    enum ArcKind { Arc, Chord, Pie, ArcTo };
    void arc(QRectF box, QPointF start, QPointF end, ArcKind kind) {
        box = box.normalized();
        if (box.isEmpty()) return;
        const QPointF c = box.center();
        auto angle = [&](QPointF p) {
            return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) *
                   180 / M_PI;
        };
        const double a0 = angle(start);
        double span = angle(end) - a0;
        if (s.arcClockwise) {
            while (span >= 0)
                span -= 360;
        } else {
            while (span <= 0)
                span += 360;
        }
        QPainterPath shape;
        if (kind == ArcTo) {
            shape.moveTo(s.current);
            shape.arcTo(box, a0, span);
            s.current = shape.currentPosition();
            if (recordingPath)
                path.connectPath(shape);
            else
                draw(shape, false);
            return;
        }
        if (kind == Pie) {
            shape.moveTo(c);
            shape.arcTo(box, a0, span);
            shape.closeSubpath();
        } else {
            shape.arcMoveTo(box, a0);
            shape.arcTo(box, a0, span);
            if (kind == Chord) shape.closeSubpath();
        }
        draw(shape, kind != Arc);
    }

    // Gradient fills. A rectangle runs from one colour to the other across
    // (or down) it; a triangle blends its corners' colours linearly.
    void gradientRect(const Vertex& a, const Vertex& b, bool vertical) {
        const QRectF rect = QRectF(a.at, b.at).normalized();
        if (rect.isEmpty()) return;
        QLinearGradient g(a.at,
                          vertical ? QPointF(a.at.x(), b.at.y()) : QPointF(b.at.x(), a.at.y()));
        g.setColorAt(0, a.color);
        g.setColorAt(1, b.color);
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.fillRect(rect, g);
        m_p.restore();
    }
    void gradientTriangle(const Vertex (&v)[3]) {
        const QTransform t = transform();
        const QPointF q[3] = {t.map(v[0].at), t.map(v[1].at), t.map(v[2].at)};
        const double det = (q[1].x() - q[0].x()) * (q[2].y() - q[0].y()) -
                           (q[2].x() - q[0].x()) * (q[1].y() - q[0].y());
        if (!std::isfinite(det) || std::abs(det) < 1e-9) return;
        const QRect box = QPolygonF({q[0], q[1], q[2]}).boundingRect().toAlignedRect() &
                          QRect(QPoint(0, 0), m_target);
        if (box.isEmpty()) return;
        const qint64 area = qint64(box.width()) * box.height();
        if (area > m_gradientBudget) {
            // Past the budget: the mean colour, at the cost of a plain fill.
            QPainterPath shape;
            shape.addPolygon(QPolygonF({v[0].at, v[1].at, v[2].at}));
            int rgb[3] = {0, 0, 0};
            for (const Vertex& x : v)
                rgb[0] += x.color.red(), rgb[1] += x.color.green(), rgb[2] += x.color.blue();
            m_p.fillPath(shape, QColor(rgb[0] / 3, rgb[1] / 3, rgb[2] / 3));
            return;
        }
        m_gradientBudget -= area;
        QImage pixels(box.size(), QImage::Format_ARGB32_Premultiplied);
        pixels.fill(Qt::transparent);
        for (int y = 0; y < box.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            const double py = box.top() + y + 0.5;
            for (int x = 0; x < box.width(); ++x) {
                const double px = box.left() + x + 0.5;
                // Barycentric weights of the pixel's centre.
                const double w1 = ((px - q[0].x()) * (q[2].y() - q[0].y()) -
                                   (q[2].x() - q[0].x()) * (py - q[0].y())) /
                                  det;
                const double w2 = ((q[1].x() - q[0].x()) * (py - q[0].y()) -
                                   (px - q[0].x()) * (q[1].y() - q[0].y())) /
                                  det;
                const double w0 = 1 - w1 - w2;
                if (w0 < -1e-9 || w1 < -1e-9 || w2 < -1e-9) continue;
                auto mix = [&](int (QColor::*channel)() const) {
                    const double c = w0 * (v[0].color.*channel)() + w1 * (v[1].color.*channel)() +
                                     w2 * (v[2].color.*channel)();
                    return std::clamp(int(std::lround(c)), 0, 255);
                };
                line[x] = qRgb(mix(&QColor::red), mix(&QColor::green), mix(&QColor::blue));
            }
        }
        m_p.save();
        m_p.resetTransform();
        m_p.drawImage(box.topLeft(), pixels);
        m_p.restore();
    }

    // A bitmap drawn over what is there, its own alpha (premultiplied) and a
    // constant opacity applied.
    void alphaBlend(const QImage& image, QRectF dest, QRect src, double opacity) {
        if (image.isNull()) return;
        m_p.save();
        m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_p.setOpacity(opacity);
        m_p.drawImage(dest.normalized(), image, src.isValid() ? src : image.rect());
        m_p.restore();
    }

    // Region painting; the region is in logical units.
    void fillRegion(const QRegion& region, const QBrush& brush) {
        QPainterPath shape;
        shape.addRegion(region);
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.fillPath(shape, brush);
        m_p.restore();
    }
    // The region's border, `w` wide at its left and right edges and `h` high
    // at its top and bottom edges.
    void frameRegion(const QRegion& region, const QBrush& brush, int w, int h) {
        w = std::abs(w), h = std::abs(h);
        const QRegion inner = region.intersected(region.translated(w, 0))
                                  .intersected(region.translated(-w, 0))
                                  .intersected(region.translated(0, h))
                                  .intersected(region.translated(0, -h));
        fillRegion(region.subtracted(inner), brush);
    }
    void invertRegion(const QRegion& region) {
        m_p.save();
        m_p.setCompositionMode(QPainter::RasterOp_NotDestination);
        fillRegion(region, Qt::black);
        m_p.restore();
    }

    void text(QPointF at, const QString& str, const QRectF* opaqueRect) {
        if (opaqueRect) {
            m_p.fillRect(opaqueRect->normalized(), s.bkColor);
        }
        if (str.isEmpty()) return;
        const bool updateCp = s.textAlign & 1;
        if (updateCp) at = s.current;
        // Text is set upright in target pixels, whatever way the mapping
        // turns the y axis.
        const QTransform t = transform();
        const QPointF origin = t.map(at);
        const double scale = std::hypot(t.m12(), t.m22());
        double px = std::abs(s.font.height) * scale;
        if (s.font.height > 0) px *= 0.8; // cell height: leave the internal leading out
        if (s.font.height == 0) px = 12 * scale;
        px = std::clamp(px, 1.0, 4.0 * std::max(m_target.width(), m_target.height()));
        QFont font(s.font.face.isEmpty() ? QStringLiteral("Sans Serif") : s.font.face);
        font.setPixelSize(std::max(1, int(std::lround(px))));
        font.setWeight(QFont::Weight(std::clamp(s.font.weight / 10 * 10, 100, 900)));
        font.setItalic(s.font.italic);
        font.setUnderline(s.font.underline);
        font.setStrikeOut(s.font.strikeOut);
        const QFontMetricsF fm(font);
        const double width = fm.horizontalAdvance(str);
        double dx = 0, dy = fm.ascent();
        if ((s.textAlign & 6) == 6)
            dx = -width / 2;
        else if (s.textAlign & 2)
            dx = -width;
        if ((s.textAlign & 24) == 24)
            dy = 0;
        else if (s.textAlign & 8)
            dy = -fm.descent();
        m_p.save();
        m_p.resetTransform();
        m_p.translate(origin);
        m_p.rotate(-s.font.escapement / 10.0);
        m_p.setFont(font);
        m_p.setPen(s.textColor);
        m_p.setBackgroundMode(Qt::TransparentMode);
        if (s.opaqueBk) m_p.fillRect(QRectF(dx, dy - fm.ascent(), width, fm.height()), s.bkColor);
        m_p.drawText(QPointF(dx, dy), str);
        m_p.restore();
        if (updateCp) s.current = transform().inverted().map(origin + QPointF(width, 0));
    }

    void bitmap(const QImage& image, QRectF dest, QRect src, quint32 rop) {
        if (image.isNull()) return;
        if (!src.isValid()) src = image.rect();
        QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
        switch (rop) {
        case 0x8800C6:
            mode = QPainter::RasterOp_SourceAndDestination;
            break; // SRCAND
        case 0xEE0086:
            mode = QPainter::RasterOp_SourceOrDestination;
            break; // SRCPAINT
        case 0x660046:
            mode = QPainter::RasterOp_SourceXorDestination;
            break; // SRCINVERT
        default:
            break;
        }
        m_p.setCompositionMode(mode);
        m_p.drawImage(dest.normalized(), image.convertToFormat(QImage::Format_RGB32), src);
        m_p.setCompositionMode(s.blend);
    }
    void patternBlt(QRectF dest, quint32 rop) {
        if (rop == 0x42)
            m_p.fillRect(dest.normalized(), Qt::black); // BLACKNESS
        else if (rop == 0xFF0062)
            m_p.fillRect(dest.normalized(), Qt::white); // WHITENESS
        else
            m_p.fillRect(dest.normalized(), s.brush);
    }

    void clip(const QPainterPath& shape, Qt::ClipOperation op) { m_p.setClipPath(shape, op); }
    void excludeClip(const QRectF& rect) {
        QPainterPath all;
        const QRectF everything = transform().inverted().mapRect(QRectF(QPointF(0, 0), m_target));
        all.addRect(everything.united(rect.normalized()).adjusted(-1, -1, 1, 1));
        QPainterPath cut;
        cut.addRect(rect.normalized());
        m_p.setClipPath(all.subtracted(cut), Qt::IntersectClip);
    }
    // A region given in device units, combined with the clip as it is:
    // 1 intersection, 2 union, 3 either but not both, 4 the clip less the
    // region, 5 the region alone (none: no clip).
    void clipDeviceRegion(const QRegion& region, int mode) {
        m_p.setTransform(m_deviceToTarget);
        if (mode == 5 && region.isEmpty()) {
            m_p.setClipping(false);
        } else if (mode == 5) {
            m_p.setClipRegion(region, Qt::ReplaceClip);
        } else if (mode == 1) {
            m_p.setClipRegion(region, Qt::IntersectClip);
        } else if (mode >= 2 && mode <= 4) {
            const QRegion everything = m_deviceToTarget.inverted()
                                           .mapRect(QRectF(QPointF(0, 0), m_target))
                                           .toAlignedRect();
            const QRegion now = m_p.hasClipping() ? m_p.clipRegion() : everything;
            m_p.setClipRegion(mode == 2   ? now.united(region)
                              : mode == 3 ? now.xored(region)
                                          : now.subtracted(region),
                              Qt::ReplaceClip);
        }
        m_p.setTransform(transform());
    }
    // A region in logical units as the whole clip (a WMF region object).
    void clipRegion(const QRegion& region) {
        QPainterPath shape;
        shape.addRegion(region);
        m_p.setClipPath(shape, Qt::ReplaceClip);
    }
    void resetClip() { m_p.setClipping(false); }

    QPainter& painter() { return m_p; }
    bool enhanced() const { return m_enhanced; }

private:
    QPainter& m_p;
    QTransform m_deviceToTarget;
    QSize m_target;
    bool m_enhanced;
    std::vector<DcState> m_saved;
    qint64 m_gradientBudget = 0;
};

QPen makePen(quint32 style, double width, QColor color) {
    if ((style & 0xF) == 5) return QPen(Qt::NoPen);
    QPen pen(color, (style & 0x10000) || width > 1 ? width : 0);
    switch (style & 0xF) {
    case 1:
        pen.setStyle(Qt::DashLine);
        break;
    case 2:
        pen.setStyle(Qt::DotLine);
        break;
    case 3:
        pen.setStyle(Qt::DashDotLine);
        break;
    case 4:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    switch (style & 0xF00) {
    case 0x100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    return pen;
}

QBrush makeBrush(quint32 style, QColor color, quint32 hatch) {
    switch (style) {
    case 1:
        return QBrush(Qt::NoBrush);
    case 2: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(color, hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
    }
    default:
        return QBrush(color);
    }
}

// ---- WMF ----------------------------------------------------------------

// A WMF is drawn as a player sets it up for a placeable file: mapping mode
// anisotropic, the window and the viewport both the picture's bounds. The
// file's own records then change the window, the viewport (in the units of
// the bounds) and the mapping mode; a window the file sets without a viewport
// of its own is stretched over the bounds.
struct WmfLayout {
    qsizetype start = 0; // the standard header
    QRectF bounds;       // the placeable header's units
    double unitsPerInch = 1440;
};

bool wmfLayout(const QByteArray& bytes, WmfLayout& l, QString& error) {
    Reader r(bytes.constData(), bytes.size());
    if (r.u32(0) == kPlaceableKey) {
        const QRectF b(QPointF(r.i16(6), r.i16(8)), QPointF(r.i16(10), r.i16(12)));
        const int inch = r.u16(14);
        l.start = 22;
        l.bounds = b.normalized();
        l.unitsPerInch = inch > 0 ? inch : 1440;
    } else {
        l.start = 0;
    }
    const int type = r.u16(l.start), headerWords = r.u16(l.start + 2);
    if (!r.ok() || (type != 1 && type != 2) || headerWords != 9)
        return error = QCoreApplication::translate("Metafile", "not a Windows metafile header"),
               false;
    if (l.bounds.isEmpty()) {
        // No placeable header: the viewport the records set up is the
        // picture, or without one the window.
        QPointF org, vpOrg;
        QSizeF ext, vpExt;
        qsizetype at = l.start + 18;
        while (at + 10 <= bytes.size()) {
            const qint64 words = r.u32(at);
            const int fn = r.u16(at + 4);
            if (words < 3 || fn == 0) break;
            if (fn == 0x020B) org = QPointF(r.i16(at + 8), r.i16(at + 6));
            if (fn == 0x020C) ext = QSizeF(r.i16(at + 8), r.i16(at + 6));
            if (fn == 0x020D) vpOrg = QPointF(r.i16(at + 8), r.i16(at + 6));
            if (fn == 0x020E) vpExt = QSizeF(r.i16(at + 8), r.i16(at + 6));
            at += qsizetype(words * 2);
        }
        l.bounds = (vpExt.isEmpty() ? QRectF(org, ext) : QRectF(vpOrg, vpExt)).normalized();
        l.unitsPerInch = 96;
        if (l.bounds.isEmpty())
            return error = QCoreApplication::translate("Metafile", "the metafile has no size"),
                   false;
    }
    return true;
}

QPolygonF wmfPoints(Reader& r, qsizetype at, qint64 count) {
    QPolygonF pts;
    if (count < 0 || !r.has(at, count * 4)) return pts;
    pts.reserve(count);
    for (qint64 k = 0; k < count; ++k)
        pts << QPointF(r.i16(at + k * 4), r.i16(at + k * 4 + 2));
    return pts;
}

QRectF wmfRect(Reader& r, qsizetype at) { // bottom, right, top, left
    return QRectF(QPointF(r.i16(at + 6), r.i16(at + 4)), QPointF(r.i16(at + 2), r.i16(at)));
}

// A WMF region object: a header with the bounds, then scans, each a band
// [top, bottom) with its count of x coordinates, the left-right pairs, and
// the count again. False when the scans do not fit in the record.
bool wmfRegion(Reader& r, QRegion& out) {
    const int scans = r.u16(10);
    const QRect bounds(QPoint(r.i16(14), r.i16(16)), QPoint(r.i16(18) - 1, r.i16(20) - 1));
    std::vector<QRegion> parts;
    qsizetype at = 22;
    for (int k = 0; k < scans; ++k) {
        const int count = r.u16(at), top = r.i16(at + 2), bottom = r.i16(at + 4);
        if (!r.ok() || count % 2 != 0 || !r.has(at + 6, qsizetype(count) * 2 + 2)) return false;
        for (int pair = 0; pair < count / 2 && parts.size() <= size_t(kMaxClipRects); ++pair) {
            const int left = r.i16(at + 6 + pair * 4), right = r.i16(at + 8 + pair * 4);
            if (left < right && top < bottom)
                parts.emplace_back(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        }
        at += 6 + qsizetype(count) * 2 + 2;
    }
    // A region of more pieces than any drawing needs stands for its bounds.
    out = parts.size() > size_t(kMaxClipRects) ? QRegion(bounds.normalized())
                                               : unite(std::move(parts));
    return true;
}

// Scales an extent by num / denom for each direction; a zero divisor leaves
// that direction as it is.
QSizeF scaledExtent(QSizeF ext, double xNum, double xDenom, double yNum, double yDenom) {
    if (xDenom != 0) ext.setWidth(ext.width() * xNum / xDenom);
    if (yDenom != 0) ext.setHeight(ext.height() * yNum / yDenom);
    return ext;
}

bool playWmf(const QByteArray& bytes, const WmfLayout& l, Player& pl, QString& error) {
    Reader file(bytes.constData(), bytes.size());
    const int numObjects = file.u16(l.start + 10);
    pl.objects.resize(size_t(numObjects));
    pl.devicePixelsPerMm = l.unitsPerInch / 25.4;
    pl.s.mapMode = 8;
    pl.s.winOrg = pl.s.vpOrg = l.bounds.topLeft();
    pl.s.winExt = pl.s.vpExt = l.bounds.size();
    pl.apply();
    qsizetype at = l.start + 18;
    while (true) {
        if (pl.cancelled()) return error = QStringLiteral("cancelled"), false;
        if (at + 6 > bytes.size())
            return error = QCoreApplication::translate("Metafile", "the metafile ends early"),
                   false;
        const qint64 words = file.u32(at);
        const int fn = file.u16(at + 4);
        if (words < 3 || at + words * 2 > bytes.size())
            return error = QCoreApplication::translate("Metafile",
                                                       "a record does not fit in the metafile"),
                   false;
        if (fn == 0) return true; // end of file
        Reader r(bytes.constData() + at + 6, qsizetype(words * 2 - 6));
        DcState& s = pl.s;
        switch (fn) {
        case 0x0201:
            s.bkColor = colorRef(r.u32(0));
            pl.apply();
            break;
        case 0x0102:
            s.opaqueBk = r.u16(0) == 2;
            pl.apply();
            break;
        case 0x0103:
            s.mapMode = r.u16(0);
            pl.apply();
            break;
        case 0x0106:
            s.fillRule = r.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case 0x012E:
            s.textAlign = r.u16(0);
            break;
        case 0x0209:
            s.textColor = colorRef(r.u32(0));
            break;
        case 0x020B:
            s.winOrg = QPointF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x020C:
            s.winExt = QSizeF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x020D:
            s.vpOrg = QPointF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x020E:
            s.vpExt = QSizeF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x020F:
            s.winOrg += QPointF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x0211:
            s.vpOrg += QPointF(r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x0410: // y denominator, y numerator, x denominator, x numerator
            s.winExt = scaledExtent(s.winExt, r.i16(6), r.i16(4), r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x0412:
            s.vpExt = scaledExtent(s.vpExt, r.i16(6), r.i16(4), r.i16(2), r.i16(0));
            pl.apply();
            break;
        case 0x0213:
            pl.lineTo(QPointF(r.i16(2), r.i16(0)));
            break;
        case 0x0214:
            pl.moveTo(QPointF(r.i16(2), r.i16(0)));
            break;
        case 0x0415:
            pl.excludeClip(wmfRect(r, 0));
            break;
        case 0x0416: {
            QPainterPath p;
            p.addRect(wmfRect(r, 0).normalized());
            pl.clip(p, Qt::IntersectClip);
            break;
        }
        case 0x012C: // a region as the clip; anything else clears it
            if (const QRegion* region = pl.regionAt(r.u16(0)))
                pl.clipRegion(*region);
            else
                pl.resetClip();
            break;
        case 0x0228: // fill a region: region, brush
            if (const QRegion* region = pl.regionAt(r.u16(0)))
                pl.fillRegion(*region, pl.brushAt(r.u16(2)));
            break;
        case 0x0429: // frame a region: region, brush, height, width
            if (const QRegion* region = pl.regionAt(r.u16(0)))
                pl.frameRegion(*region, pl.brushAt(r.u16(2)), r.i16(6), r.i16(4));
            break;
        case 0x012B:
            if (const QRegion* region = pl.regionAt(r.u16(0))) pl.fillRegion(*region, s.brush);
            break;
        case 0x012A:
            if (const QRegion* region = pl.regionAt(r.u16(0))) pl.invertRegion(*region);
            break;
        case 0x0817:
        case 0x0830:
        case 0x081A:
            pl.arc(wmfRect(r, 8), QPointF(r.i16(6), r.i16(4)), QPointF(r.i16(2), r.i16(0)),
                   fn == 0x0817   ? Player::Arc
                   : fn == 0x0830 ? Player::Chord
                                  : Player::Pie);
            break;
        case 0x0418: {
            QPainterPath p;
            p.addEllipse(wmfRect(r, 0).normalized());
            pl.draw(p);
            break;
        }
        case 0x041B: {
            QPainterPath p;
            p.addRect(wmfRect(r, 0).normalized());
            pl.draw(p);
            break;
        }
        case 0x061C: {
            QPainterPath p;
            p.addRoundedRect(wmfRect(r, 4).normalized(), std::abs(r.i16(2)) / 2.0,
                             std::abs(r.i16(0)) / 2.0);
            pl.draw(p);
            break;
        }
        case 0x0324:
        case 0x0325: {
            const QPolygonF pts = wmfPoints(r, 2, r.u16(0));
            if (fn == 0x0325) {
                pl.polyline(pts, false);
            } else {
                QPainterPath p;
                p.addPolygon(pts);
                p.closeSubpath();
                pl.draw(p);
            }
            break;
        }
        case 0x0538: {
            const int polys = r.u16(0);
            qsizetype pointsAt = 2 + qsizetype(polys) * 2;
            QPainterPath p;
            for (int k = 0; k < polys && r.ok(); ++k) {
                const int n = r.u16(2 + k * 2);
                p.addPolygon(wmfPoints(r, pointsAt, n));
                p.closeSubpath();
                pointsAt += qsizetype(n) * 4;
            }
            if (r.ok()) pl.draw(p);
            break;
        }
        case 0x0521: {
            const int n = r.u16(0);
            const QString str = QString::fromLatin1(r.bytes(2, n));
            const qsizetype after = 2 + ((n + 1) & ~1);
            pl.text(QPointF(r.i16(after + 2), r.i16(after)), str, nullptr);
            break;
        }
        case 0x0A32: {
            const QPointF pt(r.i16(2), r.i16(0));
            const int n = r.u16(4), opts = r.u16(6);
            qsizetype strAt = 8;
            QRectF rect;
            if (opts & 0x6) {
                rect = QRectF(QPointF(r.i16(8), r.i16(10)), QPointF(r.i16(12), r.i16(14)));
                strAt = 16;
            }
            const QString str = QString::fromLatin1(r.bytes(strAt, n));
            pl.text(pt, str, (opts & 0x2) ? &rect : nullptr);
            break;
        }
        case 0x001E:
            pl.save();
            break;
        case 0x0127:
            pl.restore(r.i16(0));
            break;
        case 0x012D:
            pl.select(r.u16(0));
            break;
        case 0x01F0:
            pl.remove(r.u16(0));
            break;
        case 0x02FA:
            pl.addObject(makePen(r.u16(0), r.i16(2), colorRef(r.u32(6))));
            break;
        case 0x02FC:
            pl.addObject(makeBrush(r.u16(0), colorRef(r.u32(2)), r.u16(6)));
            break;
        case 0x02FB: {
            FontSpec f;
            f.height = r.i16(0);
            f.escapement = r.i16(4);
            f.weight = r.i16(8);
            f.italic = r.u8(10), f.underline = r.u8(11), f.strikeOut = r.u8(12);
            QByteArray face =
                r.size() > 18 ? r.bytes(18, std::min<qsizetype>(32, r.size() - 18)) : QByteArray();
            f.face = QString::fromLatin1(
                face.left(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0')));
            pl.addObject(f);
            break;
        }
        case 0x0142: { // pattern brush from a DIB
            Reader dib = r;
            const qsizetype head = dibHeaderBytes(dib, 4);
            QImage img = head > 0 && head <= r.size() - 4
                             ? decodeDib(r.bytes(4, head), r.bytes(4 + head, r.size() - 4 - head))
                             : QImage();
            pl.addObject(img.isNull() ? QBrush(Qt::gray) : QBrush(img));
            break;
        }
        case 0x06FF: {
            QRegion region;
            if (!wmfRegion(r, region))
                return error = QCoreApplication::translate("Metafile",
                                                           "a region does not fit in its record"),
                       false;
            pl.addObject(region);
            break;
        }
        case 0x00F7:
        case 0x01F9:
            pl.addObject(GdiObject()); // takes its slot; drawn with nothing
            break;
        case 0x061D: {
            const QRectF d(r.i16(8), r.i16(6), r.i16(4), r.i16(2));
            pl.patternBlt(d, r.u32(0));
            break;
        }
        case 0x0F43:
        case 0x0B41:
        case 0x0940: {
            // rop, [usage], source rectangle, destination, then the DIB.
            const bool stretchDib = fn == 0x0F43, bitBlt = fn == 0x0940;
            const qsizetype p = stretchDib ? 6 : 4;
            QRect src;
            QRectF dest;
            qsizetype dibAt;
            if (bitBlt) {
                src = QRect(r.i16(p + 2), r.i16(p), r.i16(p + 6), r.i16(p + 4));
                dest = QRectF(r.i16(p + 10), r.i16(p + 8), src.width(), src.height());
                dibAt = p + 12;
            } else {
                src = QRect(r.i16(p + 6), r.i16(p + 4), r.i16(p + 2), r.i16(p));
                dest = QRectF(r.i16(p + 14), r.i16(p + 12), r.i16(p + 10), r.i16(p + 8));
                dibAt = p + 16;
            }
            if (!r.ok() || dibAt >= r.size()) break; // a pattern fill without a bitmap
            Reader dib = r;
            const qsizetype head = dibHeaderBytes(dib, dibAt);
            if (head <= 0 || dibAt + head > r.size()) break;
            const QImage img =
                decodeDib(r.bytes(dibAt, head), r.bytes(dibAt + head, r.size() - dibAt - head));
            pl.bitmap(img, dest, src, r.u32(0));
            break;
        }
        default:
            break; // records without a visible effect here, or unknown
        }
        if (!r.ok())
            return error = QCoreApplication::translate("Metafile", "record %1 is too short")
                               .arg(fn, 4, 16, QLatin1Char('0')),
                   false;
        at += qsizetype(words * 2);
    }
}

// ---- EMF ----------------------------------------------------------------

struct EmfLayout {
    QRectF frameDevice; // the picture's frame in device pixels
    double devicePixelsPerMm = 96 / 25.4;
    QSizeF sizeMm;
    int handles = 0;
};

bool emfLayout(const QByteArray& bytes, EmfLayout& l, QString& error) {
    Reader r(bytes.constData(), bytes.size());
    if (r.u32(0) != 1 || r.u32(40) != kEmfSignature || r.u32(4) < 88 ||
        r.u32(4) > quint32(bytes.size()))
        return error = QCoreApplication::translate("Metafile", "not an enhanced metafile header"),
               false;
    const QRectF bounds(QPointF(r.i32(8), r.i32(12)), QPointF(r.i32(16) + 1.0, r.i32(20) + 1.0));
    const QRectF frame(QPointF(r.i32(24), r.i32(28)), QPointF(r.i32(32), r.i32(36)));
    l.handles = r.u16(56);
    const double devW = r.i32(72), devMmW = r.i32(80);
    if (devW > 0 && devMmW > 0) l.devicePixelsPerMm = devW / devMmW;
    if (!frame.normalized().isEmpty()) {
        const QRectF f = frame.normalized();
        l.frameDevice =
            QRectF(f.topLeft() * l.devicePixelsPerMm / 100, f.size() * l.devicePixelsPerMm / 100);
        l.sizeMm = f.size() / 100;
    } else {
        l.frameDevice = bounds.normalized();
        l.sizeMm = l.frameDevice.size() / l.devicePixelsPerMm;
    }
    if (!r.ok() || l.frameDevice.isEmpty())
        return error = QCoreApplication::translate("Metafile", "the metafile has no size"), false;
    return true;
}

QPolygonF emfPoints(Reader& r, qsizetype at, qint64 count, bool small) {
    QPolygonF pts;
    const int step = small ? 4 : 8;
    if (count < 0 || !r.has(at, count * step)) return pts;
    pts.reserve(count);
    for (qint64 k = 0; k < count; ++k) {
        const qsizetype p = at + k * step;
        pts << (small ? QPointF(r.i16(p), r.i16(p + 2)) : QPointF(r.i32(p), r.i32(p + 4)));
    }
    return pts;
}

QRectF emfRect(Reader& r, qsizetype at) {
    return QRectF(QPointF(r.i32(at), r.i32(at + 4)), QPointF(r.i32(at + 8), r.i32(at + 12)));
}

QTransform emfXform(Reader& r, qsizetype at) {
    return QTransform(r.f32(at), r.f32(at + 4), r.f32(at + 8), r.f32(at + 12), r.f32(at + 16),
                      r.f32(at + 20));
}

QImage emfBitmap(Reader& r, qsizetype offBmi, qsizetype cbBmi, qsizetype offBits,
                 qsizetype cbBits) {
    if (cbBmi <= 0) return QImage();
    const QByteArray bmi = r.bytes(offBmi, cbBmi), bits = r.bytes(offBits, cbBits);
    if (!r.ok()) return QImage();
    return decodeDib(bmi, bits);
}

// A 32-bit bitmap whose fourth byte is its alpha, the colours already
// multiplied by it (as alpha blending takes them). Null when it is not one.
QImage premultipliedDib(const QByteArray& header, const QByteArray& bits) {
    Reader r(header.constData(), header.size());
    const quint32 headerSize = r.u32(0);
    const qint64 w = r.i32(4), h = r.i32(8);
    const int bpp = r.u16(14);
    const quint32 compression = r.u32(16);
    if (!r.ok() || headerSize < 40 || bpp != 32 || (compression != 0 && compression != 3) ||
        w <= 0 || h == 0 || w * std::abs(h) > kMaxBitmapPixels || bits.size() < w * std::abs(h) * 4)
        return QImage();
    QImage image(int(w), int(std::abs(h)), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return QImage();
    for (int y = 0; y < image.height(); ++y) {
        // Rows run from the bottom up unless the height is negative.
        const int row = h > 0 ? image.height() - 1 - y : y;
        const uchar* in = reinterpret_cast<const uchar*>(bits.constData()) + qsizetype(row) * w * 4;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, in += 4) {
            const int a = in[3];
            out[x] =
                qRgba(std::min<int>(in[2], a), std::min<int>(in[1], a), std::min<int>(in[0], a), a);
        }
    }
    return image;
}

// A region's data: a 32-byte header (its size, type, count of rectangles,
// size of the rectangles, bounds), then the rectangles, right and bottom
// edges outside. False when it does not fit in `cb` bytes of the record.
bool emfRegion(Reader& r, qsizetype at, quint32 cb, QRegion& out) {
    if (cb < 32 || !r.has(at, cb)) return false;
    const quint32 count = r.u32(at + 8);
    if (qint64(count) * 16 > qint64(cb) - 32) return false;
    auto rect = [&](qsizetype p) {
        return QRect(QPoint(r.i32(p), r.i32(p + 4)), QPoint(r.i32(p + 8) - 1, r.i32(p + 12) - 1))
            .normalized();
    };
    if (count > quint32(kMaxClipRects)) {
        out = rect(at + 16); // more pieces than any drawing needs: the bounds
        return r.ok();
    }
    std::vector<QRegion> parts;
    parts.reserve(count);
    for (quint32 k = 0; k < count; ++k) {
        const QRect piece = rect(at + 32 + qsizetype(k) * 16);
        if (!piece.isEmpty()) parts.emplace_back(piece);
    }
    out = unite(std::move(parts));
    return r.ok();
}

// A rectangle from a record's numbers, each kept within half the 32-bit range
// so that its edges cannot overflow (a damaged record may give any numbers;
// a true source rectangle is far smaller).
QRect recordRect(qint64 x, qint64 y, qint64 w, qint64 h) {
    const auto half = [](qint64 v) {
        return int(std::clamp<qint64>(v, 1 - (qint64(1) << 30), (qint64(1) << 30) - 1));
    };
    return QRect(half(x), half(y), half(w), half(h));
}

QRect dibSource(const QImage& img, int x, int y, int w, int h) {
    return img.isNull() ? QRect() : recordRect(x, y, w, h);
}

bool playEmf(const QByteArray& bytes, const EmfLayout& l, Player& pl, QString& error) {
    Reader file(bytes.constData(), bytes.size());
    pl.objects.resize(size_t(l.handles));
    pl.devicePixelsPerMm = l.devicePixelsPerMm;
    qsizetype at = 0;
    while (true) {
        if (pl.cancelled()) return error = QStringLiteral("cancelled"), false;
        if (at + 8 > bytes.size())
            return error = QCoreApplication::translate("Metafile", "the metafile ends early"),
                   false;
        const quint32 type = file.u32(at), size = file.u32(at + 4);
        if (size < 8 || size % 4 != 0 || at + qint64(size) > bytes.size())
            return error = QCoreApplication::translate("Metafile",
                                                       "a record does not fit in the metafile"),
                   false;
        if (type == 14) return true; // end of file
        Reader r(bytes.constData() + at, qsizetype(size));
        DcState& s = pl.s;
        switch (type) {
        case 1:
            break; // the header
        case 2:
        case 85:
        case 5:
        case 88: { // poly-Béziers (to)
            const bool small = type >= 85;
            pl.beziers(emfPoints(r, 28, r.u32(24), small), type == 5 || type == 88);
            break;
        }
        case 3:
        case 86: {
            QPainterPath p;
            p.addPolygon(emfPoints(r, 28, r.u32(24), type == 86));
            p.closeSubpath();
            if (r.ok()) pl.draw(p);
            break;
        }
        case 4:
        case 87:
        case 6:
        case 89:
            pl.polyline(emfPoints(r, 28, r.u32(24), type >= 87), type == 6 || type == 89);
            break;
        case 7:
        case 8:
        case 90:
        case 91: { // poly-polylines and poly-polygons
            const bool small = type >= 90, closed = type == 8 || type == 91;
            const quint32 polys = r.u32(24);
            if (!r.has(32, qint64(polys) * 4)) break;
            qsizetype pointsAt = 32 + qsizetype(polys) * 4;
            QPainterPath p;
            for (quint32 k = 0; k < polys && r.ok(); ++k) {
                const quint32 n = r.u32(32 + k * 4);
                const QPolygonF pts = emfPoints(r, pointsAt, n, small);
                p.addPolygon(pts);
                if (closed) p.closeSubpath();
                pointsAt += qsizetype(n) * (small ? 4 : 8);
            }
            if (r.ok()) pl.draw(p, closed);
            break;
        }
        case 9:
            s.winExt = QSizeF(r.i32(8), r.i32(12));
            pl.apply();
            break;
        case 10:
            s.winOrg = QPointF(r.i32(8), r.i32(12));
            pl.apply();
            break;
        case 11:
            s.vpExt = QSizeF(r.i32(8), r.i32(12));
            pl.apply();
            break;
        case 12:
            s.vpOrg = QPointF(r.i32(8), r.i32(12));
            pl.apply();
            break;
        case 31: // x numerator, x denominator, y numerator, y denominator
            s.vpExt = scaledExtent(s.vpExt, r.i32(8), r.i32(12), r.i32(16), r.i32(20));
            pl.apply();
            break;
        case 32:
            s.winExt = scaledExtent(s.winExt, r.i32(8), r.i32(12), r.i32(16), r.i32(20));
            pl.apply();
            break;
        case 57:
            s.arcClockwise = r.u32(8) == 2;
            break;
        case 17:
            s.mapMode = int(r.u32(8));
            pl.apply();
            break;
        case 18:
            s.opaqueBk = r.u32(8) == 2;
            pl.apply();
            break;
        case 19:
            s.fillRule = r.u32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case 22:
            s.textAlign = int(r.u32(8));
            break;
        case 24:
            s.textColor = colorRef(r.u32(8));
            break;
        case 25:
            s.bkColor = colorRef(r.u32(8));
            pl.apply();
            break;
        case 27:
            pl.moveTo(QPointF(r.i32(8), r.i32(12)));
            break;
        case 54:
            pl.lineTo(QPointF(r.i32(8), r.i32(12)));
            break;
        case 29:
            pl.excludeClip(emfRect(r, 8));
            break;
        case 30: {
            QPainterPath p;
            p.addRect(emfRect(r, 8).normalized());
            pl.clip(p, Qt::IntersectClip);
            break;
        }
        case 33:
            pl.save();
            break;
        case 34:
            pl.restore(r.i32(8));
            break;
        case 35:
            s.world = emfXform(r, 8);
            pl.apply();
            break;
        case 36: {
            const QTransform x = emfXform(r, 8);
            switch (r.u32(32)) {
            case 1:
                s.world = QTransform();
                break;
            case 2:
                s.world = x * s.world;
                break;
            case 3:
                s.world = s.world * x;
                break;
            case 4:
                s.world = x;
                break;
            default:
                break;
            }
            pl.apply();
            break;
        }
        case 37:
            pl.select(r.u32(8));
            break;
        case 38:
            pl.setObject(r.u32(8), makePen(r.u32(12), r.i32(16), colorRef(r.u32(24))));
            break;
        case 95:
            pl.setObject(r.u32(8), makePen(r.u32(28), r.u32(32), colorRef(r.u32(40))));
            break;
        case 39:
            pl.setObject(r.u32(8), makeBrush(r.u32(12), colorRef(r.u32(16)), r.u32(20)));
            break;
        case 93:
        case 94: {
            const QImage img = emfBitmap(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28));
            pl.setObject(r.u32(8), img.isNull() ? QBrush(Qt::gray) : QBrush(img));
            break;
        }
        case 40:
            pl.remove(r.u32(8));
            break;
        case 49:
            pl.setObject(r.u32(8), GdiObject());
            break;
        case 82: {
            FontSpec f;
            f.height = r.i32(12);
            f.escapement = r.i32(20);
            f.weight = r.i32(28);
            f.italic = r.u8(32), f.underline = r.u8(33), f.strikeOut = r.u8(34);
            const QByteArray face = r.bytes(40, 64);
            f.face = QString::fromUtf16(reinterpret_cast<const char16_t*>(face.constData()),
                                        face.size() / 2);
            f.face.truncate(f.face.indexOf(QChar(0)) < 0 ? f.face.size()
                                                         : f.face.indexOf(QChar(0)));
            pl.setObject(r.u32(8), f);
            break;
        }
        case 42:
        case 43: {
            QPainterPath p;
            if (type == 42)
                p.addEllipse(emfRect(r, 8).normalized());
            else
                p.addRect(emfRect(r, 8).normalized());
            pl.draw(p);
            break;
        }
        case 44: {
            QPainterPath p;
            p.addRoundedRect(emfRect(r, 8).normalized(), std::abs(double(r.i32(24))) / 2.0,
                             std::abs(double(r.i32(28))) / 2.0);
            pl.draw(p);
            break;
        }
        case 45:
        case 46:
        case 47:
        case 55:
            pl.arc(emfRect(r, 8), QPointF(r.i32(24), r.i32(28)), QPointF(r.i32(32), r.i32(36)),
                   type == 45   ? Player::Arc
                   : type == 46 ? Player::Chord
                   : type == 47 ? Player::Pie
                                : Player::ArcTo);
            break;
        case 71:   // fill a region: data size, brush, data
        case 72:   // frame it: data size, brush, width, height, data
        case 73:   // invert it: data size, data
        case 74: { // paint it with the current brush: data size, data
            const quint32 cb = r.u32(24);
            QRegion region;
            if (!emfRegion(r, type == 71 ? 32 : type == 72 ? 40 : 28, cb, region))
                return error = QCoreApplication::translate("Metafile",
                                                           "a region does not fit in its record"),
                       false;
            if (type == 71)
                pl.fillRegion(region, pl.brushAt(r.u32(28)));
            else if (type == 72)
                pl.frameRegion(region, pl.brushAt(r.u32(28)), r.i32(32), r.i32(36));
            else if (type == 73)
                pl.invertRegion(region);
            else
                pl.fillRegion(region, s.brush);
            break;
        }
        case 114: { // AlphaBlend: destination, blend function, source, bitmap
            const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const quint32 blend = r.u32(40);
            const double opacity = ((blend >> 16) & 0xFF) / 255.0;
            const qsizetype offBmi = r.u32(84), cbBmi = r.u32(88), offBits = r.u32(92),
                            cbBits = r.u32(96);
            const QRect src(r.i32(44), r.i32(48), r.i32(100), r.i32(104));
            if (cbBmi == 0) break;
            const QByteArray bmi = r.bytes(offBmi, cbBmi), bits = r.bytes(offBits, cbBits);
            if (!r.ok()) break;
            // With per-pixel alpha the bitmap's fourth byte is its alpha;
            // without, the bitmap is opaque.
            QImage img = (blend >> 24) & 1 ? premultipliedDib(bmi, bits) : QImage();
            if (img.isNull()) img = decodeDib(bmi, bits);
            pl.alphaBlend(img, dest, src, opacity);
            break;
        }
        case 118: { // GradientFill: vertices, then rectangles or triangles
            const quint32 nVer = r.u32(24), nTri = r.u32(28), mode = r.u32(32);
            const qint64 indexBytes = mode == 2 ? 12 : 8;
            if (mode > 2 || !r.has(36, qint64(nVer) * 16 + qint64(nTri) * indexBytes)) {
                r.fail();
                break;
            }
            std::vector<Vertex> v(nVer);
            for (quint32 k = 0; k < nVer; ++k) {
                const qsizetype p = 36 + qsizetype(k) * 16;
                v[k] = {QPointF(r.i32(p), r.i32(p + 4)),
                        QColor(r.u16(p + 8) >> 8, r.u16(p + 10) >> 8, r.u16(p + 12) >> 8)};
            }
            const qsizetype indices = 36 + qsizetype(nVer) * 16;
            for (quint32 k = 0; k < nTri; ++k) {
                const qsizetype p = indices + qsizetype(k) * indexBytes;
                const quint32 a = r.u32(p), b = r.u32(p + 4), c = mode == 2 ? r.u32(p + 8) : 0;
                if (a >= nVer || b >= nVer || (mode == 2 && c >= nVer)) continue;
                if (mode == 2)
                    pl.gradientTriangle({v[a], v[b], v[c]});
                else
                    pl.gradientRect(v[a], v[b], mode == 1);
            }
            break;
        }
        case 59:
            pl.path = QPainterPath();
            pl.recordingPath = true;
            break;
        case 60:
            pl.recordingPath = false;
            break;
        case 61:
            if (pl.recordingPath) pl.path.closeSubpath();
            break;
        case 68:
            pl.recordingPath = false, pl.path = QPainterPath();
            break;
        case 62:
        case 63:
        case 64: {
            QPainterPath p = pl.path;
            p.setFillRule(s.fillRule);
            QPainter& painter = pl.painter();
            if (type == 62)
                painter.fillPath(p, painter.brush());
            else if (type == 64)
                painter.strokePath(p, painter.pen());
            else
                painter.drawPath(p);
            pl.path = QPainterPath();
            break;
        }
        case 67: {
            const quint32 mode = r.u32(8);
            pl.clip(pl.path, mode == 5 ? Qt::ReplaceClip : Qt::IntersectClip);
            pl.path = QPainterPath();
            break;
        }
        case 75: { // a clip region in device units: data size, mode, data
            const quint32 cb = r.u32(8), mode = r.u32(12);
            QRegion region;
            if (cb != 0 && !emfRegion(r, 16, cb, region))
                return error = QCoreApplication::translate("Metafile",
                                                           "a region does not fit in its record"),
                       false;
            if (cb != 0 || mode == 5) pl.clipDeviceRegion(region, int(mode)); // none: only a reset
            break;
        }
        case 83:
        case 84: { // ExtTextOut, ANSI or UTF-16
            const QPointF ref(r.i32(36), r.i32(40));
            const quint32 n = r.u32(44), off = r.u32(48), opts = r.u32(52);
            const QRectF rect = emfRect(r, 56);
            QString str;
            if (type == 84) {
                const QByteArray b = r.bytes(off, qint64(n) * 2);
                str = QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData()),
                                         b.size() / 2);
            } else {
                str = QString::fromLatin1(r.bytes(off, n));
            }
            if (r.ok()) pl.text(ref, str, (opts & 0x2) ? &rect : nullptr);
            break;
        }
        case 76:
        case 77: { // BitBlt, StretchBlt
            const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const quint32 rop = r.u32(40), cbBmi = r.u32(88);
            if (cbBmi == 0) {
                pl.patternBlt(dest, rop);
                break;
            }
            const QImage img = emfBitmap(r, r.u32(84), cbBmi, r.u32(92), r.u32(96));
            const int sx = r.i32(44), sy = r.i32(48);
            const int sw = type == 77 ? r.i32(100) : int(dest.width());
            const int sh = type == 77 ? r.i32(104) : int(dest.height());
            pl.bitmap(img, dest, dibSource(img, sx, sy, sw, sh), rop);
            break;
        }
        case 80:
        case 81: { // SetDIBitsToDevice, StretchDIBits
            const QImage img = emfBitmap(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60));
            if (img.isNull()) break;
            const int sx = r.i32(32), sy = r.i32(36), sw = r.i32(40), sh = r.i32(44);
            // Source rows count from the bitmap's bottom for a bottom-up bitmap.
            const QRect src = recordRect(sx, qint64(img.height()) - sy - sh, sw, sh);
            const QRectF dest = type == 81 ? QRectF(r.i32(24), r.i32(28), r.i32(72), r.i32(76))
                                           : QRectF(r.i32(24), r.i32(28), sw, sh);
            pl.bitmap(img, dest, src, type == 81 ? r.u32(68) : 0xCC0020);
            break;
        }
        default:
            break; // records without a visible effect here, or unknown
        }
        if (!r.ok())
            return error =
                       QCoreApplication::translate("Metafile", "record %1 is too short").arg(type),
                   false;
        at += qsizetype(size);
    }
}

} // namespace

bool IsMetafileContent(const QByteArray& bytes) {
    Reader r(bytes.constData(), bytes.size());
    if (r.u32(0) == kPlaceableKey) return true;
    if (r.u32(0) == 1 && r.u32(40) == kEmfSignature) return true;
    const int type = r.u16(0), words = r.u16(2), version = r.u16(4);
    return r.ok() && (type == 1 || type == 2) && words == 9 &&
           (version == 0x0300 || version == 0x0100);
}

bool MetafileNativeSize(const QByteArray& bytes, QSize& size, QString& error) {
    Reader r(bytes.constData(), bytes.size());
    QSizeF px;
    if (r.u32(0) == 1 && r.u32(40) == kEmfSignature) {
        EmfLayout l;
        if (!emfLayout(bytes, l, error)) return false;
        px = l.sizeMm / 25.4 * 96;
    } else {
        WmfLayout l;
        if (!wmfLayout(bytes, l, error)) return false;
        px = l.bounds.size() / l.unitsPerInch * 96;
    }
    size = QSize(std::max(1, int(std::lround(std::min(px.width(), 1e6)))),
                 std::max(1, int(std::lround(std::min(px.height(), 1e6)))));
    return true;
}

bool RenderMetafile(const QByteArray& bytes, QSize size, QImage& out, QString& error,
                    const std::atomic<bool>* cancel) {
    if (cancel && cancel->load(std::memory_order_relaxed))
        return error = QStringLiteral("cancelled"), false;
    if (size.isEmpty())
        return error = QCoreApplication::translate("Metafile", "nothing to draw on"), false;
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return error = QCoreApplication::translate("Metafile", "out of memory"), false;
    image.fill(Qt::white);
    const QRectF target(QPointF(0, 0), QSizeF(size));
    auto mapping = [&](const QRectF& from) {
        return QTransform::fromTranslate(-from.left(), -from.top()) *
               QTransform::fromScale(target.width() / from.width(),
                                     target.height() / from.height());
    };
    bool ok;
    {
        QPainter painter(&image);
        Reader r(bytes.constData(), bytes.size());
        if (r.u32(0) == 1 && r.u32(40) == kEmfSignature) {
            EmfLayout l;
            ok = emfLayout(bytes, l, error);
            if (ok) {
                Player player(painter, mapping(l.frameDevice), size, true);
                player.cancel = cancel;
                ok = playEmf(bytes, l, player, error);
            }
        } else {
            WmfLayout l;
            ok = wmfLayout(bytes, l, error);
            if (ok) {
                Player player(painter, mapping(l.bounds), size, false);
                player.cancel = cancel;
                ok = playWmf(bytes, l, player, error);
            }
        }
    }
    if (!ok) return false;
    out = std::move(image);
    return true;
}
