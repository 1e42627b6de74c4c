// The internet source against the real local server: the catalogue, the
// rebuild of the internet file list, and stepping under the cooldown.
#include "FakePlatform.h"
#include "LocalHttpServer.h"
#include "internet/Categories.h"
#include "internet/InternetStepping.h"
#include "settings/ByteInversion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

struct InternetTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    QString site = t.path("site");
    void SetUp() override {
        QDir().mkpath(site);
        app.settings.IntTimeOut = 5;
        app.settings.IntTray = false;
        app.random.seed(7);
    }
    void serve(const QString& name, const QByteArray& bytes) {
        writeFile(site + "/" + name, bytes);
    }
    void picture(const QString& name, QColor colour) {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(site + "/" + name, "JPEG"));
    }
    // The catalogue as the local copy holds it (inverted).
    void localCatalogue(const QByteArray& text) {
        QByteArray bytes = text;
        InvertBytes(bytes);
        writeFile(app.paths.CataloguePath, bytes);
    }
    void rebuild(CategoryList& list, DownloadClient& client, DownloadCache& cache, bool expect) {
        std::optional<bool> rebuilt;
        RebuildIntFiles(app, list, client, cache, [&](bool r) { rebuilt = r; });
        ASSERT_TRUE(waitUntil([&] { return rebuilt.has_value(); }));
        EXPECT_EQ(*rebuilt, expect);
    }
};

} // namespace

TEST_F(InternetTest, TheCatalogueIsReadWithTheProfileRules) {
    localCatalogue(
        "[CAT1]\r\nName=Cats\r\nurl1=http://a/1.html\r\n[cat2]\r\nname=" + QByteArray(200, 'x') +
        "\r\n[cat4]\r\nname=Never read\r\n[info]\r\ntime=150000\r\n");
    t.services.store->setValue("Internet", "2", "1");
    CategoryList list = LoadIntCatz(app);
    ASSERT_EQ(list.categories.size(), 2);
    EXPECT_EQ(list.categories[0].name, "Cats");
    EXPECT_FALSE(list.categories[0].checked);
    EXPECT_EQ(list.categories[1].name.size(), 127);
    EXPECT_TRUE(list.categories[1].checked);
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
}

TEST_F(InternetTest, RebuildsOnlyOnChangeAndFetchesEachPageOnce) {
    LocalHttpServer server(false, site);
    ASSERT_TRUE(server.ok());
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
    std::optional<CategoryList> list;
    UpdateIntCatz(app, client, [&](CategoryList l) { list = std::move(l); });
    ASSERT_TRUE(waitUntil([&] { return list.has_value(); }));
    ASSERT_EQ(list->categories.size(), 2);
    list->categories[0].checked = list->categories[1].checked = true;
    rebuild(*list, client, cache, true);
    const QString a = server.url("/files/a"), b = server.url("/files/b");
    // Category B reaches page a too: its pictures come twice.
    const QStringList inOrder{a + "1.jpg", a + "2.jpg", a + "3.jpg", b + "1.jpg",
                              a + "1.jpg", a + "2.jpg", a + "3.jpg"};
    EXPECT_EQ(ReadInternetFileList(app), inOrder);
    EXPECT_EQ(server.count("/files/a.html"), 1); // the second time from the cache
    EXPECT_EQ(t.services.store->value("Internet", "2"), "1");

    // Nothing changed: no request, the file byte for byte as it was.
    const QByteArray before = readFile(app.paths.InternetListPath);
    rebuild(*list, client, cache, false);
    EXPECT_EQ(readFile(app.paths.InternetListPath), before);
    // Only the technique changed: rebuilt and shuffled, pages from the cache.
    app.settings.TechniqueTimer = ChangeTechnique::Random;
    rebuild(*list, client, cache, true);
    QStringList shuffled = ReadInternetFileList(app);
    EXPECT_NE(shuffled, inOrder);
    shuffled.sort();
    QStringList sorted = inOrder;
    sorted.sort();
    EXPECT_EQ(shuffled, sorted);
    EXPECT_EQ(server.count("/files/a.html") + server.count("/files/b.html"), 2);
    // No category checked: an empty list.
    list->categories[0].checked = list->categories[1].checked = false;
    rebuild(*list, client, cache, true);
    EXPECT_TRUE(readFile(app.paths.InternetListPath).isEmpty());

    // A failed refresh: no categories, and the next rebuild empties the list.
    list->categories[0].checked = true;
    rebuild(*list, client, cache, true);
    app.settings.IntCatCode = server.url("/404");
    UpdateIntCatz(app, client, [&](CategoryList l) { list = std::move(l); });
    ASSERT_TRUE(waitUntil([&] { return list->categories.isEmpty(); }));
    rebuild(*list, client, cache, true);
    EXPECT_TRUE(ReadInternetFileList(app).isEmpty());
}

