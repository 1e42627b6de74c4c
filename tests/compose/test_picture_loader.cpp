// Loading pictures by content, and refusing bad or oversized files.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class PictureLoader : public ::testing::Test {
protected:
    // A marker picture in imgprev, to see that failures leave it alone.
    PictureLoader() { t.app->imgprev = {QuadrantPicture(3, 3), QSize(3, 3)}; }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(t.path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
    bool load(const QString& path, QString* error = nullptr) {
        return LoadSourcePicture(*t.app, path, QStringLiteral("Center"), QSize(400, 300), error);
    }
    void expectFails(const QString& path) {
        QString error;
        EXPECT_FALSE(load(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(t.app->imgprev.nativeSize, QSize(3, 3));
    }
    TestApp t;
};

TEST_F(PictureLoader, ReadsByContentNotByName) {
    const QString path = t.path(QStringLiteral("actually-png.jpg"));
    ASSERT_TRUE(QuadrantPicture(20, 10).save(path, "PNG"));
    ASSERT_TRUE(load(path));
    EXPECT_EQ(t.app->imgprev.nativeSize, QSize(20, 10));
    EXPECT_EQ(Rgb(t.app->imgprev.image, 15, 8), 0xFFFF00u);
}

TEST_F(PictureLoader, BadFilesAreFailuresNotCrashes) {
    expectFails(t.path(QStringLiteral("missing.jpg")));
    expectFails(write(QStringLiteral("empty.jpg"), {}));
    expectFails(write(QStringLiteral("noise.jpg"), QByteArray(5000, '\x5A')));
    // A valid PNG header that claims 30000 x 30000 pixels.
    expectFails(write(QStringLiteral("huge.png"),
                      QByteArray::fromHex("89504E470D0A1A0A0000000D494844520000753000007530"
                                          "0802000000E9456FED")));
    // Each format cut in half; whole, it loads.
    for (const char* fmt : {"JPEG", "PNG", "BMP"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) &&
                    QuadrantPicture(300, 200).save(&buffer, fmt));
        expectFails(
            write(QStringLiteral("cut.%1").arg(QLatin1String(fmt)), bytes.left(bytes.size() / 2)));
        if (qstrcmp(fmt, "BMP") != 0) { // damage inside the data, the file's length intact
            QByteArray scrambled = bytes;
            scrambled.replace(bytes.size() * 2 / 3, 40, QByteArray(40, '\x37'));
            expectFails(write(QStringLiteral("scrambled.%1").arg(QLatin1String(fmt)), scrambled));
        }
        EXPECT_TRUE(load(write(QStringLiteral("whole.%1").arg(QLatin1String(fmt)), bytes))) << fmt;
        t.app->imgprev = {QuadrantPicture(3, 3), QSize(3, 3)};
    }
}
