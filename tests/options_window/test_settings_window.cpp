// The settings window in-process on the offscreen platform: every page loads
// the in-memory settings and writes them back on apply, typed numbers that
// are not usable are refused, cancel keeps everything, the help picture
// follows the visible page. The real settings store and list files, the fake
// desktop and shell.
#include "AwaitChange.h"
#include "options_window/AdvancedPage.h"
#include "options_window/ColorsPageWidget.h"
#include "options_window/HotKeysPage.h"
#include "options_window/InternetPage.h"
#include "options_window/ListPanes.h"
#include "options_window/SettingsWindow.h"
#include "options_window/WallpaperPage.h"
#include "options_window/WatermarkPage.h"
#include "options_window/WidgetPages.h"
#include "settings/SettingsIO.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

struct SettingsWindowTest : ::testing::Test {
    TestApp t;
    AppContext& app = *t.app;
    // Opens a window on the current settings (it deletes itself on close).
    SettingsWindow* open() {
        auto* w = new SettingsWindow(app);
        w->show();
        return w;
    }
    // Windows left open or closed but not yet deleted go with their test's
    // application object.
    void TearDown() override {
        QList<QPointer<SettingsWindow>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<SettingsWindow*>(w)) windows << f;
        qDeleteAll(windows);
    }
};

TEST_F(SettingsWindowTest, EachPageAppliesItsControlsToTheSettingsAndTheStore) {
    // An edit on a page, and the key and text stored from the settings then.
    using W = SettingsWindow&;
    const std::vector<std::tuple<std::function<void(W)>, const char*, const char*>> rows = {
        {[](W w) { w.wallpaperPage->txtinterval->setText("3"); }, "Options/IntervalTimer", "3"},
        {[](W w) { w.wallpaperPage->opttech[0]->setChecked(true); }, "Options/TechniqueTimer", "0"},
        {[](W w) { w.wallpaperPage->cmbposition->setCurrentIndex(5); }, "Options/WallPaperPosition",
         "Fit (Reduce/Enlarge)"},
        {[](W w) { w.wallpaperPage->cmbwallpapersource->setCurrentIndex(1); }, "Options/WPSource",
         "1"},
        {[](W w) { w.wallpaperPage->cmbmonitormode->setCurrentIndex(2); }, "Options/MonitorMode",
         "Span"},
        {[](W w) { w.watermarkPage->cmdwatermarkpos[0]->click(); }, "Options/WaterMarkPos", "1"},
        {[](W w) { w.watermarkPage->chkshowwatermark->setChecked(false); },
         "Options/WaterMarkVisible", "False"},
        {[](W w) { w.watermarkPage->txtwatermark->setText("Hi #fn"); }, "Options/WaterMarkText",
         "Hi #fn"},
        {[](W w) { w.colorsPage->HSGamma->setValue(150); }, "Options/EGamma", "0.5"},
        {[](W w) { w.colorsPage->chkinvertcolor->setChecked(true); }, "Options/EInvert", "True"},
        {[](W w) { w.hotKeysPage->cmbhotkey[4]->setCurrentIndex(4); }, "HK4/ShiftKey", "4"},
        {[](W w) { w.internetPage->txtproxy->setText("proxy:3128"); }, "Options/IntProxy",
         "proxy:3128"},
        {[](W w) { w.internetPage->txttimeout->setText("20"); }, "Options/IntTimeOut", "20"},
        {[](W w) { w.internetPage->txtintserver->setText(" Example.org:81/ "); },
         "Options/IntServer", "http://example.org:81"},
        {[](W w) { w.advancedPage->txtCPUUsage->setText("55"); }, "Options/CPULimit", "55"},
        {[](W w) { w.clockPage->chkclockontop->setChecked(true); }, "Options/ClockOnTop", "True"},
        {[](W w) { w.calendarPage->chkshowcalender->setChecked(false); }, "Options/CalV", "False"},
    };
    SettingsParts parts;
    QObject::connect(&app.events, &AppEvents::changed, [&](SettingsParts p) { parts |= p; });
    for (const auto& [edit, storedKey, storedValue] : rows) {
        SCOPED_TRACE(storedKey);
        app.settings = Settings{};
        parts = {};
        QPointer<SettingsWindow> w = open();
        edit(*w);
        w->cmdok_Click();
        EXPECT_TRUE(w.isNull() || !w->isVisible()) << "closes after apply by default";
        EXPECT_EQ(t.stored(storedKey), storedValue);
        EXPECT_EQ(t.stored("Options/CloseApply"), "1");
        // What the wallpaper is drawn with changed: it is drawn again.
        const QByteArray key(storedKey);
        if (key.startsWith("Options/WaterMark") || key.startsWith("Options/E") ||
            key == "Options/WallPaperPosition" || key == "Options/MonitorMode") {
            EXPECT_TRUE(parts & SettingsPart::Composition);
        }
    }
}

