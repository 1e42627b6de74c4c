#include "options_window/InternetPage.h"

#include "internet/DownloadCache.h"
#include "internet/InternetStepping.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

    lblintoptions->addTab(connection,
                          QCoreApplication::translate("InternetPage", "Connection", "tab"));
    lblintoptions->addTab(caching, QCoreApplication::translate("InternetPage", "Caching", "tab"));

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
}

void InternetPage::apply(ApplyReport& report) {
    InternetSettings& s = m_app.settings;
    const InternetSettings before = s;
    // An address left as it was is kept as it is, even one edited by hand.
    if (txtintserver->text() != s.IntServer) {
        if (const auto server = CatalogueServerFromText(txtintserver->text()))
            s.IntServer = *server;
        else
            report.errors << QStringLiteral("The catalogue server \"%1\" is not an http:// or "
                                            "https:// address of a host with an optional port, "
                                            "such as https://example.org:8080; it stays %2.")
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
}
