#include "settings/ByteInversion.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <cstring>

void InvertBytes(QByteArray& buffer) {
    const qsizetype n = buffer.size();
    if (n < 2) return;
    // 255 minus a byte is the byte with every bit flipped; flipping eight
    // bytes at a time keeps this at memory speed for pictures of megabytes.
    auto* p = reinterpret_cast<unsigned char*>(buffer.data());
    const qsizetype last = n - 1;
    qsizetype i = 0;
    for (; i + 8 <= last; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, 8);
        word = ~word;
        std::memcpy(p + i, &word, 8);
    }
    for (; i < last; ++i)
        p[i] = static_cast<unsigned char>(~p[i]);
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
