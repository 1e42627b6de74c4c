#pragma once

#include "options_window/OptionsPage.h"

#include <QAbstractButton>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

// The clock's dial as the "Clock" page previews it: twelve numerals on a
// circle and the three hands in their colours. Pressing it picks the
// numerals' font and colour.
class ClockPreview : public QAbstractButton {
    Q_OBJECT
public:
    explicit ClockPreview(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 200}; }
    FontSet digits;
    qint32 hour = 0, minute = 0, second = 0;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The "Clock" page: whether the desktop clock shows, stays on top or moves,
// and the style of its numerals and hands. Nothing reaches the clock before
// apply.
class ClockPage : public OptionsPage {
    Q_OBJECT
public:
    ClockPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkshowclock;
    QCheckBox* chkclockontop;
    QToolButton* cmdclockmove;
    ClockPreview* lbldigprev;
    QPushButton* lblhoursprev;
    QPushButton* lblminprev;
    QPushButton* lblsecprev;
    QLabel* Label4;

private:
    void showHands();
    const OptionsWindowParts& m_parts;
};

// The "Calendar" page: whether the desktop calendar shows, stays on top or
// moves, and the style of its title, day names, days and today.
class CalendarPage : public OptionsPage {
    Q_OBJECT
public:
    CalendarPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkshowcalender;
    QCheckBox* chkcalalwaysontop;
    QToolButton* cmdcalendermove;
    QWidget* Picture1;
    QPushButton* lblcalendertitle;
    QPushButton* lblcalenderdaynames;
    QPushButton* lblcalenderdays[4];
    QPushButton* lblcalendertoday;
    QLabel* Label12;
    FontSet title, dayNames, days, today;

private:
    void showStyles();
    const OptionsWindowParts& m_parts;
};

// The text the widget pages show where the widgets do not exist.
QString WidgetsUnavailableText();
