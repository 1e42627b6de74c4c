#include "platform/linux/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <cstdio>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A missing server must not stall the user interface for long.
constexpr int kCallTimeoutMs = 2000;
} // namespace

DBusNotifier::DBusNotifier() = default;

void DBusNotifier::showBubble(const QString& text, int ms, BubbleKind) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
        QVariantMap hints;
        hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tessaly"));
        // expire_timeout 0 means "until closed", which is what a 0 ms bubble asks for.
        call << QStringLiteral("Tessaly") << m_lastId << QStringLiteral("tessaly")
             << QStringLiteral("Tessaly") << text << QStringList() << hints
             << static_cast<qint32>(ms <= 0 ? 0 : ms);
        const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            m_lastId = reply.arguments().constFirst().toUInt();
            return;
        }
    }
    if (m_fallback && m_fallback(text, ms)) return;
    std::fprintf(stderr, "Tessaly: %s\n", qPrintable(text));
}

void DBusNotifier::hideBubble(BubbleKind) {
    if (m_lastId == 0) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                           QStringLiteral("CloseNotification"));
        call << m_lastId;
        bus.call(call, QDBus::Block, kCallTimeoutMs);
    }
    m_lastId = 0;
}
