#pragma once

#include "widgets/DesktopWidgetWindow.h"

#include <QElapsedTimer>
#include <QFont>
#include <QTimer>
#include <optional>

class FeedUpdater;

// The news bar on the desktop: the headlines of every listed feed as one
// line scrolling from right to left across the screen, each feed's title in
// the source font set before its headlines in the headline font set. It is a
// desktop widget like the clock (translucency, move mode, always-on-top);
// with "Clickable" a click on a headline opens its link in the browser and
// the line stands still under the mouse, otherwise clicks go through it. It
// refreshes the feeds every NBInterval minutes.
class NewsBar : public DesktopWidgetWindow {
    Q_OBJECT
public:
    NewsBar(AppContext& app, FeedUpdater& feeds);

    // Fonts, size, speed and refresh interval from the settings.
    void ArrangeNewsBar();
    // Fetches the feeds of the stored feed list now (and then every interval).
    void refreshFeeds();
    // The headlines of the stored feed files, before the first refresh.
    void showStoredFeeds();

    // One text of the line: a feed's title or a headline, at `x` pixels from
    // the start of the line.
    struct Piece {
        QString text;
        bool source = false;
        QString link; // an http or https address, or empty
        double x = 0;
        double width = 0;
    };
    const QList<Piece>& pieces() const { return m_pieces; }
    // The line's texts, as a screen reader reads them.
    QString lineText() const;
    // Where the piece with `text` shows whole in the window now, if it does.
    std::optional<QRect> placeOf(const QString& text) const;
    // The link of what lies at `x` pixels in the window; empty when none.
    QString linkAt(double x) const;
    // Pixels per second the line moves at NBSpeed.
    double pixelsPerSecond() const;

protected:
    void drawElements(QPainter& p) const override;
    bool takesClicks() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuild();
    void tick();
    void startScrolling();
    double loopLength() const;

    FeedUpdater& m_feeds;
    QFont m_headlineFont, m_sourceFont;
    double m_baseline = 0;
    QList<Piece> m_pieces;
    double m_contentWidth = 0;
    double m_gap = 0;
    // How far the line has moved, in pixels of the loop (the line and a gap);
    // negative while it first comes in from the right edge.
    double m_offset = 0;
    int m_drawnOffset = 0;
    bool m_paused = false;
    QTimer m_frame;
    QTimer m_refresh;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
};
