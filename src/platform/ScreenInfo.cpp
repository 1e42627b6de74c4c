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

QRect ScreenLayout::bounds() const {
    QRect r;
    for (const MonitorInfo& m : monitors)
        r |= m.geometry;
    return r;
}

bool ScreenLayout::operator==(const ScreenLayout& o) const {
    if (monitors.size() != o.monitors.size()) return false;
    for (qsizetype i = 0; i < monitors.size(); ++i)
        if (monitors[i].geometry != o.monitors[i].geometry ||
            monitors[i].workArea != o.monitors[i].workArea || monitors[i].dpi != o.monitors[i].dpi)
            return false;
    return true;
}

ScreenLayout SingleScreenLayout(const ScreenInfo& screen) {
    ScreenLayout layout;
    layout.monitors.append({QRect(QPoint(0, 0), screen.size), screen.workArea, screen.dpi, true});
    return layout;
}

ScreenLayout CurrentScreenLayout() {
    ScreenLayout layout;
    QScreen* primary = QGuiApplication::primaryScreen();
    QList<QScreen*> screens = QGuiApplication::screens();
    if (!primary || screens.isEmpty()) return SingleScreenLayout(PrimaryScreenInfo());
    screens.removeAll(primary);
    screens.prepend(primary);
    for (QScreen* s : screens) {
        // Device pixels: each monitor at its own ratio, placed where its
        // logical place falls on the virtual desktop.
        const qreal dpr = s->devicePixelRatio();
        const QRect g = s->geometry();
        const QRect a = s->availableGeometry();
        MonitorInfo m;
        m.geometry = QRect(qRound(g.x() * dpr), qRound(g.y() * dpr), qRound(g.width() * dpr),
                           qRound(g.height() * dpr));
        m.workArea = QRect(qRound(a.x() * dpr), qRound(a.y() * dpr), qRound(a.width() * dpr),
                           qRound(a.height() * dpr));
        if (m.workArea.isEmpty()) m.workArea = m.geometry;
        const qreal dpi = s->logicalDotsPerInch();
        m.dpi = dpi > 0 ? dpi * dpr : 96;
        m.primary = s == primary;
        m.name = s->name();
        m.logicalGeometry = g;
        layout.monitors.append(m);
    }
    return layout;
}
