#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <memory>

class QWindow;

// What the pointer does on a widget's own surface (WidgetSurface) while it
// takes the pointer.
struct WidgetSurfaceInput {
    // Dragged with a button held: the widget's new top-left corner in
    // logical pixels of the desktop.
    std::function<void(QPoint topLeft)> dragged;
    // The button let go after a drag.
    std::function<void()> dropped;
    std::function<void()> doubleClicked;
};
class WidgetSurface;

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
    // A surface of its own for a widget, where the windowing system shows
    // widgets that way; null where the widget's window serves.
    virtual std::unique_ptr<WidgetSurface> createWidgetSurface(WidgetSurfaceInput input);
};

// A surface of the windowing system's own that shows a desktop widget in
// place of its window (a layer-shell surface under Wayland, where windows
// cannot be placed or kept on the desktop). The widget stays an unmapped
// window for Qt; what it draws goes to the surface.
class WidgetSurface {
public:
    virtual ~WidgetSurface() = default;
    // Shows `image` (drawn at `image.devicePixelRatio()`) with its top-left
    // corner at `pos`, in logical pixels of the whole desktop, in `layer`
    // (Normal counts as Below). Clicks go through it unless it `takesPointer`.
    virtual void show(const QImage& image, QPoint pos, DesktopWidgetSupport::Layer layer,
                      bool takesPointer) = 0;
    virtual void hide() = 0;
};

// The portable support: Qt's window flags alone.
std::unique_ptr<DesktopWidgetSupport> createPortableDesktopWidgetSupport();
