#pragma once

#include "collection/ChangeSteps.h"
#include "collection/PictureCollection.h"
#include "collection/WallpaperChange.h"
#include "collection/WallpaperHistory.h"
#include "context/Jobs.h"

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AppContext;

// How a request reports how it went: delivered to `context` (not at all
// once `context` is gone; always, without one).
struct ChangeReport {
    QPointer<QObject> context;
    bool hasContext = false;
    ChangeDone done;
    void operator()(const ChangeResult& result) const;
};

// The parts of WallpaperJobs' bookkeeping (outside the class, so that the
// standard library sees them complete).
struct ChangeRequest {
    enum class Kind { Next, Previous, Files, Internet, Source, Recompose };
    Kind kind = Kind::Next;
    QStringList paths{};
    // Unset: the stored position and filters as they are when it runs.
    std::optional<CompositionChoices> choices{};
    QByteArray bytes{};
    SourcePicture source{};
    WatermarkFields fields{};
    // An internet picture: its address (the download cache's key).
    QString address{};
    // A next or previous: the file-name bubble afterwards.
    bool bubble = false;
    // Taken from the history: not recorded in it again.
    bool fromHistory = false;
    ChangeReport report{};
};
struct RunningChange {
    // What runs, with the pictures chosen and the choices fixed.
    ChangeRequest request;
    CompositionChoices choices;
    CancelFlag cancel;
    // Cancelled to start over for new settings or a new monitor layout.
    bool again = false;
    JobHandle job;
};
struct ListScan {
    CancelFlag cancel;
    // Asked for again while it ran: starts over when it has stopped.
    bool again = false;
    std::vector<std::function<void(bool)>> then;
    JobHandle job;
};

// What runs and what waits among the wallpaper changes and the rebuilds of
// the picture list. One change runs at a time, on a job thread; the user's
// last request wins:
// - a change asked for while another runs (a next, a picture shown from the
//   settings window, a recomposition) waits and runs after it; repeated
//   nexts wait as one step each, up to MaxWaitingNexts (previous steps
//   count among them);
// - a previous steps back through the wallpaper history when it starts, and
//   a next that starts while the history is stepped back steps forward
//   through it before the list (or the internet source) is used again; both
//   leave CurWallPaper and the internet position as they are;
// - a Clear cancels the change under way and every waiting one, and clears
//   the desktop at once;
// - a new monitor layout, or new position, filter or watermark settings,
//   while a change runs: it starts over for the new ones;
// - a next asked while the list is being rebuilt waits for the new list.
// A rebuild of the list asked for while one runs cancels it and starts again
// from the list file as it is then. The end of the program cancels all.
class WallpaperJobs : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxWaitingNexts = 3;

    explicit WallpaperJobs(AppContext& app);
    // Cancels everything and waits for the job threads still running (each
    // stops at its next check).
    ~WallpaperJobs() override;

    // The requests, each with an optional report of how it went.
    using Report = ChangeReport;
    void next(Report report);
    void show(QStringList paths, std::optional<CompositionChoices> choices, Report report);
    void previous(Report report);
    void showInternet(QByteArray bytes, QString address, std::optional<CompositionChoices> choices,
                      Report report);
    void showSource(SourcePicture source, CompositionChoices choices, WatermarkFields fields,
                    Report report);
    void recompose(Report report);
    void clear();

    // Rebuilds PictureList from the list file; `then(read)` runs on this
    // thread afterwards (read: the list file could be read).
    void rebuildList(std::function<void(bool read)> then);

    // How an internet picture of the history is had again: its bytes from the
    // download cache, or nothing (the entry is then skipped).
    using InternetPictures = std::function<std::optional<QByteArray>(const QString& address)>;
    void setInternetPictures(InternetPictures lookup) { m_internetPictures = std::move(lookup); }
    WallpaperHistory& history();
    // A next now would (or, once what waits has run, may) go forward through
    // the history rather than to the next picture of the source.
    bool historyAhead();

    // A change runs or waits.
    bool changing() const { return m_running.has_value() || !m_waiting.empty(); }
    // A rebuild of the picture list runs.
    bool rebuildingList() const { return m_scan.has_value(); }
    // The program is ending: nothing starts any more.
    bool ending() const { return m_ending; }

signals:
    // A change finished (or was cancelled) and nothing waits.
    void idle();
    // PictureList was rebuilt (and the list file could be read).
    void listRebuilt();

private:
    using Request = ChangeRequest;
    using Running = RunningChange;
    using Scan = ListScan;
    // A next or a previous: refused as Busy while three steps wait.
    void step(Request::Kind kind, Report report);
    void ask(Request request);
    void startNext();
    // False when it finished at once (nothing to show).
    bool start(Request request);
    void finished(ChangeOutcome outcome);
    void startScan();
    void scanned(ScanOutcome outcome);
    void startOver();
    void cancelAll();

    AppContext& m_app;
    std::unique_ptr<WallpaperHistory> m_history;
    InternetPictures m_internetPictures;
    std::deque<Request> m_waiting;
    std::optional<Running> m_running;
    std::optional<Scan> m_scan;
    bool m_ending = false;
};

// The jobs of `app`, made with the first request.
WallpaperJobs& JobsOf(AppContext& app);
