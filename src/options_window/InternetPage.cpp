#include "options_window/InternetPage.h"

#include "context/Jobs.h"
#include "feeds/FeedReader.h"
#include "internet/DownloadCache.h"
#include "internet/DownloadClient.h"
#include "internet/InternetStepping.h"
#include "options_window/FeedEditing.h"
#include "platform/AtomicFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

std::optional<QString> CatalogueServerFromText(const QString& typed) {
    QString text = typed.trimmed();
    if (text.isEmpty()) return std::nullopt;
    if (!text.contains(QLatin1String("://"))) text.prepend(QStringLiteral("http://"));
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment() ||
        url.port() == 0)
        return std::nullopt;
    // No path: the catalogue's own path follows the server.
    for (const QChar c : url.path())
        if (c != u'/') return std::nullopt;
    QUrl server;
    server.setScheme(scheme);
    server.setHost(url.host());
    server.setPort(url.port());
    return server.toString();
}

InternetPage::InternetPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("InternetPage", "Internet settings"), 27,
                  parent),
      m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    lblintoptions = Named(new QTabWidget(this), QStringLiteral("lblintoptions"),
                          QCoreApplication::translate("InternetPage", "Internet options"));
    layout->addWidget(lblintoptions);

    auto* connection = new QWidget;
    connection->setObjectName(QStringLiteral("picintoptions0"));
    auto* c = new QVBoxLayout(connection);
    auto* serverRow = new QHBoxLayout;
    const QString serverCaption = QCoreApplication::translate("InternetPage", "Catalogue server :");
    auto* serverLabel = new QLabel(serverCaption, connection);
    txtintserver = Named(new QLineEdit(connection), QStringLiteral("txtintserver"), serverCaption);
    txtintserver->setPlaceholderText(QStringLiteral("https://host:port"));
    const QString serverTip = QStringLiteral(
        "The server the internet categories are downloaded from: http:// or https://, a host "
        "and an optional port, such as https://example.org:8080. A new server counts from "
        "Apply; \"Refresh internet categories\" then downloads its catalogue.");
    txtintserver->setToolTip(serverTip);
    serverLabel->setToolTip(serverTip);
    serverLabel->setBuddy(txtintserver);
    serverRow->addWidget(serverLabel);
    serverRow->addWidget(txtintserver, 1);
    c->addLayout(serverRow);
    auto* proxy =
        new QGroupBox(QCoreApplication::translate("InternetPage", "Proxy settings"), connection);
    auto* proxyLayout = new QVBoxLayout(proxy);
    chkproxy = Named(
        new QCheckBox(QCoreApplication::translate("InternetPage", "Use a proxy"), proxy),
        QStringLiteral("chkproxy"), QCoreApplication::translate("InternetPage", "Use a proxy"));
    txtproxy = Named(new QLineEdit(proxy), QStringLiteral("txtproxy"),
                     QCoreApplication::translate("InternetPage", "Proxy",
                                                 "accessible name of the proxy address box"));
    txtproxy->setPlaceholderText(QCoreApplication::translate("InternetPage", "host:port"));
    proxyLayout->addWidget(chkproxy);
    proxyLayout->addWidget(txtproxy);
    c->addWidget(proxy);

    auto* errors =
        new QGroupBox(QCoreApplication::translate("InternetPage", "Error handling"), connection);
    auto* errorsLayout = new QVBoxLayout(errors);
    auto* timeoutRow = new QHBoxLayout;
    auto* timeoutLabel =
        new QLabel(QCoreApplication::translate("InternetPage", "Request timeout :"), errors);
    txttimeout = Named(new QLineEdit(errors), QStringLiteral("txttimeout"),
                       QCoreApplication::translate("InternetPage", "Request timeout :"));
    txttimeout->setMaximumWidth(60);
    timeoutLabel->setBuddy(txttimeout);
    timeoutRow->addWidget(timeoutLabel);
    timeoutRow->addWidget(txttimeout);
    timeoutRow->addWidget(
        new QLabel(QCoreApplication::translate("InternetPage", "Seconds."), errors));
    timeoutRow->addStretch();
    errorsLayout->addLayout(timeoutRow);
    const QString ignore =
        QCoreApplication::translate("InternetPage", "Don't prompt on error, just ignore it.");
    chkignoreerror = Named(new QCheckBox(ignore, errors), QStringLiteral("chkignoreerror"), ignore);
    errorsLayout->addWidget(chkignoreerror);
    c->addWidget(errors);
    const QString tray = QCoreApplication::translate(
        "InternetPage", "Show icon in the notification area when downloading.");
    chkinttray = Named(new QCheckBox(tray, connection), QStringLiteral("chkinttray"), tray);
    c->addWidget(chkinttray);
    c->addStretch();

    auto* caching = new QWidget;
    caching->setObjectName(QStringLiteral("picintoptions1"));
    auto* k = new QVBoxLayout(caching);
    const QString enable =
        QCoreApplication::translate("InternetPage", "Enable caching (Recommended)");
    chkintcaching = Named(new QCheckBox(enable, caching), QStringLiteral("chkintcaching"), enable);
    k->addWidget(chkintcaching);
    auto* note =
        new QLabel(QCoreApplication::translate(
                       "InternetPage",
                       "Files downloaded from the internet are stored for quick viewing later."),
                   caching);
    note->setWordWrap(true);
    k->addWidget(note);
    lblcacheinfo = Named(new QLabel(caching), QStringLiteral("lblcacheinfo"), QString());
    k->addWidget(lblcacheinfo);
    cmddeletecache =
        Named(new QPushButton(QCoreApplication::translate("InternetPage", "Clear cache"), caching),
              QStringLiteral("cmddeletecache"),
              QCoreApplication::translate("InternetPage", "Clear cache"));
    auto* clearRow = new QHBoxLayout;
    clearRow->addWidget(cmddeletecache);
    clearRow->addStretch();
    k->addLayout(clearRow);
    k->addStretch();

    // The photo feeds: a list of ticked feeds with add, edit and remove.
    auto* photos = new QWidget;
    photos->setObjectName(QStringLiteral("picintoptions2"));
    auto* p = new QVBoxLayout(photos);
    auto* photoNote =
        new QLabel(QCoreApplication::translate(
                       "InternetPage", "The pictures of the ticked photo feeds join those of the "
                                       "ticked internet categories."),
                   photos);
    photoNote->setWordWrap(true);
    p->addWidget(photoNote);
    lstphotofeeds = Named(new QListWidget(photos), QStringLiteral("lstphotofeeds"),
                          QCoreApplication::translate("InternetPage", "Photo feeds"));
    p->addWidget(lstphotofeeds);
    const auto button = [photos](const char* name, const QString& caption, const QString& tip) {
        auto* b = Named(new QPushButton(caption, photos), QString::fromLatin1(name), tip);
        b->setToolTip(tip);
        return b;
    };
    cmdaddphotofeed =
        button("cmdaddphotofeed",
               QCoreApplication::translate("InternetPage", "Add", "button: add a photo feed"),
               QCoreApplication::translate("InternetPage", "Add a photo feed."));
    cmdeditphotofeed = button(
        "cmdeditphotofeed",
        QCoreApplication::translate("InternetPage", "Edit", "button: edit the selected photo feed"),
        QCoreApplication::translate("InternetPage", "Edit the selected photo feed."));
    cmddelphotofeed =
        button("cmddelphotofeed",
               QCoreApplication::translate("InternetPage", "Remove",
                                           "button: remove the selected photo feed"),
               QCoreApplication::translate("InternetPage", "Remove the selected photo feed."));
    auto* photoButtons = new QHBoxLayout;
    for (QPushButton* b : {cmdaddphotofeed, cmdeditphotofeed, cmddelphotofeed})
        photoButtons->addWidget(b);
    photoButtons->addStretch();
    p->addLayout(photoButtons);
    lblphotofeedinfo = Named(new QLabel(photos), QStringLiteral("lblphotofeedinfo"),
                             QCoreApplication::translate("InternetPage", "Photo feed status"));
    lblphotofeedinfo->setWordWrap(true);
    lblphotofeedinfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    p->addWidget(lblphotofeedinfo);

    lblintoptions->addTab(connection,
                          QCoreApplication::translate("InternetPage", "Connection", "tab"));
    lblintoptions->addTab(caching, QCoreApplication::translate("InternetPage", "Caching", "tab"));
    lblintoptions->addTab(photos,
                          QCoreApplication::translate("InternetPage", "Photo feeds", "tab"));

    const auto ask = [this](const QString& title, const QString& text, int row) {
        AskFeedAddress(this, title,
                       QCoreApplication::translate("InternetPage",
                                                   "Enter the address of the photo feed (RSS or "
                                                   "Atom) whose pictures you want to use."),
                       text, [this, row](const QString& answer) { addPhotoFeed(answer, row); });
    };
    connect(cmdaddphotofeed, &QPushButton::clicked, this, [this, ask] {
        if (!m_photoBusy)
            ask(QCoreApplication::translate("InternetPage", "New Photo Feed"), QString(), -1);
    });
    connect(cmdeditphotofeed, &QPushButton::clicked, this, [this, ask] {
        const int row = lstphotofeeds->currentRow();
        if (m_photoBusy || row < 0) return;
        ask(QCoreApplication::translate("InternetPage", "Edit Photo Feed"),
            lstphotofeeds->item(row)->data(Qt::UserRole).toString(), row);
    });
    connect(cmddelphotofeed, &QPushButton::clicked, this, [this] {
        const int row = lstphotofeeds->currentRow();
        if (m_photoBusy || row < 0) return;
        delete lstphotofeeds->takeItem(row);
    });
    connect(lstphotofeeds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            photoStatus(lstphotofeeds->item(row)->text() + QLatin1Char('\n') +
                        lstphotofeeds->item(row)->data(Qt::UserRole).toString());
    });

    cmddeletecache->setEnabled(m_parts.internet != nullptr);
    connect(cmddeletecache, &QPushButton::clicked, this, [this] {
        if (!m_parts.internet) return;
        if (QMessageBox::question(this, ClearCacheTitle(), ClearCacheQuestion()) !=
            QMessageBox::Yes)
            return;
        m_parts.internet->cache().clear();
        showCacheSize();
    });
}

