#include "platform/linux/WaylandWidgetSupport.h"

#include "platform/linux/WaylandLayers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <cstdlib>

namespace {

// One widget's layer surface. It lives on the output whose screen holds the
// widget's corner, anchored to that output's top left corner at a margin of
// the widget's place there.
class WaylandWidgetSurface : public WidgetSurface {
public:
    WaylandWidgetSurface(WaylandConnection& connection, WidgetSurfaceInput input)
        : m_connection(connection), m_input(std::move(input)) {}

    void show(const QImage& image, QPoint pos, DesktopWidgetSupport::Layer layer,
              bool takesPointer) override {
        m_image = image;
        m_pos = pos;
        WaylandOutput* output = nullptr;
        QPoint origin;
        const auto outputs = m_connection.outputs();
        for (QScreen* s : QGuiApplication::screens()) {
            if (!s->geometry().contains(pos)) continue;
            for (WaylandOutput* o : outputs)
                if (o->name == s->name()) {
                    output = o;
                    origin = s->geometry().topLeft();
                }
        }
        if (!output && !outputs.empty()) {
            // Qt knows the outputs by other names (or not yet): the first one.
            output = outputs.front();
            if (QScreen* s = QGuiApplication::primaryScreen()) origin = s->geometry().topLeft();
        }
        LayerSurface::Placement p;
        p.layer =
            layer == DesktopWidgetSupport::Layer::Below ? LayerSurface::Bottom : LayerSurface::Top;
        p.anchor = LayerSurface::AnchorTop | LayerSurface::AnchorLeft;
        p.size = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
        const QPoint at = pos - origin;
        p.margin = QMargins(at.x(), at.y(), 0, 0);
        p.takesPointer = takesPointer;
        // On another output, or closed with its output: a new surface.
        if (m_surface && (m_surface->output() != output || m_surface->closed())) m_surface.reset();
        if (!m_surface) {
            m_surface =
                std::make_unique<LayerSurface>(m_connection, output, p, "widget", [this](QSize px) {
                    return m_image.size() == px ? m_image
                                                : m_image.scaled(px, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
                });
            m_surface->setPointer([this](LayerSurface::PointerEvent e, QPointF at, quint32 time) {
                pointer(e, at, time);
            });
        } else {
            m_surface->place(p);
        }
    }

    void hide() override { m_surface.reset(); }

private:
    // A press starts a drag; motion with the button held puts the widget
    // where the pointer's way from the press takes it; two presses in quick
    // succession are a double click. During the drag the pointer's place is
    // taken relative to where the surface was at the press, as sway reports
    // it while a button is held.
    void pointer(LayerSurface::PointerEvent e, QPointF at, quint32 time) {
        using E = LayerSurface::PointerEvent;
        if (e == E::Press) {
            const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
            const bool twice = m_pressed && time - m_lastPress <= quint32(interval) &&
                               (at - m_holdAt).manhattanLength() < 8;
            m_pressed = !twice;
            m_lastPress = time;
            m_holdAt = at;
            m_startPos = m_pos;
            m_dragging = !twice;
            m_moved = false;
            if (twice && m_input.doubleClicked) m_input.doubleClicked();
        } else if (e == E::Motion && m_dragging) {
            const QPoint to = m_startPos + (at - m_holdAt).toPoint();
            if (to != m_pos && m_input.dragged) {
                m_moved = true;
                m_input.dragged(to);
            }
        } else if (e == E::Release && m_dragging) {
            m_dragging = false;
            // A drag is no first half of a double click.
            if (m_moved) m_pressed = false;
            if (m_moved && m_input.dropped) m_input.dropped();
        }
    }

    WaylandConnection& m_connection;
    WidgetSurfaceInput m_input;
    QImage m_image;
    std::unique_ptr<LayerSurface> m_surface;
    bool m_pressed = false, m_dragging = false, m_moved = false;
    quint32 m_lastPress = 0;
    QPointF m_holdAt;
    QPoint m_pos, m_startPos;
};

} // namespace

std::unique_ptr<WaylandWidgetSupport> WaylandWidgetSupport::create() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return nullptr;
    std::unique_ptr<WaylandConnection> c = WaylandConnection::open();
    if (!c || !c->hasLayerShell()) return nullptr;
    return std::unique_ptr<WaylandWidgetSupport>(new WaylandWidgetSupport(std::move(c)));
}

WaylandWidgetSupport::WaylandWidgetSupport(std::unique_ptr<WaylandConnection> connection)
    : m_connection(std::move(connection)) {}

WaylandWidgetSupport::~WaylandWidgetSupport() = default;

std::unique_ptr<WidgetSurface> WaylandWidgetSupport::createWidgetSurface(WidgetSurfaceInput input) {
    return std::make_unique<WaylandWidgetSurface>(*m_connection, std::move(input));
}
