#include "collection/WallpaperChange.h"

#include "collection/Selection.h"
#include "context/AppContext.h"
#include "settings/FileNames.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <functional>
#include <memory>

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
ChangeResult besideTheUserInterface(const std::function<ChangeResult()>& work) {
    const QCoreApplication* core = QCoreApplication::instance();
    if (!core || QThread::currentThread() != core->thread()) return work();
    ChangeResult result;
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

// Compose and write, away from the user interface; Changed means the bitmap
// is written and only the desktop remains to be told.
ChangeResult composeAndWrite(const QList<SourcePicture>& sources,
                             const QList<WatermarkFields>& fields, const DesktopJob& job,
                             ChangeResult result) {
    QList<MonitorPicture> pictures;
    for (qsizetype i = 0; i < sources.size(); ++i)
        pictures.append({&sources[i], fields.value(i)});
    const QImage canvas = ComposeDesktop(job.layout, job.mode, pictures, job.common);
    if (canvas.isNull()) {
        result.status = ChangeResult::Status::ComposeFailed;
        return result;
    }
    if (!WriteWallpaperBitmap(canvas, job.bitmap, &result.error)) {
        result.status = ChangeResult::Status::WriteFailed;
        return result;
    }
    result.status = ChangeResult::Status::Changed;
    return result;
}

// The end of every change, back on the user interface's thread: the desktop
// shows the new bitmap, unless the program ended meanwhile.
ChangeResult setWhenWritten(AppContext& app, const CompositionChoices& choices,
                            ChangeResult result) {
    if (result.changed() && !app.collectionScan.abandon) SetDesktopWallpaper(app, choices.position);
    return result;
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
    ChangeRunning running(app);
    // What needs the platform's services is read here, on this thread.
    const DesktopJob job = desktopJob(app, choices);
    QList<WatermarkFields> fields;
    for (const QString& path : paths)
        fields.append(WatermarkFieldsForPicture(path));
    result = besideTheUserInterface([&, result]() mutable {
        QList<SourcePicture> sources;
        for (const QString& path : paths) {
            SourcePicture source;
            if (!LoadPictureFor(path, choices.position.mode, job.decodeFor, source,
                                &result.error)) {
                result.status = ChangeResult::Status::LoadFailed;
                result.picture = path;
                return result;
            }
            sources.append(std::move(source));
        }
        return composeAndWrite(sources, fields, job, result);
    });
    if (result.changed()) {
        app.settings.MonitorPictures = paths;
        app.shownInternetPicture.clear();
    }
    return setWhenWritten(app, choices, result);
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
    result =
        besideTheUserInterface([&] { return composeAndWrite({source}, {fields}, job, result); });
    // A picture from memory alone is not kept: a new monitor layout waits
    // for the next change.
    if (result.changed()) forgetShownPictures(app);
    return setWhenWritten(app, choices, result);
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
    result = besideTheUserInterface([&, result]() mutable {
        SourcePicture source;
        // Bytes that do not make a picture (an error page, a cut-off file)
        // leave the wallpaper as it is.
        if (!LoadPictureFromBytes(bytes, QStringLiteral("Internet file"), source, &result.error)) {
            result.status = ChangeResult::Status::LoadFailed;
            return result;
        }
        return composeAndWrite({source}, {fields}, job, result);
    });
    if (result.changed()) {
        app.settings.MonitorPictures.clear();
        app.shownInternetPicture = bytes;
    }
    return setWhenWritten(app, choices, result);
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
    const qsizetype count = app.PictureList.size();
    if (count > 0) {
        const double current = app.settings.CurWallPaper;
        const qsizetype k = app.settings.TechniqueTimer == ChangeTechnique::Random
                                ? SelectRandom(count, current, app.random)
                                : SelectSequence(count, current);
        QList<qsizetype> chosen{k};
        if (app.settings.MonitorMode == MonitorSharing::Different)
            chooseFollowing(app, chosen, app.screenLayout().monitors.size());
        // The position moves before the picture loads: a picture that fails
        // is passed over by the next change. It names the last one chosen.
        app.settings.CurWallPaper = double(chosen.last());
        QStringList paths;
        for (qsizetype position : chosen)
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
