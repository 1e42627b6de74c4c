// Loading pictures by content, and refusing bad or oversized files.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T> void Put(QByteArray& b, T v) {
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), sizeof v);
}

// A 4 x 2 run-length-encoded 8-bit bitmap: top row red, red, green, green;
// bottom row all green.
QByteArray Rle8Bitmap() {
    const QByteArray data = QByteArray::fromHex("0401"
                                                "0000"
                                                "02000201"
                                                "0000"
                                                "0001");
    QByteArray b("BM");
    Put<quint32>(b, 14 + 40 + 8 + quint32(data.size()));
    Put<quint32>(b, 0);
    Put<quint32>(b, 14 + 40 + 8);
    Put<quint32>(b, 40);
    Put<qint32>(b, 4);
    Put<qint32>(b, 2);
    Put<quint16>(b, 1);
    Put<quint16>(b, 8);
    Put<quint32>(b, 1); // BI_RLE8
    Put<quint32>(b, quint32(data.size()));
    Put<qint32>(b, 0);
    Put<qint32>(b, 0);
    Put<quint32>(b, 2);
    Put<quint32>(b, 0);
    b.append(QByteArray::fromHex("0000FF00"
                                 "00FF0000")); // red, green (B, G, R, 0)
    return b + data;
}

quint32 Crc32(const QByteArray& d) {
    quint32 c = 0xFFFFFFFF;
    for (char ch : d) {
        c ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

// A PNG whose header claims 30000 x 30000 pixels.
QByteArray HugePngHeader() {
    QByteArray ihdr("IHDR");
    quint32 w = qToBigEndian<quint32>(30000), h = w;
    ihdr.append(reinterpret_cast<const char*>(&w), 4).append(reinterpret_cast<const char*>(&h), 4);
    ihdr.append(QByteArray::fromHex("0802000000"));
    QByteArray png = QByteArray::fromHex("89504E470D0A1A0A");
    quint32 len = qToBigEndian<quint32>(13), crc = qToBigEndian(Crc32(ihdr));
    png.append(reinterpret_cast<const char*>(&len), 4)
        .append(ihdr)
        .append(reinterpret_cast<const char*>(&crc), 4);
    return png;
}

class PictureLoader : public ::testing::Test {
protected:
    // A marker picture in imgprev, to see that failures leave it alone.
    PictureLoader() { t.app->imgprev = {QuadrantPicture(3, 3), QSize(3, 3)}; }
    void expectFails(const QString& path) {
        QString error;
        EXPECT_FALSE(
            LoadSourcePicture(*t.app, path, QStringLiteral("Center"), QSize(800, 600), &error))
            << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(t.app->imgprev.nativeSize, QSize(3, 3));
    }
    TestApp t;
};

TEST_F(PictureLoader, ReadsByContentNotByName) {
    const QString path = t.path(QStringLiteral("actually-png.jpg"));
    ASSERT_TRUE(QuadrantPicture(20, 10).save(path, "PNG"));
    ASSERT_TRUE(LoadSourcePicture(*t.app, path, QStringLiteral("Center"), QSize(800, 600)));
    EXPECT_EQ(t.app->imgprev.nativeSize, QSize(20, 10));
    EXPECT_EQ(Rgb(t.app->imgprev.image, 15, 8), 0xFFFF00u);
}

TEST_F(PictureLoader, RunLengthEncodedBitmap) {
    const QString path = t.path(QStringLiteral("picture.rle"));
    WriteBytes(path, Rle8Bitmap());
    ASSERT_TRUE(LoadSourcePicture(*t.app, path, QStringLiteral("Center"), QSize(800, 600)));
    const QImage& img = t.app->imgprev.image;
    ASSERT_EQ(img.size(), QSize(4, 2));
    EXPECT_EQ(Rgb(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 1, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 2, 0), 0x00FF00u);
    EXPECT_EQ(Rgb(img, 3, 1), 0x00FF00u);
}

TEST_F(PictureLoader, BadFilesAreFailuresNotCrashes) {
    expectFails(t.path(QStringLiteral("missing.jpg")));
    WriteBytes(t.path(QStringLiteral("empty.jpg")), QByteArray());
    expectFails(t.path(QStringLiteral("empty.jpg")));
    WriteBytes(t.path(QStringLiteral("noise.jpg")), QByteArray(5000, '\x5A'));
    expectFails(t.path(QStringLiteral("noise.jpg")));

    QImage big(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            big.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    for (const char* fmt : {"JPEG", "PNG", "BMP"}) {
        const QString whole = t.path(QStringLiteral("whole.") + QLatin1String(fmt));
        ASSERT_TRUE(big.save(whole, fmt));
        const QByteArray bytes = FileBytes(whole);
        const QString cut = t.path(QStringLiteral("cut.") + QLatin1String(fmt));
        WriteBytes(cut, bytes.left(bytes.size() / 2));
        expectFails(cut);
        // The whole file loads.
        EXPECT_TRUE(LoadSourcePicture(*t.app, whole, QStringLiteral("Center"), QSize(800, 600)))
            << fmt;
        t.app->imgprev = {QuadrantPicture(3, 3), QSize(3, 3)};
    }
}

TEST_F(PictureLoader, OversizedPictureIsRefused) {
    WriteBytes(t.path(QStringLiteral("huge.png")), HugePngHeader());
    expectFails(t.path(QStringLiteral("huge.png")));
}

TEST_F(PictureLoader, LargeJpegDecodedReducedOnlyWhenDrawnSmaller) {
    const QString path = t.path(QStringLiteral("large.jpg"));
    ASSERT_TRUE(QuadrantPicture(2000, 1500).save(path, "JPEG", 95));
    ASSERT_TRUE(
        LoadSourcePicture(*t.app, path, QStringLiteral("Fit (Reduce/Enlarge)"), QSize(400, 300)));
    EXPECT_EQ(t.app->imgprev.nativeSize, QSize(2000, 1500));
    EXPECT_LE(t.app->imgprev.image.width(), 1000);
    EXPECT_GE(t.app->imgprev.image.width(), 400);

    ASSERT_TRUE(LoadSourcePicture(*t.app, path, QStringLiteral("Center"), QSize(400, 300)));
    EXPECT_EQ(t.app->imgprev.image.size(), QSize(2000, 1500));
    ASSERT_TRUE(LoadSourcePicture(*t.app, path, QStringLiteral("Tile"), QSize(400, 300)));
    EXPECT_EQ(t.app->imgprev.image.size(), QSize(2000, 1500));

    // The reduced decode composes to the same layout as the whole picture.
    t.app->settings.WaterMarkVisible = false;
    t.app->settings.WallPaperPosition = QStringLiteral("Fit (Reduce/Enlarge)");
    ASSERT_TRUE(
        LoadSourcePicture(*t.app, path, t.app->settings.WallPaperPosition, QSize(400, 300)));
    ASSERT_TRUE(ComposeWallpaper(*t.app, ScreenInfo{QSize(400, 300), QRect(0, 0, 400, 300), 96}));
    const QImage bmp(t.app->paths.WallpaperBitmapPath, "BMP");
    EXPECT_EQ(qRed(bmp.pixel(5, 5)) > 240 && qGreen(bmp.pixel(5, 5)) < 16, true);
    EXPECT_EQ(qRed(bmp.pixel(394, 294)) > 240 && qGreen(bmp.pixel(394, 294)) > 240, true);
}

} // namespace
