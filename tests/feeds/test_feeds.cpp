// The feed list file, feed names, the feed reader on good and hostile
// documents, and the updater against the local HTTP server: real files in a
// temporary folder, a real server on 127.0.0.1.
#include "FeedDocuments.h"
#include "LocalHttpServer.h"
#include "feeds/FeedList.h"
#include "feeds/FeedReader.h"
#include "feeds/FeedUpdater.h"

TEST(FeedList, SaveThenLoadAppendsStopsAtTheFirstGapAndNamesFitTheFileSystem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("FeedsList.tsy");
    const QList<FeedEntry> feeds = {{"World & Weather", "https://news.example/rss"},
                                    {"Über = alles", "https://b.example/feed?x=1&y=2"},
                                    {"World & Weather", "https://news.example/rss"}};
    ASSERT_TRUE(SaveFeeds(path, feeds));
    QList<FeedEntry> loaded = {{"already", "there"}};
    LoadFeeds(path, loaded);
    EXPECT_EQ(loaded, (QList<FeedEntry>{{"already", "there"}} + feeds));

    // The profile format: F0, F1, … and nothing after a gap; values are read
    // as at most 127 characters.
    const QString longTitle(200, 'T');
    writeFile(path, "[F0]\r\nID=" + longTitle.toUtf8() +
                        "\r\nURL=u0\r\n[F1]\r\nURL=u1\r\n[F2]\r\nID=two\r\n");
    loaded.clear();
    LoadFeeds(path, loaded);
    EXPECT_EQ(loaded, (QList<FeedEntry>{{longTitle.left(127), "u0"}}));
    loaded.clear();
    LoadFeeds(dir.filePath("missing.tsy"), loaded);
    EXPECT_TRUE(loaded.isEmpty());

    // A feed's name is its title in the list and the name of its file: it
    // stays in the folder and fits the file system, and the list reads 127
    // characters of it back, so the file is named from what comes back and a
    // restart finds it.
    const QString folder = dir.filePath("FeedsCache");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    for (const QString& title :
         {QString(200, 'T'), QString(126, 'a') + " .b" + QString(50, 'c'),
          QString(126, 'x') + emoji + "tail", QString(300, QChar(0x00E9)), emoji.repeated(100),
          emoji.repeated(300), QString("../../.config/x"), QString(".."),
          QString("a/b\\c:d*e?f\"g<h>i|j"), QString("tab\tand\nnew line"), QString("/"),
          QString()}) {
        const QString name = SafeFeedName(title);
        const QString file = FeedFilePath(folder, title);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.size(), 127);
        EXPECT_FALSE(name.contains('/') || name.contains('\\') || name.contains('\n'));
        EXPECT_LE(name.toUtf8().size(), 200);
        EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(folder).absoluteFilePath());
        EXPECT_EQ(writeFile(file, "x"), file);
        EXPECT_TRUE(QFileInfo::exists(file));
        ASSERT_TRUE(SaveFeeds(path, {{name, "u"}}));
        loaded.clear();
        LoadFeeds(path, loaded);
        ASSERT_EQ(loaded.size(), 1);
        EXPECT_EQ(loaded[0].title, name);
        EXPECT_EQ(FeedFilePath(folder, loaded[0].title), file);
    }
    EXPECT_EQ(SafeFeedName(""), "feed");
    EXPECT_EQ(SafeFeedName(" / : "), "feed");
    // Titles that differ only in replaced characters share one name.
    EXPECT_EQ(SafeFeedName("News: today"), SafeFeedName("News/ today"));

    EXPECT_EQ(FeedLinkAddress("/one", "http://127.0.0.1:8/files/a.xml"), "http://127.0.0.1:8/one");
    EXPECT_EQ(FeedLinkAddress("javascript:alert(1)", "http://x.example/"), "");
    EXPECT_EQ(FeedLinkAddress("file:///etc/passwd", "http://x.example/"), "");
}

// A feed document as one list: its title and link, then each headline's.
static QStringList Summary(const FeedDocument& d) {
    EXPECT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    QStringList s{d.title, d.link};
    for (const auto& h : d.headlines)
        s << h.title << h.link;
    return s;
}

