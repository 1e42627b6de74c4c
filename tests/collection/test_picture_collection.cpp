// Building PictureList from the list file and walking real folder trees, and
// the next-wallpaper selection over real picture files.
#include "AwaitChange.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A picture `width` pixels wide (the width tells which entry was loaded).
QByteArray encoded(int width, const char* format) {
    return ::encoded(solidImage({width, 7}, Qt::darkCyan), format);
}

struct CollectionTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    std::vector<bool> timerCalls;

    void SetUp() override {
        QObject::connect(&app.events, &AppEvents::changeTimerWanted,
                         [this](bool on) { timerCalls.push_back(on); });
    }
    // Writes a file (and its folders) in the test folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes = {}) {
        return writeFile(t.path(name), bytes);
    }
    void writeList(const QStringList& folders, const QList<PictureListData::Entry>& files = {}) {
        ASSERT_TRUE(WritePictureListFile(app.paths.WallPapersListPath, {files, folders}));
    }
    // Stores `folders` as the folder list and rebuilds PictureList from them.
    void scan(const QStringList& folders) {
        writeList(folders);
        app.settings.WPSource = WallpaperSource::LocalFolders;
        await::Refresh(app, true);
    }
    // Entries 1..n: pictures 11, 12, ... pixels wide.
    void pictures(int n) {
        app.PictureList.clear();
        for (int i = 1; i <= n; ++i)
            app.PictureList << write(QString("p%1.png").arg(i), encoded(10 + i, "PNG"));
    }
    // The positions of n changes, each checked to be the picture loaded.
    std::vector<int> steps(int n) {
        std::vector<int> shown;
        for (int i = 0; i < n; ++i) {
            const ChangeResult r = await::Next(app);
            shown.push_back(int(app.settings.CurWallPaper));
            EXPECT_TRUE(r.changed());
            EXPECT_EQ(r.picture, app.PictureList.value(shown.back() - 1));
        }
        return shown;
    }
};

} // namespace