InternetPage::~InternetPage() = default;

DownloadClient& InternetPage::client() {
    if (!m_client) m_client = std::make_unique<DownloadClient>(m_app);
    return *m_client;
}

void InternetPage::photoStatus(const QString& text) {
    lblphotofeedinfo->setText(text);
    lblphotofeedinfo->setAccessibleDescription(text);
}

void InternetPage::setPhotoBusy(bool busy) {
    m_photoBusy = busy;
    for (QWidget* w :
         {static_cast<QWidget*>(lstphotofeeds), static_cast<QWidget*>(cmdaddphotofeed),
          static_cast<QWidget*>(cmdeditphotofeed), static_cast<QWidget*>(cmddelphotofeed)})
        w->setEnabled(!busy);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

QList<PhotoFeed> InternetPage::shownPhotoFeeds() const {
    QList<PhotoFeed> feeds;
    for (int i = 0; i < lstphotofeeds->count(); ++i) {
        const QListWidgetItem* item = lstphotofeeds->item(i);
        feeds.append({{item->text(), item->data(Qt::UserRole).toString()},
                      item->checkState() == Qt::Checked});
    }
    return feeds;
}

void InternetPage::addPhotoFeed(const QString& typed, int row) {
    const QString address = FeedAddressOfText(typed);
    if (address.isEmpty() || m_photoBusy) return;
    const QString refused =
        row < 0 ? QCoreApplication::translate("InternetPage", "Nothing was added. ")
                : QCoreApplication::translate("InternetPage", "Nothing was changed. ");
    if (const std::optional<QString> problem = FeedAddressProblem(address))
        return photoStatus(refused + *problem);
    setPhotoBusy(true);
    photoStatus(QCoreApplication::translate("InternetPage", "Downloading %1 ...").arg(address));
    struct Checked {
        PhotoFeedDocument document;
        QString title; // as the list keeps it
        QString error; // why it cannot be used
    };
    QPointer<InternetPage> self(this);
    const QString folder = m_app.paths.PhotoFeedsFolder;
    client().GetPageB(address, [self, address, row, refused,
                                folder](std::optional<QByteArray> body) {
        if (!self) return;
        if (!body) {
            self->setPhotoBusy(false);
            return self->photoStatus(refused + self->client().lastError());
        }
        // Reading and keeping the document is a job: it may be 10 MB.
        RunJob(
            self,
            [bytes = *body, address, folder] {
                Checked c;
                c.document = ReadPhotoFeed(bytes, address);
                if (!c.document.usable()) {
                    c.error = c.document.error;
                } else if (c.document.pictures.isEmpty()) {
                    c.error = QCoreApplication::translate(
                        "InternetPage", "The feed holds no pictures (no image enclosures or "
                                        "media contents).");
                } else {
                    c.title = SafeFeedName(c.document.title);
                    QDir().mkpath(folder);
                    QString error;
                    if (!WriteFileAtomically(FeedFilePath(folder, c.title), bytes, &error))
                        c.error = QCoreApplication::translate("InternetPage",
                                                              "The feed could not be stored: %1")
                                      .arg(error);
                }
                return c;
            },
            [self, address, row, refused](Checked c) {
                if (!self) return;
                self->setPhotoBusy(false);
                if (!c.error.isEmpty()) return self->photoStatus(refused + c.error);
                QListWidget* list = self->lstphotofeeds;
                QListWidgetItem* item = row >= 0 && row < list->count() ? list->item(row) : nullptr;
                if (!item) {
                    item = new QListWidgetItem(list);
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                    item->setCheckState(Qt::Checked);
                }
                item->setText(c.title);
                item->setData(Qt::UserRole, address);
                list->setCurrentItem(item);
                self->photoStatus(
                    QCoreApplication::translate("InternetPage", "Pictures in \"%1\": %2.")
                        .arg(c.title)
                        .arg(c.document.pictures.size()));
            });
    });
}

void InternetPage::showCacheSize() {
    const QString text =
        m_parts.internet ? m_parts.internet->cache().sizeText() : DownloadCache(m_app).sizeText();
    lblcacheinfo->setText(text);
    lblcacheinfo->setAccessibleName(text);
}

void InternetPage::load() {
    const InternetSettings& s = m_app.settings.internet();
    txtintserver->setText(s.IntServer);
    chkproxy->setChecked(s.IntUseProxy);
    txtproxy->setText(s.IntProxy);
    txttimeout->setText(QString::number(s.IntTimeOut));
    chkignoreerror->setChecked(s.IntIgnore);
    chkinttray->setChecked(s.IntTray);
    chkintcaching->setChecked(s.IntEnableCaching);
    showCacheSize();
    m_savedPhotoFeeds = LoadPhotoFeeds(m_app);
    lstphotofeeds->clear();
    for (const PhotoFeed& f : m_savedPhotoFeeds) {
        auto* item = new QListWidgetItem(f.feed.title, lstphotofeeds);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(f.ticked ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, f.feed.url);
    }
}

void InternetPage::apply(ApplyReport& report) {
    InternetSettings& s = m_app.settings;
    const InternetSettings before = s;
    // An address left as it was is kept as it is, even one edited by hand.
    if (txtintserver->text() != s.IntServer) {
        if (const auto server = CatalogueServerFromText(txtintserver->text()))
            s.IntServer = *server;
        else
            report.errors << QCoreApplication::translate(
                                 "InternetPage",
                                 "The catalogue server \"%1\" is not an http:// or https:// "
                                 "address of a host with an optional port, such as "
                                 "https://example.org:8080; it stays %2.")
                                 .arg(txtintserver->text(), s.IntServer);
    }
    txtintserver->setText(s.IntServer);
    s.IntUseProxy = chkproxy->isChecked();
    s.IntProxy = txtproxy->text().trimmed();
    if (const auto t = WholeNumberIn(txttimeout->text(), 1, kMaxTimeOut))
        s.IntTimeOut = qint16(*t);
    else
        report.errors << QCoreApplication::translate(
                             "InternetPage", "The request timeout \"%1\" is not a whole number of "
                                             "seconds from 1 to %2; it stays %3 seconds.")
                             .arg(txttimeout->text())
                             .arg(kMaxTimeOut)
                             .arg(s.IntTimeOut);
    txttimeout->setText(QString::number(s.IntTimeOut));
    s.IntIgnore = chkignoreerror->isChecked();
    s.IntTray = chkinttray->isChecked();
    s.IntEnableCaching = chkintcaching->isChecked();
    if (s.IntUseProxy != before.IntUseProxy || s.IntProxy != before.IntProxy ||
        s.IntTimeOut != before.IntTimeOut || s.IntIgnore != before.IntIgnore ||
        s.IntTray != before.IntTray || s.IntEnableCaching != before.IntEnableCaching ||
        s.IntServer != before.IntServer)
        report.parts |= SettingsPart::Internet;

    const QList<PhotoFeed> photoFeeds = shownPhotoFeeds();
    if (photoFeeds != m_savedPhotoFeeds) {
        QString error;
        if (!SavePhotoFeeds(m_app, photoFeeds, &error)) {
            report.errors << QCoreApplication::translate(
                                 "InternetPage", "The photo feed list could not be saved: %1")
                                 .arg(error);
        } else {
            m_savedPhotoFeeds = photoFeeds;
            // The list follows the feeds now; a new feed (or address) is
            // asked for its newest pictures at the next change.
            if (m_parts.internet) m_parts.internet->RebuildWithStoredChoices();
        }
    }
}
