#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <functional>

// Walks a folder tree in pre-order and hands every file to a sink: the files
// of a folder before those of its sub-folders, entries in the file system's
// own order. Symbolic links are followed, but each folder (by device and
// inode) is walked once per run, so loops end and a folder reached by several
// links is listed once.
class FolderWalk {
public:
    // `folder` is the folder part of the files found in the current folder
    // (with a trailing separator); `name` is the file's name.
    using Sink = std::function<void(const QString& folder, const QString& name)>;

    FolderWalk(Sink sink, std::function<void()> processEvents,
               std::function<bool()> cancelled = {});

    // Walks `folder` (and its sub-folders when `recurse`). A folder that
    // cannot be opened contributes nothing. One walk object may run over
    // several folders; the time since events were last processed carries over.
    void run(const QString& folder, bool recurse);

    // Names left out because they cannot be opened again from their text,
    // over every run of this object.
    int skippedNames() const { return m_skippedNames; }

    // Pending events are processed at most this often while walking.
    static constexpr qint64 EventIntervalMs = 5;

private:
    void walk(const QString& folder, bool recurse);
    void tick();
    bool stopped();

    Sink m_sink;
    std::function<void()> m_processEvents;
    std::function<bool()> m_cancelled;
    QElapsedTimer m_sinceEvents;
    unsigned m_entries = 0;
    int m_skippedNames = 0;
    bool m_stop = false;
    // Identities of the folders walked so far in this run.
    QSet<QByteArray> m_visited;
};
