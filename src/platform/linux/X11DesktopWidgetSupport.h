#pragma once

#include "platform/DesktopWidgetSupport.h"

// Desktop widgets on an X11 desktop: the compositing manager's selection,
// and the window manager's states (EWMH) for layer, task bar, pager and
// workspaces.
class X11DesktopWidgetSupport : public DesktopWidgetSupport {
public:
    bool blendsTranslucentWindows() override;
    bool keepsWindowsBelow() override;
    void setWidgetState(QWindow& window, Layer layer) override;
};

// The support for the display the application runs on: layer-shell surfaces
// on a Wayland compositor that has them, X11's where Qt runs on X11, the
// portable one elsewhere (Wayland without layer-shell, where widgets open
// where the compositor puts them).
std::unique_ptr<DesktopWidgetSupport> createDesktopWidgetSupport();
