#include "settings/FileNames.h"

#include <QDir>

QString AddBackslash(const QString& folder) {
    const QChar sep = QDir::separator();
    if (folder.endsWith(sep)) return folder;
    return folder + sep;
}

void MakeSafeFileName(QString& text) {
    for (const QChar c : {u':', u'/', u'\\', u'|', u'*', u'?', u'"', u'<', u'>'})
        text.replace(c, QLatin1Char(' '));
}