// Typed numbers that are not usable and catalogue servers other than http or
// https hosts keep the value in force, and the window stays and says why.
TEST_F(SettingsWindowTest, UnusableNumbersAndServersKeepThePreviousValueAndAreReported) {
    using Box = QLineEdit* (*)(SettingsWindow&);
    const Box interval = [](SettingsWindow& w) { return w.wallpaperPage->txtinterval; };
    const Box cpu = [](SettingsWindow& w) { return w.advancedPage->txtCPUUsage; };
    const Box timeout = [](SettingsWindow& w) { return w.internetPage->txttimeout; };
    const Box server = [](SettingsWindow& w) { return w.internetPage->txtintserver; };
    std::vector<std::pair<Box, QString>> rows = {
        {interval, "soon"}, {interval, "-3"},  {interval, "0"}, {interval, "1e300"},
        {interval, "nan"},  {cpu, "half"},     {cpu, "150"},    {cpu, "50.5"},
        {timeout, "0"},     {timeout, "99999"}};
    for (const QString typed :
         {"ftp://example.org", "https://", "https://example.org/mirror", "http://example.org?x=1",
          "http://me@example.org", "http://example.org:0", "http://example.org:99999", "a b", ""})
        rows.emplace_back(server, typed);
    for (const auto& [box, typed] : rows) {
        SCOPED_TRACE(typed.toStdString());
        app.settings = Settings{};
        app.settings.IntServer = "https://catalogue.example:8443";
        const Settings before = app.settings;
        SettingsWindow* w = open();
        const QString inForce = box(*w)->text();
        w->chkcloseapply->setChecked(false);
        w->wallpaperPage->chkstartup->setChecked(false); // an edit beside it still applies
        box(*w)->setText(typed);
        w->cmdok_Click();
        EXPECT_EQ(app.settings.IntervalTimer, before.IntervalTimer);
        EXPECT_EQ(app.settings.CPULimit, before.CPULimit);
        EXPECT_EQ(app.settings.IntTimeOut, before.IntTimeOut);
        EXPECT_EQ(app.settings.IntServer, before.IntServer);
        EXPECT_FALSE(app.settings.WallpaperStartup);
        ASSERT_EQ(w->lastApplyErrors().size(), 1);
        const QString error = w->lastApplyErrors()[0];
        EXPECT_TRUE(error.contains(typed));
        if (box == server) {
            EXPECT_TRUE(error.startsWith(
                QStringLiteral("The catalogue server \"%1\" is not an http:// or https:// address")
                    .arg(typed)))
                << error.toStdString();
        }
        // The window stays and shows the value in force.
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(box(*w)->text(), inForce);
        w->close();
    }
}

