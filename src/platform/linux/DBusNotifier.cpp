#include "platform/linux/DBusNotifier.h"

#include <QDBusMessage>
#include <QVariantMap>
#include <cstdio>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A missing server must not stall the user interface for long. A bus without
// one answers at once (the name has no owner); the limit is for a server that
// hangs or is being started by the bus.
constexpr int kCallTimeoutMs = 2000;
} // namespace

DBusNotifier::DBusNotifier() = default;

DBusNotifier::DBusNotifier(const QDBusConnection& bus) : m_bus(bus) {}

QDBusConnection DBusNotifier::bus() const {
    return m_bus ? *m_bus : QDBusConnection::sessionBus();
}

quint32& DBusNotifier::idOf(BubbleKind kind) {
    return m_ids.at(static_cast<std::size_t>(kind));
}

void DBusNotifier::showBubble(const QString& text, int ms, BubbleKind kind) {
    const QDBusConnection connection = bus();
    if (connection.isConnected()) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
        QVariantMap hints;
        hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tessaly"));
        // expire_timeout 0 means "until closed", which is what a 0 ms bubble asks for.
        call << QStringLiteral("Tessaly") << idOf(kind) << QStringLiteral("tessaly")
             << QStringLiteral("Tessaly") << text << QStringList() << hints
             << static_cast<qint32>(ms <= 0 ? 0 : ms);
        const QDBusMessage reply = connection.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            idOf(kind) = reply.arguments().constFirst().toUInt();
            return;
        }
    }
    if (m_fallback && m_fallback(text, ms)) return;
    std::fprintf(stderr, "Tessaly: %s\n", qPrintable(text));
}

void DBusNotifier::hideBubble(BubbleKind kind) {
    quint32& id = idOf(kind);
    if (id == 0) return;
    const QDBusConnection connection = bus();
    if (connection.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                           QStringLiteral("CloseNotification"));
        call << id;
        connection.call(call, QDBus::Block, kCallTimeoutMs);
    }
    id = 0;
}
