#include "platform/linux/X11RootPixmap.h"

#include <QByteArray>
#include <xcb/xcb.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Conn {
    xcb_connection_t* c = nullptr;
    xcb_screen_t* screen = nullptr;
    explicit Conn(const QString& display) {
        const QByteArray d = display.toLocal8Bit();
        int n = 0;
        c = xcb_connect(d.isEmpty() ? nullptr : d.constData(), &n);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            c = nullptr;
            return;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < n && it.rem; ++i)
            xcb_screen_next(&it);
        screen = it.rem ? it.data : nullptr;
    }
    ~Conn() {
        if (c) xcb_disconnect(c);
    }
    bool ok() const { return c && screen; }
};

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const char* name, bool create) {
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, create ? 0 : 1, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_pixmap_t pixmapProperty(xcb_connection_t* c, xcb_window_t root, xcb_atom_t prop) {
    if (prop == XCB_ATOM_NONE) return XCB_NONE;
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, prop, XCB_ATOM_PIXMAP, 0, 1),
                               nullptr),
        &std::free);
    if (!r || r->type != XCB_ATOM_PIXMAP || r->format != 32 ||
        xcb_get_property_value_length(r.get()) < 4)
        return XCB_NONE;
    return *static_cast<xcb_pixmap_t*>(xcb_get_property_value(r.get()));
}

// Frees the pixmap of the previous root setter when it was published the
// agreed way (both properties name it), which ends that setter's retained
// resources. A pixmap named by only one property may belong to a live
// program and is left alone.
void freePreviousPixmap(xcb_connection_t* c, xcb_window_t root, xcb_atom_t rootPmap,
                        xcb_atom_t esetroot) {
    const xcb_pixmap_t a = pixmapProperty(c, root, rootPmap);
    const xcb_pixmap_t b = pixmapProperty(c, root, esetroot);
    if (a != XCB_NONE && a == b) xcb_kill_client(c, a);
}

xcb_visualtype_t* rootVisual(xcb_screen_t* s) {
    for (auto d = xcb_screen_allowed_depths_iterator(s); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == s->root_visual) return v.data;
    return nullptr;
}

uint32_t pixelOf(quint32 rgb) {
    return rgb & 0xFFFFFF;
}

} // namespace

bool SetX11RootPixmap(const QImage& image, QPoint origin, quint32 fillRgb, const QString& display) {
    if (image.isNull()) return false;
    Conn conn(display);
    if (!conn.ok()) return false;
    xcb_connection_t* c = conn.c;
    xcb_screen_t* s = conn.screen;
    const xcb_visualtype_t* vis = rootVisual(s);
    // 32-bit pixels in 0x00RRGGBB order, which is what QImage RGB32 holds.
    if (!vis || vis->_class != XCB_VISUAL_CLASS_TRUE_COLOR ||
        (s->root_depth != 24 && s->root_depth != 32) || vis->red_mask != 0xFF0000 ||
        vis->green_mask != 0xFF00 || vis->blue_mask != 0xFF)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    bool bpp32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == s->root_depth && f.data->bits_per_pixel == 32) bpp32 = true;
    if (!bpp32 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;

    const uint16_t rw = s->width_in_pixels, rh = s->height_in_pixels;
    const xcb_window_t root = s->root;
    const xcb_pixmap_t pm = xcb_generate_id(c);
    xcb_create_pixmap(c, s->root_depth, pm, root, rw, rh);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t gcv[] = {pixelOf(fillRgb)};
    xcb_create_gc(c, gc, pm, XCB_GC_FOREGROUND, gcv);
    const xcb_rectangle_t all{0, 0, rw, rh};
    xcb_poly_fill_rectangle(c, pm, gc, 1, &all);

    const int w = image.width(), stride = w * 4;
    // Rows in slices that fit one request (big requests when the server has
    // them): RGB32 rows straight from the image, others (a canvas kept in
    // 24 bits) turned into RGB32 a slice at a time.
    const bool direct = image.format() == QImage::Format_RGB32 && image.bytesPerLine() == stride;
    const uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4u;
    const int rowsPer =
        std::max(1, std::min(direct ? INT_MAX : 64, int((maxBytes - 64) / uint32_t(stride))));
    for (int y = 0; y < image.height(); y += rowsPer) {
        const int n = std::min(rowsPer, image.height() - y);
        QImage slice;
        if (!direct)
            slice = QImage(image.constScanLine(y), w, n, image.bytesPerLine(), image.format())
                        .convertToFormat(QImage::Format_RGB32);
        const uint8_t* data = direct ? image.constScanLine(y) : slice.constBits();
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pm, gc, uint16_t(w), uint16_t(n),
                      int16_t(origin.x()), int16_t(origin.y() + y), 0, s->root_depth,
                      uint32_t(qsizetype(n) * stride), data);
    }
    xcb_free_gc(c, gc);

    const xcb_atom_t rootPmap = atom(c, "_XROOTPMAP_ID", true);
    const xcb_atom_t esetroot = atom(c, "ESETROOT_PMAP_ID", true);
    xcb_grab_server(c);
    freePreviousPixmap(c, root, rootPmap, esetroot);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, rootPmap, XCB_ATOM_PIXMAP, 32, 1, &pm);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, esetroot, XCB_ATOM_PIXMAP, 32, 1, &pm);
    const uint32_t back[] = {pm};
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXMAP, back);
    xcb_clear_area(c, 0, root, 0, 0, 0, 0);
    xcb_ungrab_server(c);
    // The pixmap outlives this connection; the next setter frees it.
    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    // A round trip, so that every request has reached the server before the
    // connection closes; a refused request shows as an error event.
    Reply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    bool failed = !sync;
    while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
        if (ev->response_type == 0) failed = true;
        std::free(ev);
    }
    return !failed && !xcb_connection_has_error(c);
}