// Cancel keeps everything, and every opening starts from the settings; an
// apply can switch the wallpaper and keep the window open.
TEST_F(SettingsWindowTest, CancelKeepsEverythingAndApplyCanSwitchTheWallpaperAndStayOpen) {
    t.writeList({{{app.programFolder + "/", "sample.jpg"}}, {}});
    await::Refresh(app, true);
    app.settings.IntervalTimer = 7;
    SettingsWindow* w = open();
    EXPECT_EQ(w->wallpaperPage->txtinterval->text(), "7");
    w->wallpaperPage->txtinterval->setText("3");
    w->colorsPage->HSBright->setValue(150);
    w->hotKeysPage->chkhk[0]->setChecked(!app.HotKeys[0].Enabled);
    w->watermarkPage->cmdwatermarkpos[2]->click();
    w->chkswitchonok->setChecked(true);
    const bool hk0 = app.HotKeys[0].Enabled;
    w->cmdcancel->click();
    EXPECT_EQ(app.settings.IntervalTimer, 7);
    EXPECT_EQ(app.settings.EBright, 100);
    EXPECT_EQ(app.settings.WaterMarkPos, 5);
    EXPECT_EQ(app.HotKeys[0].Enabled, hk0);
    EXPECT_FALSE(QFileInfo::exists(t.iniPath()));
    EXPECT_TRUE(t.desktop->calls.empty());
    w = open();
    EXPECT_EQ(w->wallpaperPage->txtinterval->text(), "7");
    EXPECT_FALSE(w->chkswitchonok->isChecked());
    EXPECT_TRUE(w->chkcloseapply->isChecked());

    w->chkswitchonok->setChecked(true);
    w->chkcloseapply->setChecked(false);
    w->wallpaperPage->txtinterval->setText("4");
    w->cmdok_Click();
    ASSERT_TRUE(await::idle(app));
    EXPECT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->wallpaperPage->txtinterval->text(), "4");
    EXPECT_FALSE(w->chkswitchonok->isChecked()) << "starts unchecked again";
    EXPECT_FALSE(w->chkcloseapply->isChecked());
    EXPECT_EQ(t.stored("Options/CloseApply"), "0");
    w->close();
}

TEST_F(SettingsWindowTest, PageListHelpSpinnersAndThePagesWithoutWidgets) {
    SettingsWindow* w = open();
    QStringList labels;
    for (int i = 0; i < w->lblopt->count(); ++i)
        labels << w->lblopt->item(i)->text();
    EXPECT_EQ(labels, QStringList({"Wallpaper", "Watermark", "Colors", "Clock", "Calendar",
                                   "Hot Keys", "Internet", "Advanced", "News Bar"}));
    // Each page's help picture opens its own section; the News Bar the contents.
    const std::vector<std::pair<int, QString>> help = {
        {0, "#context-15"}, {1, "#context-17"}, {2, "#context-16"},
        {3, "#context-20"}, {4, "#context-25"}, {5, "#context-26"},
        {6, "#context-27"}, {7, "#context-28"}, {8, "/help/index.html"}};
    for (const auto& [row, end] : help) {
        w->lblopt->setCurrentRow(row);
        w->pichelp->click();
        EXPECT_TRUE(t.shell->urls.last().endsWith(end)) << t.shell->urls.last().toStdString();
        EXPECT_TRUE(w->lblopt->item(row)->font().bold());
        EXPECT_EQ(w->lblopt->item(row)->foreground().color(), QColor(200, 0, 200));
    }
    w->cmdhelp->click();
    EXPECT_TRUE(t.shell->urls.last().endsWith("#context-5"));

    // The CPU spinner never leaves 0 … 100, whatever was typed.
    QLineEdit* cpu = w->advancedPage->txtCPUUsage;
    QScrollBar* spin = w->advancedPage->vscrollcpuusage;
    const std::tuple<QString, int, QString> steps[] = {{"100", 0, "100"}, {"0", 2, "0"},
                                                       {"99", 0, "100"},  {"1", 2, "0"},
                                                       {"500", 2, "99"},  {"-4", 0, "1"}};
    for (const auto& [typed, step, after] : steps) {
        cpu->setText(typed);
        spin->setValue(step);
        EXPECT_EQ(cpu->text(), after) << typed.toStdString();
        EXPECT_EQ(spin->value(), 1);
    }
    // The interval spinner stops at one minute for the local sources, and
    // comes down to it.
    w->wallpaperPage->txtinterval->setText("1");
    for (const auto& [step, after] : {std::pair(2, "1"), std::pair(0, "2"), std::pair(2, "1")}) {
        w->wallpaperPage->VScroll1->setValue(step);
        EXPECT_EQ(w->wallpaperPage->txtinterval->text(), after);
    }
    w->close();

    // Without widgets the clock and calendar pages are off and apply leaves them.
    app.IsNT = false;
    app.settings.ClockV = false;
    app.settings.CalOnTop = true;
    app.settings.Transparency = 100;
    w = open();
    EXPECT_FALSE(w->clockPage->isEnabled());
    EXPECT_FALSE(w->calendarPage->isEnabled());
    EXPECT_EQ(w->clockPage->Label4->text(), "this feature works only in windows XP/2000");
    EXPECT_EQ(w->calendarPage->Label12->text(), "this feature works only in windows XP/2000");
    w->clockPage->chkshowclock->setChecked(true);
    w->advancedPage->hscrollTransparency->setValue(200);
    w->cmdok_Click();
    EXPECT_FALSE(app.settings.ClockV);
    EXPECT_TRUE(app.settings.CalOnTop);
    EXPECT_EQ(app.settings.Transparency, 100);
}