TEST(FeedReader, HeadlinesPhotoFeedPicturesAndHostileDocumentsRefused) {
    // CDATA is text; a permanent guid is the link.
    EXPECT_EQ(
        Summary(ReadFeed(Rss2("World &amp; Weather", "First  headline"))),
        (QStringList{"World & Weather", "https://news.example/", "First headline",
                     "https://news.example/1", "Second <b>one</b>", "https://news.example/2"}));
    EXPECT_EQ(Summary(ReadFeed(kRss1)),
              (QStringList{"RDF News", "https://rdf.example/", "Item A", "https://rdf.example/a"}));
    EXPECT_EQ(Summary(ReadFeed(kAtom)),
              (QStringList{"Atom Log & more", "https://atom.example/", "Entry one", "/one"}));

    QByteArray many = "<rss><channel><title>Many</title>";
    for (int i = 0; i < 150; ++i)
        many += "<item><title>" + QByteArray(i == 0 ? 5000 : 3, 'h') + "</title></item>";
    const FeedDocument manyDoc = ReadFeed(many + "</channel></rss>");
    EXPECT_EQ(manyDoc.headlines.size(), kMaxHeadlines);
    EXPECT_EQ(manyDoc.headlines[0].title.size(), kMaxFeedText);

    // The photo feeds of each public shape: one picture per item, only
    // pictures, only http and https, relative addresses resolved against the
    // feed's.
    const QByteArray base = "https://img.example/p/";
    const auto photos = [](const QByteArray& document, const QString& address) {
        const PhotoFeedDocument feed = ReadPhotoFeed(document, address);
        EXPECT_TRUE(feed.usable()) << feed.error.toStdString();
        return QStringList{feed.title} + feed.pictures;
    };
    EXPECT_EQ(photos(PhotoRss(base), "https://lake.example/rss"),
              (QStringList{"Daily Lake Photo", "https://img.example/p/mon.jpg"}));
    EXPECT_EQ(photos(PhotoMediaRss(base), "http://harbour.example/feeds/shots.xml"),
              (QStringList{"Harbour Shots", "https://img.example/p/boats-l.jpg",
                           "http://harbour.example/feeds/crane.png"}));
    EXPECT_EQ(photos(PhotoAtom(base), "https://forest.example/"),
              (QStringList{"Forest Log", "https://img.example/p/oak.jpg",
                           "https://img.example/p/fern.JPEG"}));

    // A news feed is a photo feed without pictures; isDefault outranks width;
    // a picture given twice counts once; a script address is no picture.
    EXPECT_TRUE(ReadPhotoFeed(Rss2("News", "x"), {}).pictures.isEmpty());
    const QByteArray mixed =
        "<rss xmlns:m=\"http://search.yahoo.com/mrss/\"><channel><title>T</title>"
        "<item><m:content url=\"http://a.example/big.jpg\" medium=\"image\" width=\"9000\"/>"
        "<m:content url=\"http://a.example/def.jpg\" medium=\"image\" isDefault=\"true\"/></item>"
        "<item><enclosure url=\"http://a.example/def.jpg\" type=\"image/jpeg\"/></item>"
        "<item><enclosure url=\"javascript:alert(1)//x.jpg\" type=\"image/jpeg\"/></item>"
        "</channel></rss>";
    EXPECT_EQ(ReadPhotoFeed(mixed, {}).pictures, QStringList{"http://a.example/def.jpg"});

    // Hostile and unusable documents are refused with the reason.
    QByteArray deep = "<rss>";
    for (int i = 0; i < 300; ++i)
        deep += "<a>";
    const std::vector<std::pair<QByteArray, QString>> rows = {
        {BillionLaughs(), "declares entities"},
        {"<!DOCTYPE rss [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><rss><channel><title>&x;"
         "</title></channel></rss>",
         "declares entities"},
        {HugeTitle(5 * 1024 * 1024), "title is longer than 1000 characters"},
        {HugeTitle(kMaxFeedBytes), "larger than 10 MB"},
        {deep, "nested more than 256 deep"},
        {Rss2("Cut", "off").left(120), "not well-formed XML"},
        {"just words", "not well-formed XML"},
        {"<html><head><title>A page</title></head></html>", "not an RSS or Atom feed"},
        {"<feed><title>Atom without its name space</title></feed>", "not an RSS or Atom feed"},
        {"<rss><channel><item><title>x</title></item></channel></rss>", "has no title"},
        {"<rss><channel><title> \n </title></channel></rss>", "has no title"},
    };
    for (const auto& [document, why] : rows) {
        SCOPED_TRACE(why.toStdString());
        const FeedDocument d = ReadFeed(document);
        EXPECT_FALSE(d.usable());
        EXPECT_TRUE(d.error.contains(why)) << d.error.toStdString();
        EXPECT_TRUE(d.title.isEmpty() && d.headlines.isEmpty());
        // The photo feed reader refuses the same documents for the same reasons.
        const PhotoFeedDocument p = ReadPhotoFeed(document, "https://photos.example/feed");
        EXPECT_FALSE(p.usable());
        EXPECT_TRUE(p.error.contains(why)) << p.error.toStdString();
        EXPECT_TRUE(p.title.isEmpty() && p.pictures.isEmpty());
    }
}

