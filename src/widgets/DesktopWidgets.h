#pragma once

#include <QObject>
#include <memory>

class AppContext;
class FeedUpdater;
class ClockWidget;
class CalendarWidget;
class NewsBar;

// The desktop widgets of a running program: the clock, the calendar and the
// news bar with the feed updater behind it. Each window is created the first
// time it is asked for and lives until the program ends.
class DesktopWidgets : public QObject {
    Q_OBJECT
public:
    explicit DesktopWidgets(AppContext& app, QObject* parent = nullptr);
    ~DesktopWidgets() override;

    ClockWidget& clock();
    CalendarWidget& calendar();
    NewsBar& newsBar();
    FeedUpdater& feeds() { return *m_feeds; }

    // At start-up, with the settings loaded: each widget at its stored place
    // (its default place when none is stored), shown or hidden as stored,
    // its elements styled, then the always-on-top states.
    void arrange();
    // Gives every visible widget the always-on-top state its flag asks for.
    void ApplyWidgetsOnTop();
    // Takes up changed widget settings: styles, transparency, place, state.
    void restyle();
    // Takes up changed news bar settings or feed list: the bar shows or
    // hides, and a shown bar fetches the feeds at once.
    void newsBarChanged();

private:
    void showNewsBar();
    AppContext& m_app;
    std::unique_ptr<ClockWidget> m_clock;
    std::unique_ptr<CalendarWidget> m_calendar;
    std::unique_ptr<FeedUpdater> m_feeds;
    std::unique_ptr<NewsBar> m_newsBar;
};
