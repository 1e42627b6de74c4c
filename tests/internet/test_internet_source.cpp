// The internet source against the real local server: the catalogue, the
// rebuild of the internet file list, stepping under the cooldown, and the
// photo feeds.
#include "../feeds/FeedDocuments.h"
#include "AwaitChange.h"
#include "LocalHttpServer.h"
#include "internet/Categories.h"
#include "internet/InternetStepping.h"
#include "internet/PhotoFeeds.h"

namespace {

struct InternetTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    QString site = t.path("site");
    bool made = QDir().mkpath(site);
    LocalHttpServer server{false, site};
    void SetUp() override {
        ASSERT_TRUE(made && server.ok());
        app.settings.IntTimeOut = 5;
        app.settings.IntTray = false;
        app.settings.WaterMarkVisible = false;
        app.settings.WallPaperPosition = WallpaperPosition::of(PositionMode::Stretch);
        app.random.seed(7);
    }
    void serve(const QString& name, const QByteArray& body) { writeFile(site + "/" + name, body); }
    void picture(const QString& name, QColor colour) { savePicture(site + "/" + name, colour); }
    // The internet file list as the program keeps it (inverted).
    void listOf(const QStringList& addresses) {
        writeInverted(app.paths.InternetListPath, (addresses.join("\r\n") + "\r\n").toUtf8());
    }
    // Red, green and blue pictures on the server, listed in that order.
    void threePictures() {
        picture("p1.jpg", Qt::red);
        picture("p2.jpg", Qt::green);
        picture("p3.jpg", Qt::blue);
        listOf({server.url("/files/p1.jpg"), server.url("/files/p2.jpg"),
                server.url("/files/p3.jpg")});
    }
    // The wallpaper's colour: "r", "g", "b" or "?".
    std::string shown() const {
        const QColor c = QImage(app.paths.WallpaperBitmapPath).pixelColor(10, 10);
        return c.red() > 150 ? "r" : c.green() > 150 ? "g" : c.blue() > 150 ? "b" : "?";
    }
    std::string seq() const {
        return t.services.store->value("Internet", "Seq").value_or("<none>").toStdString();
    }
    // One change of the internet source to its end.
    ChangeResult step(InternetSource& source, bool previous = false) {
        return await::change([&](QObject*, ChangeDone d) { source.InternetNext(previous, d); });
    }
    // The catalogue as the local copy holds it (inverted).
    void localCatalogue(const QByteArray& text) { writeInverted(app.paths.CataloguePath, text); }
    // One rebuild to its end, `meanwhile` run once it has begun; `list`
    // becomes the list it hands back.
    void rebuild(CategoryList& list, DownloadClient& client, DownloadCache& cache,
                 RebuildOutcome expect, const std::function<void()>& meanwhile = {}) {
        std::optional<RebuildOutcome> outcome;
        RebuildIntFiles(app, list, client, cache, [&](RebuildOutcome o, CategoryList l) {
            outcome = o;
            list = std::move(l);
        });
        if (meanwhile) meanwhile();
        ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(*outcome, expect);
    }
    // One catalogue refresh to its end: the category list and how it ended.
    std::pair<CategoryList, DownloadStatus> refresh(DownloadClient& client) {
        std::optional<std::pair<CategoryList, DownloadStatus>> r;
        UpdateIntCatz(app, client, [&](CategoryList l, DownloadStatus s) { r.emplace(l, s); });
        EXPECT_TRUE(waitUntil([&] { return r.has_value(); }));
        return r.value_or(std::pair{CategoryList(), DownloadStatus::Failed});
    }
};

} // namespace

