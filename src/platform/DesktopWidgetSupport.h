#pragma once

#include <memory>

class QWindow;

// What the desktop widget windows (clock, calendar) need of the windowing
// system beyond Qt's own window flags, mask and opacity.
class DesktopWidgetSupport {
public:
    enum class Layer { Normal, Above, Below };

    virtual ~DesktopWidgetSupport() = default;
    // Whether translucent pixels are blended with what lies beneath (a
    // compositing manager runs). Without it a window shows only through a
    // shape mask, its pixels opaque.
    virtual bool blendsTranslucentWindows() { return true; }
    // Whether windows can be placed at positions of the whole desktop (not
    // under Wayland, where the compositor places them).
    virtual bool globalPositions();
    // Whether the window manager keeps a window below the normal ones.
    virtual bool keepsWindowsBelow() { return false; }
    // Makes a shown window a desktop widget: no task bar or pager entry, on
    // every workspace, in the given layer.
    virtual void setWidgetState(QWindow& window, Layer layer);
};

// The portable support: Qt's window flags alone.
std::unique_ptr<DesktopWidgetSupport> createPortableDesktopWidgetSupport();
