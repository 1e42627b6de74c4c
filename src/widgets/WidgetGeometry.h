#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGlobal>
#include <vector>

// The numbers behind the desktop clock and calendar, apart from any window.
// Lengths are in twips (1440 per inch) unless a name says pixels.

// The clock window's client area and the calendar's.
inline constexpr double kClockWidth = 3195, kClockHeight = 2550;
inline constexpr double kCalendarWidth = 3195, kCalendarHeight = 2490;
// The default distance of the clock from the top of the screen.
inline constexpr double kWidgetTopMargin = 500;

// One hand of the clock: from the dial centre (X1, Y1) to its tip (X2, Y2),
// in the clock window's coordinates.
struct HandLine {
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
};

// The dial's π: 22/7 in single precision, as the face has always used it.
float DialPi();
// The direction of `value` on the dial (60 units a full turn, 0 straight up),
// in radians, growing clockwise on the screen.
double DialAngle(double value);

// The hand of `kind` (1 seconds, 2 minutes, 3 hours; any other kind has no
// length) pointing at `value`.
HandLine ClockHandGeometry(qint16 kind, double value);
// The hours hand's dial value at h:m: it moves a fifth of a unit every 12
// minutes; afternoon hours add a full turn.
double HoursHandValue(int hours, int minutes);

// The numeral labels: their design size, and the top-left corner of numeral
// `index` (0 and 12 share the 12 o'clock place) on the circle of 1000 twips,
// every numeral 100 twips lower than the circle.
inline constexpr double kNumeralWidth = 480, kNumeralHeight = 375;
QPointF NumeralPlace(int index);

// One month on the calendar's grid of 42 cells (six rows of seven, Sunday
// first): the cells of day 1 and of the last day, and the title.
struct MonthCells {
    int FirstCell = 0;
    int LastCell = 0;
    QString title; // "July 2006"
};
MonthCells MonthLayout(int year, int month);
bool IsLeapYear(int year);

// The calendar's elements as designed: the title, the seven day-name
// headers and the 42 day cells, each at its neighbour plus 2 twips.
QRectF CalendarTitleRect();
QRectF CalendarHeaderRect(int index);
QRectF CalendarCellRect(int index);

// Where a window of `window` (position and size) goes so that it lies on
// `screen`: its right and bottom edges pulled back to the screen's, then its
// left and top edges to the screen's, so one larger than the screen starts at
// the screen's left or top edge.
QPointF PullOntoScreen(const QRectF& window, const QRectF& screen);

// Conversions with the screen's logical dots per inch.
int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(double pixels, double dpi);

// The order in which the widgets' always-on-top states are set: a hidden
// widget is left alone; of two visible ones with different flags the one
// whose flag is clear comes first, otherwise the clock first.
enum class WidgetKind { Clock, Calendar };
struct OnTopStep {
    WidgetKind widget;
    bool onTop;
    bool operator==(const OnTopStep&) const = default;
};
std::vector<OnTopStep> OnTopOrder(bool clockVisible, bool clockOnTop, bool calendarVisible,
                                  bool calendarOnTop);
