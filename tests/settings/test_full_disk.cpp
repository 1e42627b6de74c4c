// Every file the program writes, written on a full disk: the write fails, says
// so, and leaves the previous file whole. The disk is played by a preloaded
// shim (tests/support/full-disk-shim.cpp) that fails writes in one folder.
#include "FakePlatform.h"
#include "collection/WallpaperChange.h"
#include "platform/AtomicFile.h"

TEST(FullDisk, TheSettingsFileTheListAndTheWallpaperBitmapKeepTheirPreviousContent) {
    QTemporaryDir dir;
    const QString conf = writeFile(dir.filePath("tessaly.conf"), "[Options]\nIntervalTimer=10\n");
    IniSettingsStore store(conf);
    store.setValue("Options", "IntervalTimer", "25");
    const QString list = dir.filePath("WallPapersList.tsy");
    ASSERT_TRUE(WritePictureListFile(list, {{{"/pics/", "a.jpg"}}, {}}));
    const QString bitmap = dir.filePath("Orvane Wallpaper.bmp");
    QImage canvas = solidImage({8, 8}, Qt::red);
    ASSERT_TRUE(WriteWallpaperBitmap(canvas, bitmap));
    const QByteArray confBefore = readFile(conf), listBefore = readFile(list),
                     bitmapBefore = readFile(bitmap);

    qputenv("TESSALY_TEST_FULL_DISK", dir.path().toUtf8());
    EXPECT_FALSE(store.sync());
    EXPECT_FALSE(store.lastError().isEmpty());
    EXPECT_EQ(readFile(conf), confBefore);
    EXPECT_FALSE(WritePictureListFile(list, {{}, {"/elsewhere"}}));
    EXPECT_EQ(readFile(list), listBefore);
    canvas.fill(Qt::blue);
    QString error;
    EXPECT_FALSE(WriteWallpaperBitmap(canvas, bitmap, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(bitmap), bitmapBefore);
    // Space again: the next save goes through.
    qunsetenv("TESSALY_TEST_FULL_DISK");
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(IniSettingsStore(conf).value("Options", "IntervalTimer"), "25");
    // Nothing half-written is left behind either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral(".conf.")),
              QStringList());
}
