// Building PictureList from the list file and walking real folder trees, and
// the next-wallpaper selection over real picture files.
#include "FakePlatform.h"

#include "collection/Collection.h"
#include "settings/PictureListFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A picture `width` pixels wide (the width tells which entry was loaded).
QByteArray encoded(int width, const char* format) {
    QImage image(width, 7, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// A notifier that takes its time, as a desktop notification round trip can.
struct SlowNotifier : FakeNotifier {
    void showBubble(const QString&, int, BubbleKind) override { QThread::msleep(15); }
};

struct CollectionTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    std::vector<bool> timerCalls;

    void SetUp() override {
        app.setChangeTimer = [this](bool on) { timerCalls.push_back(on); };
    }
    // Writes a file (and its folders) in the test folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes = {}) {
        QFile f(t.path(name));
        QDir().mkpath(QFileInfo(f).absolutePath());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
    void writeList(const QStringList& folders, const QList<PictureListData::Entry>& files = {}) {
        ASSERT_TRUE(WritePictureListFile(app.paths.WallPapersListPath, {files, folders}));
    }
    // Entries 1..n: pictures 11, 12, ... pixels wide.
    void pictures(int n) {
        app.PictureList.clear();
        for (int i = 1; i <= n; ++i)
            app.PictureList << write(QString(u"p%1.png"_s).arg(i), encoded(10 + i, "PNG"));
    }
    // The positions of n changes, each checked to be the picture loaded.
    std::vector<int> steps(int n) {
        std::vector<int> shown;
        for (int i = 0; i < n; ++i) {
            NextWallpaper(app);
            shown.push_back(int(app.settings.CurWallPaper));
            EXPECT_EQ(app.imgprev.nativeSize.width() - 10, shown.back());
        }
        return shown;
    }
};

} // namespace

TEST_F(CollectionTest, FolderExampleMissingAndOverlappingFolders) {
    for (const char* n : {"Holiday.JPG", "portrait.jpeg", "readme.txt", ".hidden.png",
                          "sub/cat.gif", "sub/deeper/dog.bmp"})
        write(u"pics/"_s + QString::fromLatin1(n));
    // Pre-order: a folder's own pictures, in file system order, before its sub-folders'.
    const QString root = t.path(u"pics"_s);
    const QStringList sub = {root + u"/sub/cat.gif"_s, root + u"/sub/deeper/dog.bmp"_s};
    QStringList rootPictures;
    for (const QString& n : QDir(root).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted))
        if (IsPictureFile(n)) rootPictures << root + u"/"_s + n;
    ASSERT_EQ(rootPictures.size(), 3); // "JPG", "jpeg" and the hidden one; not the text file

    // A missing folder (or none, or a file) adds nothing and the next folder is
    // still scanned; a folder listed inside another lists its pictures twice.
    writeList(
        {t.path(u"missing"_s), u""_s, root + u"/readme.txt"_s, root + u"/"_s, root + u"/sub"_s});
    app.settings.WPSource = 1;
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList, rootPictures + sub + sub);
    app.settings.SubFols = false;
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList, rootPictures + sub.first(1));
}

// The TIMEOUT in CMakeLists.txt makes a walk that never ends (a link loop
// followed forever) fail instead of hanging.
TEST_F(CollectionTest, SymbolicLinkLoopsEndAndOtherLinksAreFollowed) {
    write(u"tree/a/pic.jpg"_s);
    const QString root = t.path(u"tree"_s);
    ASSERT_TRUE(QFile::link(root, root + u"/a/up"_s));                    // to an ancestor: a loop
    ASSERT_TRUE(QFile::link(root + u"/a"_s, root + u"/b"_s));             // to a sibling: walked
    ASSERT_TRUE(QFile::link(root + u"/gone"_s, root + u"/broken.jpg"_s)); // dangling: listed
    // Through the settings window's folder drop (the whole tree's pictures).
    QStringList found;
    for (const ScanEntry& e : DirDiverPictures(app, root))
        found << e.folder + e.name;
    found.sort();
    EXPECT_EQ(found, (QStringList{root + u"/a/pic.jpg"_s, root + u"/b/pic.jpg"_s,
                                  root + u"/broken.jpg"_s}));
}

TEST_F(CollectionTest, SourcesReadOrSkipTheRightSectionsAndAMissingListFileKeepsTheTimer) {
    // No list file: an empty list and the timer left alone.
    app.PictureList = {u"/old/a.jpg"_s};
    RefreshSettings(app, true);
    EXPECT_TRUE(app.PictureList.isEmpty());
    EXPECT_TRUE(timerCalls.empty());

    const QString picture = write(u"f/in-folder.jpg"_s);
    writeList({t.path(u"f"_s)},
              {{u"/elsewhere/"_s, u"one.jpg"_s}, {u"/elsewhere"_s, u"two.png"_s}});
    const std::vector<std::pair<int, QStringList>> rows = {
        {2, {}},
        {0, {u"/elsewhere/one.jpg"_s, u"/elsewhere/two.png"_s}}, // the folders are never scanned
        {1, {picture}}};
    for (const auto& [source, expected] : rows) {
        SCOPED_TRACE(source);
        app.settings.WPSource = source;
        RefreshSettings(app, true);
        EXPECT_EQ(app.PictureList, expected);
    }
    ASSERT_EQ(t.notifier->shown.size(), 1u);
    EXPECT_EQ(t.notifier->shown[0].text, u"Looking for pictures in "_s + t.path(u"f"_s));
    EXPECT_EQ(t.notifier->hidden, std::vector<BubbleKind>{BubbleKind::Progress});

    // Without reloading, only the timer is set.
    app.settings.WallpaperTimer = false;
    RefreshSettings(app, false);
    EXPECT_EQ(app.PictureList, QStringList{picture});
    EXPECT_EQ(timerCalls, (std::vector<bool>{true, true, true, false}));
}

