// The numbers of the clock face, the calendar grid, the pull back onto the
// screen and the always-on-top order.
#include "widgets/WidgetGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr double kCx = 1597.5, kCy = 1275; // the dial centre

// The direction of a hand's tip seen from the centre (0 right, clockwise).
double direction(const HandLine& h) {
    return std::atan2(h.Y2 - h.Y1, h.X2 - h.X1);
}
double length(const HandLine& h) {
    return std::hypot(h.X2 - h.X1, h.Y2 - h.Y1);
}

TEST(ClockFace, HandsPointWhereTheTimeSaysAndNumeralsSitOnTheCircle) {
    const double up = -M_PI / 2, right = 0;
    // What, the kind of hand and its value, its direction and length.
    const std::tuple<const char*, qint16, double, double, double> cases[] = {
        {"00:00:00 seconds", 1, 0, up, 875},
        {"00:00:00 minutes", 2, 0, up, 750},
        {"00:00:00 hours", 3, HoursHandValue(0, 0), up, 500},
        {"03:00:00 hours", 3, HoursHandValue(3, 0), right, 500},
        {"03:00:00 minutes", 2, 0, up, 750},
    };
    for (const auto& [what, kind, value, towards, tip] : cases) {
        const HandLine h = ClockHandGeometry(kind, value);
        EXPECT_DOUBLE_EQ(h.X1, kCx) << what;
        EXPECT_DOUBLE_EQ(h.Y1, kCy) << what;
        // 22/7 is a little more than π: the directions are off by under 0.003.
        EXPECT_NEAR(direction(h), towards, 0.003) << what;
        EXPECT_NEAR(length(h), tip, 1e-9) << what;
    }
    // Another kind of hand collapses onto the centre.
    EXPECT_DOUBLE_EQ(length(ClockHandGeometry(4, 10)), 0);

    // Afternoon hours go on a full turn of the dial's π.
    EXPECT_DOUBLE_EQ(HoursHandValue(15, 30), 77.5);
    EXPECT_FLOAT_EQ(DialPi(), 22.0f / 7.0f);
    // One turn of 60 is 2 × 22/7, about 0.0025 rad more than a real turn…
    EXPECT_NEAR(DialAngle(60) - DialAngle(0) - 2 * M_PI, 0.0025289, 1e-6);
    // …so 15:30 points where 03:30 does, give or take that.
    const HandLine afternoon = ClockHandGeometry(3, 77.5);
    const HandLine morning = ClockHandGeometry(3, HoursHandValue(3, 30));
    EXPECT_NEAR(direction(afternoon) - direction(morning), 0.0025289, 1e-6);
    // A little past the 3 o'clock numeral: right and slightly down.
    EXPECT_GT(direction(morning), 0.1);
    EXPECT_LT(direction(morning), 0.3);

    // The numerals sit on the circle, a hundred twips low.
    const std::tuple<int, double, double> numerals[] = {
        // numeral, left, top
        {12, kCx - 240, kCy - 1000 - 187.5 + 100}, {0, kCx - 240, kCy - 1000 - 187.5 + 100},
        {3, kCx + 1000 - 240, kCy - 187.5 + 100},  {6, kCx - 240, kCy + 1000 - 187.5 + 100},
        {9, kCx - 1000 - 240, kCy - 187.5 + 100},
    };
    for (const auto& [index, left, top] : numerals) {
        EXPECT_NEAR(NumeralPlace(index).x(), left, 2) << index;
        EXPECT_NEAR(NumeralPlace(index).y(), top, 2) << index;
    }
}

TEST(CalendarGrid, MonthsFillTheirCells) {
    // Year, month, first and last cells, title.
    const std::tuple<int, int, int, int, const char*> cases[] = {
        {2024, 9, 0, 29, "September 2024"}, // starts on a Sunday
        {2025, 3, 6, 36, "March 2025"},     // 31 days from a Saturday: the sixth row
        {2000, 2, 2, 30, "February 2000"},  // 29 days: divisible by 400
        {2024, 2, 4, 32, "February 2024"},  // 29 days
        {1900, 2, 4, 31, "February 1900"},  // 28 days: a century
        {2100, 2, 1, 28, "February 2100"},  // 28 days
    };
    for (const auto& [year, month, first, last, title] : cases) {
        const MonthCells m = MonthLayout(year, month);
        EXPECT_EQ(m.FirstCell, first) << title;
        EXPECT_EQ(m.LastCell, last) << title;
        EXPECT_EQ(m.title, QLatin1String(title));
    }
}

TEST(WidgetPlace, PulledBackOntoTheScreen) {
    const QRectF screen(0, 0, 1000, 800), second(1000, 0, 600, 400);
    // What, the window, its screen and where it goes.
    const std::tuple<const char*, QRectF, QRectF, QPointF> cases[] = {
        {"inside", {100, 100, 200, 150}, screen, {100, 100}},
        {"past the right edge", {950, 100, 200, 150}, screen, {800, 100}},
        {"wholly off the right", {5000, 100, 200, 150}, screen, {800, 100}},
        {"past the bottom edge", {100, 790, 200, 150}, screen, {100, 650}},
        {"wider than the screen", {300, 100, 1200, 150}, screen, {0, 100}},
        {"taller than the screen", {100, 10, 200, 900}, screen, {100, 0}},
        {"left of a second screen", {900, 100, 200, 150}, second, {1000, 100}},
    };
    for (const auto& [what, window, onto, expected] : cases)
        EXPECT_EQ(PullOntoScreen(window, onto), expected) << what;
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(3195, 120), 266);
    EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440);
}

TEST(WidgetsOnTop, OrderOfTheCalls) {
    using K = WidgetKind;
    using V = std::vector<OnTopStep>;
    EXPECT_EQ(OnTopOrder(false, true, false, true), V{});
    EXPECT_EQ(OnTopOrder(true, true, false, false), (V{{K::Clock, true}}));
    EXPECT_EQ(OnTopOrder(false, true, true, false), (V{{K::Calendar, false}}));
    // The widget to stay on top comes last.
    EXPECT_EQ(OnTopOrder(true, true, true, false), (V{{K::Calendar, false}, {K::Clock, true}}));
    EXPECT_EQ(OnTopOrder(true, false, true, true), (V{{K::Clock, false}, {K::Calendar, true}}));
    EXPECT_EQ(OnTopOrder(true, true, true, true), (V{{K::Clock, true}, {K::Calendar, true}}));
    EXPECT_EQ(OnTopOrder(true, false, true, false), (V{{K::Clock, false}, {K::Calendar, false}}));
}

} // namespace
