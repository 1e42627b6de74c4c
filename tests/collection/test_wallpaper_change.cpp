// The one wallpaper change: load, compose, write, set, and what each failure
// leaves behind; the settings window's "Set selected picture as wallpaper".
#include "AwaitChange.h"
#include "collection/PreparedWallpaper.h"
#include "collection/WallpaperChange.h"
#include "collection/WallpaperHistory.h"

#include <QPainter>
#include <array>

namespace {

// The most memory this process has held so far, in kilobytes.
qint64 peakMemoryKb() {
    for (const QByteArray& line : readFile("/proc/self/status").split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toLongLong();
    return 0;
}

struct WallpaperChangeTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    void SetUp() override {
        app.settings.WaterMarkVisible = false;
        app.settings.WallPaperPosition = WallpaperPosition::of(PositionMode::Stretch);
    }
    // A picture with a red left half and a blue right half, saved in the
    // format its name ends in.
    QString halves(const QString& name, int w, int h) {
        QImage img = solidImage({w, h}, Qt::blue);
        QPainter(&img).fillRect(0, 0, w / 2, h, Qt::red);
        EXPECT_TRUE(img.save(t.path(name))) << name.toStdString();
        return t.path(name);
    }
    QString solid(const QString& name, QColor colour, QSize size = QSize(40, 30)) {
        return savePicture(t.path(name), colour, size);
    }
    QImage bitmap() const { return QImage(app.paths.WallpaperBitmapPath, "BMP"); }
    // The colour at the middle of the wallpaper bitmap.
    QColor shown() const {
        const QImage bmp = bitmap();
        return bmp.pixelColor(bmp.width() / 2, bmp.height() / 2);
    }
    QString historyFile() const { return app.paths.DataFolder + "History.tsy"; }
    // Monitors of these geometries (the first one primary), a picture each.
    ScreenLayout layout;
    void monitors(const QList<QRect>& geometries) {
        for (const QRect& g : geometries)
            layout.monitors.append({g, g, 96, layout.monitors.isEmpty()});
        app.screens = [this] { return layout; };
        app.settings.MonitorMode = MonitorSharing::Different;
    }
    // Lets the preparation after a change run to its end.
    bool prepared() {
        return waitUntil([&] { return app.prepared && app.prepared->ready(); });
    }
};

} // namespace

TEST_F(WallpaperChangeTest, HugePicturesRefusedPngAndWebpComposeAFailedWriteKeepsTheOld) {
    // Tiny files that declare enormous pictures are refused before anything is
    // decoded, and the file-name bubble says why.
    // A 14000 x 14000 GIF and PNG, 49 and 69 bytes long.
    app.PictureList = {
        writeFile(t.path("huge.gif"), QByteArray::fromHex("474946383961b036b036800000000000ffffff"
                                                          "2c00000000b036b0360002024c01003b")),
        writeFile(t.path("huge.png"),
                  QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000036b0000036b008020000002b"
                                      "b9623e0000000c49444154789c6360a00c000000400001b7347cef000000"
                                      "0049454e44ae426082"))};
    app.settings.BubbleFileName = true;
    const qint64 before = peakMemoryKb();
    for (int i = 0; i < 2; ++i) {
        const ChangeResult r = await::Next(app);
        EXPECT_EQ(r.status, ChangeResult::Status::LoadFailed);
        EXPECT_TRUE(r.error.contains("too large")) << r.error.toStdString();
        EXPECT_EQ(t.notifier->shown.back().text, r.error);
    }
    EXPECT_LT(peakMemoryKb() - before, 100 * 1024); // decoding either takes over 700 MB
    EXPECT_TRUE(t.desktop->calls.empty());

    const CompositionChoices stored = CompositionChoices::stored(app.settings);
    for (const char* format : {"png", "webp"}) {
        SCOPED_TRACE(format);
        const QString path = halves(QString("a.%1").arg(format), 40, 30);
        const ChangeResult r = await::Show(app, path, stored);
        ASSERT_EQ(r.status, ChangeResult::Status::Changed) << r.error.toStdString();
        const QImage bmp = bitmap();
        ASSERT_EQ(bmp.size(), QSize(160, 120));
        EXPECT_GT(qRed(bmp.pixel(10, 60)), 200);
        EXPECT_GT(qBlue(bmp.pixel(150, 60)), 200);
    }
    // A bitmap name so long that no temporary file can be made beside it,
    // which fails for every user, root included.
    app.paths.WallpaperBitmapPath =
        writeFile(t.path(QString(250, 'w') + ".bmp"), "the previous bitmap");
    const ChangeResult r = await::Show(app, t.path("a.png"), stored);
    EXPECT_EQ(r.status, ChangeResult::Status::WriteFailed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(readFile(app.paths.WallpaperBitmapPath), "the previous bitmap");
    EXPECT_EQ(t.desktop->calls.size(), 2u);
}

