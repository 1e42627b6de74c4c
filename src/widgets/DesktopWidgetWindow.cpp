#include "widgets/DesktopWidgetWindow.h"

#include "context/AppContext.h"
#include "widgets/FontSetStyle.h"
#include "widgets/WidgetGeometry.h"

#include <QBitmap>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

QScreen* primary() {
    return QGuiApplication::primaryScreen();
}

// What a fitted text keeps clear of each side of its cell: with the 2 twips
// between neighbouring cells, texts of neighbours stay at least this twice
// apart.
constexpr double kFitMarginTwips = 25;

} // namespace

DesktopWidgetWindow::DesktopWidgetWindow(AppContext& app, Fields fields, QSizeF sizeTwips,
                                         qint32 id)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::NoDropShadowWindowHint | Qt::WindowTransparentForInput),
      m_app(app), m_fields(fields), m_sizeTwips(sizeTwips), m_id(id) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(TwipsToPixels(sizeTwips.width(), dpi()), TwipsToPixels(sizeTwips.height(), dpi()));
    // Where the platform has surfaces of its own for widgets, the window is
    // never mapped: it keeps its place, state and drawing, the surface shows
    // them and takes the pointer in move mode.
    if (DesktopWidgetSupport* support = m_app.platform.widgetSupport.get()) {
        WidgetSurfaceInput input;
        input.dragged = [this](QPoint topLeft) {
            if (m_moveMode) move(topLeft);
        };
        input.doubleClicked = [this] { OMove(false); };
        m_surface = support->createWidgetSurface(std::move(input));
        if (m_surface) setAttribute(Qt::WA_DontShowOnScreen);
    }
    // A widget starts in normal mode; the derived window draws itself once
    // its elements exist.
    applyMode();
}

double DesktopWidgetWindow::dpi() const {
    QScreen* s = primary();
    return s && s->logicalDotsPerInch() > 0 ? s->logicalDotsPerInch() : 96;
}

QRectF DesktopWidgetWindow::px(const QRectF& t) const {
    const double k = dpi() / 1440.0;
    return {t.x() * k, t.y() * k, t.width() * k, t.height() * k};
}

QPointF DesktopWidgetWindow::px(QPointF t) const {
    return t * (dpi() / 1440.0);
}

int DesktopWidgetWindow::alpha() const {
    // The settings loader keeps Transparency within a byte; a value set
    // otherwise is taken to the nearest one rather than refused.
    const int a = std::clamp<int>(m_app.settings.Transparency, 0, 255);
    // Without a compositing manager nothing blends: an element shows fully
    // or, at 0, not at all; the window's opacity carries the alpha for window
    // managers that honour it.
    if (!m_blends) return a > 0 ? 255 : 0;
    return a;
}

bool DesktopWidgetWindow::OnTop() const {
    return m_app.settings.*m_fields.onTop;
}

void DesktopWidgetWindow::setOnTop(bool onTop) {
    m_app.settings.*m_fields.onTop = onTop;
}

void DesktopWidgetWindow::SetVisible(bool visible) {
    m_app.settings.*m_fields.visible = visible;
    setVisible(visible);
}

void DesktopWidgetWindow::SetWindowTransparency() {
    applyMode();
    refresh();
}

void DesktopWidgetWindow::applyMode() {
    DesktopWidgetSupport* support = m_app.platform.widgetSupport.get();
    m_blends = !support || support->blendsTranslucentWindows();
    setWindowOpacity(m_blends ? 1.0 : std::clamp<int>(m_app.settings.Transparency, 0, 255) / 255.0);
    // Click-through in normal mode; in move mode the window takes the mouse.
    setTransparentForInput(!m_moveMode && !takesClicks());
}

void DesktopWidgetWindow::setTransparentForInput(bool through) {
    QWindow* w = windowHandle();
    if (!w) {
        setWindowFlag(Qt::WindowTransparentForInput, through);
        return;
    }
    if (w->flags().testFlag(Qt::WindowTransparentForInput) == through) return;
    w->setFlag(Qt::WindowTransparentForInput, through);
    // Setting window flags tells the window manager the whole state they
    // stand for: on X11 the above and below states go with them, since the
    // layer is asked for beside Qt's flags. Ask for it again.
    applyLayer();
}

