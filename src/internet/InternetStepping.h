#pragma once

#include "collection/WallpaperChange.h"
#include "internet/Categories.h"
#include "internet/DownloadCache.h"
#include "internet/DownloadClient.h"

#include <QObject>
#include <functional>

class AppContext;

// The internet source's wallpaper changes: each takes the next address of the
// internet file list (the position "Seq" of section "Internet"), gets the
// picture from the download cache or the network, and shows it. A cooldown of
// IntCoolDown milliseconds since the last internet change ("IntCL" of section
// "Options", on the program's clock) refuses changes asked for too soon, and
// only one runs at a time.
class InternetSource : public QObject {
    Q_OBJECT
public:
    explicit InternetSource(AppContext& app, QObject* parent = nullptr);

    // One internet change, backward when `previous`. `done` (optional) gets
    // how it went: Busy while one runs, NothingToShow when refused by the
    // cooldown or with nothing to show.
    void InternetNext(bool previous, std::function<void(ChangeResult)> done = {});

    // Downloads the catalogue and rebuilds the internet file list from the
    // stored category choices (what the settings window's OK does); used at
    // start-up while there is no internet file list yet.
    void RefreshAndRebuild(std::function<void(bool ok)> done = {});

    bool busy() const { return m_busy; }
    DownloadClient& client() { return m_client; }
    DownloadCache& cache() { return m_cache; }

private:
    void FetchInternetPicture(std::function<void(std::optional<QByteArray>)> got);
    void StepInternetBack(std::function<void(std::optional<QByteArray>)> got);
    double storedIntCL(qint64 fallback) const;

    AppContext& m_app;
    DownloadClient m_client;
    DownloadCache m_cache;
    CategoryList m_categories;
    bool m_busy = false;
};

// The refusal while the cooldown runs: the minutes in the locale's form.
QString CooldownRefusalText(double coolDownMs);