TEST_F(InternetTest, TheCatalogueIsReadWithTheProfileRulesAndRebuildsOnlyOnChange) {
    // Values cut at 127 characters, as every profile text is: test_feeds
    // (FeedList) and fuzz_profile.
    localCatalogue("[CAT1]\r\nName=Cats\r\nurl1=http://a/1.html\r\n[cat2]\r\nname=Dogs\r\n"
                   "[cat4]\r\nname=Never read\r\n[info]\r\ntime=150000\r\n");
    t.services.store->setValue("Internet", "2", "1");
    const CategoryList read = LoadIntCatz(app);
    ASSERT_EQ(read.categories.size(), 2);
    EXPECT_EQ(read.categories[0].name, "Cats");
    EXPECT_FALSE(read.categories[0].checked);
    EXPECT_TRUE(read.categories[1].checked);
    EXPECT_EQ(app.settings.IntCoolDown, 150000);
    // An empty name ends the list; without "time" the cooldown is 0.
    localCatalogue("[cat1]\nname=One\n[cat2]\nname=\n[cat3]\nname=Three\n");
    EXPECT_EQ(LoadIntCatz(app).categories.size(), 1);
    EXPECT_EQ(app.settings.IntCoolDown, 0);
    // Addresses: the server's path, a code, or a code that is an address.
    app.settings.IntServer = "pictures.example:8642/";
    EXPECT_EQ(CatalogueAddress(app.settings),
              "http://pictures.example:8642/tessaly/wpfiles/wpdlurls.tar");
    app.settings.IntCatCode = "family";
    EXPECT_EQ(CatalogueAddress(app.settings),
              "http://pictures.example:8642/tessaly/wpfiles/family.tar");
    app.settings.IntCatCode = "https://elsewhere.example/c.tar";
    EXPECT_EQ(CatalogueAddress(app.settings), "https://elsewhere.example/c.tar");
    EXPECT_EQ(CategoryBoxPlace(3, 2000, 300), QPoint(150, 600));
    EXPECT_EQ(CategoryBoxPlace(4, 2000, 300), QPoint(2150, 600));

    // A rebuild only on a change, each page fetched once.
    serve("a.html", R"(<a href="a1.jpg">1</a><a href="a2.jpg">2</a><a href="a3.jpg">3</a>)");
    serve("b.html", R"(<a href="b1.jpg">1</a>)");
    serve("cat.tar", ("[cat1]\nname=A\nurl1=" + server.url("/files/a.html") +
                      "\nurl2=" + server.url("/files/missing.html") +
                      "\n[cat2]\nname=B\nurl1=" + server.url("/files/b.html") +
                      "\nurl2=" + server.url("/files/a.html") + "\n[info]\ntime=0\n")
                         .toUtf8());
    app.settings.IntCatCode = server.url("/files/cat.tar");
    DownloadClient client(app);
    DownloadCache cache(app);
    std::optional<CategoryList> list = refresh(client).first;
    ASSERT_EQ(list->categories.size(), 2);
    list->categories[0].checked = list->categories[1].checked = true;
    rebuild(*list, client, cache, RebuildOutcome::Written);
    const QString a = server.url("/files/a"), b = server.url("/files/b");
    // Category B reaches page a too: its pictures come twice.
    const QStringList inOrder{a + "1.jpg", a + "2.jpg", a + "3.jpg", b + "1.jpg",
                              a + "1.jpg", a + "2.jpg", a + "3.jpg"};
    EXPECT_EQ(ReadInternetFileList(app), inOrder);
    EXPECT_EQ(server.count("/files/a.html"), 1); // the second time from the cache
    EXPECT_EQ(t.services.store->value("Internet", "2"), "1");

    // Nothing changed: no request, the file byte for byte as it was.
    const QByteArray before = readFile(app.paths.InternetListPath);
    rebuild(*list, client, cache, RebuildOutcome::Unchanged);
    EXPECT_EQ(readFile(app.paths.InternetListPath), before);
    // Only the technique changed: rebuilt and shuffled, pages from the cache.
    app.settings.TechniqueTimer = ChangeTechnique::Random;
    rebuild(*list, client, cache, RebuildOutcome::Written);
    const QStringList shuffled = ReadInternetFileList(app);
    EXPECT_NE(shuffled, inOrder);
    EXPECT_EQ(sorted(shuffled), sorted(inOrder));
    EXPECT_EQ(server.count("/files/a.html") + server.count("/files/b.html"), 2);
    // No category checked: an empty list.
    list->categories[0].checked = list->categories[1].checked = false;
    rebuild(*list, client, cache, RebuildOutcome::Written);
    EXPECT_TRUE(readFile(app.paths.InternetListPath).isEmpty());

    // A failed refresh keeps the catalogue the user had, byte for byte, and
    // asks for no rebuild.
    list->categories[0].checked = true;
    rebuild(*list, client, cache, RebuildOutcome::Written);
    const QByteArray catalogue = readFile(app.paths.CataloguePath);
    app.settings.IntCatCode = server.url("/404");
    auto [kept, status] = refresh(client);
    EXPECT_EQ(status, DownloadStatus::Failed);
    EXPECT_EQ(readFile(app.paths.CataloguePath), catalogue);
    EXPECT_EQ(kept.categories.size(), 2);
    EXPECT_FALSE(kept.refreshed);
    rebuild(kept, client, cache, RebuildOutcome::Unchanged);
    EXPECT_EQ(ReadInternetFileList(app).size(), 3);
}