void DesktopWidgetWindow::OMove(bool moveMode) {
    if (moveMode) {
        // Pulled back onto the screen it is on, so that all of it can be grabbed.
        QScreen* s = screen() ? screen() : primary();
        if (s &&
            (!m_app.platform.widgetSupport || m_app.platform.widgetSupport->globalPositions())) {
            const QRect g = s->geometry();
            move(PullOntoScreen(QRectF(pos(), size()), QRectF(g.topLeft(), g.size())).toPoint());
        }
    }
    const bool changed = m_moveMode != moveMode;
    m_moveMode = moveMode;
    SetWindowTransparency();
    // The layer follows the mode (a widget kept below comes up while it moves).
    if (changed) applyLayer();
    if (moveMode) raise();
}

QPointF DesktopWidgetWindow::positionTwips() const {
    return {PixelsToTwips(x(), dpi()), PixelsToTwips(y(), dpi())};
}

void DesktopWidgetWindow::moveToTwips(QPointF twips) {
    move(TwipsToPixels(twips.x(), dpi()), TwipsToPixels(twips.y(), dpi()));
}

void DesktopWidgetWindow::restorePlace(QPointF defaultTwips, bool stored) {
    const QPointF t = stored ? QPointF(m_app.settings.*m_fields.left, m_app.settings.*m_fields.top)
                             : defaultTwips;
    moveToTwips(t);
    // A window saved on a monitor that is gone would open where nobody can
    // reach it (it lets clicks through): onto the primary screen with it.
    const QRect r(pos(), size());
    const auto screens = QGuiApplication::screens();
    const bool onScreen = std::any_of(screens.begin(), screens.end(), [&](QScreen* s) {
        return s->geometry().contains(r.center());
    });
    if (!onScreen && primary()) {
        const QRect g = primary()->geometry();
        move(PullOntoScreen(QRectF(r), QRectF(g.topLeft(), g.size())).toPoint());
    }
    setVisible(m_app.settings.*m_fields.visible);
}

DesktopWidgetSupport::Layer DesktopWidgetWindow::layer() const {
    DesktopWidgetSupport* support = m_app.platform.widgetSupport.get();
    using Layer = DesktopWidgetSupport::Layer;
    // In move mode a widget kept below the other windows comes up among
    // them, so that it can be grabbed; it goes back below afterwards.
    return OnTop()                                                  ? Layer::Above
           : !m_moveMode && support && support->keepsWindowsBelow() ? Layer::Below
                                                                    : Layer::Normal;
}

void DesktopWidgetWindow::applyLayer() {
    if (m_surface) {
        showOnSurface();
        return;
    }
    DesktopWidgetSupport* support = m_app.platform.widgetSupport.get();
    if (!support || !windowHandle()) return;
    support->setWidgetState(*windowHandle(), layer());
}

void DesktopWidgetWindow::showOnSurface() {
    if (!m_surface) return;
    if (!isVisible()) {
        m_surface->hide();
        return;
    }
    // The surface hands on no clicks of its own (a clickable news bar's
    // headlines): it takes the pointer in move mode only.
    m_surface->show(renderImage(), pos(), layer(), m_moveMode);
}

void DesktopWidgetWindow::setElementPen(QPainter& p, const QColor& color, double widthPx) const {
    QColor c = color;
    if (c.rgb() == WidgetKeyColor.rgb()) {
        // The key colour is a hole, through whatever was drawn beneath it.
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        c.setAlpha(255);
    } else {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        c.setAlpha(alpha());
    }
    QPen pen(c, widthPx);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
}

