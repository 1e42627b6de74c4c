// Windows metafiles written record by record by the test, drawn and compared
// with what each record family must put on the pixels; damaged files fail.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"
#include "compose/Metafile.h"

#include <QPainterPath>

namespace {

QByteArray ints(std::initializer_list<qint64> values, int bytes = 4) {
    QByteArray b;
    for (qint64 v : values)
        b += le(v, bytes);
    return b;
}
QByteArray s16(std::initializer_list<qint64> values) {
    return ints(values, 2);
}
constexpr qint64 kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kYellow = 0x00FFFF,
                 kMagenta = 0xFF00FF, kCyan = 0xFFFF00;

// A 2 x 1 bitmap, bottom-up, `bits` a pixel; dibBits() red then blue.
QByteArray dibHeader(int bits = 24) {
    return ints({40, 2, 1}) + le(1, 2) + le(bits, 2) + ints({0, 8, 0, 0, 0, 0});
}
QByteArray dibBits() {
    return QByteArray("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);
}

struct Emf {
    QByteArray records;
    int count = 1;
    void rec(quint32 type, const QByteArray& params) {
        records += ints({type, 8 + params.size()}) + params;
        ++count;
    }
    // A solid brush made in `slot` and selected.
    void brush(qint64 slot, qint64 color) {
        rec(39, ints({slot, 0, color, 0}));
        rec(37, ints({slot}));
    }
    void noPen() { rec(37, ints({0x80000008})); } // the stock empty pen
    // 192 x 96 pixels at 96 dots per inch, one logical unit a pixel.
    QByteArray bytes() {
        rec(14, ints({0, 16, 20}));
        QByteArray h = ints({1, 88, 0, 0, 191, 95, 0, 0, 5080, 2540, 0x464D4520, 0x10000});
        h += ints({88 + records.size(), count}) + le(16, 2) + le(0, 2) +
             ints({0, 0, 0, 960, 960, 254, 254});
        return h + records;
    }
};

// A WMF: the records, then the standard header and, when `placeable`, the
// placeable header in front (192 x 96 units, 96 to the inch).
struct Wmf {
    QByteArray records;
    int words = 0, maxRecord = 0;
    void rec(int fn, const QByteArray& params) {
        const int size = 3 + int(params.size()) / 2;
        records += le(size, 4) + le(fn, 2) + params;
        words += size;
        maxRecord = std::max(maxRecord, size);
    }
    // An object made by `fn`, selected and let go (the selection keeps it).
    void use(int fn, const QByteArray& params) {
        rec(fn, params);
        rec(0x012D, s16({0}));
        rec(0x01F0, s16({0}));
    }
    void brush(qint64 color) { use(0x02FC, s16({0}) + le(color, 4) + s16({0})); }
    QByteArray bytes(bool placeable = true) {
        rec(0, {});
        const QByteArray header =
            s16({1, 9, 0x0300}) + le(9 + words, 4) + s16({16}) + le(maxRecord, 4) + s16({0});
        if (!placeable) return header + records;
        QByteArray front = le(0x9AC6CDD7, 4) + s16({0, 0, 0, 192, 96, 96}) + le(0, 4);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= quint16(uchar(front[i]) | (uchar(front[i + 1]) << 8));
        return front + le(sum, 2) + header + records;
    }
};

// A WMF region object of rectangles (left, top, right, bottom), one band each.
QByteArray wmfRegion(std::initializer_list<QRect> rects) {
    QByteArray scans;
    for (const QRect& r : rects)
        scans += s16({2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2});
    return s16({0, 6}) + le(0, 4) + s16({22 + scans.size(), qint64(rects.size()), 2}) +
           s16({0, 0, 0, 0}) + scans;
}

// An EMF region's data: the header, then the rectangles.
QByteArray emfRegion(std::initializer_list<QRect> rects) {
    QByteArray data = ints({32, 1, qint64(rects.size()), qint64(rects.size()) * 16, 0, 0, 0, 0});
    for (const QRect& r : rects)
        data += ints({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    return data;
}

// Draws `bytes` at 192 x 96; fails the test when the player refuses it.
QImage render(const QByteArray& bytes, QSize size = QSize(192, 96)) {
    QImage out;
    QString error;
    EXPECT_TRUE(RenderMetafile(bytes, size, out, error)) << error.toStdString();
    return out;
}

// Whether the player refuses `bytes`.
bool refused(const QByteArray& bytes) {
    QImage out;
    QString error;
    return !RenderMetafile(bytes, QSize(192, 96), out, error);
}

// A white picture of the same size drawn by `paint` through QPainter.
template <typename Paint> QImage reference(Paint paint, QSize size = QSize(192, 96)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    paint(p);
    return img;
}

// Fails the test when more than `share` of the pixels differ from the
// reference by more than 60 (the channels' differences added); edges drawn
// a little differently stay within it.
void expectLooksLike(const QImage& got, const QImage& want, double share = 0.01) {
    ASSERT_EQ(got.size(), want.size());
    int bad = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            if (ColourDistance(got.pixel(x, y), want.pixel(x, y)) > 60) {
                if (!bad) first = QPoint(x, y);
                ++bad;
            }
        }
    EXPECT_LE(bad, share * got.width() * got.height())
        << bad << " pixels differ, the first at " << first.x() << "," << first.y() << ": "
        << QColor(got.pixel(first)).name().toStdString() << " instead of "
        << QColor(want.pixel(first)).name().toStdString();
}

struct MetafileTest : ::testing::Test {
    QTemporaryDir dir;
    SourcePicture picture{QImage(3, 3, QImage::Format_RGB32), QSize(3, 3)};
    bool load(const QString& name, const QByteArray& bytes) {
        return LoadPictureFor(writeFile(dir.filePath(name), bytes), PositionMode::Center,
                              QSize(400, 300), picture);
    }
    // How many dark pixels `area` of the picture has: text drawn there.
    int inkIn(const QRect& area) const {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += qGray(picture.image.pixel(x, y)) < 100;
        return ink;
    }
};

} // namespace

TEST_F(MetafileTest, EnhancedMetafileRecordFamilies) {
    Emf e;
    e.noPen();
    e.brush(1, kRed);
    e.rec(43, ints({10, 10, 40, 40})); // rectangle
    e.brush(2, kBlue);
    e.rec(42, ints({50, 10, 90, 50})); // ellipse
    e.brush(3, kGreen);
    e.rec(86, ints({0, 0, 0, 0, 3}) + ints({100, 10, 140, 10, 100, 50}, 2)); // polygon
    e.brush(4, kYellow);
    e.rec(91,
          ints({0, 0, 0, 0, 2, 8, 4, 4}) + // two squares
              ints({150, 10, 160, 10, 160, 20, 150, 20, 170, 10, 180, 10, 180, 20, 170, 20}, 2));
    e.brush(5, kMagenta);
    e.rec(47, ints({10, 50, 50, 90, 50, 70, 30, 50})); // pie: the upper right quarter
    e.rec(38, ints({6, 0, 3, 0, 0}));                  // a black pen 3 wide
    e.rec(37, ints({6}));
    e.rec(27, ints({60, 60}));
    e.rec(54, ints({100, 60})); // line
    // A line in a green extended pen 3 wide.
    e.rec(95, ints({12, 0, 0, 0, 0, 0, 3, 0, kGreen, 0, 0}));
    e.rec(37, ints({12}));
    e.rec(27, ints({100, 93}));
    e.rec(54, ints({140, 93}));
    e.noPen();
    e.brush(7, kCyan);
    e.rec(59, {}); // path: a triangle filled
    e.rec(86, ints({0, 0, 0, 0, 3}) + ints({60, 70, 90, 70, 60, 90}, 2));
    e.rec(60, {});
    e.rec(62, ints({0, 0, 0, 0}));
    e.rec(33, {}); // clipped fill
    e.rec(30, ints({110, 60, 120, 70}));
    e.brush(8, kBlue);
    e.rec(43, ints({100, 55, 140, 90}));
    e.rec(34, ints({-1}));
    e.rec(33, {}); // mapping: 1000 logical units onto 10 pixels from (150, 40)
    e.rec(17, ints({8}));
    e.rec(9, ints({1000, 1000}));
    e.rec(11, ints({10, 10}));
    e.rec(12, ints({150, 40}));
    e.brush(9, kGreen);
    e.rec(43, ints({0, 0, 1000, 1000}));
    e.rec(34, ints({-1}));
    // StretchDIBits of the red-blue bitmap onto (150, 60)–(190, 80).
    const QByteArray bmi = dibHeader(), bits = dibBits();
    e.rec(81, ints({0, 0, 0, 0, 150, 60, 0, 0, 2, 1, 80, bmi.size(), 80 + bmi.size(), bits.size(),
                    0, 0xCC0020, 40, 20}) +
                  bmi + bits);
    // StretchBlt of the same bitmap onto (165, 24)–(185, 34).
    e.rec(77, ints({0, 0, 0, 0, 165, 24, 20, 10, 0xCC0020}) + QByteArray(40, '\0') +
                  ints({108, bmi.size(), 108 + bmi.size(), bits.size(), 2, 1}) + bmi + bits);
    e.rec(9999, ints({1, 2, 3})); // unknown: skipped
    // Text in a font 20 pixels high.
    e.rec(82, ints({10, -20, 0, 0, 0, 700, 0, 0}) + QByteArray(64, '\0'));
    e.rec(37, ints({10}));
    e.rec(18, ints({1}));
    const QString text = QStringLiteral("HH");
    e.rec(84, ints({0, 0, 0, 0, 1, 0, 0, 150, 80, text.size(), 76, 0, 0, 0, 0, 0, 0}) +
                  QByteArray(reinterpret_cast<const char*>(text.utf16()), 4));
    const QByteArray emf = e.bytes();
    ASSERT_TRUE(load("drawing.emf", emf));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    ExpectProbes(picture.image, {{{25, 25}, qRgb(255, 0, 0)},      {{70, 30}, qRgb(0, 0, 255)},
                                 {{52, 12}, qRgb(255, 255, 255)},  {{105, 15}, qRgb(0, 255, 0)},
                                 {{136, 46}, qRgb(255, 255, 255)}, {{155, 15}, qRgb(255, 255, 0)},
                                 {{175, 15}, qRgb(255, 255, 0)},   {{165, 15}, qRgb(255, 255, 255)},
                                 {{38, 62}, qRgb(255, 0, 255)},    {{20, 80}, qRgb(255, 255, 255)},
                                 {{80, 60}, qRgb(0, 0, 0)},        {{65, 75}, qRgb(0, 255, 255)},
                                 {{85, 85}, qRgb(255, 255, 255)},  {{115, 65}, qRgb(0, 0, 255)},
                                 {{130, 80}, qRgb(255, 255, 255)}, {{155, 45}, qRgb(0, 255, 0)},
                                 {{165, 45}, qRgb(255, 255, 255)}, {{160, 70}, qRgb(255, 0, 0)},
                                 {{180, 70}, qRgb(0, 0, 255)},     {{168, 28}, qRgb(255, 0, 0)},
                                 {{182, 28}, qRgb(0, 0, 255)},     {{120, 93}, qRgb(0, 255, 0)}});
    EXPECT_GT(inkIn(QRect(150, 80, 30, 16)), 20); // the text's strokes

    // Drawn at the size the layout asks: twice the native size, still sharp.
    SourcePicture big;
    ASSERT_TRUE(LoadPictureFromBytes(emf, "drawing.emf", big, nullptr, QSize(384, 192)));
    EXPECT_EQ(big.image.size(), QSize(384, 192));
    EXPECT_EQ(big.nativeSize, QSize(192, 96));
    EXPECT_EQ(big.image.pixel(50, 50) & 0xFFFFFF, 0xFF0000u);

    // Damage: cut short, a record running past the end, a record of no size,
    // a polygon claiming more points than its record holds.
    const SourcePicture before = picture;
    for (const QByteArray& bad :
         {emf.left(emf.size() / 2), emf.left(88) + ints({43, 4000}) + ints({1, 2, 3, 4}),
          emf.left(88) + ints({43, 0}) + emf.mid(88),
          emf.left(88) + ints({86, 36, 0, 0, 0, 0, 100000}) + emf.mid(88)}) {
        EXPECT_FALSE(load("bad.emf", bad));
        EXPECT_EQ(picture.nativeSize, before.nativeSize);
    }
}

TEST_F(MetafileTest, WindowsMetafileRecordFamilies) {
    Wmf w;
    w.rec(0x020C, s16({96, 192}));                    // window extent
    w.rec(0x02FC, s16({0}) + le(kRed, 4) + s16({0})); // brush → slot 0
    w.rec(0x02FA, s16({5, 0, 0}) + le(0, 4));         // empty pen → slot 1
    w.rec(0x012D, s16({0}));
    w.rec(0x012D, s16({1}));
    w.rec(0x041B, s16({40, 40, 10, 10})); // rectangle: bottom, right, top, left
    w.rec(0x01F0, s16({0}));
    w.rec(0x02FC, s16({0}) + le(kBlue, 4) + s16({0})); // brush → slot 0 again
    w.rec(0x012D, s16({0}));
    w.rec(0x0418, s16({50, 90, 10, 50})); // ellipse
    w.rec(0x0324, s16({3, 100, 10, 140, 10, 100, 50}));
    w.rec(0x0538,
          s16({2, 4, 4, 150, 60, 160, 60, 160, 70, 150, 70, 170, 60, 180, 60, 180, 70, 170, 70}));
    w.rec(0x0B41, le(0xCC0020, 4) + s16({1, 2, 0, 0, 20, 40, 60, 10}) + dibHeader() + dibBits());
    w.rec(0x02FA, s16({0, 4, 0}) + le(kGreen, 4)); // solid pen, 4 wide → slot 2
    w.rec(0x012D, s16({2}));
    w.rec(0x0214, s16({60, 120})); // move to (120, 60): y, then x
    w.rec(0x0213, s16({90, 120})); // line to (120, 90)
    // "HH" at (150, 20), y then x, in a bold font 20 high (slot 3).
    w.rec(0x02FB, s16({-20, 0, 0, 0, 700}) + QByteArray(8, '\0'));
    w.rec(0x012D, s16({3}));
    w.rec(0x0A32, s16({20, 150, 2, 0}) + "HH");
    w.rec(0x7777, s16({1, 2})); // unknown: skipped
    const QByteArray wmf = w.bytes();
    ASSERT_TRUE(load("clipart.wmf", wmf));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    ExpectProbes(picture.image, {{{25, 25}, qRgb(255, 0, 0)},
                                 {{70, 30}, qRgb(0, 0, 255)},
                                 {{105, 15}, qRgb(0, 0, 255)},
                                 {{155, 65}, qRgb(0, 0, 255)},
                                 {{165, 65}, qRgb(255, 255, 255)},
                                 {{20, 70}, qRgb(255, 0, 0)},
                                 {{45, 70}, qRgb(0, 0, 255)},
                                 {{120, 75}, qRgb(0, 255, 0)},
                                 {{120, 55}, qRgb(255, 255, 255)}});
    EXPECT_GT(inkIn(QRect(150, 20, 30, 25)), 20);
    // Without the placeable header the window the records set is the picture.
    ASSERT_TRUE(load("plain.wmf", wmf.mid(22)));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    for (const QByteArray& bad : {wmf.left(wmf.size() - 10), wmf.left(40) + le(2, 4) + le(0x41B, 2),
                                  wmf.left(40) + le(100000, 4) + le(0x41B, 2) + wmf.mid(46)})
        EXPECT_FALSE(load("bad.wmf", bad));
}

// Gradient fills (across, down, a triangle) and alpha blending with a
// constant and a per-pixel alpha.
TEST(MetafileDrawing, GradientFillAndAlphaBlend) {
    Emf e;
    auto vertex = [](int x, int y, QColor c) {
        return ints({x, y}) + ints({c.red() << 8, c.green() << 8, c.blue() << 8, 0}, 2);
    };
    e.rec(118, ints({0, 0, 0, 0, 2, 1, 0}) + vertex(10, 10, Qt::red) + vertex(60, 40, Qt::blue) +
                   ints({0, 1, 0})); // across, with the padding rectangles carry
    e.rec(118, ints({0, 0, 0, 0, 2, 1, 1}) + vertex(70, 10, Qt::green) +
                   vertex(120, 40, Qt::yellow) + ints({0, 1, 0})); // down
    e.rec(118, ints({0, 0, 0, 0, 3, 1, 2}) + vertex(130, 10, Qt::red) + vertex(190, 10, Qt::green) +
                   vertex(130, 70, Qt::blue) + ints({0, 1, 2}));
    // A blue square covered by a red-blue bitmap at half opacity; a
    // bitmap whose left pixel is half-transparent red over white.
    e.brush(1, kBlue);
    e.noPen();
    e.rec(43, ints({10, 50, 60, 90}));
    auto alphaBlend = [&](QRect dest, quint32 blend, const QByteArray& bmi,
                          const QByteArray& bits) {
        e.rec(114,
              ints({0, 0, 0, 0, dest.x(), dest.y(), dest.width(), dest.height(), blend, 0, 0}) +
                  ints({0x3F800000, 0, 0, 0x3F800000, 0, 0}) + // the identity
                  ints({0, 0, 108, bmi.size(), 108 + bmi.size(), bits.size(), 2, 1}) + bmi + bits);
    };
    alphaBlend(QRect(10, 50, 50, 40), 128 << 16, dibHeader(), dibBits());
    alphaBlend(QRect(70, 50, 50, 40), (1u << 24) | (255 << 16), dibHeader(32),
               QByteArray("\x00\x00\x80\x80\x00\xFF\x00\xFF", 8));
    const QByteArray emf = e.bytes();
    const QImage got = render(emf);
    // The triangle: each corner its colour, the centre nearly the mean.
    ExpectProbes(got, {{{132, 12}, qRgb(234, 11, 11)},
                       {{186, 11}, qRgb(8, 240, 6)},
                       {{131, 66}, qRgb(8, 6, 240)},
                       {{150, 30}, qRgb(81, 87, 87)},
                       {{180, 60}, qRgb(255, 255, 255)}});
    QImage rest = got;
    QPainter(&rest).fillRect(QRect(128, 8, 64, 64), Qt::white);
    expectLooksLike(rest, reference([](QPainter& p) {
                        QLinearGradient across(10, 0, 60, 0), down(0, 10, 0, 40);
                        across.setColorAt(0, Qt::red), across.setColorAt(1, Qt::blue);
                        down.setColorAt(0, Qt::green), down.setColorAt(1, Qt::yellow);
                        p.fillRect(QRect(10, 10, 50, 30), across);
                        p.fillRect(QRect(70, 10, 50, 30), down);
                        // The bitmaps scaled as the player scales them.
                        p.setRenderHint(QPainter::SmoothPixmapTransform);
                        p.fillRect(QRect(10, 50, 50, 40), Qt::blue);
                        QImage redBlue = solidImage({2, 1}, Qt::red);
                        redBlue.setPixel(1, 0, qRgb(0, 0, 255));
                        p.setOpacity(128 / 255.0);
                        p.drawImage(QRect(10, 50, 50, 40), redBlue);
                        p.setOpacity(1);
                        QImage halfRedGreen(2, 1, QImage::Format_ARGB32);
                        halfRedGreen.setPixel(0, 0, qRgba(255, 0, 0, 128));
                        halfRedGreen.setPixel(1, 0, qRgb(0, 255, 0));
                        p.drawImage(QRect(70, 50, 50, 40), halfRedGreen);
                    }));

    // Counts beyond the record: refused.
    EXPECT_TRUE(refused(emf.left(88) + ints({118, 36, 0, 0, 0, 0, 1000, 1, 0}) + emf.mid(88)));
    EXPECT_TRUE(refused(emf.left(88) + ints({118, 36, 0, 0, 0, 0, 0, 1, 7}) + emf.mid(88)));
}

// Regions in both formats, the same picture: filled with a brush, framed,
// painted with the current brush, inverted, and as the clip.
TEST(MetafileDrawing, RegionsInBothFormats) {
    const QImage want = reference([](QPainter& p) {
        p.fillRect(QRect(10, 10, 30, 30), Qt::red);
        p.fillRect(QRect(50, 10, 30, 30), Qt::red);
        p.fillRect(QRect(90, 10, 60, 50), Qt::blue); // the frame, 4 wide and 6 high
        p.fillRect(QRect(94, 16, 52, 38), Qt::white);
        p.fillRect(QRect(10, 50, 30, 40), Qt::green);
        p.fillRect(QRect(50, 50, 30, 20), Qt::cyan); // red inverted
        p.fillRect(QRect(50, 70, 30, 20), Qt::black);
        p.fillRect(QRect(100, 65, 20, 15), Qt::yellow);
        p.fillRect(QRect(130, 65, 20, 15), Qt::yellow);
        p.fillRect(QRect(170, 65, 10, 10), Qt::yellow);
    });

    Emf e;
    for (const qint64 slot : {1, 2, 3, 4}) // brushes of red, blue, green and yellow
        e.rec(39, ints({slot, 0, std::array{kRed, kBlue, kGreen, kYellow}[slot - 1], 0}));
    e.noPen();
    auto regionRecord = [&](quint32 type, const QByteArray& data, const QByteArray& extra) {
        e.rec(type, ints({0, 0, 0, 0, data.size()}) + extra + data);
    };
    regionRecord(71, emfRegion({QRect(10, 10, 30, 30), QRect(50, 10, 30, 30)}), ints({1}));
    regionRecord(72, emfRegion({QRect(90, 10, 60, 50)}), ints({2, 4, 6}));
    e.rec(37, ints({3}));
    regionRecord(74, emfRegion({QRect(10, 50, 30, 40)}), {});
    regionRecord(71, emfRegion({QRect(50, 50, 30, 20)}), ints({1}));
    regionRecord(73, emfRegion({QRect(50, 50, 30, 40)}), {});
    auto clip = [&](int mode, const QByteArray& data) {
        e.rec(75, ints({data.size(), mode}) + data);
    };
    clip(5, emfRegion({QRect(100, 65, 20, 30)}));
    clip(2, emfRegion({QRect(130, 65, 20, 30)})); // or
    clip(4, emfRegion({QRect(95, 80, 60, 20)}));  // less
    clip(3, emfRegion({QRect(170, 65, 10, 10)})); // either
    e.rec(37, ints({4}));
    e.rec(43, ints({95, 62, 185, 96}));
    clip(5, {}); // no clip
    const QByteArray emf = e.bytes();
    expectLooksLike(render(emf), want, 0.002);

    Wmf w;
    w.rec(0x02FA, s16({5, 0, 0}) + le(0, 4)); // the empty pen, kept in slot 0
    w.rec(0x012D, s16({0}));
    for (qint64 color : {kRed, kBlue, kYellow, kGreen})
        w.rec(0x02FC, s16({0}) + le(color, 4) + s16({0}));                    // slots 1 to 4
    w.rec(0x06FF, wmfRegion({QRect(10, 10, 30, 30), QRect(50, 10, 30, 30)})); // 5
    w.rec(0x0228, s16({5, 1}));
    w.rec(0x06FF, wmfRegion({QRect(90, 10, 60, 50)})); // 6
    w.rec(0x0429, s16({6, 2, 6, 4}));
    w.rec(0x012D, s16({4}));
    w.rec(0x06FF, wmfRegion({QRect(10, 50, 30, 40)})); // 7
    w.rec(0x012B, s16({7}));
    w.rec(0x06FF, wmfRegion({QRect(50, 50, 30, 20)})); // 8
    w.rec(0x0228, s16({8, 1}));
    w.rec(0x06FF, wmfRegion({QRect(50, 50, 30, 40)})); // 9
    w.rec(0x012A, s16({9}));
    w.rec(0x06FF, wmfRegion({QRect(100, 65, 20, 15), QRect(130, 65, 20, 15),
                             QRect(170, 65, 10, 10)})); // 10
    w.rec(0x012C, s16({10}));
    w.rec(0x012D, s16({3}));
    w.rec(0x041B, s16({96, 185, 62, 95}));
    w.rec(0x012C, s16({1})); // not a region: no clip
    const QByteArray wmf = w.bytes();
    expectLooksLike(render(wmf), want, 0.002);

    // A region whose rectangles or scans run past the record: refused.
    const QByteArray emfRegionCut = ints({71, 8 + 24 + 48, 0, 0, 0, 0, 48, 1}) +
                                    ints({32, 1, 5, 80, 0, 0, 0, 0}) + ints({1, 1, 2, 2});
    EXPECT_TRUE(refused(emf.left(88) + emfRegionCut + emf.mid(88)));
    Wmf cut;
    QByteArray scans = wmfRegion({QRect(1, 1, 5, 5)});
    scans[22] = 40; // a scan of 40 coordinates
    cut.rec(0x06FF, scans);
    EXPECT_TRUE(refused(cut.bytes()));
}

// The window and viewport of a WMF: a window alone is stretched over the
// picture; with a viewport the window maps onto it; origins moved, extents
// scaled, saved and restored; the text and metric mapping modes.
TEST(MetafileDrawing, WindowsMetafileWindowAndViewport) {
    Wmf w;
    auto rect = [&](qint64 color, int left, int top, int right, int bottom) {
        w.brush(color);
        w.rec(0x041B, s16({bottom, right, top, left}));
    };
    w.use(0x02FA, s16({5, 0, 0}) + le(0, 4)); // the empty pen
    w.rec(0x0103, s16({8}));                  // anisotropic
    w.rec(0x020B, s16({0, 0}));               // window origin (y, x)
    w.rec(0x020C, s16({960, 1920}));          // window extent: ten units a pixel
    rect(kRed, 100, 100, 400, 400);           // (10, 10)-(40, 40)
    w.rec(0x001E, {});                        // save
    w.rec(0x020D, s16({10, 50}));             // viewport origin
    w.rec(0x020E, s16({30, 30}));             // viewport extent
    w.rec(0x020C, s16({300, 300}));
    rect(kBlue, 0, 0, 300, 300);           // (50, 10)-(80, 40)
    w.rec(0x0211, s16({0, 40}));           // viewport origin moved right 40
    rect(kGreen, 0, 0, 300, 300);          // (90, 10)-(120, 40)
    w.rec(0x0412, s16({1, 2, 1, 2}));      // viewport extent doubled
    w.rec(0x020F, s16({0, -200}));         // window origin moved left 200
    rect(kYellow, 0, 0, 150, 150);         // (130, 10)-(160, 40)
    w.rec(0x0410, s16({1, 2, 1, 2}));      // window extent doubled
    rect(kMagenta, -1000, 400, -700, 700); // (10, 50)-(40, 80)
    w.rec(0x0127, s16({-1}));              // restore: the window alone again
    rect(kCyan, 500, 500, 800, 800);       // (50, 50)-(80, 80)
    w.rec(0x0103, s16({1}));               // text: one unit a pixel
    w.rec(0x020B, s16({-50, -90}));
    rect(0x808080, 0, 0, 30, 30); // (90, 50)-(120, 80)
    w.rec(0x0103, s16({2}));      // tenths of a millimetre, y up
    w.rec(0x020B, s16({0, 0}));
    w.rec(0x020D, s16({80, 130}));
    rect(0x0080FF, 0, 0, 79, 79); // (130, 50)-(160, 80)
    expectLooksLike(render(w.bytes()), reference([](QPainter& p) {
                        p.fillRect(QRect(10, 10, 30, 30), Qt::red);
                        p.fillRect(QRect(50, 10, 30, 30), Qt::blue);
                        p.fillRect(QRect(90, 10, 30, 30), Qt::green);
                        p.fillRect(QRect(130, 10, 30, 30), Qt::yellow);
                        p.fillRect(QRect(10, 50, 30, 30), Qt::magenta);
                        p.fillRect(QRect(50, 50, 30, 30), Qt::cyan);
                        p.fillRect(QRect(90, 50, 30, 30), QColor(128, 128, 128));
                        p.fillRect(QRect(130, 50, 30, 30), QColor(255, 128, 0));
                    }),
                    0.005);

    // Without the placeable header a viewport the file sets is the picture.
    Wmf plain;
    plain.rec(0x0103, s16({8}));
    plain.rec(0x020C, s16({500, 1000}));
    plain.rec(0x020E, s16({96, 192}));
    plain.use(0x02FA, s16({5, 0, 0}) + le(0, 4));
    plain.brush(kRed);
    plain.rec(0x041B, s16({250, 500, 0, 0}));
    QSize native;
    QString error;
    const QByteArray bytes = plain.bytes(false);
    ASSERT_TRUE(MetafileNativeSize(bytes, native, error)) << error.toStdString();
    EXPECT_EQ(native, QSize(192, 96));
    expectLooksLike(render(bytes),
                    reference([](QPainter& p) { p.fillRect(QRect(0, 0, 96, 48), Qt::red); }),
                    0.005);
}

// Arcs, chords, pies and arc-to, counter-clockwise and then clockwise.
TEST(MetafileDrawing, ArcDirectionAndTheCancelFlag) {
    Emf e;
    e.noPen();
    e.brush(1, kRed);
    e.rec(38, ints({2, 0, 4, 0, 0})); // black, 4 wide
    // From three o'clock to twelve o'clock in each 40-pixel box.
    auto shapes = [&](int y) {
        e.rec(47, ints({10, y, 50, y + 40, 50, y + 20, 30, y}));   // pie
        e.rec(46, ints({60, y, 100, y + 40, 100, y + 20, 80, y})); // chord
        e.rec(37, ints({2}));
        e.rec(45, ints({110, y, 150, y + 40, 150, y + 20, 130, y})); // arc
        e.rec(27, ints({190, y + 40}));
        e.rec(55, ints({150, y, 190, y + 40, 190, y + 20, 170, y})); // arc-to
        e.rec(54, ints({190, y + 40}));
        e.noPen();
    };
    shapes(5);
    e.rec(57, ints({2})); // clockwise
    shapes(50);
    expectLooksLike(render(e.bytes()), reference([](QPainter& p) {
                        for (const double span : {90.0, -270.0}) {
                            const int y = span > 0 ? 5 : 50;
                            QPainterPath pie, chord, arc, arcTo;
                            pie.moveTo(30, y + 20);
                            pie.arcTo(QRectF(10, y, 40, 40), 0, span);
                            pie.closeSubpath();
                            chord.arcMoveTo(QRectF(60, y, 40, 40), 0);
                            chord.arcTo(QRectF(60, y, 40, 40), 0, span);
                            chord.closeSubpath();
                            p.fillPath(pie, Qt::red);
                            p.fillPath(chord, Qt::red);
                            arc.arcMoveTo(QRectF(110, y, 40, 40), 0);
                            arc.arcTo(QRectF(110, y, 40, 40), 0, span);
                            arcTo.moveTo(190, y + 40);
                            arcTo.arcTo(QRectF(150, y, 40, 40), 0, span);
                            arcTo.lineTo(190, y + 40);
                            QPen pen(Qt::black, 4);
                            pen.setCapStyle(Qt::RoundCap);
                            pen.setJoinStyle(Qt::RoundJoin);
                            p.strokePath(arc, pen);
                            p.strokePath(arcTo, pen);
                        }
                    }),
                    0.01);

    // A cancel flag already set stops a metafile before its first record,
    // both through the loader and in the player itself.
    Emf emf;
    emf.rec(39, ints({1, 0, kRed, 0})); // a brush
    const QByteArray bytes = emf.bytes();
    ASSERT_FALSE(render(bytes).isNull());
    const std::atomic<bool> cancel{true};
    SourcePicture picture{QImage(2, 2, QImage::Format_RGB32), QSize(2, 2)};
    QString error;
    EXPECT_FALSE(LoadPictureFromBytes(bytes, "drawing.emf", picture, &error, QSize(), &cancel));
    EXPECT_EQ(error, QStringLiteral("Cancelled."));
    EXPECT_EQ(picture.nativeSize, QSize(2, 2));
    QImage out;
    EXPECT_FALSE(RenderMetafile(bytes, QSize(192, 96), out, error, &cancel));
    EXPECT_TRUE(out.isNull());
}