// Names that are not valid UTF-8 cannot be opened again from their text, and
// names with a line break cannot be lines of the list file: they are left
// out (a folder with its content), and the user hears how many.
TEST_F(CollectionTest, FolderWalksOddNamesLinksMissingAndOverlappingFolders) {
    for (const char* name :
         {"good.jpg", "line\nfeed.jpg", "carriage\rreturn.jpg", "sub\nfolder/inside.jpg"})
        write(QString("odd/") + name);
    const QByteArray odd = QFile::encodeName(t.path("odd"));
    ASSERT_EQ(::mkdir((odd + "/dir\xfe").constData(), 0700), 0);
    for (const char* name : {"/bad\xff.jpg", "/dir\xfe/inside.jpg"})
        ASSERT_EQ(::close(::open((odd + name).constData(), O_CREAT | O_WRONLY, 0600)), 0);
    scan({t.path("odd")});
    EXPECT_EQ(app.PictureList, QStringList{t.path("odd/good.jpg")});
    ASSERT_FALSE(t.notifier->shown.empty());
    EXPECT_TRUE(t.notifier->shown.back().text.startsWith("5 file names could not be read"));

    // A folder dropped on the settings window: the names with a line break
    // come back by their paths, to be named to the user.
    QStringList lineBreaks;
    const ScanResult dropped = DirDiverPictures(t.path("odd"), {}, &lineBreaks);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0].name, "good.jpg");
    EXPECT_EQ(sorted(lineBreaks),
              (QStringList{t.path("odd/carriage\rreturn.jpg"), t.path("odd/line\nfeed.jpg"),
                           t.path("odd/sub\nfolder")}));

    // Linked folders are walked once, loops end and dangling links are listed
    // (the TIMEOUT in CMakeLists.txt makes a walk that never ends, a link loop
    // followed forever, fail instead of hanging).
    write("tree/a/pic.jpg");
    write("tree/c/other.jpg");
    const QString tree = t.path("tree");
    ASSERT_TRUE(QFile::link(tree, tree + "/a/up"));                 // to an ancestor: a loop
    ASSERT_TRUE(QFile::link(tree + "/a", tree + "/b"));             // a second way to a
    ASSERT_TRUE(QFile::link(tree + "/gone", tree + "/broken.jpg")); // dangling: listed
    // Through the settings window's folder drop (the whole tree's pictures).
    QStringList found;
    for (const ScanEntry& e : DirDiverPictures(tree))
        found << e.folder + e.name;
    found.sort();
    ASSERT_EQ(found.size(), 3) << found.join(' ').toStdString();
    EXPECT_TRUE(found[0] == tree + "/a/pic.jpg" || found[0] == tree + "/b/pic.jpg");
    EXPECT_EQ(found.mid(1), (QStringList{tree + "/broken.jpg", tree + "/c/other.jpg"}));

    // A chain of links, each level linking twice to the next: one listing of
    // the picture at the end, not two to the power of the depth.
    QString level = t.path("chain");
    write("chain/end/deep.jpg");
    for (int i = 0; i < 16; ++i) {
        const QString next = t.path(QString("chain%1").arg(i));
        QDir().mkpath(next);
        ASSERT_TRUE(QFile::link(level, next + "/x") && QFile::link(level, next + "/y"));
        level = next;
    }
    scan({level});
    EXPECT_EQ(app.PictureList.size(), 1);

    // An example folder, then missing and overlapping folders.
    for (const char* n : {"Holiday.JPG", "portrait.jpeg", "readme.txt", ".hidden.png",
                          "sub/cat.gif", "sub/deeper/dog.bmp"})
        write(QString("pics/") + n);
    // Pre-order: a folder's own pictures, in file system order, before its sub-folders'.
    const QString root = t.path("pics");
    const QStringList sub = {root + "/sub/cat.gif", root + "/sub/deeper/dog.bmp"};
    QStringList rootPictures;
    for (const QString& n : QDir(root).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted))
        if (IsPictureFile(n)) rootPictures << root + "/" + n;
    ASSERT_EQ(rootPictures.size(), 3); // "JPG", "jpeg" and the hidden one; not the text file

    // A missing folder (or none, or a file) adds nothing and the next folder is
    // still scanned; a folder listed inside another lists its pictures twice.
    scan({t.path("missing"), "", root + "/readme.txt", root + "/", root + "/sub"});
    EXPECT_EQ(app.PictureList, rootPictures + sub + sub);
    app.settings.SubFols = false;
    await::Refresh(app, true);
    EXPECT_EQ(app.PictureList, rootPictures + sub.first(1));
}

TEST_F(CollectionTest, SourcesReadOrSkipTheRightSectionsAndAMissingListFileKeepsTheTimer) {
    // No list file: an empty list and the timer left alone.
    app.PictureList = {"/old/a.jpg"};
    await::Refresh(app, true);
    EXPECT_TRUE(app.PictureList.isEmpty());
    EXPECT_TRUE(timerCalls.empty());

    const QString picture = write("f/in-folder.jpg");
    writeList({t.path("f")}, {{"/elsewhere/", "one.jpg"}, {"/elsewhere", "two.png"}});
    const std::vector<std::pair<WallpaperSource, QStringList>> rows = {
        {WallpaperSource::Internet, {}},
        {WallpaperSource::LocalFiles,
         {"/elsewhere/one.jpg", "/elsewhere/two.png"}}, // the folders are never scanned
        {WallpaperSource::LocalFolders, {picture}}};
    for (const auto& [source, expected] : rows) {
        SCOPED_TRACE(int(source));
        app.settings.WPSource = source;
        await::Refresh(app, true);
        EXPECT_EQ(app.PictureList, expected);
    }
    ASSERT_EQ(t.notifier->shown.size(), 1u);
    EXPECT_EQ(t.notifier->shown[0].text, "Looking for pictures in " + t.path("f"));
    EXPECT_EQ(t.notifier->hidden, std::vector<BubbleKind>{BubbleKind::Progress});

    // Without reloading, only the timer is set.
    app.settings.WallpaperTimer = false;
    await::Refresh(app, false);
    EXPECT_EQ(app.PictureList, QStringList{picture});
    EXPECT_EQ(timerCalls, (std::vector<bool>{true, true, true, false}));
}

