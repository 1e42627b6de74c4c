#pragma once

#include "internet/PhotoFeeds.h"
#include "options_window/OptionsPage.h"

#include <memory>
#include <optional>

class DownloadClient;
class QListWidget;

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
// time-out, errors, the icon while downloading), the download cache and the
// photo feeds. A catalogue server typed that is no such address keeps the
// stored one and is reported. A photo feed is added (or edited) by its
// address, which is checked by downloading it: a usable feed with pictures
// is kept in the photo feeds folder and listed, ticked, under its title. The
// list ("PhotoFeeds.tsy") and the ticks are written on apply when they
// changed, and the internet file list is then rebuilt.
class InternetPage : public OptionsPage {
    Q_OBJECT
public:
    InternetPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    ~InternetPage() override;
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
    QListWidget* lstphotofeeds;
    QPushButton* cmdaddphotofeed;
    QPushButton* cmdeditphotofeed;
    QPushButton* cmddelphotofeed;
    QLabel* lblphotofeedinfo;

    // Downloads and checks the photo feed at the address in `typed` and
    // appends it (or, with `row`, puts it in that row's place); the status
    // line says how it went.
    void addPhotoFeed(const QString& typed, int row = -1);
    // The photo feeds as the list shows them now, with their ticks.
    QList<PhotoFeed> shownPhotoFeeds() const;
    // A photo feed is being downloaded and checked.
    bool photoFeedsBusy() const { return m_photoBusy; }

private:
    void photoStatus(const QString& text);
    void setPhotoBusy(bool busy);
    DownloadClient& client();
    void showCacheSize();
    const OptionsWindowParts& m_parts;
    std::unique_ptr<DownloadClient> m_client;
    bool m_photoBusy = false;
    // The photo feeds as loaded or last written: apply writes them when the
    // list differs.
    QList<PhotoFeed> m_savedPhotoFeeds;
};