// The updater against the local server: the first round downloads and
// stores, the next asks with the validators and gets 304 for what did not
// change, a changed feed brings its new headline, a failing one keeps its old.
TEST(FeedUpdater, ConditionalRoundsKeepTheFolderAndTheHeadlinesUpToDate) {
    TestApp t;
    QTemporaryDir served;
    writeFile(served.filePath("a.xml"), Rss2("Alpha", "Alpha first"));
    writeFile(served.filePath("b.xml"), kAtom);
    LocalHttpServer server(false, served.path());
    ASSERT_TRUE(server.ok());
    const QList<FeedEntry> feeds = {{"Alpha", server.url("/files/a.xml")},
                                    {"Atom Log & more", server.url("/files/b.xml")}};
    FeedUpdater updater(*t.app);
    int rounds = 0;
    QObject::connect(&updater, &FeedUpdater::updated, [&] { ++rounds; });
    const auto round = [&](const QList<FeedEntry>& list) {
        const int before = rounds;
        updater.update(list);
        ASSERT_TRUE(waitUntil([&] { return rounds > before; }));
    };

    round(feeds);
    ASSERT_EQ(updater.news().size(), 2);
    EXPECT_EQ(updater.news()[0].document.headlines.value(0).title, "Alpha first");
    EXPECT_EQ(updater.news()[1].document.title, "Atom Log & more");
    EXPECT_EQ(readFile(t.app->paths.FeedsFolder + "Alpha.xml"), Rss2("Alpha", "Alpha first"));
    EXPECT_TRUE(QFileInfo::exists(t.app->paths.FeedsFolder + "Atom Log & more.xml"));
    const QDateTime first = updater.lastSuccess();
    EXPECT_TRUE(first.isValid());

    QThread::msleep(20); // a new modification time
    writeFile(served.filePath("a.xml"), Rss2("Alpha", "Alpha second"));
    round(feeds);
    EXPECT_EQ(server.count("304 /files/a.xml"), 0);
    EXPECT_EQ(server.count("304 /files/b.xml"), 1);
    EXPECT_EQ(updater.news()[0].document.headlines.value(0).title, "Alpha second");
    EXPECT_EQ(updater.news()[1].document.headlines.value(0).title, "Entry one");
    EXPECT_TRUE(updater.lastErrors().isEmpty());

    // A feed that fails keeps what it had, and says why.
    writeFile(served.filePath("b.xml"), "<broken");
    round(feeds);
    EXPECT_EQ(updater.news()[1].document.headlines.value(0).title, "Entry one");
    ASSERT_EQ(updater.lastErrors().size(), 1);
    EXPECT_TRUE(updater.lastErrors()[0].contains("not well-formed"));
    EXPECT_TRUE(QFileInfo::exists(t.app->paths.FeedsFolder + "Atom Log & more.xml"));

    // A new updater (a restart) shows the stored files before any download,
    // and takes over a file an earlier version named from 150 characters of
    // a title the list kept 127 of.
    const QString longName = QString(150, 'L');
    writeFile(t.app->paths.FeedsFolder + longName + ".xml", Rss2(longName.toUtf8(), "Long one"));
    FeedUpdater later(*t.app);
    int shown = 0;
    QObject::connect(&later, &FeedUpdater::updated, [&] { ++shown; });
    later.showStored(feeds + QList<FeedEntry>{{"Never fetched", server.url("/404")},
                                              {longName.left(127), server.url("/long")}});
    ASSERT_TRUE(waitUntil([&] { return shown == 1; }));
    ASSERT_EQ(later.news().size(), 4);
    EXPECT_EQ(later.news()[0].document.headlines.value(0).title, "Alpha second");
    EXPECT_FALSE(later.news()[2].document.usable());
    EXPECT_EQ(later.news()[3].document.headlines.value(0).title, "Long one");
    EXPECT_TRUE(QFileInfo::exists(t.app->paths.FeedsFolder + longName.left(127) + ".xml"));
    EXPECT_FALSE(QFileInfo::exists(t.app->paths.FeedsFolder + longName + ".xml"));
}