QFont DesktopWidgetWindow::drawnFont(const FontSet& set) const {
    QFont f = FontOf(set);
    if (!m_blends) f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QFont DesktopWidgetWindow::fittedFont(QPainter& p, const FontSet& set, const QRectF& cellTwips,
                                      const QStringList& texts) const {
    QFont f = drawnFont(set);
    const double room = px(cellTwips.adjusted(kFitMarginTwips, 0, -kFitMarginTwips, 0)).width();
    for (int attempt = 0; attempt < 4 && room > 0; ++attempt) {
        const QFontMetricsF m(f, p.device());
        double widest = 0;
        for (const QString& text : texts)
            widest = std::max({widest, m.horizontalAdvance(text), m.boundingRect(text).width()});
        if (widest <= room || f.pointSizeF() <= 1) break;
        // Glyph widths do not shrink exactly in step with the size: a little more.
        f.setPointSizeF(std::max(1.0, f.pointSizeF() * room / widest * 0.97));
    }
    return f;
}

void DesktopWidgetWindow::drawText(QPainter& p, const QRectF& twips, const FontSet& font,
                                   const QString& text, Qt::Alignment align) const {
    drawText(p, twips, drawnFont(font), font.color, text, align);
}

void DesktopWidgetWindow::drawText(QPainter& p, const QRectF& twips, const QFont& font,
                                   qint32 color, const QString& text, Qt::Alignment align) const {
    p.setFont(font);
    setElementPen(p, ColorOf(color));
    p.drawText(px(twips), int(align), text);
}

void DesktopWidgetWindow::render(QPainter& p) const {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    QColor background = m_moveMode ? MoveModeColor : QColor(Qt::transparent);
    if (m_moveMode) background.setAlpha(alpha());
    p.fillRect(QRect(QPoint(0, 0), size()), background);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Without blending, half-covered edge pixels would show darkened.
    p.setRenderHint(QPainter::Antialiasing, m_blends);
    p.setRenderHint(QPainter::TextAntialiasing, m_blends);
    drawElements(p);
}

QImage DesktopWidgetWindow::renderImage() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    render(p);
    return image;
}

void DesktopWidgetWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_blends && !m_moveMode && devicePixelRatioF() != 1) {
        // The shape is cut in whole pixels of the window's own coordinates.
        // Drawn finer than that (on a scaled screen) the elements would lose
        // what the cut leaves out and show black where it lets through what
        // they leave empty: they are drawn as the shape was cut, enlarged.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(rect(), renderImage());
    } else {
        render(p);
    }
    // The first paint after a show comes once the window manager has taken
    // the window on: states asked for before that are lost, and a reparenting
    // manager copies the input shape onto its frame only when it changes.
    if (m_managePending) {
        m_managePending = false;
        QTimer::singleShot(0, this, [this] {
            if (QWindow* w = windowHandle(); w && !m_moveMode && !takesClicks()) {
                w->setFlag(Qt::WindowTransparentForInput, false);
                w->setFlag(Qt::WindowTransparentForInput, true);
            }
            // The flags just set drop the layer on X11.
            applyLayer();
        });
    }
}

void DesktopWidgetWindow::updateShape() {
    // With a compositing manager the transparent pixels show what lies
    // beneath; without one, a shape cut from the drawn elements does, and
    // the whole window shows in move mode.
    if (m_blends || m_moveMode) {
        clearMask();
        return;
    }
    const QImage image = renderImage();
    const QRegion drawn(QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither)));
    // An empty mask would mean no mask at all: a region outside the window
    // shows nothing instead.
    setMask(drawn.isEmpty() ? QRegion(-1, -1, 1, 1) : drawn);
}

void DesktopWidgetWindow::refresh() {
    updateShape();
    redraw();
}

void DesktopWidgetWindow::redraw() {
    if (m_surface)
        showOnSurface();
    else
        update();
}

void DesktopWidgetWindow::mousePressEvent(QMouseEvent* event) {
    // Only reached in move mode: the window manager drags the window.
    if (m_moveMode && windowHandle()) windowHandle()->startSystemMove();
    event->accept();
}

void DesktopWidgetWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    OMove(false);
    event->accept();
}

void DesktopWidgetWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Under Wayland the position is the compositor's and means nothing here.
    if (m_app.platform.widgetSupport && !m_app.platform.widgetSupport->globalPositions()) return;
    const QPointF t = positionTwips();
    m_app.settings.*m_fields.left = float(t.x());
    m_app.settings.*m_fields.top = float(t.y());
    showOnSurface();
}

void DesktopWidgetWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_managePending = true;
    SetWindowTransparency();
    applyLayer();
}

void DesktopWidgetWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    showOnSurface();
}
