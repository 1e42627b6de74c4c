#include "platform/FolderReader.h"

#include <QFile>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

struct FolderReader::Private {
    DIR* dir = nullptr;
    QByteArray identity;
    int skipped = 0;
};

FolderReader::FolderReader(const QString& folder) : d(std::make_unique<Private>()) {
    const QByteArray path = QFile::encodeName(folder);
    d->dir = ::opendir(path.constData());
    if (!d->dir) return;
    struct stat st;
    if (::fstat(::dirfd(d->dir), &st) != 0) {
        ::closedir(d->dir);
        d->dir = nullptr;
        return;
    }
    const quint64 key[2] = {quint64(st.st_dev), quint64(st.st_ino)};
    d->identity = QByteArray(reinterpret_cast<const char*>(key), sizeof key);
}

FolderReader::~FolderReader() {
    if (d->dir) ::closedir(d->dir);
}

bool FolderReader::isOpen() const {
    return d->dir != nullptr;
}

QByteArray FolderReader::identity() const {
    return d->identity;
}

int FolderReader::skippedNames() const {
    return d->skipped;
}

bool FolderReader::next(QString& name, Kind& kind) {
    if (!d->dir) return false;
    while (const dirent* e = ::readdir(d->dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        // A name that is not valid in the file-name encoding cannot be opened
        // again from its text: listing it would only waste a change on it.
        const QByteArray raw = QByteArray::fromRawData(n, qsizetype(std::strlen(n)));
        name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw) {
            ++d->skipped;
            continue;
        }
        unsigned char type = e->d_type;
        bool link = type == DT_LNK;
        if (type == DT_UNKNOWN) {
            // The file system does not report types in its listing: ask.
            struct stat st;
            if (::fstatat(::dirfd(d->dir), n, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                link = S_ISLNK(st.st_mode);
                type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
            }
        }
        if (link) {
            // A link counts as what it points at; a dangling one is no folder.
            struct stat st;
            const bool toFolder = ::fstatat(::dirfd(d->dir), n, &st, 0) == 0 && S_ISDIR(st.st_mode);
            kind = toFolder ? Kind::FolderLink : Kind::Other;
        } else {
            kind = type == DT_DIR ? Kind::Folder : Kind::Other;
        }
        return true;
    }
    return false;
}
