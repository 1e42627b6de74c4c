#include "collection/WallpaperJobs.h"

#include "collection/ChangeSteps.h"
#include "collection/PictureCollection.h"
#include "context/AppContext.h"
#include "platform/Memory.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <utility>

void ChangeReport::operator()(const ChangeResult& result) const {
    if (!done || (hasContext && !context)) return;
    done(result);
}

WallpaperJobs& JobsOf(AppContext& app) {
    if (!app.jobs) app.jobs = std::make_shared<WallpaperJobs>(app);
    return *app.jobs;
}

WallpaperJobs::WallpaperJobs(AppContext& app) : m_app(app) {
    connect(&app.events, &AppEvents::ending, this, &WallpaperJobs::cancelAll);
    // New position, filters or watermark: a change composing with the old
    // ones starts over with these.
    connect(&app.events, &AppEvents::changed, this, [this](SettingsParts parts) {
        if (!parts.testFlag(SettingsPart::Composition)) return;
        if (m_running && !m_running->request.choices) startOver();
    });
}

WallpaperJobs::~WallpaperJobs() {
    cancelAll();
    // Each stops at its next check; none of them is handed over any more.
    if (m_running) m_running->job.wait();
    if (m_scan) m_scan->job.wait();
}

namespace {

bool isStep(const ChangeRequest& r) {
    return r.kind == ChangeRequest::Kind::Next || r.kind == ChangeRequest::Kind::Previous;
}

} // namespace

WallpaperHistory& WallpaperJobs::history() {
    if (!m_history) {
        const QString folder = m_app.paths.DataFolder;
        m_history = std::make_unique<WallpaperHistory>(
            folder.isEmpty() ? QString() : folder + QStringLiteral("History.tsy"));
    }
    return *m_history;
}

bool WallpaperJobs::historyAhead() {
    if (history().ahead()) return true;
    // A previous still to run steps back, and a next after it comes forward.
    if (m_running && m_running->request.fromHistory) return true;
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [](const Request& r) { return r.kind == Request::Kind::Previous; });
}

void WallpaperJobs::next(Report report) {
    step(Request::Kind::Next, std::move(report));
}

void WallpaperJobs::previous(Report report) {
    step(Request::Kind::Previous, std::move(report));
}

void WallpaperJobs::step(Request::Kind kind, Report report) {
    if (m_ending) return;
    if (std::count_if(m_waiting.begin(), m_waiting.end(), isStep) >= MaxWaitingNexts) {
        ChangeResult busy;
        busy.status = ChangeResult::Status::Busy;
        report(busy);
        return;
    }
    ask({.kind = kind, .bubble = true, .report = std::move(report)});
}

void WallpaperJobs::show(QStringList paths, std::optional<CompositionChoices> choices,
                         Report report) {
    ask({.kind = Request::Kind::Files,
         .paths = std::move(paths),
         .choices = std::move(choices),
         .report = std::move(report)});
}

void WallpaperJobs::showInternet(QByteArray bytes, QString address,
                                 std::optional<CompositionChoices> choices, Report report) {
    ask({.kind = Request::Kind::Internet,
         .choices = std::move(choices),
         .bytes = std::move(bytes),
         .address = std::move(address),
         .report = std::move(report)});
}

void WallpaperJobs::showSource(SourcePicture source, CompositionChoices choices,
                               WatermarkFields fields, Report report) {
    ask({.kind = Request::Kind::Source,
         .choices = std::move(choices),
         .source = std::move(source),
         .fields = std::move(fields),
         .report = std::move(report)});
}

void WallpaperJobs::recompose(Report report) {
    if (m_ending) return;
    if (m_running || !m_waiting.empty()) {
        // What runs composes again for the new layout; what waits composes
        // for it anyway.
        if (m_running) startOver();
        ChangeResult merged;
        merged.status = ChangeResult::Status::Busy;
        report(merged);
        return;
    }
    ask({.kind = Request::Kind::Recompose, .report = std::move(report)});
}

