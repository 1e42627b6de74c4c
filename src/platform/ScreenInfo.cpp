#include "platform/ScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>

ScreenInfo PrimaryScreenInfo() {
    ScreenInfo info;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        info.size = QSize(800, 600);
        info.workArea = QRect(QPoint(0, 0), info.size);
        return info;
    }
    const qreal dpr = screen->devicePixelRatio();
    const QRect g = screen->geometry();
    const QRect a = screen->availableGeometry();
    info.size = QSize(qRound(g.width() * dpr), qRound(g.height() * dpr));
    // The work area relative to the screen's own top-left corner.
    info.workArea = QRect(qRound((a.x() - g.x()) * dpr), qRound((a.y() - g.y()) * dpr),
                          qRound(a.width() * dpr), qRound(a.height() * dpr));
    if (info.workArea.isEmpty()) info.workArea = QRect(QPoint(0, 0), info.size);
    const qreal dpi = screen->logicalDotsPerInch();
    if (dpi > 0) info.dpi = dpi * dpr;
    return info;
}