TEST_F(InternetTest, SteppingUnderTheCooldownAndOnlyAnswersThatDecodeAreCached) {
    threePictures();
    app.settings.IntCoolDown = 900000;
    InternetSource source(app);
    // One change: the picture it showed (by its colour), or "-" when none.
    const auto next = [&](bool previous = false) {
        return step(source, previous).changed() ? shown() : "-";
    };

    EXPECT_EQ(next(), "r"); // the first use is allowed
    EXPECT_EQ(seq(), "2");
    t.clock->now += 900000 - 1;
    EXPECT_EQ(next(), "-"); // refused, with the minutes
    EXPECT_EQ(t.notifier->shown.back().text,
              "you can download only one wallpaper every 15 Minutes");
    EXPECT_EQ(seq(), "2");
    t.clock->now += 1; // exactly 15 minutes
    EXPECT_EQ(next(), "g");
    app.settings.IntCoolDown = 0; // no limit from here on
    EXPECT_EQ(next(), "b");
    EXPECT_EQ(next(), "r"); // Seq 4 of 3 wraps to 1
    EXPECT_EQ(seq(), "2");
    EXPECT_EQ(next(true), "r"); // from Seq 2 back to 1 (not below)
    t.services.store->setValue("Internet", "Seq", "5");
    EXPECT_EQ(next(true), "b"); // 5 - 2 = 3
    EXPECT_EQ(seq(), "4");
    for (const char* bad : {"-3", "0", "2.5", "x"}) {
        t.services.store->setValue("Internet", "Seq", bad);
        EXPECT_EQ(next(), "r") << bad;
    }
    // A stored IntCL later than the clock (a restart) allows the change.
    app.settings.IntCoolDown = 900000;
    t.services.store->setValue("Options", "IntCL", QString::number(t.clock->now + 5000));
    EXPECT_EQ(next(), "g");
    EXPECT_EQ(CooldownRefusalText(150000), "you can download only one wallpaper every 2.5 Minutes");

    // An error page instead of a picture: not cached, the wallpaper stays.
    app.settings.IntCoolDown = 0;
    listOf({server.url("/404")});
    const QByteArray bitmap = readFile(app.paths.WallpaperBitmapPath);
    EXPECT_EQ(next(), "-");
    EXPECT_EQ(readFile(app.paths.WallpaperBitmapPath), bitmap);
    EXPECT_FALSE(source.cache().CacheLookup(server.url("/404")));

    // A Clear while the picture downloads is the last request: the picture
    // arrives and is not shown.
    listOf({server.url("/slow/p1.jpg")});
    const ChangeResult overtaken = await::change([&](QObject*, ChangeDone d) {
        source.InternetNext(false, d);
        ClearWallpaper(app);
    });
    EXPECT_EQ(overtaken.status, ChangeResult::Status::Cancelled);
    EXPECT_EQ(t.desktop->calls.back().position, "Clear");

    // A status-200 answer that is no picture (a login or error page) is not
    // kept: once the server gives the picture, that position shows it. An item
    // that an earlier version kept and that does not decode is dropped.
    const QByteArray loginPage =
        "<!DOCTYPE html><html><head><title>Sign in</title></head><body><form>" +
        QByteArray(4000, ' ') + "</form></body></html>\n";
    const QString address = server.url("/files/p.jpg");
    serve("p.jpg", loginPage);
    listOf({address});
    ChangeResult r = step(source);
    EXPECT_EQ(r.status, ChangeResult::Status::LoadFailed);
    EXPECT_FALSE(source.cache().CacheLookup(address));
    // The server gives the picture now: shown, and kept.
    picture("p.jpg", Qt::red);
    r = step(source);
    ASSERT_TRUE(r.changed()) << r.error.toStdString();
    EXPECT_EQ(shown(), "r");
    EXPECT_EQ(server.count("/files/p.jpg"), 2);
    EXPECT_EQ(source.cache().CacheLookup(address), readFile(site + "/p.jpg"));
    EXPECT_TRUE(step(source).changed());
    EXPECT_EQ(server.count("/files/p.jpg"), 2); // from the cache

    // A login page kept by an earlier version: it fails once, is dropped,
    // and the next visit downloads the picture.
    const QString kept = server.url("/files/q.jpg");
    ASSERT_TRUE(source.cache().CacheStore(kept, loginPage));
    picture("q.jpg", Qt::blue);
    listOf({kept});
    EXPECT_EQ(step(source).status, ChangeResult::Status::LoadFailed);
    EXPECT_EQ(server.count("/files/q.jpg"), 0);
    EXPECT_FALSE(source.cache().CacheLookup(kept));
    EXPECT_TRUE(step(source).changed());
    EXPECT_EQ(shown(), "b");
    EXPECT_EQ(server.count("/files/q.jpg"), 1);
    EXPECT_EQ(source.cache().CacheLookup(kept), readFile(site + "/q.jpg"));
    EXPECT_EQ(source.cache().CacheLookup(address), readFile(site + "/p.jpg"));
}