TEST_F(InternetTest, SteppingUnderTheCooldown) {
    LocalHttpServer server(false, site);
    ASSERT_TRUE(server.ok());
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    QByteArray list;
    for (int i = 0; i < 3; ++i) {
        picture(QString("p%1.jpg").arg(i + 1), colours[i]);
        list += server.url(QString("/files/p%1.jpg").arg(i + 1)).toUtf8() + "\r\n";
    }
    InvertBytes(list);
    writeFile(app.paths.InternetListPath, list);
    app.settings.WaterMarkVisible = false;
    app.settings.WallPaperPosition = WallpaperPosition::of(PositionMode::Stretch);
    app.settings.IntCoolDown = 900000;
    InternetSource source(app);
    // One change: the picture it showed (by its colour), or "-" when none.
    const auto step = [&](bool previous = false) {
        std::optional<ChangeResult> r;
        source.InternetNext(previous, [&](ChangeResult c) { r = c; });
        EXPECT_TRUE(waitUntil([&] { return r.has_value(); }));
        if (!r->changed()) return std::string("-");
        const QColor c = QImage(app.paths.WallpaperBitmapPath).pixelColor(10, 10);
        return std::string(c.red() > 150     ? "r"
                           : c.green() > 150 ? "g"
                           : c.blue() > 150  ? "b"
                                             : "?");
    };
    const auto seq = [&] { return t.services.store->value("Internet", "Seq").value_or("<none>"); };

    EXPECT_EQ(step(), "r"); // the first use is allowed
    EXPECT_EQ(seq(), "2");
    t.clock->now += 900000 - 1;
    EXPECT_EQ(step(), "-"); // refused, with the minutes
    EXPECT_EQ(t.notifier->shown.back().text,
              "you can download only one wallpaper every 15 Minutes");
    EXPECT_EQ(seq(), "2");
    t.clock->now += 1; // exactly 15 minutes
    EXPECT_EQ(step(), "g");
    app.settings.IntCoolDown = 0; // no limit from here on
    EXPECT_EQ(step(), "b");
    EXPECT_EQ(step(), "r"); // Seq 4 of 3 wraps to 1
    EXPECT_EQ(seq(), "2");
    EXPECT_EQ(step(true), "r"); // from Seq 2 back to 1 (not below)
    t.services.store->setValue("Internet", "Seq", "5");
    EXPECT_EQ(step(true), "b"); // 5 - 2 = 3
    EXPECT_EQ(seq(), "4");
    for (const char* bad : {"-3", "0", "2.5", "x"}) {
        t.services.store->setValue("Internet", "Seq", bad);
        EXPECT_EQ(step(), "r") << bad;
    }
    // A stored IntCL later than the clock (a restart) allows the change.
    app.settings.IntCoolDown = 900000;
    t.services.store->setValue("Options", "IntCL", QString::number(t.clock->now + 5000));
    EXPECT_EQ(step(), "g");
    EXPECT_EQ(CooldownRefusalText(150000), "you can download only one wallpaper every 2.5 Minutes");

    // An error page instead of a picture: not cached, the wallpaper stays.
    app.settings.IntCoolDown = 0;
    list = (server.url("/404") + "\r\n").toUtf8();
    InvertBytes(list);
    writeFile(app.paths.InternetListPath, list);
    const QByteArray shown = readFile(app.paths.WallpaperBitmapPath);
    EXPECT_EQ(step(), "-");
    EXPECT_EQ(readFile(app.paths.WallpaperBitmapPath), shown);
    EXPECT_FALSE(source.cache().CacheLookup(server.url("/404")));
}
