// Next-wallpaper selection over real picture files: sequence, random, the
// internet hand-over, bubbles, and pictures that do not load.
#include "FakePlatform.h"

#include "collection/Collection.h"
#include "settings/SettingsIO.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A small picture whose width tells which entry was loaded.
QImage picture(int width) {
    QImage image(width, 7, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((width * 37) % 360, 200, 200));
    return image;
}

// A 2 x 2 GIF (Qt reads GIF but does not write it).
QByteArray gifBytes() {
    static const unsigned char gif[] = {'G',  'I', 'F', '8', '9', 'a',  2,    0, 2, 0,  0x80, 0, 0,
                                        0xff, 0,   0,   0,   0,   0xff, ',',  0, 0, 0,  0,    2, 0,
                                        2,    0,   0,   2,   3,   0x44, 0x34, 5, 0, ';'};
    return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

struct SelectionTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;

    void SetUp() override { app.random.seed(20240607); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = t.path(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // Entries 1..n: PNG pictures 11, 12, ... pixels wide.
    void pictures(int n) {
        app.PictureList.clear();
        for (int i = 1; i <= n; ++i)
            app.PictureList << write(QString("p%1.png").arg(i), encoded(picture(10 + i), "PNG"));
    }
    // The entry whose picture is in the source surface, 0 when none.
    int loadedEntry() const {
        return app.imgprev.isNull() ? 0 : app.imgprev.nativeSize.width() - 10;
    }
    std::vector<int> steps(int n) {
        std::vector<int> shown;
        for (int i = 0; i < n; ++i) {
            NextWallpaper(app);
            EXPECT_EQ(loadedEntry(), int(app.settings.CurWallPaper));
            shown.push_back(int(app.settings.CurWallPaper));
        }
        return shown;
    }
};

} // namespace

TEST_F(SelectionTest, SequenceWrapsAndRestartsWhenTheListShrank) {
    pictures(3);
    app.settings.TechniqueTimer = 1;
    app.settings.CurWallPaper = 0;
    EXPECT_EQ(steps(5), (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(t.desktop->calls.size(), 5u);
    EXPECT_EQ(t.desktop->calls.back().path, app.paths.WallpaperBitmapPath);

    app.settings.CurWallPaper = 7;
    EXPECT_EQ(steps(1), std::vector<int>{1});

    // Hand-edited positions: nothing between them and a real entry is skipped
    // over by changes that show nothing.
    app.settings.CurWallPaper = -4;
    EXPECT_EQ(steps(1), std::vector<int>{1});
    app.settings.CurWallPaper = 1.5;
    EXPECT_EQ(steps(1), std::vector<int>{2});
    app.settings.CurWallPaper = std::nan("");
    EXPECT_EQ(steps(1), std::vector<int>{1});
    app.settings.CurWallPaper = 1e300;
    EXPECT_EQ(steps(1), std::vector<int>{1});
}

TEST_F(SelectionTest, SequenceContinuesAfterARestart) {
    pictures(4);
    app.settings.TechniqueTimer = 1;
    app.settings.CurWallPaper = 0;
    steps(2);
    ASSERT_TRUE(SaveSettings(app));

    t.reopenStore();
    app.settings.CurWallPaper = 0;
    LoadSettings(app);
    EXPECT_EQ(app.settings.CurWallPaper, 2);
    EXPECT_EQ(steps(1), std::vector<int>{3});
}

TEST_F(SelectionTest, RandomNeverRepeatsTheCurrentPicture) {
    pictures(2);
    app.settings.TechniqueTimer = 0;
    app.settings.CurWallPaper = 1;
    EXPECT_EQ(steps(6), (std::vector<int>{2, 1, 2, 1, 2, 1}));

    pictures(5);
    std::set<int> seen;
    int previous = int(app.settings.CurWallPaper);
    for (int i = 0; i < 100; ++i) {
        NextWallpaper(app);
        const int now = int(app.settings.CurWallPaper);
        EXPECT_NE(now, previous);
        EXPECT_GE(now, 1);
        EXPECT_LE(now, 5);
        seen.insert(now);
        previous = now;
    }
    EXPECT_EQ(seen.size(), 5u);

    // A stored position outside the list accepts the first draw.
    app.settings.CurWallPaper = 99;
    NextWallpaper(app);
    EXPECT_GE(app.settings.CurWallPaper, 1);
    EXPECT_LE(app.settings.CurWallPaper, 5);

    // One entry: composed again every time.
    pictures(1);
    const size_t composed = t.desktop->calls.size();
    EXPECT_EQ(steps(3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(t.desktop->calls.size(), composed + 3);
}

TEST_F(SelectionTest, BubblesAndAListOrValuesThatChangeNothing) {
    app.settings.BubbleFileName = true;
    app.settings.CurWallPaper = 3;
    for (int technique : {0, 1}) {
        app.settings.TechniqueTimer = technique;
        NextWallpaper(app);
    }
    EXPECT_EQ(app.settings.CurWallPaper, 3);
    EXPECT_TRUE(t.desktop->calls.empty());
    ASSERT_EQ(t.notifier->shown.size(), 2u);
    EXPECT_EQ(t.notifier->shown[0].text, QString());
    EXPECT_EQ(t.notifier->shown[0].ms, 5000);

    // The chosen path, for five seconds.
    pictures(3);
    app.settings.TechniqueTimer = 1;
    app.settings.CurWallPaper = 1;
    NextWallpaper(app);
    EXPECT_EQ(t.notifier->shown.back().text, app.PictureList[1]);
    EXPECT_EQ(t.notifier->shown.back().ms, 5000);

    app.settings.BubbleFileName = false;
    app.settings.CurWallPaper = 3;
    app.settings.TechniqueTimer = 2;
    NextWallpaper(app);
    app.settings.TechniqueTimer = 1;
    app.settings.WPSource = 7;
    NextWallpaper(app);
    EXPECT_EQ(app.settings.CurWallPaper, 3);
    EXPECT_EQ(t.desktop->calls.size(), 1u);
}

TEST_F(SelectionTest, InternetSourceHandsOverAndLeavesTheLocalListAlone) {
    pictures(2);
    app.settings.WPSource = 2;
    app.settings.CurWallPaper = 1;
    app.settings.BubbleFileName = true;
    NextWallpaper(app); // no internet stepping yet: nothing happens
    int stepped = 0;
    app.internetNext = [&] { ++stepped; };
    NextWallpaper(app);
    EXPECT_EQ(stepped, 1);
    EXPECT_EQ(app.settings.CurWallPaper, 1);
    EXPECT_EQ(app.PictureList.size(), 2);
    EXPECT_TRUE(t.notifier->shown.empty());
    EXPECT_TRUE(t.desktop->calls.empty());
}

TEST_F(SelectionTest, PicturesThatDoNotLoadLeaveTheDesktopAsItWas) {
    const QByteArray jpeg = encoded(picture(64), "JPEG");
    const QByteArray png = encoded(picture(64), "PNG");
    const QByteArray gif = gifBytes();
    QByteArray corruptJpeg = jpeg, corruptPng = png, corruptGif = gif;
    for (qsizetype i = 4; i < corruptJpeg.size(); ++i)
        corruptJpeg[i] = char(i * 7);
    for (qsizetype i = 8; i < corruptPng.size(); ++i)
        corruptPng[i] = char(i * 13);
    for (qsizetype i = 6; i < corruptGif.size(); ++i)
        corruptGif[i] = char(0xff);

    // Read by content: a PNG under a ".jpg" name is a good picture.
    const QString good = write("png-inside.jpg", encoded(picture(12), "PNG"));
    app.PictureList = {
        good,
        write("cut-header.jpg", jpeg.left(60)),
        write("corrupt.jpg", corruptJpeg),
        write("cut-header.png", png.left(20)),
        write("corrupt.png", corruptPng),
        write("cut-header.gif", gif.left(10)),
        write("corrupt.gif", corruptGif),
        write("empty.jpg", QByteArray()),
        write("letter.jpg", "Dear reader,\r\nthis is not a picture.\r\n"),
        t.path("missing.jpg"),
        t.path("."), // a folder
    };
    app.settings.TechniqueTimer = 1;
    app.settings.CurWallPaper = 0;
    NextWallpaper(app);
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    const QImage before = app.imgprev.image;
    QFile bitmap(app.paths.WallpaperBitmapPath);
    ASSERT_TRUE(bitmap.open(QIODevice::ReadOnly));
    const QByteArray bitmapBefore = bitmap.readAll();
    bitmap.close();

    for (int k = 2; k <= app.PictureList.size(); ++k) {
        NextWallpaper(app);
        EXPECT_EQ(app.settings.CurWallPaper, k) << qPrintable(app.PictureList[k - 1]);
        EXPECT_EQ(t.desktop->calls.size(), 1u) << qPrintable(app.PictureList[k - 1]);
        EXPECT_EQ(app.imgprev.image, before) << qPrintable(app.PictureList[k - 1]);
    }
    ASSERT_TRUE(bitmap.open(QIODevice::ReadOnly));
    EXPECT_EQ(bitmap.readAll(), bitmapBefore);
    bitmap.close();

    // Cut in the middle of the picture data: whatever the decoder makes of
    // it, the change ends without a crash and the position moves on.
    app.PictureList = {write("half.jpg", jpeg.left(jpeg.size() / 2)),
                       write("half.png", png.left(png.size() / 2)),
                       write("half.gif", gif.left(gif.size() - 6)), good};
    app.settings.CurWallPaper = 0;
    for (int k = 1; k <= 4; ++k) {
        NextWallpaper(app);
        EXPECT_EQ(app.settings.CurWallPaper, k);
    }
    EXPECT_EQ(loadedEntry(), 2); // the good picture, 12 pixels wide
}

TEST(ShuffleCollection, ReordersEveryItemExactlyOnce) {
    std::mt19937 random(7);
    QStringList empty;
    ShuffleCollection(empty, random);
    EXPECT_TRUE(empty.isEmpty());

    QStringList items;
    for (int i = 0; i < 50; ++i)
        items << QString::number(i);
    std::set<QStringList> orders;
    for (int round = 0; round < 5; ++round) {
        QStringList shuffled = items;
        ShuffleCollection(shuffled, random);
        QStringList sorted = shuffled;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        EXPECT_EQ(sorted, items);
        orders.insert(shuffled);
    }
    EXPECT_EQ(orders.size(), 5u);
    EXPECT_EQ(orders.count(items), 0u);
}
