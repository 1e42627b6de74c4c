// The folder reader for systems without a native one: Qt's directory iterator.
#include "platform/FolderReader.h"

#include <QDirIterator>
#include <QFileInfo>

struct FolderReader::Private {
    std::unique_ptr<QDirIterator> it;
    QByteArray identity;
};

FolderReader::FolderReader(const QString& folder) : d(std::make_unique<Private>()) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) return;
    d->identity = info.canonicalFilePath().toUtf8();
    d->it = std::make_unique<QDirIterator>(folder, QDir::AllEntries | QDir::Hidden | QDir::System |
                                                       QDir::NoDotAndDotDot);
}

FolderReader::~FolderReader() = default;

bool FolderReader::isOpen() const {
    return d->it != nullptr;
}

QByteArray FolderReader::identity() const {
    return d->identity;
}

bool FolderReader::next(QString& name, Kind& kind) {
    if (!d->it || !d->it->hasNext()) return false;
    d->it->next();
    const QFileInfo info = d->it->fileInfo();
    name = info.fileName();
    if (!info.isDir())
        kind = Kind::Other;
    else
        kind = info.isSymLink() || info.isJunction() ? Kind::FolderLink : Kind::Folder;
    return true;
}

int FolderReader::skippedNames() const {
    return 0; // names come as text already
}
