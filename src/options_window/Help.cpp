#include "options_window/Help.h"

#include "context/AppContext.h"

#include <QFileInfo>
#include <QLocale>
#include <QUrl>

QString HelpAddress(const AppContext& app, int context) {
    // The pages in the interface's language where they exist
    // (help/<language>/index.html), the English ones otherwise. The
    // interface's language is the default locale chosen at start-up.
    const QString help = app.programFolder + QStringLiteral("/help/");
    QString page = help + QStringLiteral("index.html");
    const QString language = QLocale().name().section(u'_', 0, 0);
    if (!language.isEmpty() && language != QStringLiteral("C") &&
        language != QStringLiteral("en")) {
        const QString translated = help + language + QStringLiteral("/index.html");
        if (QFileInfo(translated).isFile()) page = translated;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (context > 0) url.setFragment(QStringLiteral("context-%1").arg(context));
    return url.toString();
}
