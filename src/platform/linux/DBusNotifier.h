#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <array>
#include <optional>

// Bubbles as desktop notifications (org.freedesktop.Notifications). Each kind
// of bubble is its own notification: a bubble replaces the one of its own kind
// still on screen, and hideBubble() closes only that one, so a message can
// stay up "until hidden". Without a notification server the message goes to
// the fallback (the tray icon's own message), else to standard error.
class DBusNotifier : public Notifier {
public:
    // Notifications on the session bus, connected at the first bubble.
    DBusNotifier();
    // Notifications on the given bus.
    explicit DBusNotifier(const QDBusConnection& bus);
    void showBubble(const QString& text, int ms, BubbleKind kind) override;
    void hideBubble(BubbleKind kind) override;
    void setFallback(Fallback fallback) override { m_fallback = std::move(fallback); }

private:
    QDBusConnection bus() const;
    quint32& idOf(BubbleKind kind);

    std::optional<QDBusConnection> m_bus;
    // The notification each kind shows now, 0 when none.
    std::array<quint32, static_cast<std::size_t>(BubbleKind::FileName) + 1> m_ids{};
    Fallback m_fallback;
};
