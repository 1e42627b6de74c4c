#pragma once

#include "context/Jobs.h"
#include "settings/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>
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
// WallpaperTimer. The folders are searched by a job (collection/WallpaperJobs.h);
// PictureList keeps its entries until the new list is complete. When the list
// file cannot be read, PictureList becomes empty and the timer is left as it
// was. A rebuild asked for while one runs makes the running one start over.
void RefreshSettings(AppContext& app, bool reloadList);

// What a rebuild of the picture list reads, owned: it runs on a job thread.
struct ScanInputs {
    QString listFile;
    WallpaperSource source = WallpaperSource::LocalFiles;
    bool subFolders = true;
    CancelFlag cancel;
    // Called on the job's thread as each listed folder is searched.
    std::function<void(const QString& folder)> searching;
};
struct ScanOutcome {
    bool read = false; // the list file could be read
    QStringList list;
    int skippedNames = 0;
    bool searchedFolders = false;
};
// The picture list of the list file: its files, or the pictures of its
// folders; stops early when `cancel` is set.
ScanOutcome ScanPictureList(const ScanInputs& in);

// Every file of `folder` (and, with `recurse`, of its sub-folders) in
// pre-order: a folder's files before those of its sub-folders, entries in the
// order the file system returns them, hidden files included. A symbolic link
// to a folder that is already on the path being walked is not followed again,
// so a walk always ends. A folder that is missing or unreadable adds nothing.
// Runs where it is called: long folder trees belong on a job thread.
ScanResult ScanFolder(const QString& folder, bool recurse, std::function<bool()> cancelled = {});

// The pictures of a whole folder tree (sub-folders always included), in scan
// order: what the settings window appends to its files list when a folder is
// dropped on it. The walk ends early, with what it found so far, once
// `cancelled` returns true. Names with a line break are left out, their paths
// appended to `lineBreakPaths` when given; so are names that are not text.
ScanResult DirDiverPictures(const QString& folder, std::function<bool()> cancelled = {},
                            QStringList* lineBreakPaths = nullptr);

// Whether the file name counts as a picture: its last four characters,
// lower-cased, are one of the endings of the picture-format table
// (compose/PictureFormats.h).
bool IsPictureFile(const QString& name);