// Going back to an internet picture shows it again from the download cache,
// without a download and without moving Seq; the nexts then come forward
// through the history before the internet source steps on from where it was.
TEST_F(InternetTest, PreviousShowsCachedPicturesAgainAndLeavesSeqAlone) {
    threePictures();
    app.settings.IntCoolDown = 0;
    app.settings.WPSource = WallpaperSource::Internet;
    InternetSource source(app);
    // As the program wires them.
    QObject::connect(&app.events, &AppEvents::internetNextWanted, &source,
                     [&] { source.InternetNext(false); });
    JobsOf(app).setInternetPictures(
        [&](const QString& address) { return source.cache().CacheLookup(address); });
    const auto downloads = [&] {
        return server.count("/files/p1.jpg") + server.count("/files/p2.jpg") +
               server.count("/files/p3.jpg");
    };
    for (const char* colour : {"r", "g"}) {
        ASSERT_TRUE(step(source).changed());
        EXPECT_EQ(shown(), colour);
    }
    ASSERT_EQ(downloads(), 2);
    ASSERT_EQ(seq(), "3");

    ASSERT_TRUE(await::Previous(app).changed());
    EXPECT_EQ(shown(), "r");
    EXPECT_EQ(await::Previous(app).status, ChangeResult::Status::NothingToShow);
    EXPECT_EQ(await::Next(app).status, ChangeResult::Status::Changed) << "forward, the history";
    EXPECT_EQ(shown(), "g");
    EXPECT_EQ(downloads(), 2);
    EXPECT_EQ(seq(), "3");

    // At the newest again: the next is the internet source's, from Seq 3.
    EXPECT_EQ(await::Next(app).status, ChangeResult::Status::HandedOn);
    ASSERT_TRUE(waitUntil([&] { return shown() == "b"; }));
    EXPECT_EQ(server.count("/files/p3.jpg"), 1);
    EXPECT_EQ(seq(), "4");
    // Recorded once the change is over (the bitmap is written before).
    const QString history = "I\t" + server.url("/files/p3.jpg") + "\nI\t" +
                            server.url("/files/p2.jpg") + "\nI\t" + server.url("/files/p1.jpg") +
                            "\n";
    EXPECT_TRUE(waitUntil([&] {
        return QString::fromUtf8(readFile(app.paths.DataFolder + "History.tsy")) == history;
    })) << readFile(app.paths.DataFolder + "History.tsy").toStdString();
    ASSERT_TRUE(await::idle(app));

    // A picture no longer in the cache is skipped.
    source.cache().clear();
    EXPECT_EQ(await::Previous(app).status, ChangeResult::Status::NothingToShow);
    EXPECT_EQ(downloads(), 3);
}