void WallpaperJobs::clear() {
    ChangeResult cancelled;
    cancelled.status = ChangeResult::Status::Cancelled;
    std::deque<Request> dropped;
    dropped.swap(m_waiting);
    if (m_running) {
        m_running->again = false;
        m_running->cancel->store(true);
    }
    SetDesktopWallpaper(m_app, WallpaperPosition::of(PositionMode::Clear));
    // A new monitor layout does not bring the wallpaper back.
    m_app.settings.MonitorPictures.clear();
    m_app.shownInternetPicture.clear();
    for (const Request& r : dropped)
        r.report(cancelled);
    emit m_app.events.wallpaperCleared();
}

void WallpaperJobs::startOver() {
    if (!m_running || m_running->cancel->load()) return;
    m_running->again = true;
    m_running->cancel->store(true);
}

void WallpaperJobs::cancelAll() {
    m_ending = true;
    m_waiting.clear();
    if (m_running) {
        m_running->again = false;
        m_running->cancel->store(true);
    }
    if (m_scan) {
        m_scan->again = false;
        m_scan->cancel->store(true);
    }
}

void WallpaperJobs::ask(Request request) {
    if (m_ending) return;
    m_waiting.push_back(std::move(request));
    startNext();
}

void WallpaperJobs::startNext() {
    if (m_running || m_ending) return;
    while (!m_waiting.empty()) {
        // A next waits while the list it picks from is being built: the list
        // just applied (or first read) is the one it picks from.
        if (m_waiting.front().kind == Request::Kind::Next && m_scan) return;
        Request request = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (start(std::move(request))) return;
    }
    emit idle();
    PrepareNextWallpaperSoon(m_app);
}

