#pragma once

#include "platform/Notifier.h"

#include <QObject>
#include <functional>

// Bubbles as desktop notifications (org.freedesktop.Notifications). A bubble
// replaces the one shown before it, and hideBubble() closes it, so a message
// can stay up "until hidden". Without a notification server the message goes
// to the fallback (the tray icon's own message), else to standard error.
class DBusNotifier : public Notifier {
public:
    DBusNotifier();
    void showBubble(const QString& text, int ms, BubbleKind kind) override;
    void hideBubble(BubbleKind kind) override;
    void setFallback(Fallback fallback) override { m_fallback = std::move(fallback); }

private:
    quint32 m_lastId = 0;
    Fallback m_fallback;
};
