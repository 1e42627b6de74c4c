#include "options_window/SettingsWindow.h"

#include "collection/WallpaperJobs.h"

#include "collection/WallpaperChange.h"
#include "options_window/AdvancedPage.h"
#include "options_window/ColorsPageWidget.h"
#include "options_window/Countdown.h"
#include "options_window/Help.h"
#include "options_window/HotKeysPage.h"
#include "options_window/InternetPage.h"
#include "options_window/ListPanes.h"
#include "options_window/NewsBarPage.h"
#include "options_window/WallpaperPage.h"
#include "options_window/WatermarkPage.h"
#include "options_window/WidgetPages.h"
#include "settings/PictureListFile.h"
#include "widgets/CalendarWidget.h"
#include "widgets/DesktopWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The page list from top to bottom: the page index and its label.
const struct {
    int page;
    const char* label;
} kPageList[] = {
    {SettingsWindow::Wallpaper, QT_TRANSLATE_NOOP("SettingsWindow", "Wallpaper")},
    {SettingsWindow::Watermark, QT_TRANSLATE_NOOP("SettingsWindow", "Watermark")},
    {SettingsWindow::Colors, QT_TRANSLATE_NOOP("SettingsWindow", "Colors")},
    {SettingsWindow::Clock, QT_TRANSLATE_NOOP("SettingsWindow", "Clock")},
    {SettingsWindow::Calendar, QT_TRANSLATE_NOOP("SettingsWindow", "Calendar")},
    {SettingsWindow::HotKeys, QT_TRANSLATE_NOOP("SettingsWindow", "Hot Keys")},
    {SettingsWindow::Internet, QT_TRANSLATE_NOOP("SettingsWindow", "Internet")},
    {SettingsWindow::Advanced, QT_TRANSLATE_NOOP("SettingsWindow", "Advanced")},
    {SettingsWindow::NewsBar, QT_TRANSLATE_NOOP("SettingsWindow", "News Bar")},
};

const QString kOptions = QStringLiteral("Options");
const QString kCloseApply = QStringLiteral("CloseApply");

} // namespace

