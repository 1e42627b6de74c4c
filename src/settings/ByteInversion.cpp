#include "settings/ByteInversion.h"

#include "platform/AtomicFile.h"

#include <QFile>

void InvertBytes(QByteArray& buffer) {
    const qsizetype n = buffer.size();
    char* p = buffer.data();
    for (qsizetype i = 0; i + 1 < n; ++i)
        p[i] = static_cast<char>(255 - static_cast<unsigned char>(p[i]));
}

bool InvertFileBytes(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = in.readAll();
    const bool readOk = in.error() == QFileDevice::NoError && bytes.size() == in.size();
    in.close();
    if (!readOk) return false;
    if (bytes.isEmpty()) return true;
    InvertBytes(bytes);
    return WriteFileAtomically(path, bytes);
}
