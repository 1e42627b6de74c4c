#pragma once

#include "platform/DesktopWidgetSupport.h"

#include <memory>

class WaylandConnection;

// Desktop widgets on a Wayland compositor with layer-shell: each widget a
// surface of the bottom layer (the top one when it stays on top, or while it
// is moved) at its place on its output, over a connection of its own.
class WaylandWidgetSupport : public DesktopWidgetSupport {
public:
    // Null where the session is not Wayland or the compositor has no
    // layer-shell interface.
    static std::unique_ptr<WaylandWidgetSupport> create();
    ~WaylandWidgetSupport() override;

    // The compositor blends; the widgets are placed by Tessaly; the bottom
    // layer keeps them below the windows.
    bool blendsTranslucentWindows() override { return true; }
    bool globalPositions() override { return true; }
    bool keepsWindowsBelow() override { return true; }
    void setWidgetState(QWindow&, Layer) override {}
    std::unique_ptr<WidgetSurface> createWidgetSurface(WidgetSurfaceInput input) override;

private:
    explicit WaylandWidgetSupport(std::unique_ptr<WaylandConnection> connection);
    std::unique_ptr<WaylandConnection> m_connection;
};
