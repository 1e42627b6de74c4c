#include "platform/linux/WaylandLayers.h"

#include "platform/ScreenInfo.h"

#include "layer-shell-client-protocol.h"

#include <QSocketNotifier>
#include <algorithm>
#include <climits>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {

void bufferReleased(void*, wl_buffer* buffer) {
    wl_buffer_destroy(buffer);
}
const wl_buffer_listener kBufferListener = {bufferReleased};

} // namespace

// ---- the connection -------------------------------------------------------

std::unique_ptr<WaylandConnection> WaylandConnection::open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return nullptr;
    std::unique_ptr<WaylandConnection> c(new WaylandConnection);
    c->m_display = display;
    c->m_registry = wl_display_get_registry(display);
    static const wl_registry_listener listener = {&WaylandConnection::onGlobal,
                                                  &WaylandConnection::onGlobalRemove};
    wl_registry_add_listener(c->m_registry, &listener, c.get());
    // The globals, then the first round of every output's properties: two
    // short answers from the compositor at start-up.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0) return nullptr;
    if (!c->m_compositor || !c->m_shm) return nullptr;
    c->m_notifier = new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, c.get());
    connect(c->m_notifier, &QSocketNotifier::activated, c.get(), &WaylandConnection::dispatch);
    wl_display_dispatch_pending(display);
    return c;
}

WaylandConnection::~WaylandConnection() {
    if (!m_display) return;
    for (auto& o : m_outputs)
        wl_output_destroy(o->output);
    if (m_pointer) wl_pointer_destroy(m_pointer);
    if (m_seat) wl_seat_destroy(m_seat);
    if (m_layerShell) zwlr_layer_shell_v1_destroy(m_layerShell);
    if (m_shm) wl_shm_destroy(m_shm);
    if (m_compositor) wl_compositor_destroy(m_compositor);
    if (m_registry) wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

std::vector<WaylandOutput*> WaylandConnection::outputs() const {
    std::vector<WaylandOutput*> list;
    for (const auto& o : m_outputs)
        if (o->announced) list.push_back(o.get());
    return list;
}

void WaylandConnection::flush() {
    if (m_display) wl_display_flush(m_display);
}

void WaylandConnection::dispatch() {
    if (wl_display_dispatch(m_display) < 0) {
        // The compositor is gone: nothing more will come.
        m_notifier->setEnabled(false);
        emit lost();
        return;
    }
    flush();
}

void WaylandConnection::onGlobal(void* data, wl_registry* registry, uint32_t name,
                                 const char* interface, uint32_t version) {
    auto* c = static_cast<WaylandConnection*>(data);
    const auto is = [&](const wl_interface& i) { return std::strcmp(interface, i.name) == 0; };
    if (is(wl_compositor_interface)) {
        // Version 3 brings the buffer scale.
        c->m_compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, std::min(version, 4u)));
    } else if (is(wl_shm_interface)) {
        c->m_shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (is(zwlr_layer_shell_v1_interface)) {
        c->m_layerShellVersion = int(std::min(version, 2u));
        c->m_layerShell = static_cast<zwlr_layer_shell_v1*>(wl_registry_bind(
            registry, name, &zwlr_layer_shell_v1_interface, uint32_t(c->m_layerShellVersion)));
    } else if (is(wl_seat_interface) && !c->m_seat) {
        c->m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        static const wl_seat_listener listener = {
            .capabilities = &WaylandConnection::onSeatCapabilities, .name = nullptr};
        wl_seat_add_listener(c->m_seat, &listener, c);
    } else if (is(wl_output_interface)) {
        auto o = std::make_unique<WaylandOutput>();
        o->global = name;
        // Version 4 names the output as the desktop's tools and Qt do.
        o->output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, std::min(version, 4u)));
        static const wl_output_listener listener = {
            [](void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
               const char*, int32_t) {},
            &WaylandConnection::onOutputMode,
            &WaylandConnection::onOutputDone,
            &WaylandConnection::onOutputScale,
            &WaylandConnection::onOutputName,
            [](void*, wl_output*, const char*) {},
        };
        c->m_outputs.push_back(std::move(o));
        wl_output_add_listener(c->m_outputs.back()->output, &listener, c);
    }
}