TEST_F(CollectionTest, TickDuringAScanSeesThePartialListAndNoSecondScanStarts) {
    t.services.notifier = std::make_unique<SlowNotifier>(); // events are due at once
    for (int i = 0; i < 64; ++i)
        write(QString(u"set/p%1.jpg"_s).arg(i));
    const QString later = write(u"later/only.png"_s);
    writeList({t.path(u"set"_s)});
    app.settings.WPSource = 1;

    qsizetype seen = -1;
    app.processEvents = [&] {
        if (seen >= 0) return;
        // A timer tick picks from what has been found so far...
        seen = app.PictureList.size();
        app.settings.CurWallPaper = 1000;
        NextWallpaper(app);
        // ...and the settings window is confirmed with a new folder list: no scan here.
        writeList({t.path(u"later"_s)});
        RefreshSettings(app, true);
        EXPECT_EQ(app.PictureList.size(), seen);
    };
    RefreshSettings(app, true);
    EXPECT_GT(seen, 0); // not for every entry
    EXPECT_LT(seen, 64);
    EXPECT_EQ(app.settings.CurWallPaper, 1); // the sequence wrapped within the partial list
    // The running rebuild started over with the new list, then armed the timer once.
    EXPECT_EQ(app.PictureList, QStringList{later});
    EXPECT_EQ(timerCalls, std::vector<bool>{true});
    EXPECT_FALSE(app.collectionScan.running);
}

TEST_F(CollectionTest, SequenceSkipsAnEmptyListWrapsAndRestartsWhenTheListShrank) {
    app.settings.BubbleFileName = true;
    NextWallpaper(app); // an empty list changes nothing; the bubble is empty
    EXPECT_EQ(app.settings.CurWallPaper, 0);
    EXPECT_EQ(t.notifier->shown.back().text, QString());
    pictures(3);
    // From the stored position to the entry shown; hand-edited positions
    // (negative, fractional, not a number, huge) skip no real entry.
    const std::vector<std::pair<double, int>> rows = {{0, 1},  {2, 3},   {3, 1},       {7, 1},
                                                      {-4, 1}, {1.5, 2}, {qQNaN(), 1}, {1e300, 1}};
    for (const auto& [from, to] : rows) {
        SCOPED_TRACE(from);
        app.settings.CurWallPaper = from;
        EXPECT_EQ(steps(1), std::vector<int>{to});
        EXPECT_EQ(t.notifier->shown.back().text, app.PictureList[to - 1]); // the chosen path
    }
    EXPECT_EQ(t.notifier->shown.back().ms, 5000);
    EXPECT_EQ(t.desktop->calls.size(), rows.size());
}

TEST_F(CollectionTest, RandomSkipsAnEmptyListAlternatesOverTwoAndRecomposesOne) {
    app.settings.TechniqueTimer = 0;
    app.settings.CurWallPaper = 1;
    NextWallpaper(app); // an empty list changes nothing
    EXPECT_EQ(app.settings.CurWallPaper, 1);
    pictures(2);
    EXPECT_EQ(steps(6), (std::vector<int>{2, 1, 2, 1, 2, 1}));
    pictures(1);
    EXPECT_EQ(steps(3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(t.desktop->calls.size(), 9u);
}

TEST_F(CollectionTest, PicturesThatDoNotLoadLeaveTheDesktopAsItWas) {
    const QByteArray jpeg = encoded(64, "JPEG"), png = encoded(64, "PNG");
    const QByteArray gif = QByteArray::fromHex("47494638396102000200800000ff00000000ff2c"
                                               "0000000002000200000203443405003b"); // 2 x 2
    // Read by content: a PNG under a ".jpg" name is a good picture; then the
    // failures. Corrupt: a good header followed by another format's bytes.
    app.PictureList = {
        write(u"png-inside.jpg"_s, encoded(12, "PNG")),
        write(u"cut-data.jpg"_s, jpeg.left(jpeg.size() / 2)),
        write(u"corrupt.jpg"_s, jpeg.left(20) + png.mid(20)),
        write(u"cut-header.png"_s, png.left(20)),
        write(u"cut-data.png"_s, png.chopped(20)),
        write(u"corrupt.png"_s, png.left(16) + jpeg.mid(16)),
        write(u"cut-header.gif"_s, gif.left(10)),
        write(u"cut-data.gif"_s, gif.left(gif.size() - 6)),
        write(u"corrupt.gif"_s, gif.left(13) + jpeg.mid(13)),
        write(u"empty.jpg"_s),
        write(u"letter.jpg"_s, "Dear reader,\r\nthis is not a picture.\r\n"),
        t.path(u"missing.jpg"_s),
        t.path(u"."_s), // a folder
    };
    for (int k = 1; k <= app.PictureList.size(); ++k) {
        SCOPED_TRACE(qPrintable(app.PictureList[k - 1]));
        NextWallpaper(app);
        EXPECT_EQ(app.settings.CurWallPaper, k);
        EXPECT_EQ(app.imgprev.nativeSize.width(), 12);
        EXPECT_EQ(t.desktop->calls.size(), 1u);
    }
}
