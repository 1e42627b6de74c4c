#include "platform/Components.h"

#include <QStandardPaths>

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty()) return text;
    QString out = text;
    out.replace(find, replacement, Qt::CaseSensitive);
    return out;
}

QString TimeText(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds / 60) % 60;
    const qint64 s = seconds % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

QString SpecialFolder(int number) {
    switch (number) {
    case 26:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case 5:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    default:
        return {};
    }
}
