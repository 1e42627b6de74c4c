// Building PictureList from the list file and walking real folder trees.
#include "FakePlatform.h"

#include "collection/Collection.h"
#include "settings/PictureListFile.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    f.write("x");
}

// The file names of `folder` in the order the file system lists them.
QStringList listedOrder(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
}

QStringList paths(const ScanResult& result) {
    QStringList out;
    for (const ScanEntry& e : result)
        out << e.folder + e.name;
    return out;
}

struct CollectionTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    std::vector<bool> timerCalls;

    void SetUp() override {
        app.setChangeTimer = [this](bool on) { timerCalls.push_back(on); };
    }
    QString folder(const QString& rel) {
        const QString p = t.path(rel);
        QDir().mkpath(p);
        return p;
    }
    void writeList(const QList<PictureListData::Entry>& files, const QStringList& folders) {
        PictureListData data;
        data.files = files;
        data.folders = folders;
        ASSERT_TRUE(WritePictureListFile(app.paths.WallPapersListPath, data));
    }
};

} // namespace

TEST(IsPictureFile, LastFourCharactersLowerCased) {
    for (const char* yes : {"a.jpg", "A.JPG", "x.Bmp", "x.gif", "x.wmf", "x.ico", "x.emf", "x.rle",
                            "photo.jpeg", "photo.JPEG", "notajpeg", "x.png", "x.PNG", "x.webp",
                            "webp", ".jpg", "dir.with.dots.gif"})
        EXPECT_TRUE(IsPictureFile(QString::fromUtf8(yes))) << yes;
    for (const char* no : {"", "jpg", "a.txt", "a.jpg.txt", "a.jpe", "a.tif", "a.jpg ", "a.pn",
                           "a.gif~", "photo.jpg/", "png"})
        EXPECT_FALSE(IsPictureFile(QString::fromUtf8(no))) << no;
}

TEST_F(CollectionTest, FolderScanIsPreOrderInFileSystemOrderWithHiddenFiles) {
    const QString root = folder("pics");
    for (const char* n : {"Holiday.JPG", "portrait.jpeg", "readme.txt", ".hidden.png"})
        touch(root + "/" + n);
    touch(root + "/sub/cat.gif");
    touch(root + "/sub/deeper/dog.bmp");
    touch(root + "/sub/notes.doc");

    QStringList expected;
    for (const QString& n : listedOrder(root))
        expected << root + "/" + n;
    QStringList sub;
    for (const QString& n : listedOrder(root + "/sub"))
        sub << root + "/sub/" + n;
    EXPECT_EQ(paths(ScanFolder(app, root, false)), expected);

    // Every file, pictures or not; a folder's own files before its sub-folders'.
    expected << sub << root + "/sub/deeper/dog.bmp";
    const ScanResult all = ScanFolder(app, root, true);
    EXPECT_EQ(paths(all), expected);
    for (const ScanEntry& e : all)
        EXPECT_TRUE(e.folder.endsWith('/'));

    // A folder given with a trailing separator gives the same paths.
    EXPECT_EQ(paths(ScanFolder(app, root + "/", true)), expected);

    // Through the list file: pictures only, in the same order.
    app.settings.WPSource = 1;
    app.settings.SubFols = true;
    writeList({}, {root});
    RefreshSettings(app, true);
    QStringList pictures;
    for (const QString& p : expected)
        if (IsPictureFile(p)) pictures << p;
    EXPECT_EQ(app.PictureList, pictures);
    EXPECT_FALSE(app.PictureList.join('|').contains("readme.txt"));

    app.settings.SubFols = false;
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList.size(), 3);

    // The settings window's folder drop: the whole tree's pictures, as pairs.
    const ScanResult dropped = DirDiverPictures(app, root);
    EXPECT_EQ(paths(dropped), pictures);
}

TEST_F(CollectionTest, SymbolicLinkLoopsEndAndOtherLinksAreFollowed) {
    const QString root = folder("tree");
    touch(root + "/a/pic.jpg");
    ASSERT_TRUE(QFile::link(root, root + "/a/up"));                 // to an ancestor
    ASSERT_TRUE(QFile::link(root + "/a", root + "/a/self"));        // to itself
    ASSERT_TRUE(QFile::link(root + "/a", root + "/b"));             // to a sibling: walked
    ASSERT_TRUE(QFile::link(root + "/gone", root + "/broken.jpg")); // dangling

    const QStringList found = paths(ScanFolder(app, root, true));
    EXPECT_EQ(found.size(), 3) << qPrintable(found.join('\n'));
    EXPECT_TRUE(found.contains(root + "/a/pic.jpg"));
    EXPECT_TRUE(found.contains(root + "/b/pic.jpg"));
    // A dangling link is no folder; it is listed like any other entry and
    // simply fails to load later.
    EXPECT_TRUE(found.contains(root + "/broken.jpg"));

    // Two links that point at each other's folders end as well.
    const QString x = folder("x"), y = folder("y");
    touch(x + "/1.png");
    touch(y + "/2.png");
    ASSERT_TRUE(QFile::link(y, x + "/toy"));
    ASSERT_TRUE(QFile::link(x, y + "/tox"));
    EXPECT_EQ(ScanFolder(app, x, true).size(), 2);
}

