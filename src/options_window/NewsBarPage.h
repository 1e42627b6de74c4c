#pragma once

#include "feeds/FeedList.h"
#include "options_window/OptionsPage.h"

#include <QByteArray>
#include <array>
#include <memory>
#include <optional>

class FeedUpdater;
class QCheckBox;
class QInputDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QToolButton;
class DownloadClient;

// The "News Bar" page: the feed list (add by address or by dropping an
// address on the list, edit, delete, "Update now!") and the news bar's
// options (shown, clickable, on top, update interval, speed, the headline
// and source fonts). The feed list is read from "FeedsList.tsy" when the
// page loads and written on apply when it changed; adding or editing a feed
// downloads it at once and keeps it in the feeds folder.
class NewsBarPage : public OptionsPage {
    Q_OBJECT
public:
    NewsBarPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    ~NewsBarPage() override;
    void load() override;
    void apply(ApplyReport& report) override;

    // Downloads the feed at `address` and appends it to the list (or, with
    // `row`, puts it in that row's place); the status line says how it went.
    void addFeed(const QString& address, int row = -1);
    // The feeds as the lists show them now.
    QList<FeedEntry> shownFeeds() const;
    // A download for the list is running.
    bool busy() const { return m_busy; }

    QTabWidget* lblnboptions;
    QLabel* lblnbnotice;
    QCheckBox* chknbenable;
    QCheckBox* chknbclickable;
    QCheckBox* chknbontop;
    QLineEdit* txtNBUpdateinterval;
    QScrollBar* VScroll2;
    QScrollBar* hsNBSpeed;
    QToolButton* cmdnbmove;
    QListWidget* lstnewsfeeds;
    QListWidget* lstnewsURLs;
    QPushButton* cmdaddfeed;
    QPushButton* cmdeditfeed;
    QPushButton* cmddelfeed;
    QPushButton* cmdupdatefeeds;
    QLabel* lblnbinfo;
    QLabel* lblnblastupdate;
    std::array<QLabel*, 2> lblNBsample{};
    std::array<QPushButton*, 2> lbleditnb{};
    // The fonts and colours the samples show: headline, then source.
    std::array<FontSet, 2> samples;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdaddfeed_Click();
    void cmdeditfeed_Click();
    void cmddelfeed_Click();
    void cmdupdatefeeds_Click();
    void VScroll2_Change(int value);
    // Asks for an address; `answered` gets it when the user confirms.
    void ask(const QString& title, const QString& prompt, const QString& text, int row);
    void fetched(const QString& address, int row, const std::optional<QByteArray>& body);
    void showSamples();
    void showLastUpdate();
    void setBusy(bool busy);
    void status(const QString& text);
    FeedUpdater& updater();
    DownloadClient& client();

    const OptionsWindowParts& m_parts;
    std::unique_ptr<DownloadClient> m_client;
    std::unique_ptr<FeedUpdater> m_ownUpdater;
    bool m_busy = false;
    bool m_updating = false;
    // The feed list was changed since it was loaded or saved.
    bool m_feedsChanged = false;
};
