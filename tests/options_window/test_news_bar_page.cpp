// The News Bar page in-process on the offscreen platform: the feed list
// (add, edit, delete, drop, the feeds folder, saving and loading), hostile
// feeds, the interval spinner, "Update now!" and the bar's options. Feeds
// come from the local HTTP server; files and the settings store are real.
// Also the Internet page's photo feeds, which share the feed dialog.
#include "../feeds/FeedDocuments.h"
#include "LocalHttpServer.h"
#include "feeds/FeedList.h"
#include "internet/PhotoFeeds.h"
#include "options_window/FontPicker.h"
#include "options_window/InternetPage.h"
#include "options_window/NewsBarPage.h"
#include "options_window/SettingsWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

struct NewsBarPageTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    QTemporaryDir served;
    std::unique_ptr<LocalHttpServer> server;
    QPointer<SettingsWindow> window;
    NewsBarPage* page = nullptr;

    void SetUp() override {
        writeFile(served.filePath("rss2.xml"), Rss2("World &amp; Weather", "Rain"));
        writeFile(served.filePath("rss1.xml"), kRss1);
        writeFile(served.filePath("atom.xml"), kAtom);
        writeFile(served.filePath("colon.xml"), Rss2("News: today", "from the colon"));
        writeFile(served.filePath("slash.xml"), Rss2("News/ today", "from the slash"));
        server = std::make_unique<LocalHttpServer>(false, served.path());
        ASSERT_TRUE(server->ok());
        open();
    }
    void TearDown() override { delete window; }
    void open() {
        delete window;
        window = new SettingsWindow(app);
        window->show();
        page = window->newsBarPage;
    }
    QString url(const QString& name) const { return server->url("/files/" + name); }
    // The feeds' titles, or with `urls` their addresses, as the page lists them.
    QStringList titles(bool urls = false) const {
        QListWidget* list = urls ? page->lstnewsURLs : page->lstnewsfeeds;
        QStringList l;
        for (int i = 0; i < list->count(); ++i)
            l << list->item(i)->text();
        return l;
    }
    // The feed dialog of the News Bar page or the Internet page's photo feeds.
    QInputDialog* question() const { return window->findChild<QInputDialog*>("askFeed"); }
    // Presses a button that asks for an address, answers it and waits for
    // the download.
    void answer(QPushButton* button, const QString& address, QString* asked = nullptr,
                QString* shown = nullptr) {
        button->click();
        QInputDialog* q = question();
        ASSERT_NE(q, nullptr);
        if (asked) *asked = q->windowTitle() + "|" + q->labelText();
        if (shown) *shown = q->textValue();
        q->setTextValue(address);
        q->accept();
        ASSERT_TRUE(waitUntil([&] {
            return !page->busy() && !window->internetPage->photoFeedsBusy() && !question();
        }));
    }
    void drop(const QString& text) {
        QMimeData mime;
        mime.setText(text);
        QWidget* target = page->lstnewsfeeds->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        ASSERT_TRUE(waitUntil([&] { return !page->busy(); }));
    }
};