void WaylandConnection::onGlobalRemove(void* data, wl_registry*, uint32_t name) {
    auto* c = static_cast<WaylandConnection*>(data);
    const auto it = std::find_if(c->m_outputs.begin(), c->m_outputs.end(),
                                 [&](const auto& o) { return o->global == name; });
    if (it == c->m_outputs.end()) return;
    if ((*it)->announced) emit c->outputRemoved(it->get());
    // Surfaces still on it (the compositor closes them) keep no pointer to it.
    for (LayerSurface* s : c->m_surfaces)
        if (s->output() == it->get()) s->outputGone();
    wl_output_destroy((*it)->output);
    c->m_outputs.erase(it);
}

void WaylandConnection::onOutputMode(void* data, wl_output* output, uint32_t flags, int32_t w,
                                     int32_t h, int32_t) {
    auto* c = static_cast<WaylandConnection*>(data);
    if (!(flags & WL_OUTPUT_MODE_CURRENT)) return;
    for (auto& o : c->m_outputs)
        if (o->output == output) o->modeSize = QSize(w, h);
}

void WaylandConnection::onOutputScale(void* data, wl_output* output, int32_t factor) {
    auto* c = static_cast<WaylandConnection*>(data);
    for (auto& o : c->m_outputs)
        if (o->output == output) o->scale = std::max(1, factor);
}

void WaylandConnection::onOutputName(void* data, wl_output* output, const char* name) {
    auto* c = static_cast<WaylandConnection*>(data);
    for (auto& o : c->m_outputs)
        if (o->output == output) o->name = QString::fromUtf8(name);
}

void WaylandConnection::onOutputDone(void* data, wl_output* output) {
    auto* c = static_cast<WaylandConnection*>(data);
    for (auto& o : c->m_outputs)
        if (o->output == output && !o->announced) {
            o->announced = true;
            emit c->outputAdded(o.get());
        }
}

void WaylandConnection::onSeatCapabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* c = static_cast<WaylandConnection*>(data);
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    if (pointer && !c->m_pointer) {
        c->m_pointer = wl_seat_get_pointer(seat);
        // Version 1 of the seat: only the events below come.
        static const wl_pointer_listener listener = {
            .enter = &WaylandConnection::onPointerEnter,
            .leave = &WaylandConnection::onPointerLeave,
            .motion = &WaylandConnection::onPointerMotion,
            .button = &WaylandConnection::onPointerButton,
            .axis = [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {},
            .frame = nullptr,
            .axis_source = nullptr,
            .axis_stop = nullptr,
            .axis_discrete = nullptr,
            .axis_value120 = nullptr,
        };
        wl_pointer_add_listener(c->m_pointer, &listener, c);
    } else if (!pointer && c->m_pointer) {
        wl_pointer_destroy(c->m_pointer);
        c->m_pointer = nullptr;
        c->m_pointerSurface = nullptr;
    }
}

LayerSurface* WaylandConnection::surfaceOf(wl_surface* surface) const {
    for (LayerSurface* s : m_surfaces)
        if (surface && s->surface() == surface) return s;
    return nullptr;
}

void WaylandConnection::removeSurface(LayerSurface* surface) {
    if (m_pointerSurface == surface->surface()) m_pointerSurface = nullptr;
    std::erase(m_surfaces, surface);
}

void WaylandConnection::onPointerEnter(void* data, wl_pointer*, uint32_t, wl_surface* surface,
                                       int32_t x, int32_t y) {
    auto* c = static_cast<WaylandConnection*>(data);
    c->m_pointerSurface = surface;
    c->m_pointerPos = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
    if (LayerSurface* s = c->surfaceOf(surface))
        s->pointer(LayerSurface::PointerEvent::Motion, c->m_pointerPos, 0);
}

void WaylandConnection::onPointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) {
    static_cast<WaylandConnection*>(data)->m_pointerSurface = nullptr;
}

