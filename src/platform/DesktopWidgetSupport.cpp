#include "platform/DesktopWidgetSupport.h"

#include <QGuiApplication>
#include <QWindow>

bool DesktopWidgetSupport::globalPositions() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void DesktopWidgetSupport::setWidgetState(QWindow& window, Layer layer) {
    Qt::WindowFlags flags = window.flags();
    flags.setFlag(Qt::WindowStaysOnTopHint, layer == Layer::Above);
    flags.setFlag(Qt::WindowStaysOnBottomHint, layer == Layer::Below);
    if (flags != window.flags()) window.setFlags(flags);
}

std::unique_ptr<WidgetSurface> DesktopWidgetSupport::createWidgetSurface(WidgetSurfaceInput) {
    return nullptr;
}

std::unique_ptr<DesktopWidgetSupport> createPortableDesktopWidgetSupport() {
    return std::make_unique<DesktopWidgetSupport>();
}
