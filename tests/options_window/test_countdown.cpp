// The settings window's countdown to the next automatic change.
#include "options_window/Countdown.h"

#include <gtest/gtest.h>

namespace {

QString text(double interval, qint64 last, qint64 now, int mode, double secondsSinceMidnight = 0) {
    return CountdownText(true, interval, last, now, mode, secondsSinceMidnight);
}

TEST(Countdown, TextsForBothModesIncludingTheTwelveHourWrap) {
    using namespace CountdownMode;
    const QString after = "Next wallpaper change is after: ", at = "Next wallpaper change at: ";
    EXPECT_EQ(text(10, 1000, 62'000, Remaining), after + "0:08:59.");
    EXPECT_EQ(text(90, 0, 0, Remaining), after + "1:30:00.");
    EXPECT_EQ(text(10, 0, 599'000, Remaining), after + "0:00:01.");
    EXPECT_EQ(text(10, 0, 599'001, Remaining), "Changing wallpaper now!");
    // Overdue while held back by the probes.
    EXPECT_EQ(text(1, 0, 900'000, Remaining), "Changing wallpaper now!");
    EXPECT_EQ(CountdownText(false, 10, 0, 0, ClockTime, 0), "");

    // 12:55 plus ten minutes: 13:05 shows as 1:05.
    EXPECT_EQ(text(10, 5000, 5000, ClockTime, 12 * 3600 + 55 * 60), at + "1:05:00 O'Clock.");
    // Half seconds round to the nearest second.
    EXPECT_EQ(text(10, 0, 600, ClockTime, 9 * 3600), at + "9:09:59 O'Clock.");
    EXPECT_EQ(text(10, 0, 400, ClockTime, 9 * 3600), at + "9:10:00 O'Clock.");
    // Overdue just after midnight: the time stays on the twelve-hour dial.
    EXPECT_EQ(text(0, 10'000, 20'000, ClockTime, 5), at + "11:59:55 O'Clock.");
}

} // namespace
