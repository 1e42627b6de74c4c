#pragma once

#include <QString>
#include <functional>

// What a bubble is about. Each kind has its own bubble: a new bubble replaces
// the one of its own kind still on screen and leaves the others alone, so a
// file name shown during a folder scan does not take the place of the scan's
// progress, and hiding the progress does not close the file name.
enum class BubbleKind {
    Message,  // answers to the user's commands, the program's own news
    Progress, // a long piece of work, shown until hidden
    FileName, // the picture a change has just shown
};

// Short messages near the tray icon ("bubbles"). A duration of 0 keeps the
// message up until hideBubble() is called for its kind.
class Notifier {
public:
    // Shows a bubble another way (the tray icon's own message) when the
    // notifier cannot; returns false when that failed too.
    using Fallback = std::function<bool(const QString& text, int ms)>;

    virtual ~Notifier() = default;
    virtual void showBubble(const QString& text, int ms, BubbleKind kind) = 0;
    virtual void hideBubble(BubbleKind kind) = 0;
    // Where bubbles go when the notifier has no way to show them itself.
    virtual void setFallback(Fallback fallback) { static_cast<void>(fallback); }
};
