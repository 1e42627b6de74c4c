#include "collection/WallpaperChange.h"

#include "collection/ChangeSteps.h"
#include "collection/PreparedWallpaper.h"
#include "collection/Selection.h"
#include "collection/WallpaperJobs.h"
#include "context/AppContext.h"
#include "settings/FileNames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <memory>
#include <utility>

DesktopJob DesktopJobFor(AppContext& app, const CompositionChoices& choices) {
    DesktopJob job;
    job.layout = app.screenLayout();
    job.mode = app.settings.MonitorMode;
    job.common = CompositionInputsFor(app, choices, {});
    job.bitmap = app.paths.WallpaperBitmapPath;
    if (job.mode == MonitorSharing::Span) {
        job.decodeFor = job.layout.bounds().size();
    } else if (job.mode == MonitorSharing::Primary) {
        job.decodeFor = job.layout.primary().geometry.size();
    } else {
        for (const MonitorInfo& m : job.layout.monitors)
            job.decodeFor = job.decodeFor.expandedTo(m.geometry.size());
    }
    return job;
}

CanvasKey CanvasKeyFor(const DesktopJob& job, const QStringList& paths) {
    CanvasKey key;
    key.paths = paths;
    for (const QString& path : paths)
        key.files.append(FileStamp::of(path));
    key.layout = job.layout;
    key.mode = job.mode;
    key.position = job.common.position;
    key.filters = job.common.filters;
    key.desktopColor = job.common.desktopColor;
    return key;
}

QImage ComposePictures(const QStringList& paths, const DesktopJob& job, QImage reuse,
                       QImage::Format format, ChangeResult& result,
                       const std::atomic<bool>* cancel) {
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    QList<SourcePicture> sources;
    for (const QString& path : paths) {
        if (cancelled()) return QImage();
        SourcePicture source;
        if (!LoadPictureFor(path, job.common.position, job.decodeFor, source, &result.error,
                            cancel)) {
            if (cancelled()) return QImage();
            result.status = ChangeResult::Status::LoadFailed;
            result.picture = path;
            return QImage();
        }
        sources.append(std::move(source));
    }
    if (cancelled()) return QImage();
    QList<MonitorPicture> pictures;
    for (const SourcePicture& source : sources)
        pictures.append(MonitorPicture{&source, {}});
    QImage canvas = ComposeDesktopPictures(job.layout, job.mode, pictures, job.common,
                                           std::move(reuse), format);
    if (canvas.isNull()) result.status = ChangeResult::Status::ComposeFailed;
    return canvas;
}

ChangeOutcome RunChangeWork(ChangeWork work) {
    ChangeOutcome out;
    ChangeResult& result = out.result;
    result.picture = work.paths.value(0);
    const std::atomic<bool>* cancel = work.cancel.get();
    const auto cancelled = [&] {
        if (!cancel || !cancel->load()) return false;
        result.status = ChangeResult::Status::Cancelled;
        return true;
    };
    const DesktopJob& job = work.job;
    QImage canvas = std::move(work.prepared);
    if (canvas.isNull()) {
        switch (work.from) {
        case ChangeWork::From::Files:
            canvas = ComposePictures(work.paths, job, std::move(work.reuse), QImage::Format_RGB32,
                                     result, cancel);
            break;
        case ChangeWork::From::Bytes: {
            SourcePicture source;
            // Bytes that do not make a picture (an error page, a cut-off
            // file) leave the wallpaper as it is.
            if (!LoadPictureFromBytes(
                    work.bytes, QCoreApplication::translate("WallpaperChange", "Internet file"),
                    source, &result.error, QSize(), cancel)) {
                if (cancelled()) break;
                result.status = ChangeResult::Status::LoadFailed;
                break;
            }
            work.bytes.clear();
            canvas = ComposeDesktopPictures(job.layout, job.mode, {{&source, work.fields.value(0)}},
                                            job.common, std::move(work.reuse));
            if (canvas.isNull()) result.status = ChangeResult::Status::ComposeFailed;
            break;
        }
        case ChangeWork::From::Source:
            canvas =
                ComposeDesktopPictures(job.layout, job.mode, {{&work.source, work.fields.value(0)}},
                                       job.common, std::move(work.reuse));
            if (canvas.isNull()) result.status = ChangeResult::Status::ComposeFailed;
            break;
        }
    }
    if (cancelled() || canvas.isNull()) return out;
    DrawDesktopWatermarks(canvas, job.layout, job.mode, work.fields, job.common);
    if (cancelled()) return out;
    result.status = WriteWallpaperBitmap(canvas, job.bitmap, &result.error)
                        ? ChangeResult::Status::Changed
                        : ChangeResult::Status::WriteFailed;
    out.canvas = std::move(canvas);
    return out;
}

