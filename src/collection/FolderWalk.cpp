#include "collection/FolderWalk.h"

#include "platform/FolderReader.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

#include <vector>

FolderWalk::FolderWalk(Sink sink, std::function<bool()> cancelled)
    : m_sink(std::move(sink)), m_cancelled(std::move(cancelled)) {}

void FolderWalk::run(const QString& folder, bool recurse) {
    m_stop = false;
    m_visited.clear();
    if (!folder.isEmpty()) walk(folder, recurse);
}

bool FolderWalk::stopped() {
    if (!m_stop && m_cancelled && m_cancelled()) m_stop = true;
    return m_stop;
}

void FolderWalk::walk(const QString& folder, bool recurse) {
    std::vector<QString> subFolders;
    const QString folderPart = AddBackslash(folder);
    {
        FolderReader reader(folder);
        if (!reader.isOpen()) return;
        // A folder reached again through a link (a loop, or a second way to
        // the same folder) is walked once: a chain of links doubling at each
        // level would otherwise list its pictures thousands of times.
        const QByteArray identity = reader.identity();
        if (m_visited.contains(identity)) return;
        m_visited.insert(identity);

        QString name;
        FolderReader::Kind kind;
        while (reader.next(name, kind)) {
            if (stopped()) break;
            if (HasLineBreak(name)) {
                ++m_skippedNames;
                m_lineBreakPaths << folderPart + name;
                continue;
            }
            if (kind == FolderReader::Kind::Other)
                m_sink(folderPart, name);
            else if (recurse)
                subFolders.push_back(name);
        }
        m_skippedNames += reader.skippedNames();
    } // the folder is closed before its sub-folders are opened

    for (const QString& sub : subFolders) {
        if (stopped()) break;
        walk(folderPart + sub, recurse);
    }
}
