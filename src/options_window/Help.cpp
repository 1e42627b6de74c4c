#include "options_window/Help.h"

#include "context/AppContext.h"

#include <QUrl>

QString HelpAddress(const AppContext& app, int context) {
    QUrl url = QUrl::fromLocalFile(app.programFolder + QStringLiteral("/help/index.html"));
    if (context > 0) url.setFragment(QStringLiteral("context-%1").arg(context));
    return url.toString();
}
