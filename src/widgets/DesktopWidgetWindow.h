#pragma once

#include "platform/DesktopWidgetSupport.h"
#include "settings/Settings.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <memory>

class AppContext;
class QPainter;

// What the clock and the calendar share: a frameless window on the desktop
// that shows only its drawn elements, translucent by the Transparency
// setting, that lets clicks through to the window beneath in normal mode,
// and that in move mode is dark red, takes the mouse and is dragged by the
// window manager. Its position (in twips), visibility and always-on-top flag
// live in the settings, which are kept up to date with the window.
class DesktopWidgetWindow : public QWidget {
    Q_OBJECT
public:
    // The settings fields that hold this widget's place and state.
    struct Fields {
        float Settings::*left;
        float Settings::*top;
        bool Settings::*visible;
        bool Settings::*onTop;
    };
    // Drawn elements of exactly this colour are holes in the window.
    static inline const QColor WidgetKeyColor{0, 8, 16};
    static inline const QColor MoveModeColor{128, 0, 0};

    DesktopWidgetWindow(AppContext& app, Fields fields, QSizeF sizeTwips, qint32 id);

    void OMove(bool moveMode);
    bool inMoveMode() const { return m_moveMode; }
    void SetVisible(bool visible);
    QVariant GetVisible() const { return isVisible(); }
    qint32 GetID() const { return m_id; }
    bool OnTop() const;
    void setOnTop(bool onTop);

    // Twips on the desktop, converted with the primary screen's logical DPI.
    QPointF positionTwips() const;
    void moveToTwips(QPointF twips);
    // Moves the window to its stored position, or to `defaultTwips` when
    // none is `stored`; a window that would lie on no screen is pulled onto
    // the primary one. Then shows or hides it as stored.
    void restorePlace(QPointF defaultTwips, bool stored);
    // The top-most state its OnTop flag asks for (below the normal windows
    // otherwise, where the window manager can do that, except in move mode).
    // Asked for again whenever the window's flags change, which on X11 would
    // drop it.
    void applyLayer();
    // Takes up a changed Transparency and the compositing state.
    void SetWindowTransparency();

    // What the window shows, alpha included, at its current size.
    QImage renderImage() const;
    double dpi() const;

protected:
    // Draws the widget's elements; coordinates through px().
    virtual void drawElements(QPainter& p) const = 0;
    // A rectangle in twips of the window as pixels.
    QRectF px(const QRectF& twips) const;
    QPointF px(QPointF twips) const;
    // An element colour as drawn: the widget's alpha, or a hole for the key colour.
    void setElementPen(QPainter& p, const QColor& color, double widthPx = 1) const;
    void drawText(QPainter& p, const QRectF& twips, const FontSet& font, const QString& text,
                  Qt::Alignment align = Qt::AlignCenter) const;
    void drawText(QPainter& p, const QRectF& twips, const QFont& font, qint32 color,
                  const QString& text, Qt::Alignment align = Qt::AlignCenter) const;
    // The font of a font set as drawn.
    QFont drawnFont(const FontSet& set) const;
    // The same, made smaller where needed so that each of `texts` keeps clear
    // of the sides of a cell of this size: texts in neighbouring cells never
    // run together, whatever face stands in for the chosen one.
    QFont fittedFont(QPainter& p, const FontSet& set, const QRectF& cellTwips,
                     const QStringList& texts) const;
    // To be called after the drawn elements changed.
    void refresh();
    // The same when only the pixels changed, not the shape cut from them.
    void redraw();
    // Whether the window takes the mouse in normal mode too (a clickable
    // news bar); otherwise clicks go through it.
    virtual bool takesClicks() const { return false; }
    // Whether translucent pixels blend with what lies beneath; without, the
    // window shows through a shape cut from what it draws.
    bool blends() const { return m_blends; }

    AppContext& m_app;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Where the platform shows widgets on surfaces of their own: what the
    // window draws, at its place, in its layer.
    void showOnSurface();
    DesktopWidgetSupport::Layer layer() const;
    void render(QPainter& p) const;
    void updateShape();
    void applyMode();
    // Click-through or not; the layer is asked for again after the change.
    void setTransparentForInput(bool through);
    int alpha() const;

    Fields m_fields;
    QSizeF m_sizeTwips;
    qint32 m_id;
    bool m_moveMode = false;
    bool m_blends = true;
    bool m_managePending = false;
    // The platform's surface that stands in for the window, if any.
    std::unique_ptr<WidgetSurface> m_surface;
};