// Changes run as jobs and the user's last request wins: a Clear cancels the
// change under way and what waits; nexts asked during a change wait, a few at
// most; settings applied during a change are what it shows.
TEST_F(WallpaperChangeTest, TheLastRequestWinsWhileAChangeRuns) {
    app.PictureList = {solid("red.bmp", Qt::red, QSize(4000, 3000)), solid("green.png", Qt::green)};
    std::vector<ChangeResult::Status> reports;
    const auto report = [&](const ChangeResult& r) { reports.push_back(r.status); };

    // Next, and a Clear before it is over.
    NextWallpaper(app, nullptr, report);
    EXPECT_TRUE(WallpaperChanging(app));
    NextWallpaper(app, nullptr, report);
    ClearWallpaper(app);
    ASSERT_TRUE(await::idle(app));
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
    EXPECT_EQ(reports,
              (std::vector{ChangeResult::Status::Cancelled, ChangeResult::Status::Cancelled}));
    EXPECT_TRUE(app.settings.MonitorPictures.isEmpty());

    // Six nexts at once: one runs, three wait, two are refused.
    reports.clear();
    app.settings.CurWallPaper = 0;
    for (int i = 0; i < 6; ++i)
        NextWallpaper(app, nullptr, report);
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(reports, (std::vector{ChangeResult::Status::Busy, ChangeResult::Status::Busy,
                                    ChangeResult::Status::Changed, ChangeResult::Status::Changed,
                                    ChangeResult::Status::Changed, ChangeResult::Status::Changed}));
    EXPECT_EQ(app.settings.CurWallPaper, 2); // four steps over two pictures

    // New filters applied while the big picture composes: it is shown
    // inverted (cyan), not as it was asked for.
    app.settings.CurWallPaper = 0;
    NextWallpaper(app, nullptr, report);
    app.settings.EInvert = true;
    app.settingsChanged(SettingsPart::Composition);
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    EXPECT_EQ(t.desktop->calls.back().position, "Stretch");

    // An internet picture recomposed for a new layout while a Clear forgets
    // it: the recomposition works on its own copy, and the Clear wins.
    ASSERT_TRUE(await::ShowInternet(app, readFile(app.PictureList[0])).changed());
    RecomposeWallpaper(app, nullptr, report);
    ClearWallpaper(app);
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(reports.back(), ChangeResult::Status::Cancelled);
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
}

