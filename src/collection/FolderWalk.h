#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
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

    // `cancelled` is asked at every entry: once it says yes, the walk ends
    // with what it found so far.
    explicit FolderWalk(Sink sink, std::function<bool()> cancelled = {});

    // Walks `folder` (and its sub-folders when `recurse`). A folder that
    // cannot be opened contributes nothing. One walk object may run over
    // several folders.
    void run(const QString& folder, bool recurse);

    // Names left out, over every run of this object: those that cannot be
    // opened again from their text, and those that hold a line break, which
    // the picture list file cannot keep (a folder with its content).
    int skippedNames() const { return m_skippedNames; }
    // The paths of the names left out for a line break, over every run.
    const QStringList& lineBreakPaths() const { return m_lineBreakPaths; }

private:
    void walk(const QString& folder, bool recurse);
    bool stopped();

    Sink m_sink;
    std::function<bool()> m_cancelled;
    int m_skippedNames = 0;
    QStringList m_lineBreakPaths;
    bool m_stop = false;
    // Identities of the folders walked so far in this run.
    QSet<QByteArray> m_visited;
};
