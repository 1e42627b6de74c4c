#pragma once

#include "platform/ScreenInfo.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;

// A picture file as it was read. Rewriting it changes its size or its
// modification time; a file put in its place (even one with both the same)
// changes its status-change time.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    QDateTime statusChanged;
    static FileStamp of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};

// Everything a composed desktop depends on but its watermark, which is drawn
// when the canvas is shown.
struct CanvasKey {
    QStringList paths;
    QList<FileStamp> files;
    ScreenLayout layout;
    MonitorSharing mode = MonitorSharing::Same;
    PositionMode position = PositionMode::Center;
    ColorFilterSettings filters;
    quint32 desktopColor = 0;
    bool operator==(const CanvasKey&) const = default;
};

// The pictures the next change shows (positions in the picture list), chosen
// ahead of it: good while the list, the current position, the technique and
// the number of pictures wanted are what they were.
struct PicturePick {
    QStringList list;
    double from = 0;
    ChangeTechnique technique = ChangeTechnique::Sequence;
    qsizetype wanted = 1;
    QList<qsizetype> chosen;
    bool fits(const PicturePick& now) const {
        // The list is compared as a whole: unchanged, it is the same shared
        // list and the comparison ends at once.
        return from == now.from && technique == now.technique && wanted == now.wanted &&
               list == now.list;
    }
};

// The next wallpaper, prepared while the program is idle: its pictures
// chosen, then loaded and composed on a thread of idle priority, so that the
// next change only has to show it. Used on the thread of the user interface.
class PreparedWallpaper {
public:
    PreparedWallpaper();
    // Stops the work under way and waits for it.
    ~PreparedWallpaper();
    PreparedWallpaper(const PreparedWallpaper&) = delete;
    PreparedWallpaper& operator=(const PreparedWallpaper&) = delete;

    // The pick made ahead, taken when it still fits; nothing otherwise.
    std::optional<QList<qsizetype>> takePick(const PicturePick& now);
    const std::optional<PicturePick>& pick() const { return m_pick; }
    void setPick(PicturePick pick) { m_pick = std::move(pick); }

    // Composes the canvas for `key` in the background with `compose`, which
    // gets a canvas to reuse and a flag telling it to give up; it returns a
    // null image when it failed or gave up. Nothing when that canvas is
    // composed or under way already.
    using Compose = std::function<QImage(QImage reuse, const std::atomic<bool>& giveUp)>;
    void start(const CanvasKey& key, Compose compose);
    // The canvas composed for exactly `key`, taken; a null image when there
    // is none. Work under way stops: the change composes at its own priority.
    QImage take(const CanvasKey& key);
    // A canvas to compose into, no longer needed for showing (kept also
    // when nothing is prepared: the next change composes into it).
    QImage spare() { return std::exchange(m_spare, QImage()); }
    void recycle(QImage canvas) { m_spare = std::move(canvas); }
    // Stops the work under way; a composed canvas is kept only to compose in.
    void drop();

    bool ready() const { return !m_canvas.isNull(); }
    bool busy() const { return m_thread != nullptr; }
    // The object the preparation's own signal connections live on.
    QObject& context() { return m_context; }

private:
    struct Job;
    void startJob(std::shared_ptr<Job> job);
    void finished();
    void stop();

    QObject m_context;
    std::optional<PicturePick> m_pick;
    CanvasKey m_key;
    QImage m_canvas;
    QImage m_spare;
    std::shared_ptr<Job> m_job;
    QThread* m_thread = nullptr;
    // Work asked for while other work was still stopping.
    std::shared_ptr<Job> m_next;
};