void WaylandConnection::onPointerMotion(void* data, wl_pointer*, uint32_t time, int32_t x,
                                        int32_t y) {
    auto* c = static_cast<WaylandConnection*>(data);
    c->m_pointerPos = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
    if (LayerSurface* s = c->surfaceOf(c->m_pointerSurface))
        s->pointer(LayerSurface::PointerEvent::Motion, c->m_pointerPos, time);
}

void WaylandConnection::onPointerButton(void* data, wl_pointer*, uint32_t, uint32_t time, uint32_t,
                                        uint32_t state) {
    auto* c = static_cast<WaylandConnection*>(data);
    if (LayerSurface* s = c->surfaceOf(c->m_pointerSurface))
        s->pointer(state == WL_POINTER_BUTTON_STATE_PRESSED ? LayerSurface::PointerEvent::Press
                                                            : LayerSurface::PointerEvent::Release,
                   c->m_pointerPos, time);
}

wl_buffer* WaylandConnection::bufferOf(const QImage& image) {
    const bool opaque = !image.hasAlphaChannel();
    const QImage pixels =
        image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const int stride = pixels.width() * 4;
    const size_t size = size_t(stride) * size_t(pixels.height());
    if (size == 0) return nullptr;
    const int fd = memfd_create("tessaly-surface", MFD_CLOEXEC);
    if (fd < 0) return nullptr;
    void* data = MAP_FAILED;
    if (ftruncate(fd, off_t(size)) == 0)
        data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(static_cast<uchar*>(data) + size_t(y) * size_t(stride), pixels.constScanLine(y),
                    size_t(stride));
    // The compositor maps the memory itself; this mapping is no longer needed.
    munmap(data, size);
    wl_shm_pool* pool = wl_shm_create_pool(m_shm, fd, int32_t(size));
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                  opaque ? WL_SHM_FORMAT_XRGB8888 : WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_buffer_add_listener(buffer, &kBufferListener, nullptr);
    return buffer;
}

// ---- one layer surface ----------------------------------------------------

LayerSurface::LayerSurface(WaylandConnection& connection, WaylandOutput* output,
                           const Placement& placement, const char* purpose, Paint paint)
    : m_connection(connection), m_output(output), m_paint(std::move(paint)),
      m_placement(placement) {
    m_surface = wl_compositor_create_surface(connection.compositor());
    connection.addSurface(this);
    m_layer = zwlr_layer_shell_v1_get_layer_surface(connection.layerShell(), m_surface,
                                                    output ? output->output : nullptr,
                                                    placement.layer, purpose);
    static const zwlr_layer_surface_v1_listener listener = {&LayerSurface::onConfigure,
                                                            &LayerSurface::onClosed};
    zwlr_layer_surface_v1_add_listener(m_layer, &listener, this);
    zwlr_layer_surface_v1_set_size(m_layer, uint32_t(std::max(0, placement.size.width())),
                                   uint32_t(std::max(0, placement.size.height())));
    zwlr_layer_surface_v1_set_anchor(m_layer, placement.anchor);
    const QMargins& m = placement.margin;
    zwlr_layer_surface_v1_set_margin(m_layer, m.top(), m.right(), m.bottom(), m.left());
    // The wallpaper lies under the panels too; nothing keeps room free.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, placement.layer == Background ? -1 : 0);
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, 0);
    setInput(placement.takesPointer);
    // The first commit, without a buffer, asks for the size (configure).
    wl_surface_commit(m_surface);
    connection.flush();
}

LayerSurface::~LayerSurface() {
    m_connection.removeSurface(this);
    zwlr_layer_surface_v1_destroy(m_layer);
    wl_surface_destroy(m_surface);
    m_connection.flush();
}

void LayerSurface::setInput(bool takesPointer) {
    if (takesPointer) {
        // No region: the whole surface takes the pointer.
        wl_surface_set_input_region(m_surface, nullptr);
        return;
    }
    // An empty input region: clicks go to whatever lies beneath.
    wl_region* none = wl_compositor_create_region(m_connection.compositor());
    wl_surface_set_input_region(m_surface, none);
    wl_region_destroy(none);
}

