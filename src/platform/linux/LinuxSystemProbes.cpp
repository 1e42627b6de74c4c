#include "platform/linux/LinuxSystemProbes.h"

#include <QByteArrayList>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QGuiApplication>
#include <unistd.h>

#if QT_CONFIG(xcb)
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#endif

namespace {
// Probes run on the user-interface thread: a silent service must not stall it.
constexpr int kCallTimeoutMs = 500;
} // namespace

std::optional<CpuMeter::Counters> ParseProcStat(const QByteArray& statText) {
    for (const QByteArray& line : statText.split('\n')) {
        if (!line.startsWith("cpu ")) continue;
        const QByteArrayList fields = line.simplified().split(' ');
        // cpu user nice system idle [iowait irq softirq steal guest guest_nice]
        if (fields.size() < 5) return std::nullopt;
        CpuMeter::Counters c;
        // Guest time is already part of user time, so only the first eight count.
        for (qsizetype i = 1; i < fields.size() && i <= 8; ++i) {
            bool ok = false;
            const quint64 v = fields[i].toULongLong(&ok);
            if (!ok) return std::nullopt;
            c.total += v;
            if (i != 4 && i != 5) // idle and iowait
                c.busy += v;
        }
        return c;
    }
    return std::nullopt;
}

CpuMeter::Reader ProcStatReader(QString statPath) {
    return [path = std::move(statPath)]() -> std::optional<CpuMeter::Counters> {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        // /proc files report size 0: read until the end.
        return ParseProcStat(f.readAll());
    };
}

static_assert(CpuMeter::Measuring == SystemProbes::CpuMeasuring &&
              CpuMeter::Unreadable == SystemProbes::CpuUnreadable);

int LinuxSystemProbes::cpuUsage() {
    return m_cpu.usage();
}

std::optional<bool> LinuxSystemProbes::screenSaverServiceActive() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return std::nullopt;
    for (const QString& path :
         {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"), path,
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetActive"));
        const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            return reply.arguments().constFirst().toBool();
        // Nobody owns the name: the other path will not help either.
        if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")) break;
    }
    return std::nullopt;
}

std::optional<bool> LinuxSystemProbes::x11ScreenSaverOn() {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return std::nullopt;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_screensaver_id);
    if (!ext || !ext->present) return std::nullopt;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen) return std::nullopt;
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, screen->root), nullptr);
    if (!info) return std::nullopt;
    const bool on =
        info->state == XCB_SCREENSAVER_STATE_ON || info->state == XCB_SCREENSAVER_STATE_CYCLE;
    free(info);
    return on;
#else
    return std::nullopt;
#endif
}

std::optional<bool> LinuxSystemProbes::logindLockedHint() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return std::nullopt;
    const QString service = QStringLiteral("org.freedesktop.login1");
    if (m_sessionPath.isEmpty()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
        call << static_cast<quint32>(::getpid());
        const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return std::nullopt;
        m_sessionPath = reply.arguments().constFirst().value<QDBusObjectPath>().path();
        if (m_sessionPath.isEmpty()) return std::nullopt;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, m_sessionPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.login1.Session") << QStringLiteral("LockedHint");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        m_sessionPath.clear();
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

bool LinuxSystemProbes::isScreenSaverRunning() {
    return screenSaverServiceActive().value_or(false) || x11ScreenSaverOn().value_or(false);
}

bool LinuxSystemProbes::isDesktopLocked() {
    if (const std::optional<bool> locked = logindLockedHint()) return *locked;
    return screenSaverServiceActive().value_or(false);
}

bool LinuxSystemProbes::isOnBattery() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UPower"), QStringLiteral("/org/freedesktop/UPower"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.UPower") << QStringLiteral("OnBattery");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}
