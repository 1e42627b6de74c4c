#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Reads the entries of one folder in the order the file system returns them,
// hidden entries included, "." and ".." left out. Each entry comes with what it
// is: a folder, a symbolic link (or junction) to a folder, or anything else.
// The type the listing itself reports is used where it is known, so plain
// files and folders cost no extra look-up.
class FolderReader {
public:
    enum class Kind { Other, Folder, FolderLink };

    // Opens the folder; isOpen() tells whether that worked.
    explicit FolderReader(const QString& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    bool isOpen() const;
    // What identifies the folder on this machine (the same folder reached by
    // two paths gives the same key). Empty when the folder is not open.
    QByteArray identity() const;
    // The next entry; false at the end of the listing or when it breaks off.
    // Names that cannot be turned into text and back (not valid in the file
    // names' encoding) are left out.
    bool next(QString& name, Kind& kind);
    // How many names next() left out so far.
    int skippedNames() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
