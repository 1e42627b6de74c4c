#include "platform/linux/LinuxDesktopService.h"

#include "platform/SettingsStore.h"

namespace {
constexpr quint32 kDefaultDesktopColor = 0x984E00; // RGB(0, 78, 152)
}

LinuxDesktopService::LinuxDesktopService(SettingsStore& store) : m_store(store) {}

void LinuxDesktopService::setWallpaper(const QString&, const QString&) {}

quint32 LinuxDesktopService::desktopColor() {
    bool ok = false;
    const quint32 v =
        m_store.value(QStringLiteral("Options"), QStringLiteral("DesktopColor")).value_or(QString()).toUInt(&ok);
    return ok ? v : kDefaultDesktopColor;
}

void LinuxDesktopService::setDesktopColor(quint32 color) {
    m_store.setValue(QStringLiteral("Options"), QStringLiteral("DesktopColor"), QString::number(color));
    m_store.sync();
}