TEST_F(NewsBarPageTest, FeedsAreAddedEditedRemovedAndKeptInTheFolderAndTheListFile) {
    QString asked;
    answer(page->cmdaddfeed, url("rss2.xml"), &asked);
    EXPECT_EQ(asked, "New Feed|Enter the URL of the xml RSS feed you want to add\r\n"
                     "or copy it from you're browser and paste it here.");
    // The same address twice gives two entries.
    answer(page->cmdaddfeed, url("rss2.xml"));
    drop(url("atom.xml") + "\r\nand a second line");
    EXPECT_EQ(titles(), QStringList({"World & Weather", "World & Weather", "Atom Log & more"}));
    EXPECT_EQ(titles(true), QStringList({url("rss2.xml"), url("rss2.xml"), url("atom.xml")}));
    EXPECT_EQ(readFile(app.paths.FeedsFolder + "World & Weather.xml"),
              Rss2("World &amp; Weather", "Rain"));
    EXPECT_TRUE(QFileInfo::exists(app.paths.FeedsFolder + "Atom Log & more.xml"));
    EXPECT_EQ(page->lblnbinfo->text(), "Added \"Atom Log & more\".");

    // Edit and delete do nothing without a selection.
    page->lstnewsfeeds->setCurrentRow(-1);
    page->cmdeditfeed->click();
    EXPECT_EQ(question(), nullptr);
    page->cmddelfeed->click();
    EXPECT_EQ(titles().size(), 3);

    // Edit: asked with the address filled in; title and address replaced.
    page->lstnewsfeeds->setCurrentRow(1);
    QString shown;
    answer(page->cmdeditfeed, url("rss1.xml"), &asked, &shown);
    EXPECT_TRUE(asked.startsWith("Edit Feed|Enter the new URL of the xml RSS feed \r\n"));
    EXPECT_EQ(shown, url("rss2.xml"));
    EXPECT_EQ(titles(), QStringList({"World & Weather", "RDF News", "Atom Log & more"}));
    EXPECT_EQ(titles(true)[1], url("rss1.xml"));

    // Titles that differ only in replaced characters share one file; the
    // later download replaces the earlier.
    answer(page->cmdaddfeed, url("colon.xml"));
    answer(page->cmdaddfeed, url("slash.xml"));
    EXPECT_EQ(titles().mid(3), QStringList({"News today", "News today"}));
    EXPECT_EQ(readFile(app.paths.FeedsFolder + "News today.xml"),
              Rss2("News/ today", "from the slash"));

    // Delete: the entry goes from both lists; its file stays.
    page->lstnewsfeeds->setCurrentRow(0);
    page->cmddelfeed->click();
    EXPECT_EQ(titles().first(), "RDF News");
    EXPECT_EQ(titles(true).first(), url("rss1.xml"));
    EXPECT_TRUE(QFileInfo::exists(app.paths.FeedsFolder + "World & Weather.xml"));

    // Apply writes the list; the next opening loads it (once).
    window->chkcloseapply->setChecked(false);
    window->cmdok_Click();
    QList<FeedEntry> saved;
    LoadFeeds(app.paths.FeedsListPath, saved);
    EXPECT_EQ(saved.size(), 4);
    EXPECT_EQ(titles().size(), 4) << "reloaded after apply, not appended twice";
    open();
    EXPECT_EQ(titles(), QStringList({"RDF News", "Atom Log & more", "News today", "News today"}));
    // Cancel forgets a change to the list.
    page->lstnewsfeeds->setCurrentRow(0);
    page->cmddelfeed->click();
    window->cmdcancel->click();
    saved.clear();
    LoadFeeds(app.paths.FeedsListPath, saved);
    EXPECT_EQ(saved.size(), 4);
}

// The reader's reasons for each hostile or unusable document are
// test_feeds', the download's failures test_download_client's: here the page
// says one of each, and its own refusals of the address.
TEST_F(NewsBarPageTest, UnusableFeedsSayWhySpinnerUpdateNowAndTheBarsOptions) {
    writeFile(served.filePath("page.html"), "<html><body>no feed</body></html>");
    const std::vector<std::pair<QString, QString>> rows = {
        {url("page.html"), "not an RSS or Atom feed"},
        {server->url("/404"), "Nothing was added"},
        {"no address", "not an http or https address"},
        {"http://x.example/" + QString(120, 'a'), "longer than 127 characters"},
    };
    for (const auto& [address, why] : rows) {
        SCOPED_TRACE(address.left(60).toStdString());
        answer(page->cmdaddfeed, address);
        EXPECT_TRUE(page->lblnbinfo->text().startsWith("Nothing was added."));
        EXPECT_TRUE(page->lblnbinfo->text().contains(why)) << page->lblnbinfo->text().toStdString();
        EXPECT_EQ(page->lstnewsfeeds->count(), 0);
        EXPECT_TRUE(page->cmdaddfeed->isEnabled());
    }
    EXPECT_TRUE(QDir(app.paths.FeedsFolder).isEmpty());

    // The spinner stops at 60 minutes; a typed value stays as typed.
    QLineEdit* interval = page->txtNBUpdateinterval;
    EXPECT_EQ(interval->text(), "60");
    const std::tuple<QString, int, QString> steps[] = {
        {"62", 2, "61"}, {"61", 2, "60"}, {"60", 2, "60"}, {"60", 0, "61"},
        {"5", 2, "5"},   {"5", 0, "6"},   {"soon", 0, "1"}};
    for (const auto& [typed, step, after] : steps) {
        interval->setText(typed);
        page->VScroll2->setValue(step);
        EXPECT_EQ(interval->text(), after) << typed.toStdString();
        EXPECT_EQ(page->VScroll2->value(), 1);
    }

    // "Update now!": without feeds no update is recorded.
    page->cmdupdatefeeds->click();
    EXPECT_EQ(page->lblnblastupdate->text(), "\r\nUpdating...");
    ASSERT_TRUE(waitUntil([&] { return page->isEnabled(); }));
    EXPECT_EQ(page->lblnblastupdate->text(), "Last update:\r\n");
    // With a feed that answers, the time of the update.
    answer(page->cmdaddfeed, url("atom.xml"));
    page->cmdupdatefeeds->click();
    ASSERT_TRUE(waitUntil([&] { return page->isEnabled(); }));
    EXPECT_TRUE(page->lblnblastupdate->text().startsWith("Last update:\r\n"));
    EXPECT_GT(page->lblnblastupdate->text().size(), QString("Last update:\r\n").size());

    // The font link opens the font picker on its sample.
    bool picker = false;
    QTimer::singleShot(200, [&] {
        if (auto* f = qobject_cast<FontPicker*>(QApplication::activeModalWidget())) {
            picker = true;
            f->reject();
        }
    });
    page->lbleditnb[1]->click();
    EXPECT_TRUE(picker);

    // The options reach the settings and the store on apply; a typed 5 is kept.
    page->chknbenable->setChecked(true);
    page->chknbclickable->setChecked(false);
    page->hsNBSpeed->setValue(8);
    interval->setText("5");
    page->samples[0].color = 255;
    window->cmdok_Click();
    EXPECT_TRUE(app.settings.NBEnabled);
    EXPECT_FALSE(app.settings.NBClickable);
    EXPECT_EQ(app.settings.NBInterval, 5);
    EXPECT_EQ(app.settings.NBSpeed, 8);
    EXPECT_EQ(app.settings.NBHeadline.color, 255);
    EXPECT_EQ(t.stored("NewsBar/Interval"), "5");
    EXPECT_EQ(t.stored("NewsBar/HeadlineColor"), "255");
}

} // namespace