TEST_F(InternetTest, AnEndedRebuildOrRefreshKeepsTheOldFiles) {
    serve("a.html", R"(<a href="a1.jpg">1</a>)");
    // Category 2 fails on its own account; category 3 answers slowly and
    // then not at all.
    localCatalogue(("[cat1]\nname=A\nurl1=" + server.url("/files/a.html") +
                    "\n[cat2]\nname=B\nurl1=" + server.url("/404") + "\n[cat3]\nname=C\nurl1=" +
                    server.url("/slow-page") + "\nurl2=" + server.url("/hang") + "\n")
                       .toUtf8());
    const QByteArray catalogue = readFile(app.paths.CataloguePath);
    CategoryList chosen = LoadIntCatz(app);
    ASSERT_EQ(chosen.categories.size(), 3);
    for (Category& c : chosen.categories)
        c.checked = true;
    DownloadCache cache(app);
    // Ends the rebuild once it waits for the page that never answers.
    const auto cutShort = [&](DownloadClient& client, const std::function<void()>& end) {
        CategoryList back = chosen;
        const int hung = server.count("/hang");
        rebuild(back, client, cache, RebuildOutcome::NotWritten, [&] {
            EXPECT_TRUE(waitUntil([&] { return server.count("/hang") == hung + 1; }));
            end();
        });
        return back;
    };

    // The program ends: no list is written where there was none, and no
    // choice is stored, so the next start rebuilds.
    {
        DownloadClient client(app);
        cutShort(client, [&] { emit app.events.ending(); });
    }
    EXPECT_FALSE(QFile::exists(app.paths.InternetListPath));
    EXPECT_FALSE(t.services.store->value("Internet", "1").has_value());

    // Cancelled: an old list stays byte for byte, and the choices still ask
    // for a rebuild.
    const QByteArray old =
        writeInverted(app.paths.InternetListPath, "http://old.example/1.jpg\r\n");
    DownloadClient client(app);
    const CategoryList back = cutShort(client, [&] { client.abandon(); });
    EXPECT_EQ(readFile(app.paths.InternetListPath), old);
    EXPECT_TRUE(back.categories[0].checked && !back.categories[0].checkedAtRebuild);

    // A catalogue refresh: while it downloads the local copy still lists the
    // old categories; abandoned, it keeps them byte for byte.
    app.settings.IntCatCode = server.url("/hang");
    std::optional<DownloadStatus> status;
    UpdateIntCatz(app, client, [&](CategoryList, DownloadStatus s) { status = s; });
    EXPECT_TRUE(waitUntil([&] { return server.count("/hang") == 3; }));
    EXPECT_EQ(LoadIntCatz(app).categories.size(), 3);
    emit app.events.ending();
    ASSERT_TRUE(waitUntil([&] { return status.has_value(); }, 3000));
    EXPECT_EQ(status, DownloadStatus::Abandoned);
    EXPECT_EQ(readFile(app.paths.CataloguePath), catalogue);
}

TEST_F(InternetTest, OneRefreshOrRebuildAtATimeAndChangesWaitForThem) {
    picture("a1.jpg", Qt::red);
    serve("a.html", R"(<a href="a1.jpg">1</a>)");
    serve("b.html", R"(<a href="b1.jpg">1</a>)");
    // Category A's second page answers after 1.5 s, with no links.
    serve("cat.tar", ("[cat1]\nname=A\nurl1=" + server.url("/files/a.html") +
                      "\nurl2=" + server.url("/slow-page") + "\n[cat2]\nname=B\nurl1=" +
                      server.url("/files/b.html") + "\n[info]\ntime=900000\n")
                         .toUtf8());
    app.settings.IntCatCode = server.url("/files/cat.tar");
    t.services.store->setValue("Internet", "1", "1");
    t.services.store->setValue("Internet", "2", "1");
    InternetSource source(app);

    // At start-up there is no list yet: a change asked for meanwhile waits
    // for the rebuild, then shows its first picture under no cooldown.
    std::optional<bool> startedUp;
    source.RefreshAndRebuild(nullptr, [&](bool ok) { startedUp = ok; });
    std::optional<ChangeResult> change;
    source.InternetNext(false, [&](ChangeResult r) { change = r; });
    EXPECT_TRUE(source.rebuilding());
    bool coolDownEarly = false;
    ASSERT_TRUE(waitUntil([&] {
        coolDownEarly = coolDownEarly || (source.rebuilding() &&
                                          t.services.store->value("Options", "IntCL").has_value());
        return change.has_value();
    }));
    EXPECT_FALSE(coolDownEarly);
    EXPECT_EQ(startedUp, true);
    EXPECT_TRUE(change->changed());
    EXPECT_EQ(shown(), "r");
    EXPECT_EQ(app.settings.IntCoolDown, 900000);

    // Rebuilds asked for at once run in turn, each writing its own list; the
    // same choices asked for twice join; a gone receiver is not called.
    const QString a1 = server.url("/files/a1.jpg"), b1 = server.url("/files/b1.jpg");
    CategoryList onlyA = LoadIntCatz(app), onlyB = onlyA;
    ASSERT_EQ(onlyA.categories.size(), 2);
    onlyA.categories[0].checked = onlyB.categories[1].checked = true;
    onlyA.categories[1].checked = onlyB.categories[0].checked = false;
    QStringList seen;
    const auto record = [&](const QString& name) {
        return [&seen, name, this](RebuildOutcome o, CategoryList) {
            seen << name + (o == RebuildOutcome::Written ? " " : " not written ") +
                        ReadInternetFileList(app).join(',');
        };
    };
    auto* gone = new QObject;
    source.RebuildFiles(onlyA, nullptr, record("A"));
    source.RebuildFiles(onlyB, nullptr, record("B"));
    source.RebuildFiles(onlyB, nullptr, record("B again"));
    source.RebuildFiles(onlyA, gone, record("gone"));
    delete gone;
    ASSERT_TRUE(waitUntil([&] { return !source.rebuilding(); }));
    EXPECT_EQ(seen.join('|').toStdString(),
              QStringList({"A " + a1, "B " + b1, "B again " + b1}).join('|').toStdString());
    // The last one ran all the same.
    EXPECT_EQ(ReadInternetFileList(app).join('|').toStdString(), a1.toStdString());
    EXPECT_EQ(t.services.store->value("Internet", "2"), "0");
}

