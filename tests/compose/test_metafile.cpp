// Windows metafiles written record by record by the test, drawn and compared
// with what each record family must put on the pixels; damaged files fail.
#include "FakePlatform.h"
#include "compose/Compose.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray le(qint64 v, int bytes) {
    QByteArray b;
    for (int k = 0; k < bytes; ++k)
        b += char((v >> (8 * k)) & 0xFF);
    return b;
}
QByteArray ints(std::initializer_list<qint64> values, int bytes = 4) {
    QByteArray b;
    for (qint64 v : values)
        b += le(v, bytes);
    return b;
}
constexpr qint64 kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kYellow = 0x00FFFF,
                 kMagenta = 0xFF00FF, kCyan = 0xFFFF00;

// A 2 x 1 bitmap, red then blue, bottom-up, 24 bits a pixel.
QByteArray dibHeader() {
    return ints({40, 2, 1}) + le(1, 2) + le(24, 2) + ints({0, 8, 0, 0, 0, 0});
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
    // 192 x 96 pixels at 96 dots per inch, one logical unit a pixel.
    QByteArray bytes() {
        rec(14, ints({0, 16, 20}));
        QByteArray h = ints({1, 88, 0, 0, 191, 95, 0, 0, 5080, 2540, 0x464D4520, 0x10000});
        h += ints({88 + records.size(), count}) + le(16, 2) + le(0, 2) +
             ints({0, 0, 0, 960, 960, 254, 254});
        return h + records;
    }
};

struct Probe {
    QPoint at;
    QRgb color;
};

struct MetafileTest : ::testing::Test {
    QTemporaryDir dir;
    SourcePicture picture{QImage(3, 3, QImage::Format_RGB32), QSize(3, 3)};
    bool load(const QString& name, const QByteArray& bytes) {
        return LoadPictureFor(writeFile(dir.filePath(name), bytes), PositionMode::Center,
                              QSize(400, 300), picture);
    }
    void expectProbes(const std::vector<Probe>& probes) {
        for (const Probe& p : probes) {
            const QColor c = picture.image.pixelColor(p.at), want(p.color);
            EXPECT_LE(std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                          std::abs(c.blue() - want.blue()),
                      30)
                << "at " << p.at.x() << "," << p.at.y() << ": " << c.name().toStdString()
                << " instead of " << want.name().toStdString();
        }
    }
};

} // namespace

