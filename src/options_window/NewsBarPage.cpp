#include "options_window/NewsBarPage.h"

#include "feeds/FeedReader.h"
#include "feeds/FeedUpdater.h"
#include "internet/DownloadClient.h"
#include "options_window/Countdown.h"
#include "options_window/FeedEditing.h"
#include "options_window/FontPicker.h"
#include "options_window/WidgetPages.h"
#include "platform/AtomicFile.h"
#include "widgets/DesktopWidgets.h"
#include "widgets/FontSetStyle.h"
#include "widgets/NewsBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The update interval the spin control does not step below, in minutes.
constexpr double kSpinFloor = 60;
// The longest update interval a typed value may give: a year of minutes.
constexpr double kMaxNewsInterval = 525600;

const QColor kSampleBackground(58, 110, 165);

std::optional<double> TypedNewsInterval(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v <= 0 || v > kMaxNewsInterval) return std::nullopt;
    return v;
}

bool SameFont(const FontSet& a, const FontSet& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.Italic == b.Italic &&
           a.Underline == b.Underline && a.color == b.color;
}

} // namespace

NewsBarPage::NewsBarPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("NewsBarPage", "News bar"), 0, parent),
      m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    lblnbnotice = Named(new QLabel(WidgetsUnavailableText(), this), QStringLiteral("lblnbnotice"),
                        WidgetsUnavailableText());
    lblnbnotice->hide();
    layout->addWidget(lblnbnotice);
    lblnboptions = Named(new QTabWidget(this), QStringLiteral("lblnboptions"),
                         QCoreApplication::translate("NewsBarPage", "News bar options"));
    layout->addWidget(lblnboptions);
    const auto check = [](QWidget* parent, const char* name, const QString& caption) {
        return Named(new QCheckBox(caption, parent), QString::fromLatin1(name), caption);
    };
    const auto button = [](QWidget* parent, const char* name, const QString& caption,
                           const QString& tip = {}) {
        auto* b = Named(new QPushButton(caption, parent), QString::fromLatin1(name),
                        tip.isEmpty() ? caption : tip);
        if (!tip.isEmpty()) b->setToolTip(tip);
        return b;
    };

    // The bar's options.
    auto* options = new QWidget;
    auto* o = new QVBoxLayout(options);
    chknbenable = check(options, "chknbenable",
                        QCoreApplication::translate("NewsBarPage", "Enable news bar"));
    chknbclickable =
        check(options, "chknbclickable", QCoreApplication::translate("NewsBarPage", "Clickable"));
    chknbontop =
        check(options, "chknbontop", QCoreApplication::translate("NewsBarPage", "Always on top."));
    cmdnbmove = Named(new QToolButton(options), QStringLiteral("cmdnbmove"),
                      QCoreApplication::translate("NewsBarPage", "Move the news bar"));
    cmdnbmove->setToolTip(QCoreApplication::translate("NewsBarPage", "Move the news bar"));
    cmdnbmove->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    auto* top = new QHBoxLayout;
    top->addWidget(chknbenable);
    top->addStretch();
    top->addWidget(cmdnbmove);
    o->addLayout(top);
    o->addWidget(chknbclickable);
    o->addWidget(chknbontop);
    auto* update = new QHBoxLayout;
    auto* every = new QLabel(QCoreApplication::translate("NewsBarPage", "Update every "), options);
    txtNBUpdateinterval = Named(new QLineEdit(options), QStringLiteral("txtNBUpdateinterval"),
                                QCoreApplication::translate("NewsBarPage", "Update every "));
    txtNBUpdateinterval->setMaximumWidth(80);
    every->setBuddy(txtNBUpdateinterval);
    // A spin control that rests in the middle: up adds a minute, down takes
    // one while the interval stays above an hour.
    VScroll2 = Named(new QScrollBar(Qt::Vertical, options), QStringLiteral("VScroll2"),
                     QCoreApplication::translate("NewsBarPage", "Change the update interval"));
    VScroll2->setRange(0, 2);
    VScroll2->setValue(1);
    VScroll2->setFixedHeight(txtNBUpdateinterval->sizeHint().height());
    VScroll2->setFocusPolicy(Qt::StrongFocus);
    update->addWidget(every);
    update->addWidget(txtNBUpdateinterval);
    update->addWidget(VScroll2);
    update->addWidget(new QLabel(QCoreApplication::translate("NewsBarPage", "Minutes"), options));
    update->addStretch();
    o->addLayout(update);
    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(QCoreApplication::translate("NewsBarPage", "Speed:"), options));
    speed->addWidget(new QLabel(QCoreApplication::translate("NewsBarPage", "(Fast)"), options));
    hsNBSpeed = Named(new QScrollBar(Qt::Horizontal, options), QStringLiteral("hsNBSpeed"),
                      QCoreApplication::translate("NewsBarPage", "Speed:"));
    hsNBSpeed->setRange(1, 10);
    hsNBSpeed->setPageStep(1);
    hsNBSpeed->setFocusPolicy(Qt::StrongFocus);
    speed->addWidget(hsNBSpeed, 1);
    speed->addWidget(new QLabel(QCoreApplication::translate("NewsBarPage", "(Slow)"), options));
    o->addLayout(speed);
    o->addStretch();

    // The feed list.
    auto* feeds = new QWidget;
    auto* f = new QVBoxLayout(feeds);
    lstnewsfeeds = Named(new QListWidget(feeds), QStringLiteral("lstnewsfeeds"),
                         QCoreApplication::translate("NewsBarPage", "News feeds"));
    // An address dropped on the list is added at once.
    lstnewsfeeds->viewport()->setAcceptDrops(true);
    lstnewsfeeds->viewport()->installEventFilter(this);
    f->addWidget(lstnewsfeeds);
    lstnewsURLs = Named(new QListWidget(feeds), QStringLiteral("lstnewsURLs"),
                        QCoreApplication::translate("NewsBarPage", "News feed addresses"));
    lstnewsURLs->hide();
    f->addWidget(lstnewsURLs);
    auto* buttons = new QHBoxLayout;
    cmdaddfeed =
        button(feeds, "cmdaddfeed",
               QCoreApplication::translate("NewsBarPage", "Add", "button: add a news feed"),
               QCoreApplication::translate("NewsBarPage", "Add an RSS Feed."));
    cmdeditfeed = button(
        feeds, "cmdeditfeed",
        QCoreApplication::translate("NewsBarPage", "Edit", "button: edit the selected news feed"),
        QCoreApplication::translate("NewsBarPage", "Edit selected feed."));
    cmddelfeed = button(feeds, "cmddelfeed",
                        QCoreApplication::translate("NewsBarPage", "Remove",
                                                    "button: remove the selected news feeds"),
                        QCoreApplication::translate("NewsBarPage", "Remove selected Feeds."));
    cmdupdatefeeds =
        button(feeds, "cmdupdatefeeds", QCoreApplication::translate("NewsBarPage", "Update now!"));
    for (QPushButton* b : {cmdaddfeed, cmdeditfeed, cmddelfeed, cmdupdatefeeds})
        buttons->addWidget(b);
    f->addLayout(buttons);
    auto* info = new QGroupBox(
        QCoreApplication::translate("NewsBarPage", "Info", "feed information"), feeds);
    auto* i = new QVBoxLayout(info);
    lblnbinfo = Named(
        new QLabel(QCoreApplication::translate("NewsBarPage", "Click on an item to view its info"),
                   info),
        QStringLiteral("lblnbinfo"),
        QCoreApplication::translate("NewsBarPage", "Info", "feed information"));
    lblnbinfo->setWordWrap(true);
    lblnbinfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    i->addWidget(lblnbinfo);
    f->addWidget(info);
    lblnblastupdate =
        Named(new QLabel(QCoreApplication::translate("NewsBarPage", "last update :"), feeds),
              QStringLiteral("lblnblastupdate"),
              QCoreApplication::translate("NewsBarPage", "last update :"));
    f->addWidget(lblnblastupdate);

    // The fonts of the bar: headlines and feed titles.
    auto* appearance = new QWidget;
    auto* a = new QVBoxLayout(appearance);
    for (int k = 0; k < 2; ++k) {
        const QString sample =
            QCoreApplication::translate("NewsBarPage", "sample%1",
                                        "news bar appearance: sample text of font/color %1")
                .arg(k + 1);
        lblNBsample[k] =
            Named(new QLabel(sample, appearance), QStringLiteral("lblNBsample%1").arg(k), sample);
        lblNBsample[k]->setAutoFillBackground(true);
        QPalette pal = lblNBsample[k]->palette();
        pal.setColor(QPalette::Window, kSampleBackground);
        lblNBsample[k]->setPalette(pal);
        lblNBsample[k]->setContentsMargins(6, 4, 6, 4);
        const QString edit =
            QCoreApplication::translate("NewsBarPage", "Edit font/color %1").arg(k + 1);
        lbleditnb[k] =
            Named(new QPushButton(edit, appearance), QStringLiteral("lbleditnb%1").arg(k), edit);
        lbleditnb[k]->setFlat(true);
        lbleditnb[k]->setCursor(Qt::PointingHandCursor);
        lbleditnb[k]->setStyleSheet(QStringLiteral("color: palette(link); text-decoration: "
                                                   "underline; text-align: left;"));
        a->addWidget(lblNBsample[k]);
        a->addWidget(lbleditnb[k]);
        connect(lbleditnb[k], &QPushButton::clicked, this, [this, k] {
            PickFontAndColor(samples[k], true, true, true, this);
            showSamples();
        });
    }
    a->addStretch();

    lblnboptions->addTab(
        options, QCoreApplication::translate("NewsBarPage", "Options", "tab of the news bar page"));
    lblnboptions->addTab(feeds, QCoreApplication::translate("NewsBarPage", "Feeds", "tab"));
    lblnboptions->addTab(appearance,
                         QCoreApplication::translate("NewsBarPage", "Appearance", "tab"));

    connect(cmdaddfeed, &QPushButton::clicked, this, &NewsBarPage::cmdaddfeed_Click);
    connect(cmdeditfeed, &QPushButton::clicked, this, &NewsBarPage::cmdeditfeed_Click);
    connect(cmddelfeed, &QPushButton::clicked, this, &NewsBarPage::cmddelfeed_Click);
    connect(cmdupdatefeeds, &QPushButton::clicked, this, &NewsBarPage::cmdupdatefeeds_Click);
    connect(VScroll2, &QScrollBar::valueChanged, this, &NewsBarPage::VScroll2_Change);
    connect(lstnewsfeeds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < lstnewsURLs->count())
            status(lstnewsfeeds->item(row)->text() + QStringLiteral("\r\n") +
                   lstnewsURLs->item(row)->text());
    });
    connect(cmdnbmove, &QToolButton::clicked, this, [this] {
        if (m_parts.widgets && m_app.settings.NBEnabled) m_parts.widgets->newsBar().OMove(true);
    });
    if (m_parts.feeds)
        connect(m_parts.feeds, &FeedUpdater::updated, this, &NewsBarPage::showLastUpdate);
}

