#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPointF>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct wl_buffer;
struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;
class QSocketNotifier;
class LayerSurface;

// An output as the compositor announces it.
struct WaylandOutput {
    quint32 global = 0;
    wl_output* output = nullptr;
    QString name;
    QSize modeSize; // its current mode in device pixels
    int scale = 1;
    bool announced = false; // the first round of its properties is complete
};

// A connection of Tessaly's own to the session's compositor, beside whatever
// Qt's windows use (Qt's own connection when its platform is Wayland, none
// under XWayland): the registry's outputs, shared memory, and the
// layer-shell interface, with its events handled in Qt's event loop.
class WaylandConnection : public QObject {
    Q_OBJECT
public:
    // The compositor named by WAYLAND_DISPLAY; null when none answers.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection() override;

    bool hasLayerShell() const { return m_layerShell != nullptr; }
    // The outputs whose properties are known.
    std::vector<WaylandOutput*> outputs() const;
    // Sends what was asked for.
    void flush();

    // Used by LayerSurface.
    wl_compositor* compositor() const { return m_compositor; }
    zwlr_layer_shell_v1* layerShell() const { return m_layerShell; }
    int layerShellVersion() const { return m_layerShellVersion; }
    // A buffer of shared memory holding `image` (premultiplied ARGB, or RGB
    // when opaque), freed when the compositor releases it.
    wl_buffer* bufferOf(const QImage& image);
    // Layer surfaces hear of the pointer on them.
    void addSurface(LayerSurface* surface) { m_surfaces.push_back(surface); }
    void removeSurface(LayerSurface* surface);

signals:
    // An output was announced completely, or will go away.
    void outputAdded(WaylandOutput* output);
    void outputRemoved(WaylandOutput* output);
    // The compositor went away.
    void lost();

private:
    WaylandConnection() = default;
    void dispatch();

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void onGlobalRemove(void* data, wl_registry* registry, uint32_t name);
    static void onOutputMode(void* data, wl_output*, uint32_t flags, int32_t w, int32_t h,
                             int32_t refresh);
    static void onOutputDone(void* data, wl_output*);
    static void onOutputScale(void* data, wl_output*, int32_t factor);
    static void onOutputName(void* data, wl_output*, const char* name);
    static void onSeatCapabilities(void* data, wl_seat*, uint32_t capabilities);
    static void onPointerEnter(void* data, wl_pointer*, uint32_t serial, wl_surface* surface,
                               int32_t x, int32_t y);
    static void onPointerLeave(void* data, wl_pointer*, uint32_t serial, wl_surface* surface);
    static void onPointerMotion(void* data, wl_pointer*, uint32_t time, int32_t x, int32_t y);
    static void onPointerButton(void* data, wl_pointer*, uint32_t serial, uint32_t time,
                                uint32_t button, uint32_t state);
    LayerSurface* surfaceOf(wl_surface* surface) const;

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    wl_shm* m_shm = nullptr;
    zwlr_layer_shell_v1* m_layerShell = nullptr;
    int m_layerShellVersion = 0;
    std::vector<std::unique_ptr<WaylandOutput>> m_outputs;
    wl_seat* m_seat = nullptr;
    wl_pointer* m_pointer = nullptr;
    // The surface the pointer is on, and where on it.
    wl_surface* m_pointerSurface = nullptr;
    QPointF m_pointerPos;
    std::vector<LayerSurface*> m_surfaces;
    QSocketNotifier* m_notifier = nullptr;
};

// One surface in a layer of one output, drawn by `paint` at the size the
// compositor gives it (in device pixels: its size times the output's scale).
class LayerSurface {
public:
    enum Layer : quint32 { Background = 0, Bottom = 1, Top = 2 };
    enum Anchor : quint32 { AnchorTop = 1, AnchorBottom = 2, AnchorLeft = 4, AnchorRight = 8 };
    struct Placement {
        Layer layer = Background;
        quint32 anchor = AnchorTop | AnchorBottom | AnchorLeft | AnchorRight;
        QSize size;      // in surface coordinates; empty: the whole output
        QMargins margin; // from the anchored edges
        bool takesPointer = false;
    };
    using Paint = std::function<QImage(QSize devicePixels)>;
    enum class PointerEvent { Press, Release, Motion };
    // The pointer on the surface while it takes it: where (surface
    // coordinates) and when (milliseconds of the compositor's clock).
    using Pointer = std::function<void(PointerEvent, QPointF pos, quint32 time)>;

    LayerSurface(WaylandConnection& connection, WaylandOutput* output, const Placement& placement,
                 const char* purpose, Paint paint);
    ~LayerSurface();
    LayerSurface(const LayerSurface&) = delete;
    LayerSurface& operator=(const LayerSurface&) = delete;

    WaylandOutput* output() const { return m_output; }
    wl_surface* surface() const { return m_surface; }
    // Whether the compositor will show it no more (its output went away).
    bool closed() const { return m_closed; }
    // Its output is going away: nothing more is drawn on it.
    void outputGone() {
        m_output = nullptr;
        m_closed = true;
    }
    // Draws again, once the compositor has given the surface its size.
    void repaint();
    // A new size, margin, layer or input; drawn again.
    void place(const Placement& placement);
    void setPointer(Pointer pointer) { m_pointerHandler = std::move(pointer); }
    void pointer(PointerEvent e, QPointF pos, quint32 time) {
        if (m_pointerHandler) m_pointerHandler(e, pos, time);
    }

private:
    static void onConfigure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t w,
                            uint32_t h);
    static void onClosed(void* data, zwlr_layer_surface_v1*);

    void setInput(bool takesPointer);

    WaylandConnection& m_connection;
    WaylandOutput* m_output;
    Paint m_paint;
    Pointer m_pointerHandler;
    Placement m_placement;
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    QSize m_size;
    bool m_closed = false;
};

// The wallpaper as a background surface on every output, outputs plugged in
// later included: each shows its part of the last canvas (its monitor's part
// of a canvas of the whole desktop, matched by output name, or the whole
// canvas), scaled to the output's pixels.
class WaylandBackground : public QObject {
    Q_OBJECT
public:
    // Null where the compositor has no layer-shell interface.
    static std::unique_ptr<WaylandBackground> create();
    ~WaylandBackground() override;

    void show(const QImage& canvas);
    void showColor(QColor color);

private:
    explicit WaylandBackground(std::unique_ptr<WaylandConnection> connection);
    void addOutput(WaylandOutput* output);
    QImage picture(WaylandOutput* output, QSize devicePixels) const;

    std::unique_ptr<WaylandConnection> m_connection;
    std::vector<std::unique_ptr<LayerSurface>> m_surfaces;
    QImage m_canvas;
    QColor m_color;
};