// Photo feeds as a source of pictures: the three public shapes join the
// category pictures, each feed is asked again only after an hour and then
// conditionally (304), a new picture goes to the end, and a feed that turns
// hostile leaves the list and its kept document as they were.
TEST_F(InternetTest, PhotoFeedsJoinTheListAndAreRefreshedConditionally) {
    const QByteArray base = server.url("/files/").toUtf8();
    serve("a.html", R"(<a href="a1.jpg">1</a>)");
    serve("rss.xml", PhotoRss(base));
    serve("media.xml", PhotoMediaRss(base));
    serve("atom.xml", PhotoAtom(base));
    serve("turns-huge.xml", PhotoRss(base, "Soon Huge"));
    localCatalogue("[cat1]\nname=A\nurl1=" + server.url("/files/a.html").toUtf8() + "\n");
    const auto feed = [&](const QString& title, const QString& name, bool ticked = true) {
        return PhotoFeed{{title, server.url("/files/" + name)}, ticked};
    };
    const QList<PhotoFeed> feeds = {
        feed("Daily Lake Photo", "rss.xml"), feed("Harbour Shots", "media.xml"),
        feed("Forest Log", "atom.xml", false), feed("Soon Huge", "turns-huge.xml")};
    ASSERT_TRUE(SavePhotoFeeds(app, feeds));
    ASSERT_EQ(LoadPhotoFeeds(app), feeds);
    auto source = std::make_unique<InternetSource>(app);
    const auto refreshFeeds = [&] {
        std::optional<std::pair<PhotoFeedsOutcome, QStringList>> r;
        source->RefreshPhotoFeeds(nullptr,
                                  [&](PhotoFeedsOutcome o, QStringList e) { r.emplace(o, e); });
        EXPECT_TRUE(waitUntil([&] { return r.has_value(); }));
        return r.value_or(std::pair{PhotoFeedsOutcome::NotWritten, QStringList()});
    };
    const QString f = server.url("/files/");
    const QStringList feedPictures{f + "mon.jpg", f + "boats-l.jpg", f + "crane.png"};

    // The first round: every ticked feed is new, its pictures end the list.
    EXPECT_TRUE(source->photoFeedsDue());
    EXPECT_EQ(refreshFeeds().first, PhotoFeedsOutcome::Written);
    EXPECT_EQ(ReadInternetFileList(app), feedPictures);
    EXPECT_FALSE(source->photoFeedsDue());
    EXPECT_EQ(server.count("/files/atom.xml"), 0); // not ticked
    // A rebuild puts the ticked categories' pictures first, then the feeds'.
    CategoryList list = LoadIntCatz(app);
    list.categories[0].checked = true;
    DownloadCache cache(app);
    rebuild(list, source->client(), cache, RebuildOutcome::Written);
    EXPECT_EQ(ReadInternetFileList(app), QStringList{f + "a1.jpg"} + feedPictures);
    const QByteArray written = readFile(app.paths.InternetListPath);

    // Within the hour nothing is asked; after it, each feed conditionally.
    t.clock->now += 3599999;
    EXPECT_EQ(refreshFeeds().first, PhotoFeedsOutcome::NothingDue);
    t.clock->now += 1;
    EXPECT_EQ(refreshFeeds().first, PhotoFeedsOutcome::Unchanged);
    EXPECT_EQ(server.count("304 /files/rss.xml"), 1);
    EXPECT_EQ(server.count("304 /files/media.xml"), 1);
    EXPECT_EQ(readFile(app.paths.InternetListPath), written);
    // A cooldown longer than an hour is the interval.
    app.settings.IntCoolDown = 2 * 3600000.0;
    t.clock->now += 3600000;
    EXPECT_FALSE(source->photoFeedsDue());
    // A restart remembers when each feed was asked for and its validators.
    source = std::make_unique<InternetSource>(app);
    EXPECT_FALSE(source->photoFeedsDue());

    // A new picture in a feed goes to the end.
    t.clock->now += 3600000;
    QThread::msleep(20); // a new modification time
    serve("rss.xml", PhotoRss(base).replace("mon.jpg", "wed.jpg"));
    EXPECT_EQ(refreshFeeds().first, PhotoFeedsOutcome::Written);
    EXPECT_EQ(ReadInternetFileList(app),
              QStringList{f + "a1.jpg"} + feedPictures + QStringList{f + "wed.jpg"});
    EXPECT_EQ(server.count("304 /files/media.xml"), 2);
    const QByteArray grown = readFile(app.paths.InternetListPath);
    const QByteArray keptRss = readFile(PhotoFeedFile(app.paths.PhotoFeedsFolder, feeds[0].feed));

    // The feeds turn hostile: entities, 1 GB, not XML. Each fails on its own
    // account; the list and the kept documents stay.
    t.clock->now += 2 * 3600000;
    QThread::msleep(20);
    serve("rss.xml", BillionLaughs());
    serve("media.xml", "this is not XML at all");
    serve("turns-huge.xml", "#huge\n");
    const auto [outcome, errors] = refreshFeeds();
    EXPECT_EQ(outcome, PhotoFeedsOutcome::Unchanged);
    EXPECT_EQ(errors.size(), 3) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors.join('\n').contains("declares entities"));
    EXPECT_TRUE(errors.join('\n').contains("not well-formed"));
    EXPECT_EQ(readFile(app.paths.InternetListPath), grown);
    EXPECT_EQ(readFile(PhotoFeedFile(app.paths.PhotoFeedsFolder, feeds[0].feed)), keptRss);

    // The random technique shuffles new pictures in among those not shown yet.
    std::mt19937 random(3);
    const QStringList seen{"s1", "s2"}, waiting{"w1", "w2", "w3"};
    for (int i = 0; i < 20; ++i) {
        const QStringList merged = MergeNewPictures(seen + waiting, {"n1", "w2", "n2"}, 2,
                                                    ChangeTechnique::Random, random);
        ASSERT_EQ(merged.size(), 7);
        EXPECT_EQ(merged.mid(0, 2), seen);
        EXPECT_TRUE(merged.contains("n1") && merged.contains("n2"));
    }
}

// A change with only photo feeds: they are fetched first, and a good feed's
// picture is shown; a feed that fails is named to the user.
TEST_F(InternetTest, AChangeFetchesADuePhotoFeedFirst) {
    picture("mon.jpg", Qt::red);
    serve("rss.xml", PhotoRss(server.url("/files/").toUtf8()));
    serve("broken.xml", "this is not XML at all");
    ASSERT_TRUE(SavePhotoFeeds(app, {{{"Daily Lake Photo", server.url("/files/rss.xml")}, true},
                                     {{"Broken Feed", server.url("/files/broken.xml")}, true}}));
    InternetSource source(app);
    std::optional<ChangeResult> change;
    source.InternetNext(false, [&](ChangeResult r) { change = r; });
    EXPECT_TRUE(source.rebuilding());
    ASSERT_TRUE(waitUntil([&] { return change.has_value(); }));
    EXPECT_TRUE(change->changed());
    EXPECT_EQ(shown(), "r");
    EXPECT_TRUE(std::any_of(t.notifier->shown.begin(), t.notifier->shown.end(), [](const auto& b) {
        return b.text.contains("Broken Feed") && !b.text.contains("Daily Lake");
    }));
}