TEST_F(WallpaperChangeTest, SetSelectedPictureUsesTheWindowChoicesAndLeavesTheStoredOnes) {
    halves("a.png", 40, 20);
    Settings& s = app.settings;
    s.WallPaperPosition = WallpaperPosition::of(PositionMode::Center);
    s.WaterMarkVisible = true;
    s.WaterMarkText = "#fn";
    s.WaterMarkFont = "DejaVu Sans";
    const Settings before = s;
    CompositionChoices choices;
    choices.position = WallpaperPosition::of(PositionMode::Stretch);
    choices.filters.EBright = 0; // black, then inverted: white
    choices.filters.EInvert = true;
    const QString folder = t.dir.path();
    EXPECT_EQ(await::SetSelected(app, folder, "a.png", -1, choices),
              SetAsWallpaperResult::NothingSelected);
    EXPECT_TRUE(t.desktop->calls.empty());
    ASSERT_EQ(await::SetSelected(app, folder, "a.png", 2, choices), SetAsWallpaperResult::Done);
    const QImage bmp = bitmap();
    EXPECT_EQ(bmp.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    // The watermark, in the stored watermark settings.
    EXPECT_NE(bmp, solidImage(bmp.size(), Qt::white).convertToFormat(bmp.format()));
    EXPECT_EQ(t.desktop->calls.back().position, "Stretch");
    EXPECT_EQ(s.CurWallPaper, 3);
    EXPECT_EQ(s.WallPaperPosition, before.WallPaperPosition);
    EXPECT_EQ(s.EBright, before.EBright);
    EXPECT_EQ(s.EInvert, before.EInvert);

    QString error;
    EXPECT_EQ(await::SetSelected(app, folder, "gone.png", 0, choices, &error),
              SetAsWallpaperResult::LoadFailed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(s.CurWallPaper, 3); // a picture that did not load selects nothing
}

// Several monitors: "Different" never shows one picture twice while the list
// has enough, and a new monitor layout is composed again without stepping;
// a monitor added gets a picture of its own.
TEST_F(WallpaperChangeTest, DifferentPicturesPerMonitorAndRecomposingForANewLayout) {
    monitors({QRect(0, 0, 100, 80), QRect(100, 0, 100, 80), QRect(200, 0, 100, 80)});
    for (int i = 0; i < 5; ++i)
        app.PictureList << halves(QString("p%1.png").arg(i), 20 + i, 10);
    for (const ChangeTechnique technique : {ChangeTechnique::Sequence, ChangeTechnique::Random}) {
        app.settings.TechniqueTimer = technique;
        for (int change = 0; change < 6; ++change) {
            ASSERT_TRUE(await::Next(app).changed());
            QStringList shown = app.settings.MonitorPictures;
            ASSERT_EQ(shown.size(), 3);
            shown.removeDuplicates();
            EXPECT_EQ(shown.size(), 3) << app.settings.MonitorPictures.join(' ').toStdString();
            // CurWallPaper names the last picture chosen.
            EXPECT_EQ(app.PictureList.at(qsizetype(app.settings.CurWallPaper) - 1),
                      app.settings.MonitorPictures.last());
        }
    }
    EXPECT_EQ(bitmap().size(), QSize(300, 80));
    // Undocked: two monitors now; the same pictures composed again.
    const double position = app.settings.CurWallPaper;
    const QStringList before = app.settings.MonitorPictures;
    layout.monitors.removeLast();
    ASSERT_TRUE(await::Recompose(app).changed());
    EXPECT_EQ(bitmap().size(), QSize(200, 80));
    EXPECT_EQ(app.settings.CurWallPaper, position);
    EXPECT_EQ(app.settings.MonitorPictures, before);
    // Docked to four: the first three keep theirs, the fourth gets another.
    monitors({QRect(200, 0, 100, 80), QRect(300, 0, 100, 80)});
    ASSERT_TRUE(await::Recompose(app).changed());
    ASSERT_EQ(app.settings.MonitorPictures.size(), 4);
    EXPECT_EQ(app.settings.MonitorPictures.mid(0, 3), before);
    EXPECT_FALSE(before.contains(app.settings.MonitorPictures[3]));
}

// One step back brings back the whole set of pictures, one a monitor, and
// the sequence position stays where the list left it. What a new layout is
// composed from: the pictures remembered across a restart (one deleted since
// is left out), an internet picture, and nothing once the wallpaper is cleared.
TEST_F(WallpaperChangeTest, PreviousRestoresTheSetAndANewLayoutComposesItEvenAfterARestart) {
    monitors({QRect(0, 0, 100, 80), QRect(100, 0, 60, 40)});
    app.PictureList = {solid("red.png", Qt::red), solid("green.png", Qt::green),
                       solid("blue.png", Qt::blue), solid("yellow.png", Qt::yellow)};
    ASSERT_TRUE(await::Next(app).changed());
    ASSERT_TRUE(await::Next(app).changed());
    EXPECT_EQ(bitmap().pixelColor(120, 20), QColor(Qt::yellow));
    ASSERT_TRUE(await::Previous(app).changed());
    EXPECT_EQ(bitmap().pixelColor(50, 40), QColor(Qt::red));
    EXPECT_EQ(bitmap().pixelColor(120, 20), QColor(Qt::green));
    EXPECT_EQ(app.settings.CurWallPaper, 4);
    ASSERT_TRUE(SaveSettings(app));

    t.reopenStore();
    app.settings = Settings{};
    LoadSettings(app);
    EXPECT_EQ(app.settings.MonitorPictures, app.PictureList.mid(0, 2));
    layout.monitors[1].geometry = layout.monitors[1].workArea = QRect(100, 0, 60, 80);
    ASSERT_TRUE(await::Recompose(app).changed());
    EXPECT_EQ(bitmap().pixel(150, 60), qRgb(0, 255, 0));
    QFile::remove(app.PictureList[1]);
    ASSERT_TRUE(await::Recompose(app).changed());
    EXPECT_EQ(bitmap().pixel(150, 60), qRgb(255, 0, 0));

    const QByteArray internet = readFile(app.PictureList[0]);
    ASSERT_TRUE(await::ShowInternet(app, internet).changed());
    EXPECT_TRUE(app.settings.MonitorPictures.isEmpty());
    layout.monitors.removeLast();
    ASSERT_TRUE(await::Recompose(app).changed());
    EXPECT_EQ(bitmap().size(), QSize(100, 80));

    ClearWallpaper(app);
    const size_t calls = t.desktop->calls.size();
    EXPECT_EQ(await::Recompose(app).status, ChangeResult::Status::NothingToShow);
    EXPECT_EQ(t.desktop->calls.size(), calls);
}

// The prepared wallpaper is what the next change shows, unless anything it
// was made from has changed since: then that change composes afresh. The
// pictures are uncompressed bitmaps: two of the same size have files of the
// same length.
TEST_F(WallpaperChangeTest, AStalePreparedWallpaperIsNeverShown) {
    app.PictureList = {solid("a.bmp", Qt::red), solid("b.bmp", Qt::green), solid("c.bmp", Qt::blue),
                       solid("d.bmp", Qt::white)};
    ASSERT_TRUE(await::Next(app).changed());
    ASSERT_TRUE(prepared());
    ASSERT_TRUE(await::Next(app).changed()); // the prepared one, still right
    EXPECT_EQ(shown(), QColor(Qt::green));

    // c.bmp replaced by a file of the same length and modification time.
    ASSERT_TRUE(prepared());
    const QDateTime modified = QFileInfo(t.path("c.bmp")).lastModified();
    QFile::remove(t.path("c.bmp"));
    solid("c.bmp", Qt::yellow);
    setModified(t.path("c.bmp"), modified);
    ASSERT_TRUE(await::Next(app).changed());
    EXPECT_EQ(shown(), QColor(Qt::yellow));

    // The settings changed (not yet announced).
    ASSERT_TRUE(prepared());
    app.settings.EInvert = true;
    ASSERT_TRUE(await::Next(app).changed());
    EXPECT_EQ(shown(), QColor(Qt::black)); // d.bmp, white, inverted

    // The list rebuilt: its first entry is another picture now.
    ASSERT_TRUE(prepared());
    app.PictureList = {solid("e.bmp", Qt::cyan), app.PictureList[1]};
    ASSERT_TRUE(await::Next(app).changed());
    EXPECT_EQ(shown(), QColor(Qt::red)); // cyan, inverted

    // The screen resized.
    ASSERT_TRUE(prepared());
    app.screen = [] { return ScreenInfo{QSize(200, 100), QRect(0, 0, 200, 100), 96}; };
    ASSERT_TRUE(await::Next(app).changed());
    EXPECT_EQ(bitmap().size(), QSize(200, 100));

    // Nothing is prepared on battery power, nor when the setting is off.
    // (A preparation given up when the change took over may still be winding
    // down.)
    for (const bool battery : {true, false}) {
        t.probes->battery = battery;
        app.settings.PrepareNextWallpaper = battery;
        ASSERT_TRUE(await::Next(app).changed());
        EXPECT_TRUE(waitUntil([&] { return !app.prepared->busy(); }));
        EXPECT_FALSE(app.prepared->ready()) << battery;
    }
}

// The random pick is drawn ahead when the next wallpaper is prepared: it
// still never repeats the picture shown and stays uniform.
TEST_F(WallpaperChangeTest, RandomPicksDrawnAheadNeverRepeatAndStayUniform) {
    constexpr int kPictures = 4, kChanges = 400;
    app.settings.TechniqueTimer = ChangeTechnique::Random;
    app.random.seed(2024);
    for (int i = 0; i < kPictures; ++i)
        app.PictureList << solid(QString("p%1.bmp").arg(i), QColor::fromHsv(i * 60, 255, 255),
                                 QSize(4, 4));
    std::array<int, kPictures> count{};
    double previous = 0;
    for (int i = 0; i < kChanges; ++i) {
        ASSERT_TRUE(await::Next(app).changed());
        const double current = app.settings.CurWallPaper;
        ASSERT_NE(current, previous);
        ++count[size_t(current) - 1];
        previous = current;
        // Every other change shows a prepared wallpaper.
        if (i % 2 == 0) {
            ASSERT_TRUE(prepared());
        }
    }
    double chiSquare = 0;
    const double expected = double(kChanges) / kPictures;
    for (int n : count)
        chiSquare += (n - expected) * (n - expected) / expected;
    EXPECT_LT(chiSquare, 16.27) << "3 degrees of freedom, p = 0.001";
}

// Back and forward as a browser's buttons: "previous" goes back through local
// and internet pictures (the internet one from its cache item, without the
// list or the internet position moving), nexts come forward through them again
// before the list continues where it was; a deleted file is skipped, and the
// history survives a restart of the jobs in History.tsy.
TEST_F(WallpaperChangeTest, PreviousGoesBackAndNextComesForwardBeforeTheListContinues) {
    app.settings.BubbleFileName = true;
    app.PictureList = {solid("red.png", Qt::red), solid("green.png", Qt::green),
                       solid("blue.png", Qt::blue)};
    const QString address = "http://pictures.test/yellow.png";
    const QByteArray yellowBytes = readFile(solid("yellow.png", Qt::yellow));
    int lookups = 0;
    JobsOf(app).setInternetPictures([&](const QString& a) -> std::optional<QByteArray> {
        ++lookups;
        return a == address ? std::optional(yellowBytes) : std::nullopt;
    });

    EXPECT_EQ(await::Previous(app).status, ChangeResult::Status::NothingToShow);
    EXPECT_EQ(t.notifier->shown.back().text, "There is no earlier wallpaper.");
    ASSERT_TRUE(await::Next(app).changed()); // red
    ASSERT_TRUE(await::Next(app).changed()); // green
    ASSERT_TRUE(await::ShowInternet(app, yellowBytes, address).changed());
    ASSERT_TRUE(await::Next(app).changed()); // blue
    ASSERT_EQ(app.settings.CurWallPaper, 3);
    EXPECT_EQ(QString::fromUtf8(readFile(historyFile())),
              QString("F\t%1\nI\t%2\nF\t%3\nF\t%4\n")
                  .arg(app.PictureList[2], address, app.PictureList[1], app.PictureList[0]));

    // Steps back or forward, each showing the next of `colours`.
    const auto walk = [&](bool back, std::initializer_list<QColor> colours) {
        for (const QColor& colour : colours) {
            ASSERT_TRUE((back ? await::Previous(app) : await::Next(app)).changed());
            EXPECT_EQ(shown(), colour);
        }
    };
    walk(true, {Qt::yellow, Qt::green, Qt::red});
    EXPECT_EQ(t.notifier->shown.back().text, app.PictureList[0]);
    EXPECT_EQ(await::Previous(app).status, ChangeResult::Status::NothingToShow);
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_EQ(app.settings.CurWallPaper, 3);
    EXPECT_GT(lookups, 0);

    // Forward again: green, yellow (from the cache item), blue; then the
    // list goes on after blue with red.
    walk(false, {Qt::green, Qt::yellow, Qt::blue, Qt::red});
    EXPECT_EQ(app.settings.CurWallPaper, 1);
    EXPECT_EQ(t.notifier->shown.back().text, app.PictureList[0]);

    // A detour, then a picture shown from elsewhere: what lay ahead is gone.
    ASSERT_TRUE(await::Previous(app).changed()); // blue
    ASSERT_TRUE(await::Show(app, app.PictureList[1]).changed());
    // History now: green, blue, yellow, green, red. The older green is
    // deleted: two steps back and the next one skips it to red.
    QFile::remove(t.path("green.png"));
    const QFileInfo before(historyFile());
    walk(true, {Qt::blue, Qt::yellow, Qt::red});
    // The skipped entry is left out for good (the newest, not yet stepped
    // over, is left out when the file is read again).
    EXPECT_EQ(readFile(historyFile()).count("green.png"), 1);
    const WallpaperHistory reread(historyFile());
    ASSERT_EQ(reread.entries().size(), 3);
    EXPECT_EQ(reread.entries()[1].address, address);

    // A Clear wins over a step back that waits behind a running change.
    NextWallpaper(app);
    PreviousWallpaper(app);
    ClearWallpaper(app);
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");
}

// The last 100 wallpapers, newest first, one line each; a file written while
// the process is killed is the old one or the new one, never torn.
TEST(WallpaperHistoryWriter, RecordsUntilKilled) {
    const QString file = qEnvironmentVariable("TESSALY_HISTORY_FILE");
    if (file.isEmpty()) GTEST_SKIP() << "run by KeepsTheLastHundredAndSurvivesKillNine";
    WallpaperHistory history(file);
    for (int k = 0; k < 100000; ++k)
        history.record({.paths = {QString("/pictures/%1/%2.jpg").arg(QString(200, 'p')).arg(k)}});
}

TEST(WallpaperHistory, KeepsTheLastHundredAndSurvivesKillNine) {
    QTemporaryDir dir;
    const QString file = dir.filePath("History.tsy");
    // Real files: entries whose files are gone are left out when read.
    QStringList paths;
    for (int k = 0; k < 120; ++k)
        paths << writeFile(dir.filePath(QString("%1.png").arg(k)), "x");
    {
        WallpaperHistory history(file);
        for (const QString& path : paths)
            history.record({.paths = {path}});
        history.record({.address = "http://pictures.test/a.jpg"});
        EXPECT_TRUE(history.lastError().isEmpty());
    }
    QFile::remove(paths[119]);
    const WallpaperHistory reread(file);
    ASSERT_EQ(reread.entries().size(), 99); // 100 kept, one file gone since
    EXPECT_EQ(reread.entries()[0].address, "http://pictures.test/a.jpg");
    EXPECT_EQ(reread.entries()[1].paths, QStringList{paths[118]});
    EXPECT_EQ(reread.entries().back().paths.value(0), paths[21]); // 121 recorded
    EXPECT_EQ(readFile(file).count('\n'), 100);

    const QString killed = dir.filePath("Killed.tsy");
    for (int round = 0; round < 5; ++round) {
        // Killed some moment after its first write.
        KillRunWhileItWrites("WallpaperHistoryWriter.*", "TESSALY_HISTORY_FILE", killed, killed, 0,
                             100);
        // Whole lines only, each a whole entry.
        const QByteArray text = readFile(killed);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_TRUE(text.endsWith('\n'));
        const QList<HistoryEntry> entries = WallpaperHistory::parse(text);
        EXPECT_EQ(entries.size(), text.count('\n'));
        for (const HistoryEntry& e : entries)
            EXPECT_TRUE(e.paths.value(0).endsWith(".jpg")) << e.paths.value(0).toStdString();
    }
}
