#pragma once

#include <QList>
#include <QString>
#include <functional>

class AppContext;

// One file found by a folder scan: its folder with a trailing separator and
// its name. Every file found is listed, whatever its type.
struct ScanEntry {
    QString folder;
    QString name;
    bool operator==(const ScanEntry&) const = default;
};
using ScanResult = QList<ScanEntry>;

// Rebuilds PictureList from the list file when `reloadList` (the files
// section for WPSource 0, the pictures of the listed folders for WPSource 1,
// nothing for the internet source), then arms or stops the change timer from
// WallpaperTimer. When the list file cannot be read, PictureList stays empty
// and the timer is left as it was. A rebuild asked for while one is running
// (from an event processed during its scan) does not start a second scan: the
// running one starts over once it reaches its next entry.
void RefreshSettings(AppContext& app, bool reloadList);

// Every file of `folder` (and, with `recurse`, of its sub-folders) in
// pre-order: a folder's files before those of its sub-folders, entries in the
// order the file system returns them, hidden files included. A symbolic link
// to a folder that is already on the path being walked is not followed again,
// so a walk always ends. A folder that is missing or unreadable adds nothing.
// Pending events are processed every few milliseconds while it runs.
ScanResult ScanFolder(AppContext& app, const QString& folder, bool recurse);

// The pictures of a whole folder tree (sub-folders always included), in scan
// order: what the settings window appends to its files list when a folder is
// dropped on it. The walk ends early, with what it found so far, once
// `cancelled` returns true.
ScanResult DirDiverPictures(AppContext& app, const QString& folder,
                            std::function<bool()> cancelled = {});

// Whether the file name counts as a picture: its last four characters,
// lower-cased, are one of the endings of the picture-format table
// (compose/PictureFormats.h).
bool IsPictureFile(const QString& name);
