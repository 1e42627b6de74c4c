#include "widgets/NewsBar.h"

#include "context/AppContext.h"
#include "feeds/FeedUpdater.h"
#include "widgets/FontSetStyle.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Headlines of one feed on the line, newest first as the feeds list them.
constexpr int kHeadlinesPerFeed = 10;
// Vertical room around the text, pixels.
constexpr int kPadding = 2;

} // namespace

NewsBar::NewsBar(AppContext& app, FeedUpdater& feeds)
    : DesktopWidgetWindow(
          app, {&Settings::NBLeft, &Settings::NBTop, &Settings::NBEnabled, &Settings::NBOnTop},
          {14400, 360}, 3),
      m_feeds(feeds) {
    setObjectName(QStringLiteral("frmnewsbar"));
    setWindowTitle(QCoreApplication::translate("NewsBar", "News bar"));
    setAccessibleName(QCoreApplication::translate("NewsBar", "News bar"));
    m_frame.setTimerType(Qt::PreciseTimer);
    connect(&m_frame, &QTimer::timeout, this, &NewsBar::tick);
    m_refresh.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_refresh, &QTimer::timeout, this, &NewsBar::refreshFeeds);
    connect(&m_feeds, &FeedUpdater::updated, this, &NewsBar::rebuild);
    m_clock.start();
    ArrangeNewsBar();
}