// The open message box of `w` with this object name.
QMessageBox* box(SettingsWindow* w, const char* name) {
    QMessageBox* found = nullptr;
    waitUntil([&] { return (found = w->findChild<QMessageBox*>(name)) != nullptr; }, 2000);
    return found;
}

TEST_F(SettingsWindowTest, DroppedAndEditedListsReachTheListFileOnApply) {
    t.writeList({{{"/old/", "old.jpg"}}, {}});
    // A dropped folder with a picture, a sub-folder and an unreadable folder
    // (links inside it, walked once, are test_picture_collection's); a text
    // file and a link to itself.
    const QString drop = t.path("drop");
    for (const char* name : {"/one.png", "/notes.txt", "/sub/two.JPG"})
        writeFile(drop + name, "x");
    QDir().mkpath(drop + "/locked");
    QFile::setPermissions(drop + "/locked", {});
    const QString loop = t.path("loop");
    ASSERT_TRUE(QFile::link(loop, loop));
    const QString text = writeFile(t.path("readme.txt"), "x");
    // Names with a line break, which a line of the list file cannot hold: a
    // picture in the dropped folder, a dropped picture, a dropped folder.
    writeFile(drop + "/line\nbreak.png", "x");
    const QString twoLines = writeFile(t.path("two\nlines.jpg"), "x");
    const QString folderLines = t.path("folder\rname");
    QDir().mkpath(folderLines);
    const auto shown = [](QString path) {
        return path.replace('\n', QChar(0x240A)).replace('\r', QChar(0x240D));
    };

    SettingsParts announced;
    QObject::connect(&app.events, &AppEvents::changed, [&](SettingsParts p) { announced |= p; });
    SettingsWindow* w = open();
    w->chkcloseapply->setChecked(false);
    bool added = false;
    QObject::connect(w->filesPane, &FilesPane::pathsAdded, [&] { added = true; });
    w->filesPane->addPaths({drop, text, loop, twoLines});
    ASSERT_TRUE(waitUntil([&] { return added; }));
    EXPECT_TRUE(w->isEnabled());
    // The text of the box that names what was refused, closed then.
    const auto refused = [&] {
        const std::unique_ptr<QMessageBox> b(box(w, "lineBreakNames"));
        return b ? b->text() : QStringLiteral("<no box>");
    };
    QString said = refused();
    EXPECT_TRUE(said.startsWith("These files and folders were not added: ")) << said.toStdString();
    EXPECT_TRUE(said.contains(shown(twoLines)) && said.contains(shown(drop + "/line\nbreak.png")));
    w->foldersPane->addPaths({drop, text, loop, folderLines});
    said = refused();
    EXPECT_TRUE(said.startsWith("These folders were not added: ")) << said.toStdString();
    EXPECT_TRUE(said.contains(shown(folderLines)));
    w->cmdok_Click();
    QFile::setPermissions(drop + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(readFile(app.paths.WallPapersListPath),
              ("/old/\r\nold.jpg\r\n" + drop + "/\r\none.png\r\n" + drop + "/sub/\r\ntwo.JPG\r\n" +
               "\x01\r\n" + drop + "/\r\n")
                  .toUtf8());
    EXPECT_TRUE(announced.testFlag(SettingsPart::PictureLists));
    EXPECT_TRUE(
        w->foldersPane->lblfoldersinfo->text().endsWith(" Pictures found and ready to be used!"));
    EXPECT_EQ(w->filesPane->model->rowCount(), 3) << "the window shows what was written";

    // Nothing edited: the next apply leaves the list and the collection alone.
    announced = {};
    w->cmdok_Click();
    EXPECT_FALSE(announced.testFlag(SettingsPart::PictureLists));
    w->close();
}

TEST_F(SettingsWindowTest, DeletingFromDiskAsksAndKeepsWhatCannotBeDeletedAndSetAsWallpaper) {
    const QString folder = t.path("pictures") + "/";
    writeFile(folder + "a.jpg", "x");
    writeFile(folder + "b.jpg", "x");
    QDir().mkpath(folder + "c.jpg"); // a folder: no one may delete it as a file
    t.writeList({{{folder, "a.jpg"}, {folder, "b.jpg"}, {folder, "c.jpg"}}, {}});
    SettingsWindow* w = open();
    FilesPane* pane = w->filesPane;
    pane->lstfileslist->selectAll();
    pane->lstfileslist->selectionModel()->select(pane->model->index(0),
                                                 QItemSelectionModel::Deselect);
    pane->mnufilesremovephysically->trigger();
    QMessageBox* question = box(w, "deletequestion");
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text(),
              "Are you sure you want to delete 2 file(s) from your hard disk?\nplease note that "
              "files will not be move to the recycle bin and will be deleted permanently.");
    question->button(QMessageBox::Yes)->click();
    EXPECT_TRUE(QFileInfo::exists(folder + "a.jpg")) << "not selected";
    EXPECT_FALSE(QFileInfo::exists(folder + "b.jpg"));
    QMessageBox* failed = box(w, "deleteErrors");
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->text().contains(folder + "c.jpg"));
    EXPECT_EQ(pane->model->entries().size(), 2);
    EXPECT_EQ(pane->model->entries().last().name, "c.jpg");
    failed->close();
    w->close();

    // Set as wallpaper uses the unsaved choices and moves the current picture.
    const QString sample = app.programFolder + "/";
    t.writeList({{{sample, "sample.jpg"}, {sample, "sample.jpg"}}, {}});
    w = open();
    w->filesPane->cmdsetaswallpaper->click();
    EXPECT_TRUE(t.desktop->calls.empty()) << "nothing selected";
    w->wallpaperPage->cmbposition->setCurrentIndex(2);
    w->colorsPage->HSBright->setValue(150);
    w->filesPane->lstfileslist->selectOnly(1);
    w->filesPane->cmdsetaswallpaper->click();
    ASSERT_TRUE(await::idle(app));
    ASSERT_EQ(t.desktop->calls.size(), 1u);
    EXPECT_EQ(t.desktop->calls[0].position, "Stretch");
    EXPECT_EQ(app.settings.CurWallPaper, 2);
    EXPECT_EQ(app.settings.WallPaperPosition.text, "Center");
    EXPECT_EQ(app.settings.EBright, 100);
    EXPECT_FALSE(w->frmprev->imgprev->isHidden()) << "the selected picture is previewed";
    w->close();
}

} // namespace