// A rebuild asked for while one runs makes it start over from the list file
// as it is then; a next asked meanwhile waits for the new list.
TEST_F(CollectionTest, ARebuildDuringAScanStartsItOverAndANextWaitsForTheList) {
    for (int i = 0; i < 64; ++i)
        write(QString("set/p%1.jpg").arg(i));
    const QString later = write("later/only.png", encoded(5, "PNG"));
    app.PictureList = {write("before.png", encoded(6, "PNG"))};
    app.settings.WPSource = WallpaperSource::LocalFolders;
    writeList({t.path("set")});
    RefreshSettings(app, true);
    std::optional<ChangeResult> shown;
    NextWallpaper(app, nullptr, [&](const ChangeResult& r) { shown = r; });
    // The settings window is confirmed with a new folder list meanwhile.
    writeList({t.path("later")});
    RefreshSettings(app, true);
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(app.PictureList, QStringList{later});
    ASSERT_TRUE(shown.has_value());
    EXPECT_TRUE(shown->changed());
    EXPECT_EQ(shown->picture, later);
    // Each request armed the timer once the list was there.
    EXPECT_EQ(timerCalls, (std::vector<bool>{true, true}));
}

TEST_F(CollectionTest, BothTechniquesSkipAnEmptyListAndOnlyPickEntriesThatExist) {
    app.settings.BubbleFileName = true;
    for (const ChangeTechnique technique : {ChangeTechnique::Random, ChangeTechnique::Sequence}) {
        app.settings.TechniqueTimer = technique;
        await::Next(app); // an empty list changes nothing; the bubble is empty
        EXPECT_EQ(app.settings.CurWallPaper, 0);
    }
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
    // Random alternates over two entries and recomposes a single one.
    app.settings.TechniqueTimer = ChangeTechnique::Random;
    pictures(2);
    EXPECT_EQ(steps(6), (std::vector<int>{2, 1, 2, 1, 2, 1}));
    pictures(1);
    EXPECT_EQ(steps(3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(t.desktop->calls.size(), rows.size() + 9);
}

// Missing, empty, cut-in-half and non-picture files are the loader's own cases
// (test_picture_formats); these are the ones only a whole change meets.
TEST_F(CollectionTest, PicturesThatDoNotLoadLeaveTheDesktopAsItWas) {
    const QByteArray jpeg = encoded(64, "JPEG"), png = encoded(64, "PNG");
    const QByteArray gif = QByteArray::fromHex("47494638396102000200800000ff00000000ff2c"
                                               "0000000002000200000203443405003b"); // 2 x 2
    // Read by content: a PNG under a ".jpg" name is a good picture; then the
    // failures. Corrupt: a good header followed by another format's bytes.
    app.PictureList = {
        write("png-inside.jpg", encoded(12, "PNG")),
        write("corrupt.jpg", jpeg.left(20) + png.mid(20)),
        write("cut-header.png", png.left(20)),
        write("cut-data.png", png.chopped(20)),
        write("corrupt.png", png.left(16) + jpeg.mid(16)),
        write("cut-header.gif", gif.left(10)),
        write("cut-data.gif", gif.left(gif.size() - 6)),
        write("corrupt.gif", gif.left(13) + jpeg.mid(13)),
        write("noise.webp", QByteArray(4096, '\x42')), // the name's decoder finds nothing
        t.path("."),                                   // a folder
    };
    for (int k = 1; k <= app.PictureList.size(); ++k) {
        SCOPED_TRACE(qPrintable(app.PictureList[k - 1]));
        const ChangeResult r = await::Next(app);
        EXPECT_EQ(app.settings.CurWallPaper, k);
        EXPECT_EQ(r.status,
                  k == 1 ? ChangeResult::Status::Changed : ChangeResult::Status::LoadFailed);
        EXPECT_EQ(t.desktop->calls.size(), 1u);
    }
}