bool ClearX11RootPixmap(quint32 fillRgb, const QString& display) {
    Conn conn(display);
    if (!conn.ok()) return false;
    xcb_connection_t* c = conn.c;
    const xcb_window_t root = conn.screen->root;
    const xcb_atom_t rootPmap = atom(c, "_XROOTPMAP_ID", false);
    const xcb_atom_t esetroot = atom(c, "ESETROOT_PMAP_ID", false);
    xcb_grab_server(c);
    const uint32_t back[] = {pixelOf(fillRgb)};
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXEL, back);
    freePreviousPixmap(c, root, rootPmap, esetroot);
    if (rootPmap != XCB_ATOM_NONE) xcb_delete_property(c, root, rootPmap);
    if (esetroot != XCB_ATOM_NONE) xcb_delete_property(c, root, esetroot);
    xcb_clear_area(c, 0, root, 0, 0, 0, 0);
    xcb_ungrab_server(c);
    // A round trip: the server has done all of it before anyone looks.
    Reply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    return sync && !xcb_connection_has_error(c);
}

QImage ReadX11RootPixmap(const QString& display) {
    Conn conn(display);
    if (!conn.ok()) return QImage();
    xcb_connection_t* c = conn.c;
    const xcb_pixmap_t pm = pixmapProperty(c, conn.screen->root, atom(c, "_XROOTPMAP_ID", false));
    if (pm == XCB_NONE) return QImage();
    Reply<xcb_get_geometry_reply_t> geo(xcb_get_geometry_reply(c, xcb_get_geometry(c, pm), nullptr),
                                        &std::free);
    if (!geo) return QImage();
    QImage out(geo->width, geo->height, QImage::Format_RGB32);
    // Row slices keep each reply within the request size limit.
    const uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4u;
    const int rowsPer = std::max(1, int(maxBytes / (uint32_t(geo->width) * 4u)) / 2);
    for (int y = 0; y < geo->height; y += rowsPer) {
        const int n = std::min(rowsPer, int(geo->height) - y);
        Reply<xcb_get_image_reply_t> img(
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pm, 0, int16_t(y),
                                              geo->width, uint16_t(n), ~0u),
                                nullptr),
            &std::free);
        if (!img || img->depth < 24) return QImage();
        const uint8_t* data = xcb_get_image_data(img.get());
        const int len = xcb_get_image_data_length(img.get());
        const int stride = geo->width * 4;
        if (len < stride * n) return QImage();
        for (int k = 0; k < n; ++k) {
            auto* dst = reinterpret_cast<quint32*>(out.scanLine(y + k));
            std::memcpy(dst, data + qsizetype(k) * stride, size_t(stride));
            for (int x = 0; x < geo->width; ++x)
                dst[x] |= 0xFF000000u;
        }
    }
    return out;
}