NewsBarPage::~NewsBarPage() = default;

void NewsBarPage::load() {
    const Settings& s = m_app.settings;
    chknbenable->setChecked(s.NBEnabled);
    chknbclickable->setChecked(s.NBClickable);
    chknbontop->setChecked(s.NBOnTop);
    txtNBUpdateinterval->setText(IntervalText(s.NBInterval));
    hsNBSpeed->setValue(s.NBSpeed);
    samples = {s.NBHeadline, s.NBSource};
    showSamples();
    // The bar's options exist only where the desktop widgets do.
    lblnbnotice->setVisible(!m_app.IsNT);
    for (int tab : {0, 2})
        lblnboptions->widget(tab)->setEnabled(m_app.IsNT);

    lstnewsfeeds->clear();
    lstnewsURLs->clear();
    QList<FeedEntry> feeds;
    LoadFeeds(m_app.paths.FeedsListPath, feeds);
    for (const FeedEntry& feed : feeds) {
        lstnewsfeeds->addItem(feed.title);
        lstnewsURLs->addItem(feed.url);
    }
    m_feedsChanged = false;
    if (!m_updating) {
        const QDateTime last = updater().lastSuccess();
        if (last.isValid())
            showLastUpdate();
        else
            lblnblastupdate->setText(QCoreApplication::translate("NewsBarPage", "last update :"));
    }
}

