#pragma once

#include "widgets/DesktopWidgetWindow.h"
#include "widgets/WidgetGeometry.h"

#include <QDate>
#include <QTimer>
#include <array>

// The month calendar on the desktop: the title, the day names from Sunday
// and six rows of day cells, today's in its own style. It always shows the
// month of today and goes back to it about once a minute.
class CalendarWidget : public DesktopWidgetWindow {
    Q_OBJECT
public:
    explicit CalendarWidget(AppContext& app);

    // Shows the month of today with today marked.
    void DoToday();
    // Shows the month of `d` with `d` marked.
    void goDate(const QDate& d);
    void SaveOptions() {}

    struct Cell {
        QString caption;
        bool visible = false;
        bool today = false;
    };
    QString pnlMonth;
    std::array<QString, 7> pnlName;
    std::array<Cell, 42> lblDay;
    int ShownMonth = 1;
    QString ShownYear;
    QString MarkDate; // "MM/DD/YY", emptied after each drawing
    int FirstCell = 0, LastCell = 0;
    QTimer Timer1;

protected:
    void drawElements(QPainter& p) const override;

private:
    void DrawMonth();
};