void LayerSurface::place(const Placement& p) {
    if (p.size != m_placement.size)
        zwlr_layer_surface_v1_set_size(m_layer, uint32_t(std::max(0, p.size.width())),
                                       uint32_t(std::max(0, p.size.height())));
    if (p.margin != m_placement.margin)
        zwlr_layer_surface_v1_set_margin(m_layer, p.margin.top(), p.margin.right(),
                                         p.margin.bottom(), p.margin.left());
    if (p.layer != m_placement.layer && m_connection.layerShellVersion() >= 2)
        zwlr_layer_surface_v1_set_layer(m_layer, p.layer);
    if (p.takesPointer != m_placement.takesPointer) setInput(p.takesPointer);
    m_placement = p;
    if (!m_size.isEmpty() && !m_closed) {
        repaint();
    } else {
        wl_surface_commit(m_surface);
        m_connection.flush();
    }
}

void LayerSurface::onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial,
                               uint32_t w, uint32_t h) {
    auto* s = static_cast<LayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    s->m_size = QSize(int(w), int(h));
    s->repaint();
}

void LayerSurface::onClosed(void* data, zwlr_layer_surface_v1*) {
    static_cast<LayerSurface*>(data)->m_closed = true;
}

void LayerSurface::repaint() {
    if (m_closed || m_size.isEmpty()) return;
    const int scale = m_output ? m_output->scale : 1;
    const QImage image = m_paint(m_size * scale);
    if (image.isNull()) return;
    wl_buffer* buffer = m_connection.bufferOf(image);
    if (!buffer) return;
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_surface)) >= 3)
        wl_surface_set_buffer_scale(m_surface, scale);
    wl_surface_attach(m_surface, buffer, 0, 0);
    wl_surface_damage(m_surface, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_commit(m_surface);
    m_connection.flush();
}

// ---- the wallpaper --------------------------------------------------------

std::unique_ptr<WaylandBackground> WaylandBackground::create() {
    std::unique_ptr<WaylandConnection> c = WaylandConnection::open();
    if (!c || !c->hasLayerShell()) return nullptr;
    return std::unique_ptr<WaylandBackground>(new WaylandBackground(std::move(c)));
}

WaylandBackground::WaylandBackground(std::unique_ptr<WaylandConnection> connection)
    : m_connection(std::move(connection)) {
    connect(m_connection.get(), &WaylandConnection::outputAdded, this,
            &WaylandBackground::addOutput);
    connect(m_connection.get(), &WaylandConnection::outputRemoved, this, [this](WaylandOutput* o) {
        std::erase_if(m_surfaces, [&](const auto& s) { return s->output() == o; });
    });
    for (WaylandOutput* o : m_connection->outputs())
        addOutput(o);
}

WaylandBackground::~WaylandBackground() {
    m_surfaces.clear();
}

void WaylandBackground::addOutput(WaylandOutput* output) {
    m_surfaces.push_back(std::make_unique<LayerSurface>(
        *m_connection, output, LayerSurface::Placement{}, "wallpaper",
        [this, output](QSize px) { return picture(output, px); }));
}

QImage WaylandBackground::picture(WaylandOutput* output, QSize px) const {
    if (m_canvas.isNull()) {
        if (!m_color.isValid()) return {};
        QImage plain(px, QImage::Format_RGB32);
        plain.fill(m_color);
        return plain;
    }
    // A canvas of the whole desktop holds this output's part at its monitor's
    // place; any other canvas is the picture of every output.
    QImage part = m_canvas;
    const ScreenLayout layout = CurrentScreenLayout();
    if (layout.monitors.size() > 1 && m_canvas.size() == layout.bounds().size()) {
        for (const MonitorInfo& m : layout.monitors)
            if (m.name == output->name) {
                part = m_canvas.copy(m.geometry.translated(-layout.bounds().topLeft()));
                break;
            }
    }
    if (part.size() == px) return part;
    return part.scaled(px, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void WaylandBackground::show(const QImage& canvas) {
    m_canvas = canvas;
    for (auto& s : m_surfaces)
        s->repaint();
}

void WaylandBackground::showColor(QColor color) {
    m_canvas = QImage();
    m_color = color;
    for (auto& s : m_surfaces)
        s->repaint();
}