// The holder of the next wallpaper and of the canvas to compose it in, made
// with the first change; from then on every settings change prepares again.
PreparedWallpaper& PreparedOf(AppContext& app) {
    if (!app.prepared) {
        app.prepared = std::make_shared<PreparedWallpaper>();
        QObject::connect(&app.events, &AppEvents::changed, &app.prepared->context(),
                         [&app] { PrepareNextWallpaperSoon(app); });
    }
    return *app.prepared;
}

PicturePick PickNow(AppContext& app) {
    PicturePick now;
    now.list = app.PictureList;
    now.from = app.settings.CurWallPaper;
    now.technique = app.settings.TechniqueTimer;
    if (app.settings.MonitorMode == MonitorSharing::Different)
        now.wanted = app.screenLayout().monitors.size();
    return now;
}

void ChooseFollowing(AppContext& app, QList<qsizetype>& chosen, qsizetype monitors) {
    const qsizetype count = app.PictureList.size();
    const bool random = app.settings.TechniqueTimer == ChangeTechnique::Random;
    while (chosen.size() < monitors && chosen.size() < count) {
        qsizetype next = 0;
        do {
            next = random ? SelectRandom(count, double(chosen.last()), app.random)
                          : SelectSequence(count, double(chosen.last()));
        } while (chosen.contains(next) && random);
        chosen.append(next);
    }
}

QList<qsizetype> ChoosePictures(AppContext& app, const PicturePick& now) {
    const qsizetype count = now.list.size();
    QList<qsizetype> chosen{now.technique == ChangeTechnique::Random
                                ? SelectRandom(count, now.from, app.random)
                                : SelectSequence(count, now.from)};
    ChooseFollowing(app, chosen, now.wanted);
    return chosen;
}

QStringList PicturesToRecompose(AppContext& app) {
    QStringList paths = app.settings.MonitorPictures;
    if (paths.isEmpty()) return {};
    // "Different" on more monitors than before (a laptop docked): the
    // monitors that had none get the next pictures in turn, while the others
    // keep theirs.
    const qsizetype monitors = app.screenLayout().monitors.size();
    if (app.settings.MonitorMode == MonitorSharing::Different && paths.size() < monitors) {
        QList<qsizetype> chosen;
        for (const QString& path : paths)
            if (const qsizetype at = app.PictureList.indexOf(path); at >= 0) chosen << at + 1;
        if (chosen.size() == paths.size()) {
            ChooseFollowing(app, chosen, monitors);
            for (qsizetype i = paths.size(); i < chosen.size(); ++i)
                paths << app.PictureList.at(chosen[i] - 1);
            app.settings.CurWallPaper = double(chosen.last());
        }
    }
    // Pictures deleted since are left out; when none is left, the current
    // picture of the list takes their place.
    paths.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    if (paths.isEmpty() && !app.currentPicture().isEmpty()) paths << app.currentPicture();
    return paths;
}

CompositionChoices CompositionChoices::stored(const Settings& s) {
    return {s.WallPaperPosition, s.colors()};
}

CompositionInputs CompositionInputsFor(AppContext& app, const CompositionChoices& choices,
                                       const WatermarkFields& fields) {
    CompositionInputs in;
    in.filters = choices.filters;
    in.position = choices.position.mode;
    in.screen = app.screen ? app.screen() : PrimaryScreenInfo();
    in.desktopColor = app.platform.desktop->desktopColor();
    in.watermark = app.settings.watermark();
    in.fields = fields;
    return in;
}

namespace {

ChangeReport reportTo(QObject* context, ChangeDone done) {
    ChangeReport report;
    report.context = context;
    report.hasContext = context != nullptr;
    report.done = std::move(done);
    return report;
}

} // namespace

void ShowPicturesAsWallpaper(AppContext& app, const QStringList& paths,
                             std::optional<CompositionChoices> choices, QObject* context,
                             ChangeDone done) {
    JobsOf(app).show(paths, std::move(choices), reportTo(context, std::move(done)));
}

void ShowPictureAsWallpaper(AppContext& app, const QString& path,
                            std::optional<CompositionChoices> choices, QObject* context,
                            ChangeDone done) {
    ShowPicturesAsWallpaper(app, {path}, std::move(choices), context, std::move(done));
}