void NewsBarPage::apply(ApplyReport& report) {
    Settings& s = m_app.settings;
    if (m_app.IsNT) {
        const Settings before = s;
        s.NBEnabled = chknbenable->isChecked();
        s.NBClickable = chknbclickable->isChecked();
        s.NBOnTop = chknbontop->isChecked();
        if (const auto interval = TypedNewsInterval(txtNBUpdateinterval->text()))
            s.NBInterval = *interval;
        else
            report.errors << QCoreApplication::translate(
                                 "NewsBarPage",
                                 "The update interval \"%1\" is not a number of minutes "
                                 "above 0 and up to %2; it stays %3 minutes.")
                                 .arg(txtNBUpdateinterval->text(), IntervalText(kMaxNewsInterval),
                                      IntervalText(s.NBInterval));
        s.NBSpeed = qint16(hsNBSpeed->value());
        ApplyFontSet(samples[0], s.NBHeadline);
        ApplyFontSet(samples[1], s.NBSource);
        txtNBUpdateinterval->setText(IntervalText(s.NBInterval));
        if (s.NBEnabled != before.NBEnabled || s.NBClickable != before.NBClickable ||
            s.NBOnTop != before.NBOnTop || s.NBInterval != before.NBInterval ||
            s.NBSpeed != before.NBSpeed || !SameFont(s.NBHeadline, before.NBHeadline) ||
            !SameFont(s.NBSource, before.NBSource))
            report.parts |= SettingsPart::NewsBar;
    }
    if (m_feedsChanged) {
        QString error;
        if (SaveFeeds(m_app.paths.FeedsListPath, shownFeeds(), &error)) {
            m_feedsChanged = false;
            report.parts |= SettingsPart::NewsBar;
        } else {
            report.errors << QCoreApplication::translate("NewsBarPage",
                                                         "The feed list could not be saved: %1")
                                 .arg(error);
        }
    }
}

