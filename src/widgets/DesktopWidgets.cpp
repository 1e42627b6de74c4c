#include "widgets/DesktopWidgets.h"

#include "context/AppContext.h"
#include "feeds/FeedUpdater.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/NewsBar.h"
#include "widgets/WidgetGeometry.h"

#include <QGuiApplication>
#include <QScreen>

DesktopWidgets::DesktopWidgets(AppContext& app, QObject* parent)
    : QObject(parent), m_app(app), m_feeds(std::make_unique<FeedUpdater>(app)) {
    connect(&m_app.events, &AppEvents::changed, this, [this](SettingsParts parts) {
        if (parts.testFlag(SettingsPart::Widgets)) restyle();
        if (parts.testFlag(SettingsPart::NewsBar)) newsBarChanged();
    });
}

DesktopWidgets::~DesktopWidgets() = default;

ClockWidget& DesktopWidgets::clock() {
    if (!m_clock) m_clock = std::make_unique<ClockWidget>(m_app);
    return *m_clock;
}

CalendarWidget& DesktopWidgets::calendar() {
    if (!m_calendar) m_calendar = std::make_unique<CalendarWidget>(m_app);
    return *m_calendar;
}

NewsBar& DesktopWidgets::newsBar() {
    if (!m_newsBar) m_newsBar = std::make_unique<NewsBar>(m_app, *m_feeds);
    return *m_newsBar;
}

void DesktopWidgets::arrange() {
    ClockWidget& c = clock();
    CalendarWidget& cal = calendar();
    // The default places: the top right corner of the primary screen, the
    // calendar under the clock.
    QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = c.dpi();
    const QRect g = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    const double right = PixelsToTwips(g.x() + g.width(), dpi);
    const double top = PixelsToTwips(g.y(), dpi);
    const auto stored = [this](const char* left, const char* topKey) {
        const SettingsStore& store = *m_app.platform.store;
        return store.value(QStringLiteral("Options"), QString::fromLatin1(left)).has_value() &&
               store.value(QStringLiteral("Options"), QString::fromLatin1(topKey)).has_value();
    };
    c.ArrangeClock();
    c.restorePlace({right - kClockWidth, top + kWidgetTopMargin}, stored("ClockLeft", "ClockTop"));
    cal.DoToday();
    cal.restorePlace({right - kCalendarWidth, top + kClockHeight + kWidgetTopMargin},
                     stored("CalLeft", "CalTop"));
    if (m_app.settings.NBEnabled) showNewsBar();
    ApplyWidgetsOnTop();
}

void DesktopWidgets::ApplyWidgetsOnTop() {
    ClockWidget& c = clock();
    CalendarWidget& cal = calendar();
    for (const OnTopStep& step :
         OnTopOrder(c.isVisible(), c.OnTop(), cal.isVisible(), cal.OnTop())) {
        if (step.widget == WidgetKind::Clock)
            c.applyLayer();
        else
            cal.applyLayer();
    }
    if (m_newsBar && m_newsBar->isVisible()) m_newsBar->applyLayer();
}

void DesktopWidgets::restyle() {
    ClockWidget& c = clock();
    CalendarWidget& cal = calendar();
    c.ArrangeClock();
    c.SetWindowTransparency();
    cal.SetWindowTransparency();
    for (DesktopWidgetWindow* w :
         {static_cast<DesktopWidgetWindow*>(&c), static_cast<DesktopWidgetWindow*>(&cal)}) {
        w->setVisible(w == &c ? m_app.settings.ClockV : m_app.settings.CalV);
    }
    if (m_newsBar) m_newsBar->ArrangeNewsBar();
    ApplyWidgetsOnTop();
}

void DesktopWidgets::newsBarChanged() {
    if (!m_newsBar && !m_app.settings.NBEnabled) return;
    const bool wasShown = m_newsBar && m_newsBar->isVisible();
    NewsBar& bar = newsBar();
    bar.ArrangeNewsBar();
    if (m_app.settings.NBEnabled && !wasShown) {
        showNewsBar();
    } else {
        bar.setVisible(m_app.settings.NBEnabled);
        if (m_app.settings.NBEnabled) bar.refreshFeeds();
    }
    ApplyWidgetsOnTop();
}

void DesktopWidgets::showNewsBar() {
    NewsBar& bar = newsBar();
    // At its stored place, or across the bottom of the primary screen's free
    // area.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QPointF place(PixelsToTwips(free.x(), bar.dpi()),
                        PixelsToTwips(free.y() + free.height() - bar.height(), bar.dpi()));
    const SettingsStore& store = *m_app.platform.store;
    const QString section = QStringLiteral("NewsBar");
    bar.restorePlace(place, store.value(section, QStringLiteral("Left")).has_value() &&
                                store.value(section, QStringLiteral("Top")).has_value());
    bar.showStoredFeeds();
    bar.refreshFeeds();
}