bool WallpaperJobs::start(Request request) {
    using Kind = Request::Kind;
    const auto finishAtOnce = [&](ChangeResult result) {
        if (request.bubble && m_app.settings.BubbleFileName)
            m_app.platform.notifier->showBubble(m_app.currentPicture(), 5000, BubbleKind::FileName);
        request.report(result);
        return false;
    };
    if (request.kind == Kind::Previous || (request.kind == Kind::Next && history().ahead())) {
        // The history's entry is shown as it was; the list's position and
        // the internet position stay where they are.
        // An internet entry is there when its cache item is; the bytes read
        // to find out are the ones shown.
        std::optional<QByteArray> cached;
        const auto available = [this, &cached](const HistoryEntry& e) {
            if (!e.internet()) return true;
            cached = m_internetPictures ? m_internetPictures(e.address) : std::nullopt;
            return cached.has_value();
        };
        const std::optional<HistoryEntry> entry = request.kind == Kind::Previous
                                                      ? history().stepBack(available)
                                                      : history().stepForward(available);
        if (entry) {
            request.fromHistory = true;
            if (entry->internet()) {
                request.kind = Kind::Internet;
                request.address = entry->address;
                request.bytes = cached.value_or(QByteArray());
            } else {
                request.kind = Kind::Files;
                request.paths = entry->paths;
            }
        } else if (request.kind == Kind::Previous) {
            m_app.platform.notifier->showBubble(
                QCoreApplication::translate("WallpaperJobs", "There is no earlier wallpaper."),
                5000, BubbleKind::Message);
            request.bubble = false;
            return finishAtOnce({});
        }
    }
    if (request.kind == Kind::Next && m_app.settings.WPSource == WallpaperSource::Internet) {
        // Forward through the history is done: the internet source goes on.
        emit m_app.events.internetNextWanted();
        ChangeResult handedOn;
        handedOn.status = ChangeResult::Status::HandedOn;
        request.bubble = false;
        return finishAtOnce(handedOn);
    }
    if (request.kind == Kind::Next) {
        // An empty list changes nothing; the bubble is empty.
        if (m_app.PictureList.isEmpty()) return finishAtOnce({});
        // The pictures drawn ahead when they were prepared, while the list
        // and the current position are still those they were drawn from.
        const PicturePick now = PickNow(m_app);
        std::optional<QList<qsizetype>> chosen;
        if (m_app.prepared) chosen = m_app.prepared->takePick(now);
        if (!chosen) chosen = ChoosePictures(m_app, now);
        // The position moves before the picture loads: a picture that fails
        // is passed over by the next change. It names the last one chosen.
        m_app.settings.CurWallPaper = double(chosen->last());
        for (qsizetype position : *chosen)
            request.paths << m_app.PictureList.at(position - 1);
        request.kind = Kind::Files;
    } else if (request.kind == Kind::Recompose) {
        // What is shown already is not recorded again.
        request.fromHistory = true;
        if (!m_app.shownInternetPicture.isEmpty()) {
            request.kind = Kind::Internet;
            request.bytes = m_app.shownInternetPicture;
        } else {
            request.paths = PicturesToRecompose(m_app);
            if (request.paths.isEmpty()) return finishAtOnce({});
            request.kind = Kind::Files;
        }
    }
    if (request.kind == Kind::Files && request.paths.isEmpty()) return finishAtOnce({});

    Running run;
    run.choices = request.choices.value_or(CompositionChoices::stored(m_app.settings));
    run.cancel = NewCancelFlag();
    ChangeWork work;
    work.cancel = run.cancel;
    // What needs the platform's services is read here, on this thread.
    work.job = DesktopJobFor(m_app, run.choices);
    switch (request.kind) {
    case Kind::Files:
        work.from = ChangeWork::From::Files;
        work.paths = request.paths;
        for (const QString& path : request.paths)
            work.fields.append(WatermarkFieldsForPicture(path));
        // The canvas prepared for exactly these files and settings is shown
        // as it is; any other is composed now (into a canvas no longer
        // needed, when there is one).
        if (m_app.prepared) {
            work.prepared = m_app.prepared->take(CanvasKeyFor(work.job, work.paths));
            if (work.prepared.isNull()) work.reuse = m_app.prepared->spare();
        }
        break;
    case Kind::Internet:
        work.from = ChangeWork::From::Bytes;
        work.bytes = request.bytes;
        work.fields = {WatermarkFieldsForInternet()};
        if (m_app.prepared) work.reuse = m_app.prepared->spare();
        break;
    case Kind::Source:
        work.from = ChangeWork::From::Source;
        work.source = request.source;
        work.fields = {request.fields};
        if (m_app.prepared) work.reuse = m_app.prepared->spare();
        break;
    case Kind::Next:
    case Kind::Previous:
    case Kind::Recompose:
        break;
    }
    run.request = std::move(request);
    m_running = std::move(run);
    m_running->job = RunJob(
        this, [work = std::move(work)]() mutable { return RunChangeWork(std::move(work)); },
        [this](ChangeOutcome outcome) { finished(std::move(outcome)); });
    return true;
}