void NewsBar::ArrangeNewsBar() {
    const Settings& s = m_app.settings;
    m_headlineFont = FontOf(s.NBHeadline);
    m_sourceFont = FontOf(s.NBSource);
    if (!blends()) {
        m_headlineFont.setStyleStrategy(QFont::NoAntialias);
        m_sourceFont.setStyleStrategy(QFont::NoAntialias);
    }
    const QFontMetricsF h(m_headlineFont), src(m_sourceFont);
    m_baseline = kPadding + std::max(h.ascent(), src.ascent());
    const int height = int(std::ceil(m_baseline + std::max(h.descent(), src.descent()))) + kPadding;
    // As wide as the screen the bar is on.
    QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
    setFixedSize(sc ? sc->geometry().width() : 800, height);
    m_gap = 2 * h.horizontalAdvance(QLatin1Char('M'));
    // Minutes between refreshes; the settings keep it positive.
    // A restyle for other reasons leaves the countdown to the next refresh alone.
    const int ms = int(std::clamp(s.NBInterval * 60000.0, 1000.0, double(INT_MAX)));
    if (!s.NBEnabled)
        m_refresh.stop();
    else if (!m_refresh.isActive() || m_refresh.interval() != ms)
        m_refresh.start(ms);
    SetWindowTransparency();
    setCursor(s.NBClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    rebuild();
}

void NewsBar::refreshFeeds() {
    QList<FeedEntry> feeds;
    LoadFeeds(m_app.paths.FeedsListPath, feeds);
    m_feeds.update(feeds);
}

void NewsBar::showStoredFeeds() {
    QList<FeedEntry> feeds;
    LoadFeeds(m_app.paths.FeedsListPath, feeds);
    m_feeds.showStored(feeds);
}

double NewsBar::pixelsPerSecond() const {
    const qint16 speed = std::clamp<qint16>(m_app.settings.NBSpeed, 1, 10);
    return 20.0 * (11 - speed) * dpi() / 96.0;
}

double NewsBar::loopLength() const {
    return m_contentWidth + 3 * m_gap;
}

void NewsBar::rebuild() {
    m_pieces.clear();
    const QFontMetricsF h(m_headlineFont), src(m_sourceFont);
    double x = 0;
    const auto add = [&](const QString& text, bool source, const QString& link) {
        if (!m_pieces.isEmpty()) x += source ? 2 * m_gap : m_gap;
        const double width = (source ? src : h).horizontalAdvance(text);
        m_pieces.append({text, source, link, x, width});
        x += width;
    };
    for (const FeedNews& n : m_feeds.news()) {
        if (!n.document.usable()) continue;
        add(n.document.title, true, FeedLinkAddress(n.document.link, n.feed.url));
        for (const Headline& headline : n.document.headlines.mid(0, kHeadlinesPerFeed))
            add(headline.title, false, FeedLinkAddress(headline.link, n.feed.url));
    }
    m_contentWidth = x;
    if (m_offset >= loopLength()) m_offset = std::fmod(m_offset, loopLength());
    setAccessibleDescription(lineText());
    startScrolling();
    refresh();
}

QString NewsBar::lineText() const {
    QStringList texts;
    for (const Piece& p : m_pieces)
        texts << p.text;
    return texts.join(QStringLiteral("  "));
}

void NewsBar::startScrolling() {
    const bool scrolls = isVisible() && !m_pieces.isEmpty();
    if (scrolls == m_frame.isActive()) return;
    if (!scrolls) {
        m_frame.stop();
        return;
    }
    // One step per frame of the screen.
    const double rate = screen() && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60;
    m_frame.setInterval(std::clamp(int(std::lround(1000 / rate)), 8, 50));
    m_lastTick = m_clock.elapsed();
    m_frame.start();
}

void NewsBar::tick() {
    const qint64 now = m_clock.elapsed();
    // A late tick (a busy machine) moves on from where it was, not in one leap.
    const double seconds = std::min<qint64>(now - m_lastTick, 250) / 1000.0;
    m_lastTick = now;
    if (!m_paused) m_offset += pixelsPerSecond() * seconds;
    if (m_offset >= loopLength()) m_offset = std::fmod(m_offset, loopLength());
    const int drawn = int(std::floor(m_offset));
    if (drawn == m_drawnOffset) return;
    m_drawnOffset = drawn;
    // The shape follows the text only without a compositing manager.
    if (blends())
        redraw();
    else
        refresh();
}

void NewsBar::drawElements(QPainter& p) const {
    if (m_pieces.isEmpty()) return;
    const double loop = loopLength();
    for (double start = -m_drawnOffset; start < width(); start += loop) {
        for (const Piece& piece : m_pieces) {
            const double x = start + piece.x;
            if (x + piece.width < 0) continue;
            if (x >= width()) break;
            p.setFont(piece.source ? m_sourceFont : m_headlineFont);
            setElementPen(p, ColorOf(piece.source ? m_app.settings.NBSource.color
                                                  : m_app.settings.NBHeadline.color));
            p.drawText(QPointF(x, m_baseline), piece.text);
        }
    }
}

std::optional<QRect> NewsBar::placeOf(const QString& text) const {
    const double loop = loopLength();
    for (double start = -m_drawnOffset; start < width(); start += loop)
        for (const Piece& piece : m_pieces) {
            const double x = start + piece.x;
            if (piece.text == text && x >= 0 && x + piece.width <= width())
                return QRect(int(x), 0, int(piece.width), height());
        }
    return std::nullopt;
}

QString NewsBar::linkAt(double x) const {
    const double loop = loopLength();
    double along = x + m_drawnOffset;
    if (along < 0 || loop <= 0) return {};
    along = std::fmod(along, loop);
    for (const Piece& piece : m_pieces)
        if (along >= piece.x && along < piece.x + piece.width) return piece.link;
    return {};
}

bool NewsBar::takesClicks() const {
    return m_app.settings.NBClickable;
}

void NewsBar::mousePressEvent(QMouseEvent* event) {
    if (inMoveMode()) return DesktopWidgetWindow::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QString link = linkAt(event->position().x());
        if (!link.isEmpty()) m_app.platform.shell->openUrl(link);
    }
    event->accept();
}

void NewsBar::enterEvent(QEnterEvent* event) {
    // The line stands still under the mouse, so that a headline can be hit.
    m_paused = true;
    DesktopWidgetWindow::enterEvent(event);
}

void NewsBar::leaveEvent(QEvent* event) {
    m_paused = false;
    DesktopWidgetWindow::leaveEvent(event);
}

void NewsBar::showEvent(QShowEvent* event) {
    DesktopWidgetWindow::showEvent(event);
    // Each showing starts with the line coming in from the right edge.
    m_offset = -width();
    m_drawnOffset = -width();
    startScrolling();
}

void NewsBar::hideEvent(QHideEvent* event) {
    DesktopWidgetWindow::hideEvent(event);
    m_frame.stop();
}
