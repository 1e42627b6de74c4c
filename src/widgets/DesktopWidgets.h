#pragma once

#include <QObject>
#include <memory>

class AppContext;
class frmclock;
class frmcalender;

// The two desktop widgets of a running program. Each window is created the
// first time it is asked for and lives until the program ends.
class DesktopWidgets : public QObject {
    Q_OBJECT
public:
    explicit DesktopWidgets(AppContext& app, QObject* parent = nullptr);
    ~DesktopWidgets() override;

    frmclock& clock();
    frmcalender& calendar();

    // At start-up, with the settings loaded: each widget at its stored place
    // (its default place when none is stored), shown or hidden as stored,
    // its elements styled, then the always-on-top states.
    void arrange();
    // Gives every visible widget the always-on-top state its flag asks for.
    void ApplyWidgetsOnTop();
    // Takes up changed widget settings: styles, transparency, place, state.
    void restyle();

private:
    AppContext& m_app;
    std::unique_ptr<frmclock> m_clock;
    std::unique_ptr<frmcalender> m_calendar;
};
