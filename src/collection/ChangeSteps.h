#pragma once

// The steps of a wallpaper change that the change functions and the job
// queue share; inside the collection library only.

#include "collection/PreparedWallpaper.h"
#include "collection/WallpaperChange.h"
#include "context/Jobs.h"

#include <QImage>
#include <QList>
#include <atomic>

class AppContext;

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
DesktopJob DesktopJobFor(AppContext& app, const CompositionChoices& choices);
CanvasKey CanvasKeyFor(const DesktopJob& job, const QStringList& paths);

// Loads the pictures and composes them, without the watermarks, on a canvas
// of `format` (into `reuse` where it fits); a null image when a picture did
// not load (the reason in `result`), the composition failed, or `cancel` was
// set.
QImage ComposePictures(const QStringList& paths, const DesktopJob& job, QImage reuse,
                       QImage::Format format, ChangeResult& result,
                       const std::atomic<bool>* cancel);

// The state the next change's choice depends on, and the positions (from 1
// in PictureList) of the pictures it shows.
PicturePick PickNow(AppContext& app);
QList<qsizetype> ChoosePictures(AppContext& app, const PicturePick& now);
// With a picture per monitor: appends the pictures of the monitors up to
// `monitors`, each the next in turn (or at random).
void ChooseFollowing(AppContext& app, QList<qsizetype>& chosen, qsizetype monitors);

// The holder of the next wallpaper, made with the first change.
PreparedWallpaper& PreparedOf(AppContext& app);

// Everything a change job needs, owned: it runs on a job thread.
struct ChangeWork {
    enum class From { Files, Bytes, Source };
    From from = From::Files;
    DesktopJob job;
    QStringList paths;
    QByteArray bytes;
    SourcePicture source;
    QList<WatermarkFields> fields;
    // The canvas prepared ahead for exactly this change, when there is one.
    QImage prepared;
    // A canvas to compose into.
    QImage reuse;
    CancelFlag cancel;
};
struct ChangeOutcome {
    ChangeResult result;
    QImage canvas;
};
// Loads, composes, draws the watermarks and writes the bitmap: Changed when
// the bitmap is written and the desktop may be told.
ChangeOutcome RunChangeWork(ChangeWork work);

// The pictures a recomposition shows now (empty: nothing is kept); may move
// CurWallPaper for monitors that had none.
QStringList PicturesToRecompose(AppContext& app);