// The Internet page's photo feeds use the same dialog: a feed with pictures
// is added ticked under its title and kept in the photo feeds folder; a news
// feed without pictures and a hostile one add nothing and say why; the list
// and the ticks are written on apply.
TEST_F(NewsBarPageTest, PhotoFeedsAreAddedCheckedAndSavedOnTheInternetPage) {
    writeFile(served.filePath("photos.xml"), PhotoMediaRss(server->url("/files/").toUtf8()));
    writeFile(served.filePath("laughs.xml"), BillionLaughs());
    InternetPage* internet = window->internetPage;
    QString asked;
    for (QWidget* w : std::initializer_list<QWidget*>{
             internet->lstphotofeeds, internet->cmdaddphotofeed, internet->cmdeditphotofeed,
             internet->cmddelphotofeed, internet->lblphotofeedinfo})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();

    answer(internet->cmdaddphotofeed, url("photos.xml"), &asked);
    EXPECT_TRUE(asked.startsWith("New Photo Feed|"));
    ASSERT_EQ(internet->lstphotofeeds->count(), 1);
    EXPECT_EQ(internet->lstphotofeeds->item(0)->text(), "Harbour Shots");
    EXPECT_EQ(internet->lstphotofeeds->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(internet->lblphotofeedinfo->text(), "Pictures in \"Harbour Shots\": 2.");
    EXPECT_TRUE(QFileInfo::exists(app.paths.PhotoFeedsFolder + "Harbour Shots.xml"));

    answer(internet->cmdaddphotofeed, url("rss2.xml"));
    EXPECT_TRUE(internet->lblphotofeedinfo->text().startsWith(
        "Nothing was added. The feed holds no pictures"));
    internet->lstphotofeeds->setCurrentRow(0);
    answer(internet->cmdeditphotofeed, url("laughs.xml"), &asked);
    EXPECT_TRUE(asked.startsWith("Edit Photo Feed|"));
    EXPECT_TRUE(internet->lblphotofeedinfo->text().contains("declares entities"));
    ASSERT_EQ(internet->shownPhotoFeeds().size(), 1);
    EXPECT_EQ(internet->shownPhotoFeeds()[0].feed.url, url("photos.xml"));

    internet->lstphotofeeds->item(0)->setCheckState(Qt::Unchecked);
    window->chkcloseapply->setChecked(false);
    window->cmdok_Click();
    const QList<PhotoFeed> saved = LoadPhotoFeeds(app);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0], (PhotoFeed{{"Harbour Shots", url("photos.xml")}, false}));
    EXPECT_EQ(t.services.store->value("PhotoFeeds", "0"), "0");
    open();
    EXPECT_EQ(window->internetPage->shownPhotoFeeds(), saved);
}