void ShowSourceAsWallpaper(AppContext& app, SourcePicture source, const CompositionChoices& choices,
                           const WatermarkFields& fields, QObject* context, ChangeDone done) {
    JobsOf(app).showSource(std::move(source), choices, fields, reportTo(context, std::move(done)));
}

void ShowInternetPictureAsWallpaper(AppContext& app, QByteArray bytes,
                                    std::optional<CompositionChoices> choices, QObject* context,
                                    ChangeDone done, QString address) {
    JobsOf(app).showInternet(std::move(bytes), std::move(address), std::move(choices),
                             reportTo(context, std::move(done)));
}

void PreviousWallpaper(AppContext& app, QObject* context, ChangeDone done) {
    JobsOf(app).previous(reportTo(context, std::move(done)));
}

void RecomposeWallpaper(AppContext& app, QObject* context, ChangeDone done) {
    JobsOf(app).recompose(reportTo(context, std::move(done)));
}

void NextWallpaper(AppContext& app, QObject* context, ChangeDone done) {
    // Stepped back through the history, a next goes forward through it first
    // (the jobs hand it on to the internet source once it is done).
    if (app.settings.WPSource == WallpaperSource::Internet && !JobsOf(app).historyAhead()) {
        emit app.events.internetNextWanted();
        ChangeResult handedOn;
        handedOn.status = ChangeResult::Status::HandedOn;
        if (done) done(handedOn);
        return;
    }
    JobsOf(app).next(reportTo(context, std::move(done)));
}

bool WallpaperChanging(AppContext& app) {
    return app.jobs && app.jobs->changing();
}

void PrepareNextWallpaper(AppContext& app) {
    if (!app.prepared) return;
    // Nothing is prepared while a change or a rebuild of the list runs or
    // the program ends: each prepares again when it is over.
    if (app.jobs && (app.jobs->changing() || app.jobs->rebuildingList() || app.jobs->ending()))
        return;
    PreparedWallpaper& prepared = *app.prepared;
    const Settings& s = app.settings;
    if (!s.PrepareNextWallpaper || s.WPSource == WallpaperSource::Internet ||
        app.PictureList.isEmpty() || (app.platform.probes && app.platform.probes->isOnBattery())) {
        prepared.drop();
        return;
    }
    // Drawn once and kept: the random draw is made ahead, not twice.
    PicturePick now = PickNow(app);
    if (!prepared.pick() || !prepared.pick()->fits(now)) {
        now.chosen = ChoosePictures(app, now);
        prepared.setPick(now);
    }
    QStringList paths;
    for (qsizetype position : prepared.pick()->chosen)
        paths << app.PictureList.at(position - 1);
    const DesktopJob job = DesktopJobFor(app, CompositionChoices::stored(s));
    prepared.start(CanvasKeyFor(job, paths),
                   [paths, job](QImage reuse, const std::atomic<bool>& giveUp) {
                       // Kept in 24 bits while it waits: a quarter less memory.
                       ChangeResult ignored;
                       return ComposePictures(paths, job, std::move(reuse), QImage::Format_BGR888,
                                              ignored, &giveUp);
                   });
}

void PrepareNextWallpaperSoon(AppContext& app) {
    if (!app.prepared) return;
    QTimer::singleShot(0, &PreparedOf(app).context(), [&app] { PrepareNextWallpaper(app); });
}

void SetDesktopWallpaper(AppContext& app, const WallpaperPosition& position) {
    app.platform.desktop->setWallpaper(app.paths.WallpaperBitmapPath, position.text);
}

void ClearWallpaper(AppContext& app) {
    // What runs or waits is cancelled: the Clear is the last request.
    JobsOf(app).clear();
}

void SetSelectedPictureAsWallpaper(
    AppContext& app, const QString& folder, const QString& fileName, int selectedIndex,
    const CompositionChoices& choices, QObject* context,
    std::function<void(SetAsWallpaperResult result, const QString& error)> done) {
    if (selectedIndex < 0) {
        if (done) done(SetAsWallpaperResult::NothingSelected, {});
        return;
    }
    ShowPictureAsWallpaper(app, AddBackslash(folder) + fileName, choices, context,
                           [&app, selectedIndex, done](const ChangeResult& r) {
                               if (r.status == ChangeResult::Status::Cancelled) return;
                               if (r.status == ChangeResult::Status::LoadFailed) {
                                   if (done) done(SetAsWallpaperResult::LoadFailed, r.error);
                                   return;
                               }
                               app.settings.CurWallPaper = selectedIndex + 1;
                               if (done)
                                   done(r.changed() ? SetAsWallpaperResult::Done
                                                    : SetAsWallpaperResult::ComposeFailed,
                                        r.error);
                           });
}
