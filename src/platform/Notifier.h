#pragma once

#include <QString>

// Short messages near the tray icon ("bubbles"). A duration of 0 keeps the
// message up until hideBubble() is called.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void showBubble(const QString& text, int ms) = 0;
    virtual void hideBubble() = 0;
};
