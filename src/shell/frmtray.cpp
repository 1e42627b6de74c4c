#include "shell/frmtray.h"

#include "settings/AppContext.h"

#include <QIcon>
#include <QSystemTrayIcon>
#include <cstdio>

frmtray::frmtray(AppContext& app, QObject* parent) : QObject(parent), m_app(app) {
    Timer1.setInterval(1000);
}

frmtray::~frmtray() { removeTrayIcon(); }

void frmtray::PlaceTray() {
    if (m_icon)
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        std::fprintf(stderr, "Tessaly: no notification area is available; running without a tray icon.\n");
        return;
    }
    m_icon = new QSystemTrayIcon(this);
    m_icon->setIcon(QIcon(m_app.programFolder + QStringLiteral("/icons/tessaly.png")));
    m_icon->setToolTip(QStringLiteral("Tessaly"));
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick)
            emit settingsRequested();
    });
    m_icon->show();
}

void frmtray::removeTrayIcon() {
    if (!m_icon)
        return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

void frmtray::setChangeTimer(bool enabled) {
    if (enabled)
        Timer1.start();
    else
        Timer1.stop();
}