TEST_F(MetafileTest, EnhancedMetafileRecordFamilies) {
    Emf e;
    auto brush = [&](int slot, qint64 color) {
        e.rec(39, ints({slot, 0, color, 0}));
        e.rec(37, ints({slot}));
    };
    e.rec(37, ints({0x80000008})); // the stock empty pen
    brush(1, kRed);
    e.rec(43, ints({10, 10, 40, 40})); // rectangle
    brush(2, kBlue);
    e.rec(42, ints({50, 10, 90, 50})); // ellipse
    brush(3, kGreen);
    e.rec(86, ints({0, 0, 0, 0, 3}) + ints({100, 10, 140, 10, 100, 50}, 2)); // polygon
    brush(4, kYellow);
    e.rec(91,
          ints({0, 0, 0, 0, 2, 8, 4, 4}) + // two squares
              ints({150, 10, 160, 10, 160, 20, 150, 20, 170, 10, 180, 10, 180, 20, 170, 20}, 2));
    brush(5, kMagenta);
    e.rec(47, ints({10, 50, 50, 90, 50, 70, 30, 50})); // pie: the upper right quarter
    e.rec(38, ints({6, 0, 3, 0, 0}));                  // a black pen 3 wide
    e.rec(37, ints({6}));
    e.rec(27, ints({60, 60}));
    e.rec(54, ints({100, 60})); // line
    e.rec(37, ints({0x80000008}));
    brush(7, kCyan);
    e.rec(59, {}); // path: a triangle filled
    e.rec(86, ints({0, 0, 0, 0, 3}) + ints({60, 70, 90, 70, 60, 90}, 2));
    e.rec(60, {});
    e.rec(62, ints({0, 0, 0, 0}));
    e.rec(33, {}); // clipped fill
    e.rec(30, ints({110, 60, 120, 70}));
    brush(8, kBlue);
    e.rec(43, ints({100, 55, 140, 90}));
    e.rec(34, ints({-1}));
    e.rec(33, {}); // mapping: 1000 logical units onto 10 pixels from (150, 40)
    e.rec(17, ints({8}));
    e.rec(9, ints({1000, 1000}));
    e.rec(11, ints({10, 10}));
    e.rec(12, ints({150, 40}));
    brush(9, kGreen);
    e.rec(43, ints({0, 0, 1000, 1000}));
    e.rec(34, ints({-1}));
    // StretchDIBits of the red-blue bitmap onto (150, 60)–(190, 80).
    const QByteArray bmi = dibHeader(), bits = dibBits();
    e.rec(81, ints({0, 0, 0, 0, 150, 60, 0, 0, 2, 1, 80, bmi.size(), 80 + bmi.size(), bits.size(),
                    0, 0xCC0020, 40, 20}) +
                  bmi + bits);
    e.rec(9999, ints({1, 2, 3})); // unknown: skipped
    // Text in a font 20 pixels high.
    QByteArray font = ints({10, -20, 0, 0, 0, 700, 0, 0});
    font += QByteArray(64, '\0');
    e.rec(82, font);
    e.rec(37, ints({10}));
    e.rec(18, ints({1}));
    const QString text = QStringLiteral("HH");
    e.rec(84, ints({0, 0, 0, 0, 1, 0, 0, 150, 80, text.size(), 76, 0, 0, 0, 0, 0, 0}) +
                  QByteArray(reinterpret_cast<const char*>(text.utf16()), 4));
    const QByteArray emf = e.bytes();
    ASSERT_TRUE(load("drawing.emf", emf));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    expectProbes({{{25, 25}, qRgb(255, 0, 0)},
                  {{70, 30}, qRgb(0, 0, 255)},
                  {{52, 12}, qRgb(255, 255, 255)},
                  {{105, 15}, qRgb(0, 255, 0)},
                  {{136, 46}, qRgb(255, 255, 255)},
                  {{155, 15}, qRgb(255, 255, 0)},
                  {{175, 15}, qRgb(255, 255, 0)},
                  {{165, 15}, qRgb(255, 255, 255)},
                  {{38, 62}, qRgb(255, 0, 255)},
                  {{20, 80}, qRgb(255, 255, 255)},
                  {{80, 60}, qRgb(0, 0, 0)},
                  {{65, 75}, qRgb(0, 255, 255)},
                  {{85, 85}, qRgb(255, 255, 255)},
                  {{115, 65}, qRgb(0, 0, 255)},
                  {{130, 80}, qRgb(255, 255, 255)},
                  {{155, 45}, qRgb(0, 255, 0)},
                  {{165, 45}, qRgb(255, 255, 255)},
                  {{160, 70}, qRgb(255, 0, 0)},
                  {{180, 70}, qRgb(0, 0, 255)}});
    int ink = 0; // the text's strokes below and right of (150, 80)
    for (int y = 80; y < 96; ++y)
        for (int x = 150; x < 180; ++x)
            ink += qGray(picture.image.pixel(x, y)) < 100;
    EXPECT_GT(ink, 20);

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
    QByteArray records;
    int words = 0;
    auto rec = [&](int fn, const QByteArray& params) {
        const int size = 3 + int(params.size()) / 2;
        records += le(size, 4) + le(fn, 2) + params;
        words += size;
    };
    auto s16 = [](std::initializer_list<qint64> v) { return ints(v, 2); };
    rec(0x020C, s16({96, 192}));                    // window extent
    rec(0x02FC, s16({0}) + le(kRed, 4) + s16({0})); // brush → slot 0
    rec(0x02FA, s16({5, 0, 0}) + le(0, 4));         // empty pen → slot 1
    rec(0x012D, s16({0}));
    rec(0x012D, s16({1}));
    rec(0x041B, s16({40, 40, 10, 10})); // rectangle: bottom, right, top, left
    rec(0x01F0, s16({0}));
    rec(0x02FC, s16({0}) + le(kBlue, 4) + s16({0})); // brush → slot 0 again
    rec(0x012D, s16({0}));
    rec(0x0418, s16({50, 90, 10, 50})); // ellipse
    rec(0x0324, s16({3, 100, 10, 140, 10, 100, 50}));
    rec(0x0538,
        s16({2, 4, 4, 150, 60, 160, 60, 160, 70, 150, 70, 170, 60, 180, 60, 180, 70, 170, 70}));
    rec(0x0B41, le(0xCC0020, 4) + s16({1, 2, 0, 0, 20, 40, 60, 10}) + dibHeader() + dibBits());
    rec(0x7777, s16({1, 2})); // unknown: skipped
    rec(0, {});
    QByteArray header = s16({1, 9, 0x0300}) + le(9 + words, 4) + s16({2}) + le(64, 4) + s16({0});
    QByteArray placeable = le(0x9AC6CDD7, 4) + s16({0, 0, 0, 192, 96, 96}) + le(0, 4);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(uchar(placeable[i]) | (uchar(placeable[i + 1]) << 8));
    placeable += le(sum, 2);
    const QByteArray wmf = placeable + header + records;
    ASSERT_TRUE(load("clipart.wmf", wmf));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    expectProbes({{{25, 25}, qRgb(255, 0, 0)},
                  {{70, 30}, qRgb(0, 0, 255)},
                  {{105, 15}, qRgb(0, 0, 255)},
                  {{155, 65}, qRgb(0, 0, 255)},
                  {{165, 65}, qRgb(255, 255, 255)},
                  {{20, 70}, qRgb(255, 0, 0)},
                  {{45, 70}, qRgb(0, 0, 255)}});
    // Without the placeable header the window the records set is the picture.
    ASSERT_TRUE(load("plain.wmf", header + records));
    EXPECT_EQ(picture.nativeSize, QSize(192, 96));
    for (const QByteArray& bad : {wmf.left(wmf.size() - 10), wmf.left(40) + le(2, 4) + le(0x41B, 2),
                                  wmf.left(40) + le(100000, 4) + le(0x41B, 2) + wmf.mid(46)})
        EXPECT_FALSE(load("bad.wmf", bad));
}
