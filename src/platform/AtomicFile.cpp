#include "platform/AtomicFile.h"

#include <QFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Pushes the file's data from the system's caches to the disk.
bool syncToDisk(int handle) {
#ifdef Q_OS_WIN
    return ::_commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error) {
    return WriteFileAtomically(
        path, [&](QIODevice& file) { return file.write(data) == data.size(); }, error);
}

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error, bool syncData) {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    // Every step is checked here rather than left to a save-file helper: a
    // write refused for lack of space must never end in a rename that puts
    // an empty or cut-off file in place of the old one.
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    if (!temp.open()) return fail(temp.errorString());
    if (!write(temp) || !temp.flush()) return fail(temp.errorString());
    if (syncData && !syncToDisk(temp.handle()))
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // The new file keeps the old one's permissions; a first one gets those of
    // an ordinary new file rather than the temporary file's private ones.
    const QFile::Permissions permissions =
        QFile::exists(path)
            ? QFile::permissions(path)
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    temp.setPermissions(permissions);
    temp.close();
    if (temp.error() != QFileDevice::NoError) return fail(temp.errorString());
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(temp.fileName()).toStdString()),
                            std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
    if (ec) return fail(QString::fromLocal8Bit(ec.message().c_str()));
    // The temporary name no longer exists; nothing is left to remove.
    temp.setAutoRemove(false);
    return true;
}
