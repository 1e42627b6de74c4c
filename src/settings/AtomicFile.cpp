#include "settings/AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    if (file.write(data) != data.size()) return fail();
    // commit() flushes, syncs the temporary file to the disk and renames it.
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}
