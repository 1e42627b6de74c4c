#pragma once

#include <QByteArray>
#include <QString>

// Writes `data` as the whole new content of the file at `path`: into a
// temporary file beside it, flushed to the disk, then renamed over the old
// file. A failure at any step (a full disk among them) leaves the old file as
// it was and returns false with the reason in `error`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);
