#include "widgets/WidgetGeometry.h"

#include "platform/Language.h"

#include <QDate>
#include <QLocale>
#include <cmath>

float DialPi() {
    return 22.0f / 7.0f;
}

double DialAngle(double value) {
    const float pi = DialPi();
    return value * double(pi / 30.0f) - double(pi / 2.0f);
}

HandLine ClockHandGeometry(qint16 kind, double value) {
    // 7/8, 6/8 and 4/8 of the dial radius of 1000.
    const double length = kind == 1 ? 875 : kind == 2 ? 750 : kind == 3 ? 500 : 0;
    const double cx = kClockWidth / 2, cy = kClockHeight / 2;
    const double angle = DialAngle(value);
    return {cx, cx + length * std::cos(angle), cy, cy + length * std::sin(angle)};
}

double HoursHandValue(int hours, int minutes) {
    return hours * 5 + minutes / 12.0;
}

QPointF NumeralPlace(int index) {
    const double angle = DialAngle(index * 5);
    return {kClockWidth / 2 + std::cos(angle) * 1000 - kNumeralWidth / 2,
            kClockHeight / 2 + std::sin(angle) * 1000 - kNumeralHeight / 2 + 100};
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

MonthCells MonthLayout(int year, int month) {
    static const char* const names[] = {"January ",   "February ", "March ",    "April ",
                                        "May ",       "June ",     "July ",     "August ",
                                        "September ", "October ",  "November ", "December "};
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    MonthCells m;
    m.FirstCell = QDate(year, month, 1).dayOfWeek() % 7; // Sunday 0 … Saturday 6
    const int n = month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
    m.LastCell = m.FirstCell + n - 1;
    // The interface language's month name when it is translated; the fixed
    // English one otherwise, whatever the system's locale.
    m.title = InterfaceTranslated()
                  ? QLocale().standaloneMonthName(month) + QLatin1Char(' ') + QString::number(year)
                  : QLatin1String(names[month - 1]) + QString::number(year);
    return m;
}

QRectF CalendarTitleRect() {
    return {0, 0, kCalendarWidth, 375};
}

QRectF CalendarHeaderRect(int index) {
    return {240 + index * (400 + 2.0), 480, 400, 255};
}

QRectF CalendarCellRect(int index) {
    return {240 + (index % 7) * (405 + 2.0), 720 + (index / 7) * (300 + 2.0), 405, 300};
}

QPointF PullOntoScreen(const QRectF& window, const QRectF& screen) {
    double left = window.left(), top = window.top();
    if (left > screen.right() - window.width()) left = screen.right() - window.width();
    if (left < screen.left()) left = screen.left();
    if (top > screen.bottom() - window.height()) top = screen.bottom() - window.height();
    if (top < screen.top()) top = screen.top();
    return {left, top};
}

int TwipsToPixels(double twips, double dpi) {
    return int(std::lround(twips * dpi / 1440.0));
}

double PixelsToTwips(double pixels, double dpi) {
    return pixels * 1440.0 / dpi;
}

std::vector<OnTopStep> OnTopOrder(bool clockVisible, bool clockOnTop, bool calendarVisible,
                                  bool calendarOnTop) {
    const OnTopStep clock{WidgetKind::Clock, clockOnTop};
    const OnTopStep calendar{WidgetKind::Calendar, calendarOnTop};
    if (clockVisible && calendarVisible) {
        if (calendarOnTop != clockOnTop && !calendarOnTop) return {calendar, clock};
        return {clock, calendar};
    }
    if (clockVisible) return {clock};
    if (calendarVisible) return {calendar};
    return {};
}
