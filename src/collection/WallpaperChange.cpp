#include "collection/WallpaperChange.h"

#include "collection/PreparedWallpaper.h"
#include "collection/Selection.h"
#include "context/AppContext.h"
#include "platform/Memory.h"
#include "settings/FileNames.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

namespace {

// Marks a change as running for as long as it lives.
class ChangeRunning {
public:
    explicit ChangeRunning(AppContext& app) : m_app(app) { m_app.changing = true; }
    ~ChangeRunning() { m_app.changing = false; }
    ChangeRunning(const ChangeRunning&) = delete;
    ChangeRunning& operator=(const ChangeRunning&) = delete;

private:
    AppContext& m_app;
};

// Runs `work` on a thread of its own while this thread goes on handling its
// events, so the tray menu, the hot keys and the command line answer during
// a long change; returns the work's result. Changes stay one at a time: a
// change asked for meanwhile finds `app.changing` set and is skipped.
template <typename Work> auto besideTheUserInterface(Work work) -> decltype(work()) {
    const QCoreApplication* core = QCoreApplication::instance();
    if (!core || QThread::currentThread() != core->thread()) return work();
    decltype(work()) result{};
    const std::unique_ptr<QThread> thread(QThread::create([&] { result = work(); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    // The loop also ends when the program is asked to end: the work is
    // still waited for, since it writes into `result`.
    thread->wait();
    return result;
}

// What composing the desktop needs, read on the user interface's thread.
struct DesktopJob {
    ScreenLayout layout;
    MonitorSharing mode = MonitorSharing::Same;
    CompositionInputs common;
    QString bitmap;
    // The size pictures are decoded for: the largest monitor, or the whole
    // desktop for "Span".
    QSize decodeFor;
};

DesktopJob desktopJob(AppContext& app, const CompositionChoices& choices) {
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

CanvasKey canvasKeyFor(const DesktopJob& job, const QStringList& paths) {
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

// Loads the pictures and composes them, without the watermarks, on a canvas
// of `format` (into `reuse` where it fits); a null image when a picture did
// not load (the reason in `result`), the composition failed, or `giveUp` was
// set.
QImage composePictures(const QStringList& paths, const DesktopJob& job, QImage reuse,
                       QImage::Format format, ChangeResult& result,
                       const std::atomic<bool>* giveUp) {
    QList<SourcePicture> sources;
    for (const QString& path : paths) {
        if (giveUp && *giveUp) return QImage();
        SourcePicture source;
        if (!LoadPictureFor(path, job.common.position, job.decodeFor, source, &result.error)) {
            result.status = ChangeResult::Status::LoadFailed;
            result.picture = path;
            return QImage();
        }
        sources.append(std::move(source));
    }
    if (giveUp && *giveUp) return QImage();
    QList<MonitorPicture> pictures;
    for (const SourcePicture& source : sources)
        pictures.append(MonitorPicture{&source, {}});
    QImage canvas = ComposeDesktopPictures(job.layout, job.mode, pictures, job.common,
                                           std::move(reuse), format);
    if (canvas.isNull()) result.status = ChangeResult::Status::ComposeFailed;
    return canvas;
}

// The end of every change, from a canvas with its pictures composed: the
// watermarks go on; the desktop shows the canvas straight from memory where
// it can; the bitmap is written; then the desktop's own setting, which reads
// that file, is told. Nothing reaches the desktop once the program is ending.
ChangeResult showAndWrite(AppContext& app, const CompositionChoices& choices, const DesktopJob& job,
                          QImage& canvas, const QList<WatermarkFields>& fields,
                          ChangeResult result) {
    besideTheUserInterface([&] {
        DrawDesktopWatermarks(canvas, job.layout, job.mode, fields, job.common);
        return true;
    });
    if (!app.collectionScan.abandon) app.platform.desktop->showCanvas(canvas);
    if (!besideTheUserInterface(
            [&] { return WriteWallpaperBitmap(canvas, job.bitmap, &result.error); })) {
        result.status = ChangeResult::Status::WriteFailed;
        return result;
    }
    result.status = ChangeResult::Status::Changed;
    if (!app.collectionScan.abandon) SetDesktopWallpaper(app, choices.position);
    return result;
}

// The holder of the next wallpaper and of the canvas to compose it in, made
// with the first change; from then on every settings change prepares again.
PreparedWallpaper& preparedOf(AppContext& app) {
    if (!app.prepared) {
        app.prepared = std::make_shared<PreparedWallpaper>();
        QObject::connect(&app.events, &AppEvents::changed, &app.prepared->context(),
                         [&app] { PrepareNextWallpaperSoon(app); });
    }
    return *app.prepared;
}

// After a change: the canvas shown is composed into again for the next one,
// and what the change decoded goes back to the system.
void putAway(AppContext& app, QImage& canvas) {
    preparedOf(app).recycle(std::exchange(canvas, QImage()));
    ReturnFreedMemory();
}

// The state the next change's choice depends on.
PicturePick pickNow(AppContext& app) {
    PicturePick now;
    now.list = app.PictureList;
    now.from = app.settings.CurWallPaper;
    now.technique = app.settings.TechniqueTimer;
    if (app.settings.MonitorMode == MonitorSharing::Different)
        now.wanted = app.screenLayout().monitors.size();
    return now;
}

// With a picture per monitor: appends to `chosen` (positions from 1 in
// PictureList) the pictures of the monitors up to `monitors`, each the next
// in turn (or at random), never the same one twice while the list has enough.
void chooseFollowing(AppContext& app, QList<qsizetype>& chosen, qsizetype monitors) {
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

// The positions of the pictures the next change shows (`now` is the state
// of `app`): by the technique, and with a picture per monitor the others
// following.
QList<qsizetype> choosePictures(AppContext& app, const PicturePick& now) {
    const qsizetype count = now.list.size();
    QList<qsizetype> chosen{now.technique == ChangeTechnique::Random
                                ? SelectRandom(count, now.from, app.random)
                                : SelectSequence(count, now.from)};
    chooseFollowing(app, chosen, now.wanted);
    return chosen;
}

// Prepares the next wallpaper once the current call has returned (the
// current position is final then).
void prepareSoon(AppContext& app) {
    QTimer::singleShot(0, &preparedOf(app).context(), [&app] { PrepareNextWallpaper(app); });
}

// Nothing shown is kept for a new monitor layout.
void forgetShownPictures(AppContext& app) {
    app.settings.MonitorPictures.clear();
    app.shownInternetPicture.clear();
}

} // namespace

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

ChangeResult ShowPicturesAsWallpaper(AppContext& app, const QStringList& paths,
                                     const CompositionChoices& choices) {
    ChangeResult result;
    result.picture = paths.value(0);
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    if (paths.isEmpty()) return result;
    {
        ChangeRunning running(app);
        // What needs the platform's services is read here, on this thread.
        const DesktopJob job = desktopJob(app, choices);
        QList<WatermarkFields> fields;
        for (const QString& path : paths)
            fields.append(WatermarkFieldsForPicture(path));
        // The canvas prepared for exactly these files and settings is shown
        // as it is; any other is composed now (into a canvas no longer
        // needed, when there is one).
        QImage canvas, reuse;
        if (app.prepared) {
            canvas = app.prepared->take(canvasKeyFor(job, paths));
            if (canvas.isNull()) reuse = app.prepared->spare();
        }
        if (canvas.isNull())
            canvas = besideTheUserInterface([&] {
                return composePictures(paths, job, std::move(reuse), QImage::Format_RGB32, result,
                                       nullptr);
            });
        if (!canvas.isNull()) {
            result = showAndWrite(app, choices, job, canvas, fields, result);
            if (result.changed()) {
                app.settings.MonitorPictures = paths;
                app.shownInternetPicture.clear();
            }
        }
        putAway(app, canvas);
    }
    prepareSoon(app);
    return result;
}

ChangeResult ShowPictureAsWallpaper(AppContext& app, const QString& path,
                                    const CompositionChoices& choices) {
    return ShowPicturesAsWallpaper(app, {path}, choices);
}

ChangeResult ShowSourceAsWallpaper(AppContext& app, const SourcePicture& source,
                                   const CompositionChoices& choices,
                                   const WatermarkFields& fields) {
    ChangeResult result;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    ChangeRunning running(app);
    const DesktopJob job = desktopJob(app, choices);
    QImage reuse = app.prepared ? app.prepared->spare() : QImage();
    QImage canvas = besideTheUserInterface([&] {
        return ComposeDesktopPictures(job.layout, job.mode, {{&source, fields}}, job.common,
                                      std::move(reuse));
    });
    if (canvas.isNull()) {
        result.status = ChangeResult::Status::ComposeFailed;
        return result;
    }
    result = showAndWrite(app, choices, job, canvas, {fields}, result);
    // A picture from memory alone is not kept: a new monitor layout waits
    // for the next change.
    if (result.changed()) forgetShownPictures(app);
    putAway(app, canvas);
    return result;
}

ChangeResult ShowInternetPictureAsWallpaper(AppContext& app, const QByteArray& bytes,
                                            const CompositionChoices& choices) {
    ChangeResult result;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    ChangeRunning running(app);
    const DesktopJob job = desktopJob(app, choices);
    const WatermarkFields fields = WatermarkFieldsForInternet();
    QImage reuse = app.prepared ? app.prepared->spare() : QImage();
    QImage canvas = besideTheUserInterface([&] {
        SourcePicture source;
        // Bytes that do not make a picture (an error page, a cut-off file)
        // leave the wallpaper as it is.
        if (!LoadPictureFromBytes(bytes, QStringLiteral("Internet file"), source, &result.error)) {
            result.status = ChangeResult::Status::LoadFailed;
            return QImage();
        }
        QImage composed = ComposeDesktopPictures(job.layout, job.mode, {{&source, fields}},
                                                 job.common, std::move(reuse));
        if (composed.isNull()) result.status = ChangeResult::Status::ComposeFailed;
        return composed;
    });
    if (canvas.isNull()) return result;
    result = showAndWrite(app, choices, job, canvas, {fields}, result);
    if (result.changed()) {
        app.settings.MonitorPictures.clear();
        app.shownInternetPicture = bytes;
    }
    putAway(app, canvas);
    return result;
}

ChangeResult RecomposeWallpaper(AppContext& app) {
    if (app.changing) {
        ChangeResult busy;
        busy.status = ChangeResult::Status::Busy;
        return busy;
    }
    const CompositionChoices choices = CompositionChoices::stored(app.settings);
    if (!app.shownInternetPicture.isEmpty())
        return ShowInternetPictureAsWallpaper(app, app.shownInternetPicture, choices);
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
            chooseFollowing(app, chosen, monitors);
            for (qsizetype i = paths.size(); i < chosen.size(); ++i)
                paths << app.PictureList.at(chosen[i] - 1);
            app.settings.CurWallPaper = double(chosen.last());
        }
    }
    // Pictures deleted since are left out; when none is left, the current
    // picture of the list takes their place.
    paths.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    if (paths.isEmpty() && !app.currentPicture().isEmpty()) paths << app.currentPicture();
    if (paths.isEmpty()) return {};
    return ShowPicturesAsWallpaper(app, paths, choices);
}

ChangeResult NextWallpaper(AppContext& app) {
    ChangeResult result;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    if (app.settings.WPSource == WallpaperSource::Internet) {
        if (app.internetNext) app.internetNext();
        result.status = ChangeResult::Status::HandedOn;
        return result;
    }
    if (!app.PictureList.isEmpty()) {
        // The pictures drawn ahead when they were prepared, while the list
        // and the current position are still those they were drawn from.
        const PicturePick now = pickNow(app);
        std::optional<QList<qsizetype>> chosen;
        if (app.prepared) chosen = app.prepared->takePick(now);
        if (!chosen) chosen = choosePictures(app, now);
        // The position moves before the picture loads: a picture that fails
        // is passed over by the next change. It names the last one chosen.
        app.settings.CurWallPaper = double(chosen->last());
        QStringList paths;
        for (qsizetype position : *chosen)
            paths << app.PictureList.at(position - 1);
        result = ShowPicturesAsWallpaper(app, paths, CompositionChoices::stored(app.settings));
    }
    // The chosen path; for a picture that could not be shown, why not.
    if (app.settings.BubbleFileName)
        app.platform.notifier->showBubble(
            result.status == ChangeResult::Status::LoadFailed ? result.error : app.currentPicture(),
            5000, BubbleKind::FileName);
    return result;
}

void PrepareNextWallpaper(AppContext& app) {
    if (!app.prepared || app.changing || app.collectionScan.running || app.collectionScan.abandon)
        return;
    PreparedWallpaper& prepared = *app.prepared;
    const Settings& s = app.settings;
    if (!s.PrepareNextWallpaper || s.WPSource == WallpaperSource::Internet ||
        app.PictureList.isEmpty() || (app.platform.probes && app.platform.probes->isOnBattery())) {
        prepared.drop();
        return;
    }
    // Drawn once and kept: the random draw is made ahead, not twice.
    PicturePick now = pickNow(app);
    if (!prepared.pick() || !prepared.pick()->fits(now)) {
        now.chosen = choosePictures(app, now);
        prepared.setPick(now);
    }
    QStringList paths;
    for (qsizetype position : prepared.pick()->chosen)
        paths << app.PictureList.at(position - 1);
    const DesktopJob job = desktopJob(app, CompositionChoices::stored(s));
    prepared.start(canvasKeyFor(job, paths),
                   [paths, job](QImage reuse, const std::atomic<bool>& giveUp) {
                       // Kept in 24 bits while it waits: a quarter less memory.
                       ChangeResult ignored;
                       return composePictures(paths, job, std::move(reuse), QImage::Format_BGR888,
                                              ignored, &giveUp);
                   });
}

void PrepareNextWallpaperSoon(AppContext& app) {
    if (app.prepared) prepareSoon(app);
}

void SetDesktopWallpaper(AppContext& app, const WallpaperPosition& position) {
    app.platform.desktop->setWallpaper(app.paths.WallpaperBitmapPath, position.text);
}

void ClearWallpaper(AppContext& app) {
    SetDesktopWallpaper(app, WallpaperPosition::of(PositionMode::Clear));
    // A new monitor layout does not bring the wallpaper back.
    forgetShownPictures(app);
}

SetAsWallpaperResult SetSelectedPictureAsWallpaper(AppContext& app, const QString& folder,
                                                   const QString& fileName, int selectedIndex,
                                                   const CompositionChoices& choices,
                                                   QString* error) {
    if (selectedIndex < 0) return SetAsWallpaperResult::NothingSelected;
    const ChangeResult r = ShowPictureAsWallpaper(app, AddBackslash(folder) + fileName, choices);
    if (r.status == ChangeResult::Status::LoadFailed) {
        if (error) *error = r.error;
        return SetAsWallpaperResult::LoadFailed;
    }
    app.settings.CurWallPaper = selectedIndex + 1;
    if (!r.changed()) {
        if (error) *error = r.error;
        return SetAsWallpaperResult::ComposeFailed;
    }
    return SetAsWallpaperResult::Done;
}