void WallpaperJobs::finished(ChangeOutcome outcome) {
    Running run = std::move(*m_running);
    m_running.reset();
    ChangeResult result = outcome.result;
    const auto putAway = [&] {
        // The canvas shown is composed into again for the next change, and
        // what the change decoded goes back to the system.
        if (!outcome.canvas.isNull()) PreparedOf(m_app).recycle(std::move(outcome.canvas));
        ReturnFreedMemory();
    };
    if (run.cancel->load()) {
        putAway();
        if (run.again && !m_ending) {
            // The same pictures again, for the settings or the layout now.
            m_waiting.push_front(std::move(run.request));
        } else {
            result.status = ChangeResult::Status::Cancelled;
            run.request.report(result);
        }
        startNext();
        return;
    }
    using Status = ChangeResult::Status;
    if (result.status == Status::Changed || result.status == Status::WriteFailed)
        m_app.platform.desktop->showCanvas(outcome.canvas);
    if (result.changed()) {
        SetDesktopWallpaper(m_app, run.choices.position);
        // What a new monitor layout is composed from.
        switch (run.request.kind) {
        case Request::Kind::Files:
            m_app.settings.MonitorPictures = run.request.paths;
            m_app.shownInternetPicture.clear();
            break;
        case Request::Kind::Internet:
            m_app.settings.MonitorPictures.clear();
            m_app.shownInternetPicture = run.request.bytes;
            break;
        default:
            // A picture from memory alone is not kept: a new monitor layout
            // waits for the next change.
            m_app.settings.MonitorPictures.clear();
            m_app.shownInternetPicture.clear();
            break;
        }
        // Local pictures and internet pictures with an address are kept in
        // the history, so that the user can go back to them.
        if (!run.request.fromHistory) {
            if (run.request.kind == Request::Kind::Files)
                history().record({.paths = run.request.paths});
            else if (run.request.kind == Request::Kind::Internet && !run.request.address.isEmpty())
                history().record({.address = run.request.address});
        }
    }
    putAway();
    // The chosen path; for a picture that could not be shown, why not.
    if (run.request.bubble && m_app.settings.BubbleFileName) {
        QString shown = m_app.currentPicture();
        if (run.request.fromHistory)
            shown = run.request.kind == Request::Kind::Internet ? run.request.address
                                                                : run.request.paths.value(0);
        m_app.platform.notifier->showBubble(
            result.status == Status::LoadFailed ? result.error : shown, 5000, BubbleKind::FileName);
    }
    run.request.report(result);
    startNext();
}

void WallpaperJobs::rebuildList(std::function<void(bool read)> then) {
    if (m_ending) return;
    if (m_scan) {
        // The running scan starts over with the list file as it is now.
        m_scan->then.push_back(std::move(then));
        m_scan->again = true;
        m_scan->cancel->store(true);
        return;
    }
    m_scan.emplace();
    m_scan->then.push_back(std::move(then));
    startScan();
}

void WallpaperJobs::startScan() {
    m_scan->cancel = NewCancelFlag();
    m_scan->again = false;
    ScanInputs in;
    in.listFile = m_app.paths.WallPapersListPath;
    in.source = m_app.settings.WPSource;
    in.subFolders = m_app.settings.SubFols;
    in.cancel = m_scan->cancel;
    // Each folder's name shows while it is searched.
    in.searching = [this, post = PostTo(this)](const QString& folder) {
        post([this, folder] {
            if (m_scan && !m_scan->cancel->load())
                m_app.platform.notifier->showBubble(
                    QCoreApplication::translate("WallpaperJobs", "Looking for pictures in %1")
                        .arg(folder),
                    0, BubbleKind::Progress);
        });
    };
    m_scan->job = RunJob(
        this, [in = std::move(in)] { return ScanPictureList(in); },
        [this](ScanOutcome outcome) { scanned(std::move(outcome)); });
}

void WallpaperJobs::scanned(ScanOutcome outcome) {
    if (outcome.searchedFolders) m_app.platform.notifier->hideBubble(BubbleKind::Progress);
    if (m_scan->cancel->load()) {
        if (m_scan->again && !m_ending) {
            startScan();
        } else {
            // A list nobody will use is dropped: the program is ending.
            m_scan.reset();
        }
        return;
    }
    m_app.PictureList = outcome.read ? std::move(outcome.list) : QStringList();
    if (outcome.skippedNames > 0) {
        const QString text =
            QCoreApplication::translate(
                "WallpaperJobs",
                "%1 file names could not be read (not valid text, or holding a line "
                "break) and were left out of the pictures.")
                .arg(outcome.skippedNames);
        // Standard error has it from the notifier when no bubble can show it.
        m_app.platform.notifier->showBubble(text, 5000, BubbleKind::Message);
    }
    const std::vector<std::function<void(bool)>> then = std::move(m_scan->then);
    m_scan.reset();
    for (const auto& f : then)
        if (f) f(outcome.read);
    if (outcome.read) emit listRebuilt();
    // Nexts that waited for the list run now.
    if (!m_running && !m_waiting.empty())
        startNext();
    else if (outcome.read)
        PrepareNextWallpaperSoon(m_app);
}