TEST_F(CollectionTest, SourcesReadOrSkipTheRightSections) {
    const QString f = folder("f");
    touch(f + "/in-folder.jpg");
    writeList({{"/elsewhere/", "one.jpg"}, {"/elsewhere", "two.png"}}, {f});

    app.settings.WPSource = 0;
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList, (QStringList{"/elsewhere/one.jpg", "/elsewhere/two.png"}));
    EXPECT_TRUE(t.notifier->shown.empty()); // the folders are read, never scanned

    app.settings.WPSource = 1;
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList, QStringList{f + "/in-folder.jpg"});
    ASSERT_EQ(t.notifier->shown.size(), 1u);
    EXPECT_EQ(t.notifier->shown[0].text, "Looking for pictures in " + f);
    EXPECT_EQ(t.notifier->shown[0].ms, 0);
    EXPECT_EQ(t.notifier->hidden, 1);

    app.settings.WPSource = 2;
    RefreshSettings(app, true);
    EXPECT_TRUE(app.PictureList.isEmpty());
    EXPECT_EQ(t.notifier->shown.size(), 1u);

    app.settings.WallpaperTimer = false;
    RefreshSettings(app, true);
    EXPECT_EQ(timerCalls, (std::vector<bool>{true, true, true, false}));
}

TEST_F(CollectionTest, MissingListFileOrFoldersLoseNothingElse) {
    // No list file: an empty list and the timer left alone.
    app.PictureList = {"/old/a.jpg"};
    RefreshSettings(app, true);
    EXPECT_TRUE(app.PictureList.isEmpty());
    EXPECT_TRUE(timerCalls.empty());

    // Without reloading, only the timer is set.
    app.PictureList = {"/kept.jpg"};
    app.settings.WallpaperTimer = false;
    RefreshSettings(app, false);
    EXPECT_EQ(app.PictureList, QStringList{"/kept.jpg"});
    EXPECT_EQ(timerCalls, std::vector<bool>{false});

    // A missing listed folder adds nothing; the next one is still scanned.
    // Overlapping folders list their shared pictures twice.
    const QString outer = folder("outer");
    touch(outer + "/top.jpg");
    touch(outer + "/inner/shared.gif");
    app.settings.WPSource = 1;
    app.settings.SubFols = true;
    touch(t.path("plain-file"));
    writeList({}, {t.path("no-such-folder"), "", t.path("plain-file"), outer, outer + "/inner"});
    RefreshSettings(app, true);
    EXPECT_EQ(app.PictureList, (QStringList{outer + "/top.jpg", outer + "/inner/shared.gif",
                                            outer + "/inner/shared.gif"}));
    EXPECT_EQ(t.notifier->shown.size(), 5u);
    EXPECT_EQ(t.notifier->hidden, 1);
}

TEST_F(CollectionTest, UnreadableFolderAddsNothing) {
    const QString locked = folder("locked");
    touch(locked + "/secret.jpg");
    const QString open = folder("open");
    touch(open + "/fine.jpg");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (QDir(locked).entryList(QDir::Files).size() > 0) {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        GTEST_SKIP() << "permissions are not enforced for this user";
    }
    app.settings.WPSource = 1;
    writeList({}, {locked, open});
    RefreshSettings(app, true);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(app.PictureList, QStringList{open + "/fine.jpg"});
}

namespace {
// A notifier that takes its time, as a desktop notification round trip can.
struct SlowNotifier : FakeNotifier {
    void showBubble(const QString& text, int ms) override {
        FakeNotifier::showBubble(text, ms);
        QThread::msleep(15);
    }
};
} // namespace

TEST_F(CollectionTest, EventsDuringAScanNeverStartASecondScan) {
    auto slow = std::make_unique<SlowNotifier>();
    SlowNotifier* notifier = slow.get();
    t.services.notifier = std::move(slow);

    QStringList listed;
    int files = 0;
    for (int f = 0; f < 4; ++f) {
        listed << folder(QString("set%1").arg(f));
        for (int i = 0; i < 64; ++i, ++files)
            touch(QString("%1/p%2.jpg").arg(listed.last()).arg(i));
    }
    const QString later = folder("later");
    touch(later + "/only.png");
    app.settings.WPSource = 1;
    app.settings.TechniqueTimer = 1;
    writeList({}, listed);

    int calls = 0;
    qsizetype seenDuringScan = -1;
    size_t bubblesBeforeNested = 0, bubblesAfterNested = 0;
    app.processEvents = [&] {
        if (++calls != 1) return;
        // A timer tick during the scan picks from what has been found so far.
        seenDuringScan = app.PictureList.size();
        app.settings.CurWallPaper = 1000;
        NextWallpaper(app);
        // The settings window is confirmed with a new folder list meanwhile.
        PictureListData data;
        data.folders = {later};
        ASSERT_TRUE(WritePictureListFile(app.paths.WallPapersListPath, data));
        bubblesBeforeNested = notifier->shown.size();
        RefreshSettings(app, true);
        bubblesAfterNested = notifier->shown.size();
    };
    RefreshSettings(app, true);

    ASSERT_GE(calls, 1);
    EXPECT_LE(calls, files / 16);
    EXPECT_GT(seenDuringScan, 0);
    EXPECT_LT(seenDuringScan, files);
    EXPECT_EQ(app.settings.CurWallPaper, 1); // the sequence wrapped within the partial list
    EXPECT_EQ(bubblesAfterNested, bubblesBeforeNested); // no second scan inside the first
    // The running rebuild started over with the new list and then armed the
    // timer once.
    EXPECT_EQ(app.PictureList, QStringList{later + "/only.png"});
    EXPECT_EQ(timerCalls, std::vector<bool>{true});
    EXPECT_FALSE(app.collectionScan.running);
    EXPECT_FALSE(app.collectionScan.reloadAgain);
}
