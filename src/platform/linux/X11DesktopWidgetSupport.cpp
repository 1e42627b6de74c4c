#include "platform/linux/X11DesktopWidgetSupport.h"

#include "platform/linux/WaylandWidgetSupport.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    return it.data ? it.data->root : XCB_NONE;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : XCB_NONE;
}

// Asks the window manager to add or remove up to two states of a mapped window.
void changeState(xcb_connection_t* c, xcb_window_t w, bool add, xcb_atom_t a, xcb_atom_t b = 0) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = w;
    e.type = atom(c, "_NET_WM_STATE");
    e.data.data32[0] = add ? 1 : 0;
    e.data.data32[1] = a;
    e.data.data32[2] = b;
    e.data.data32[3] = 1; // a normal application
    xcb_send_event(c, 0, rootWindow(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
}

} // namespace

bool X11DesktopWidgetSupport::blendsTranslucentWindows() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    int screen = 0;
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup); it.rem;
         xcb_screen_next(&it), ++screen) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom(c, name.constData())),
                                          nullptr),
            &std::free);
        return owner && owner->owner != XCB_NONE; // the default screen is the first
    }
    return false;
}

bool X11DesktopWidgetSupport::keepsWindowsBelow() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    const xcb_atom_t below = atom(c, "_NET_WM_STATE_BELOW");
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, rootWindow(c), atom(c, "_NET_SUPPORTED"),
                                                XCB_ATOM_ATOM, 0, 4096),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < n; ++i)
        if (atoms[i] == below) return true;
    return false;
}

void X11DesktopWidgetSupport::setWidgetState(QWindow& window, Layer layer) {
    xcb_connection_t* c = connection();
    if (!c || !window.isVisible()) return;
    const auto w = xcb_window_t(window.winId());
    changeState(c, w, true, atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                atom(c, "_NET_WM_STATE_SKIP_PAGER"));
    changeState(c, w, true, atom(c, "_NET_WM_STATE_STICKY"));
    // On every workspace: the desktop number 0xFFFFFFFF.
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = w;
    e.type = atom(c, "_NET_WM_DESKTOP");
    e.data.data32[0] = 0xFFFFFFFF;
    e.data.data32[1] = 1;
    xcb_send_event(c, 0, rootWindow(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
    const xcb_atom_t above = atom(c, "_NET_WM_STATE_ABOVE");
    const xcb_atom_t below = atom(c, "_NET_WM_STATE_BELOW");
    changeState(c, w, layer == Layer::Above, above);
    changeState(c, w, layer == Layer::Below, below);
    xcb_flush(c);
}

std::unique_ptr<DesktopWidgetSupport> createDesktopWidgetSupport() {
    // A Wayland session whose compositor has layer-shell: the widgets'
    // own surfaces, whether Qt runs on Wayland or through XWayland.
    if (auto wayland = WaylandWidgetSupport::create()) return wayland;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return std::make_unique<X11DesktopWidgetSupport>();
    return createPortableDesktopWidgetSupport();
}