SettingsWindow::SettingsWindow(AppContext& app, OptionsWindowParts parts, QWidget* parent)
    : QWidget(parent, Qt::Window), m_app(app), m_parts(std::move(parts)) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QCoreApplication::translate("SettingsWindow", "Tessaly settings"));
    setAccessibleName(QCoreApplication::translate("SettingsWindow", "Tessaly settings"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    // The page list.
    auto* listColumn = new QVBoxLayout;
    auto* optionsLabel =
        new QLabel(QCoreApplication::translate("SettingsWindow", "Options :"), this);
    lblopt = Named(new QListWidget(this), QStringLiteral("lblopt"),
                   QCoreApplication::translate("SettingsWindow", "Options :"));
    optionsLabel->setBuddy(lblopt);
    for (const auto& entry : kPageList) {
        auto* item =
            new QListWidgetItem(QCoreApplication::translate("SettingsWindow", entry.label), lblopt);
        item->setData(Qt::UserRole, entry.page);
    }
    lblopt->setFixedWidth(lblopt->sizeHintForColumn(0) + 40);
    // The chosen page shows as its bold magenta caption on a pale band rather
    // than the style's selection colours, which would hide the caption colour.
    QPalette pages = lblopt->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        pages.setColor(group, QPalette::Highlight, QColor(245, 225, 245));
        pages.setColor(group, QPalette::HighlightedText, QColor(200, 0, 200));
    }
    lblopt->setPalette(pages);
    listColumn->addWidget(optionsLabel);
    listColumn->addWidget(lblopt);
    body->addLayout(listColumn);

    // The pages, by index.
    frmoptStack = new QStackedWidget(this);
    frmoptStack->setObjectName(QStringLiteral("frmopt"));
    wallpaperPage = new WallpaperPage(app, this);
    clockPage = new ClockPage(app, m_parts, this);
    calendarPage = new CalendarPage(app, m_parts, this);
    hotKeysPage = new HotKeysPage(app, this);
    colorsPage = new ColorsPage(app, this);
    internetPage = new InternetPage(app, m_parts, this);
    newsBarPage = new NewsBarPage(app, m_parts, this);
    watermarkPage = new WatermarkPage(app, this);
    advancedPage = new AdvancedPage(app, m_parts, this);
    frmopt = {wallpaperPage, clockPage,   calendarPage,  hotKeysPage, colorsPage,
              internetPage,  newsBarPage, watermarkPage, advancedPage};
    for (int i = 0; i < kPages; ++i) {
        frmopt[i]->setObjectName(QStringLiteral("frmopt%1").arg(i));
        frmopt[i]->setAccessibleName(frmopt[i]->title());
        frmoptStack->addWidget(frmopt[i]);
    }
    body->addWidget(frmoptStack, 1);

    // The picture list panes: the one of the chosen source.
    panes = new QStackedWidget(this);
    panes->setObjectName(QStringLiteral("panes"));
    auto* filesColumn = new QWidget(this);
    auto* filesLayout = new QVBoxLayout(filesColumn);
    filesLayout->setContentsMargins(0, 0, 0, 0);
    filesPane = new FilesPane(app, filesColumn);
    frmprev = new PreviewFrame(filesColumn);
    filesPane->setPreview(frmprev);
    filesPane->choices = [this] {
        // The position and colour filters shown now, applied or not.
        CompositionChoices c = CompositionChoices::stored(m_app.settings);
        if (wallpaperPage->cmbposition->currentIndex() >= 0)
            c.position =
                WallpaperPosition::fromText(wallpaperPage->cmbposition->currentData().toString());
        c.filters = colorsPage->controls().filters();
        return c;
    };
    filesLayout->addWidget(filesPane, 1);
    filesLayout->addWidget(frmprev, 0, Qt::AlignHCenter);
    foldersPane = new FoldersPane(app, this);
    internetPane = new InternetCategoriesPane(app, m_parts, this);
    panes->addWidget(filesColumn);
    panes->addWidget(foldersPane);
    panes->addWidget(internetPane);
    // The local lists are at least this wide; the internet pane is as wide as
    // its buttons and two columns of categories need, which a minimum width
    // on the stack itself would override.
    filesColumn->setMinimumWidth(260);
    foldersPane->setMinimumWidth(260);
    body->addWidget(panes);

    // The countdown line.
    lblinfo = Named(new QPushButton(this), QStringLiteral("lblinfo"), QString());
    lblinfo->setFlat(true);
    lblinfo->setStyleSheet(QStringLiteral("text-align: left;"));
    lblinfo->setToolTip(QCoreApplication::translate(
        "SettingsWindow", "Click to switch between the time left and the clock time"));
    outer->addWidget(lblinfo);

    // The window's own controls.
    auto* bottom = new QHBoxLayout;
    const QString switchCaption =
        QCoreApplication::translate("SettingsWindow", "Switch wallpaper when I click apply.");
    chkswitchonok =
        Named(new QCheckBox(switchCaption, this), QStringLiteral("chkswitchonok"), switchCaption);
    const QString closeCaption =
        QCoreApplication::translate("SettingsWindow", "Close this window after applying changes.");
    chkcloseapply =
        Named(new QCheckBox(closeCaption, this), QStringLiteral("chkcloseapply"), closeCaption);
    auto* checks = new QVBoxLayout;
    checks->addWidget(chkswitchonok);
    checks->addWidget(chkcloseapply);
    bottom->addLayout(checks);
    bottom->addStretch();
    cmdhelp = PictureButton<QPushButton>(
        this, QStringLiteral("cmdhelp"), QCoreApplication::translate("SettingsWindow", "Help"),
        QStyle::SP_DialogHelpButton, QCoreApplication::translate("SettingsWindow", "Help"));
    pichelp = Named(new QToolButton(this), QStringLiteral("pichelp"),
                    QCoreApplication::translate("SettingsWindow", "Help on this page"));
    pichelp->setToolTip(QCoreApplication::translate("SettingsWindow", "Help on this page"));
    pichelp->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    pichelp->setCursor(Qt::WhatsThisCursor);
    cmdabout =
        PictureButton<QPushButton>(this, QStringLiteral("cmdabout"),
                                   QCoreApplication::translate("SettingsWindow", "About Tessaly"),
                                   QStyle::SP_MessageBoxInformation);
    cmdshutdown = PictureButton<QPushButton>(
        this, QStringLiteral("cmdshutdown"),
        QCoreApplication::translate("SettingsWindow", "Shut down Tessaly."),
        QStyle::SP_BrowserStop);
    cmdok = PictureButton<QPushButton>(
        this, QStringLiteral("cmdok"),
        QCoreApplication::translate("SettingsWindow", "Apply and close window"),
        QStyle::SP_DialogApplyButton);
    cmdcancel = PictureButton<QPushButton>(
        this, QStringLiteral("cmdcancel"),
        QCoreApplication::translate("SettingsWindow", "discard and close window"),
        QStyle::SP_DialogCancelButton);
    for (QWidget* w : {static_cast<QWidget*>(pichelp), static_cast<QWidget*>(cmdhelp),
                       static_cast<QWidget*>(cmdabout), static_cast<QWidget*>(cmdshutdown),
                       static_cast<QWidget*>(cmdok), static_cast<QWidget*>(cmdcancel)})
        bottom->addWidget(w);
    outer->addLayout(bottom);

    connect(lblopt, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) showPage(lblopt->item(row)->data(Qt::UserRole).toInt());
    });
    connect(wallpaperPage, &WallpaperPage::sourceChosen, this,
            [this](int index) { panes->setCurrentIndex(std::clamp(index, 0, 2)); });
    connect(cmdok, &QPushButton::clicked, this, &SettingsWindow::cmdok_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(cmdhelp, &QPushButton::clicked, this,
            [this] { m_app.platform.shell->openUrl(HelpAddress(m_app, 5)); });
    connect(pichelp, &QToolButton::clicked, this, [this] {
        m_app.platform.shell->openUrl(HelpAddress(m_app, frmopt[currentPage()]->helpContext()));
    });
    connect(cmdabout, &QPushButton::clicked, this, [this] {
        if (m_parts.about) m_parts.about();
    });
    connect(cmdshutdown, &QPushButton::clicked, this, [this] {
        // The program's end closes this window; the shutdown runs outside it.
        auto shutdown = m_parts.shutdown;
        close();
        if (shutdown) QTimer::singleShot(0, qApp, shutdown);
    });
    connect(lblinfo, &QPushButton::clicked, this, [this] {
        m_countdownMode = ToggleCountdownMode(m_countdownMode);
        tmrmain_Timer();
    });
    tmrmain.setInterval(1000);
    connect(&tmrmain, &QTimer::timeout, this, &SettingsWindow::tmrmain_Timer);

    LoadAll();
    lblopt->setCurrentRow(0);
    lblopt->setFocus();
    tmrmain.start();
    tmrmain_Timer();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::showPage(int k) {
    if (k < 0 || k >= kPages) return;
    for (int row = 0; row < lblopt->count(); ++row) {
        QListWidgetItem* item = lblopt->item(row);
        const bool chosen = item->data(Qt::UserRole).toInt() == k;
        QFont f = item->font();
        f.setBold(chosen);
        item->setFont(f);
        item->setForeground(chosen ? QColor(200, 0, 200) : QColor(0, 0, 255));
        if (chosen && lblopt->currentRow() != row) lblopt->setCurrentRow(row);
    }
    frmoptStack->setCurrentIndex(k);
}

int SettingsWindow::currentPage() const {
    return frmoptStack->currentIndex();
}

void SettingsWindow::LoadAll() {
    // Clock and calendar first, then the wallpaper page and the lists, as the
    // other pages may depend on the source chosen.
    clockPage->load();
    calendarPage->load();
    wallpaperPage->load();
    const PictureListData list =
        ReadPictureListFile(m_app.paths.WallPapersListPath).value_or(PictureListData{});
    filesPane->load(list);
    foldersPane->load(list);
    hotKeysPage->load();
    colorsPage->load();
    internetPane->load();
    internetPage->load();
    watermarkPage->load();
    advancedPage->load();
    newsBarPage->load();
    chkswitchonok->setChecked(false);
    const QString closeApply =
        m_app.platform.store->value(kOptions, kCloseApply).value_or(QStringLiteral("1"));
    chkcloseapply->setChecked(closeApply != QLatin1String("0") &&
                              closeApply.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0);
}

void SettingsWindow::tmrmain_Timer() {
    const qint64 last = m_parts.lastChangeTick ? m_parts.lastChangeTick() : 0;
    const QString text = CountdownText(m_app, last, m_countdownMode);
    lblinfo->setText(text);
    lblinfo->setAccessibleName(text);
}

void SettingsWindow::cmdok_Click() {
    if (m_applying) return;
    m_applying = true;
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ApplyReport report;
    // Every step runs, whatever an earlier one reported.
    wallpaperPage->apply(report);
    ApplyPictureLists(m_app, *filesPane, *foldersPane, report);
    clockPage->apply(report);
    calendarPage->apply(report);
    hotKeysPage->apply(report);
    colorsPage->apply(report);
    internetPage->apply(report);
    QPointer<SettingsWindow> self(this);
    internetPane->rebuild([self, report]() mutable {
        if (self) self->finishApply(std::move(report));
    });
}

void SettingsWindow::finishApply(ApplyReport report) {
    watermarkPage->apply(report);
    advancedPage->apply(report);
    newsBarPage->apply(report);

    // The followers take up what changed: the timer, the picture list (a
    // scan already running rebuilds once more when it ends), the hot keys.
    if (report.parts) m_app.settingsChanged(report.parts);
    if (m_app.IsNT && m_parts.widgets && report.parts.testFlag(SettingsPart::Widgets)) {
        m_parts.widgets->restyle();
        m_parts.widgets->calendar().DoToday();
    }
    hotKeysPage->afterApply();

    if (!SaveSettings(m_app))
        report.errors << QCoreApplication::translate("SettingsWindow",
                                                     "The settings could not be saved: %1")
                             .arg(m_app.platform.store->lastError());
    // The change runs after the one under way, if any, with the settings
    // just applied; the window may be closed by then, so a failure is told
    // in a bubble.
    if (chkswitchonok->isChecked())
        NextWallpaper(m_app, nullptr, [&app = m_app](const ChangeResult& r) {
            if (!r.error.isEmpty() && !r.changed())
                app.platform.notifier->showBubble(r.error, 10000, BubbleKind::Message);
        });
    m_app.platform.store->setValue(kOptions, kCloseApply,
                                   chkcloseapply->isChecked() ? QStringLiteral("1")
                                                              : QStringLiteral("0"));
    m_app.platform.store->sync();

    QApplication::restoreOverrideCursor();
    setEnabled(true);
    m_applying = false;
    m_lastErrors = report.errors;
    const bool closing = chkcloseapply->isChecked();
    if (!closing) {
        // What is in force now, as every opening would show it.
        LoadAll();
        tmrmain_Timer();
    }
    // The count of the rebuilt list, once the rebuild (a job) is over.
    if (report.parts.testFlag(SettingsPart::PictureLists)) {
        WallpaperJobs& jobs = JobsOf(m_app);
        if (jobs.rebuildingList())
            connect(&jobs, &WallpaperJobs::listRebuilt, foldersPane, &FoldersPane::showRebuiltCount,
                    Qt::SingleShotConnection);
        else
            foldersPane->showRebuiltCount();
    }
    if (!report.errors.isEmpty()) {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QCoreApplication::translate("SettingsWindow", "Tessaly settings"),
            report.errors.join(QLatin1Char('\n')), QMessageBox::Ok, closing ? nullptr : this);
        box->setObjectName(QStringLiteral("applyErrors"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
    emit applied();
    if (closing) close();
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    // Not in the middle of an apply: its end still needs the window.
    if (m_applying) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