QList<FeedEntry> NewsBarPage::shownFeeds() const {
    QList<FeedEntry> feeds;
    for (int i = 0; i < lstnewsfeeds->count() && i < lstnewsURLs->count(); ++i)
        feeds.append({lstnewsfeeds->item(i)->text(), lstnewsURLs->item(i)->text()});
    return feeds;
}

void NewsBarPage::showSamples() {
    for (int k = 0; k < 2; ++k) {
        lblNBsample[k]->setFont(FontOf(samples[k]));
        QPalette pal = lblNBsample[k]->palette();
        pal.setColor(QPalette::WindowText, ColorOf(samples[k].color));
        lblNBsample[k]->setPalette(pal);
    }
}

void NewsBarPage::status(const QString& text) {
    lblnbinfo->setText(text);
    lblnbinfo->setAccessibleDescription(text);
}

void NewsBarPage::setBusy(bool busy) {
    m_busy = busy;
    for (QWidget* w : {static_cast<QWidget*>(lstnewsfeeds), static_cast<QWidget*>(cmdaddfeed),
                       static_cast<QWidget*>(cmdeditfeed), static_cast<QWidget*>(cmddelfeed)})
        w->setEnabled(!busy);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

DownloadClient& NewsBarPage::client() {
    if (!m_client) m_client = std::make_unique<DownloadClient>(m_app);
    return *m_client;
}

FeedUpdater& NewsBarPage::updater() {
    if (m_parts.feeds) return *m_parts.feeds;
    if (!m_ownUpdater) {
        m_ownUpdater = std::make_unique<FeedUpdater>(m_app);
        connect(m_ownUpdater.get(), &FeedUpdater::updated, this, &NewsBarPage::showLastUpdate);
    }
    return *m_ownUpdater;
}

void NewsBarPage::ask(const QString& title, const QString& prompt, const QString& text, int row) {
    AskFeedAddress(this, title, prompt, text,
                   [this, row](const QString& answer) { addFeed(answer, row); });
}

void NewsBarPage::cmdaddfeed_Click() {
    if (m_busy) return;
    ask(QCoreApplication::translate("NewsBarPage", "New Feed"),
        QCoreApplication::translate("NewsBarPage",
                                    "Enter the URL of the xml RSS feed you want to add\r\n"
                                    "or copy it from you're browser and paste it here."),
        QString(), -1);
}

void NewsBarPage::cmdeditfeed_Click() {
    const int row = lstnewsfeeds->currentRow();
    if (m_busy || row < 0 || row >= lstnewsURLs->count()) return;
    ask(QCoreApplication::translate("NewsBarPage", "Edit Feed"),
        QCoreApplication::translate("NewsBarPage",
                                    "Enter the new URL of the xml RSS feed \r\n"
                                    "or copy it from you're browser and paste it here."),
        lstnewsURLs->item(row)->text(), row);
}

void NewsBarPage::cmddelfeed_Click() {
    const int row = lstnewsfeeds->currentRow();
    if (m_busy || row < 0 || row >= lstnewsURLs->count()) return;
    delete lstnewsURLs->takeItem(row);
    delete lstnewsfeeds->takeItem(row);
    m_feedsChanged = true;
}

void NewsBarPage::addFeed(const QString& typed, int row) {
    // Of a text of several lines (a drop), its first line that holds anything.
    const QString address = FeedAddressOfText(typed);
    if (address.isEmpty() || m_busy) return;
    const QString refused =
        row < 0 ? QCoreApplication::translate("NewsBarPage", "Nothing was added. ")
                : QCoreApplication::translate("NewsBarPage", "Nothing was changed. ");
    // The list file keeps 127 characters of a value: a longer address would
    // come back cut off.
    if (const std::optional<QString> problem = FeedAddressProblem(address))
        return status(refused + *problem);
    setBusy(true);
    status(QCoreApplication::translate("NewsBarPage", "Downloading %1 ...").arg(address));
    QPointer<NewsBarPage> self(this);
    client().GetPageB(address, [self, address, row](std::optional<QByteArray> body) {
        if (self) self->fetched(address, row, body);
    });
}

void NewsBarPage::fetched(const QString& address, int row, const std::optional<QByteArray>& body) {
    setBusy(false);
    const bool replace = row >= 0 && row < lstnewsfeeds->count();
    const QString refused =
        replace ? QCoreApplication::translate("NewsBarPage", "Nothing was changed. ")
                : QCoreApplication::translate("NewsBarPage", "Nothing was added. ");
    if (!body) return status(refused + client().lastError());
    const FeedDocument document = ReadFeed(*body);
    if (!document.usable()) return status(refused + document.error);
    const QString title = SafeFeedName(document.title);
    QString error;
    QDir().mkpath(m_app.paths.FeedsFolder);
    if (!WriteFileAtomically(FeedFilePath(m_app.paths.FeedsFolder, title), *body, &error))
        return status(refused +
                      QCoreApplication::translate("NewsBarPage", "The feed could not be stored: %1")
                          .arg(error));
    if (replace) {
        lstnewsfeeds->item(row)->setText(title);
        lstnewsURLs->item(row)->setText(address);
        status(QCoreApplication::translate("NewsBarPage", "Changed to \"%1\".").arg(title));
    } else {
        lstnewsfeeds->addItem(title);
        lstnewsURLs->addItem(address);
        status(QCoreApplication::translate("NewsBarPage", "Added \"%1\".").arg(title));
    }
    m_feedsChanged = true;
}

void NewsBarPage::cmdupdatefeeds_Click() {
    if (m_updating) return;
    m_updating = true;
    setEnabled(false);
    setCursor(Qt::WaitCursor);
    lblnblastupdate->setText(QCoreApplication::translate("NewsBarPage", "\r\nUpdating..."));
    updater().update(shownFeeds());
}

void NewsBarPage::showLastUpdate() {
    if (m_updating) {
        m_updating = false;
        setEnabled(true);
        unsetCursor();
    }
    const QDateTime last = updater().lastSuccess();
    lblnblastupdate->setText(
        QCoreApplication::translate("NewsBarPage", "Last update:\r\n") +
        (last.isValid() ? QLocale().toString(last, QLocale::ShortFormat) : QString()));
}

void NewsBarPage::VScroll2_Change(int value) {
    if (value == 1) return;
    // Any text counts as its number, as the box takes whatever is typed.
    bool ok = false;
    double typed = txtNBUpdateinterval->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(typed)) typed = 0;
    if (value == 2 && typed > kSpinFloor)
        txtNBUpdateinterval->setText(IntervalText(typed - 1));
    else if (value == 0)
        txtNBUpdateinterval->setText(IntervalText(typed + 1));
    VScroll2->setValue(1);
}

bool NewsBarPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstnewsfeeds->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasText() && !m_busy) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasText()) {
                drop->acceptProposedAction();
                addFeed(drop->mimeData()->text());
                return true;
            }
        }
    }
    return OptionsPage::eventFilter(watched, event);
}
