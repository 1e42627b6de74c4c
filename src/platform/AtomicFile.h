#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes `data` as the whole new content of the file at `path`: into a
// temporary file beside it, flushed to the disk, then renamed over the old
// file. A failure at any step (a full disk among them) leaves the old file as
// it was and returns false with the reason in `error`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// The same, with the content written by `write` into the open temporary file
// (it returns false when it could not write all of it). With `syncToDisk`
// false the data is not pushed to the disk before the rename: readers still
// only ever see the old or the whole new file, but a power cut may lose the
// new one. For files that are made again at will.
bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error = nullptr, bool syncToDisk = true);
