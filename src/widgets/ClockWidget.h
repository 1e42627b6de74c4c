#pragma once

#include "widgets/DesktopWidgetWindow.h"
#include "widgets/WidgetGeometry.h"

#include <QTime>
#include <QTimer>
#include <array>

// One hand of the clock as drawn: its line, its width in pixels and colour.
struct ClockHand {
    HandLine line;
    int width = 1;
    qint32 color = 0xFFFFFF; // 0x00BBGGRR
};
void PlaceHandLine(ClockHand& hand, const HandLine& line);

// The analog clock on the desktop: twelve numerals on a circle and three
// hands, moved twice a second.
class ClockWidget : public DesktopWidgetWindow {
    Q_OBJECT
public:
    explicit ClockWidget(AppContext& app);

    // Gives every numeral the font of the first (the template, not shown)
    // and puts it in its place on the dial.
    void ArrangeClock();
    void ShowOptions() {}
    // Points the hands at `time`; the tick does this with the current time.
    void showTime(const QTime& time);

    struct Numeral {
        QString caption;
        QPointF place; // top-left corner, twips
        FontSet font;
        bool visible = true;
    };
    std::array<Numeral, 13> lbldigit;
    ClockHand lnseconds{{}, 1}, lnminutes{{}, 2}, lnhours{{}, 3};
    QTimer Timer1;

protected:
    void drawElements(QPainter& p) const override;

private:
    void Timer1_Timer();
};
