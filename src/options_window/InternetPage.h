#pragma once

#include "options_window/OptionsPage.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The catalogue server typed on the Internet page as it is stored: an http or
// https address of a host with an optional port, without path, query or user
// ("example.org" stands for "http://example.org"); nothing for any other text.
std::optional<QString> CatalogueServerFromText(const QString& text);

// The "Internet" page: the connection (the catalogue server, proxy,
// time-out, errors, the icon while downloading) and the download cache. A
// catalogue server typed that is no such address keeps the stored one and is
// reported.
class InternetPage : public OptionsPage {
    Q_OBJECT
public:
    InternetPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;
    // The longest request time-out the page takes, in seconds.
    static constexpr int kMaxTimeOut = 3600;

    QTabWidget* lblintoptions;
    QLineEdit* txtintserver;
    QCheckBox* chkproxy;
    QLineEdit* txtproxy;
    QLineEdit* txttimeout;
    QCheckBox* chkignoreerror;
    QCheckBox* chkinttray;
    QCheckBox* chkintcaching;
    QPushButton* cmddeletecache;
    QLabel* lblcacheinfo;

private:
    void showCacheSize();
    const OptionsWindowParts& m_parts;
};
