// The change scheduler's tick against a fake clock and fake probes, and the
// countdown text of the settings window.
#include "FakePlatform.h"
#include "collection/Collection.h"
#include "shell/ChangeScheduler.h"
#include "shell/Countdown.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Tick = ChangeScheduler::TickResult;

// The internet source's step stands for "a change": it records the clock value
// when each change starts and lets the fake clock run on by the 7 s it takes.
struct SchedulerTest : ::testing::Test {
    TestApp t;
    ChangeScheduler scheduler;
    std::vector<qint64> changedAt;

    void SetUp() override {
        t.app->settings.WPSource = 2; // the default interval: ten minutes
        t.app->internetNext = [this] {
            changedAt.push_back(t.clock->now);
            t.clock->now += 7'000;
        };
    }
    Tick tickAfter(qint64 ms) {
        t.clock->now += ms;
        return scheduler.Timer1_Timer(*t.app);
    }
    // Ticks once a second until `untilMs` on the fake clock.
    void runUntil(qint64 untilMs) {
        while (t.clock->now < untilMs)
            tickAfter(1000);
    }
};

TEST_F(SchedulerTest, FirstChangeOneIntervalAfterFirstTickAndNextFromEndOfChange) {
    EXPECT_EQ(tickAfter(0), Tick::Started); // at 1 s
    runUntil(600'000);
    EXPECT_TRUE(changedAt.empty());
    runUntil(601'000);
    EXPECT_EQ(changedAt, std::vector<qint64>{601'000});
    // The interval restarts when the change has finished (608 s), not when it began.
    runUntil(1'207'000);
    EXPECT_EQ(changedAt.size(), 1u);
    runUntil(1'208'000);
    EXPECT_EQ(changedAt.size(), 2u);
}

TEST_F(SchedulerTest, CpuAtTheLimitOrAnAwayUserDelaysAndTheFirstTickAfterwardsChangesAtOnce) {
    t.app->settings.IsCPULimit = true;
    t.app->settings.CPULimit = 90;
    t.app->settings.IsDelayWhenLocked = true;
    t.probes->cpu = 90;
    tickAfter(0);
    EXPECT_EQ(tickAfter(600'000), Tick::CpuBusy);
    // 89 passes the limit; the processor is asked before the away probes.
    t.probes->cpu = 89;
    t.probes->screenSaver = true;
    runUntil(t.clock->now + 900'000);
    EXPECT_TRUE(changedAt.empty());
    t.probes->screenSaver = false;
    t.probes->locked = true;
    EXPECT_EQ(tickAfter(1000), Tick::UserAway);
    t.probes->locked = false;
    EXPECT_EQ(tickAfter(1000), Tick::Changed);
}

TEST_F(SchedulerTest, HalfAMinuteIsThirtySeconds) {
    t.app->settings.IntervalTimer = 0.5;
    tickAfter(0); // at 1 s
    runUntil(68'000);
    EXPECT_EQ(changedAt, (std::vector<qint64>{31'000, 68'000}));
}

TEST_F(SchedulerTest, TickArrivingDuringTheChangeStartsNoSecondChange) {
    tickAfter(0);
    std::vector<Tick> inner;
    // A download or folder scan lets timer ticks through while it works.
    t.app->internetNext = [&] { inner.push_back(tickAfter(1000)); };
    EXPECT_EQ(tickAfter(600'000), Tick::Changed);
    EXPECT_EQ(inner, std::vector<Tick>{Tick::Skipped});
}

QString text(double interval, qint64 last, qint64 now, int mode, double secondsSinceMidnight = 0) {
    return CountdownText(true, interval, last, now, mode, secondsSinceMidnight);
}

TEST(Countdown, TextsForBothModesIncludingTheTwelveHourWrap) {
    using namespace CountdownMode;
    const QString after = u"Next wallpaper change is after: "_s,
                  at = u"Next wallpaper change at: "_s;
    EXPECT_EQ(text(10, 1000, 62'000, Remaining), after + u"0:08:59."_s);
    EXPECT_EQ(text(90, 0, 0, Remaining), after + u"1:30:00."_s);
    EXPECT_EQ(text(10, 0, 599'000, Remaining), after + u"0:00:01."_s);
    EXPECT_EQ(text(10, 0, 599'001, Remaining), u"Changing wallpaper now!"_s);
    // Overdue while held back by the probes.
    EXPECT_EQ(text(1, 0, 900'000, Remaining), u"Changing wallpaper now!"_s);
    EXPECT_EQ(CountdownText(false, 10, 0, 0, ClockTime, 0), u""_s);

    // 12:55 plus ten minutes: 13:05 shows as 1:05.
    EXPECT_EQ(text(10, 5000, 5000, ClockTime, 12 * 3600 + 55 * 60), at + u"1:05:00 O'Clock."_s);
    // Half seconds round to the nearest second.
    EXPECT_EQ(text(10, 0, 600, ClockTime, 9 * 3600), at + u"9:09:59 O'Clock."_s);
    EXPECT_EQ(text(10, 0, 400, ClockTime, 9 * 3600), at + u"9:10:00 O'Clock."_s);
    // Overdue just after midnight: the time stays on the twelve-hour dial.
    EXPECT_EQ(text(0, 10'000, 20'000, ClockTime, 5), at + u"11:59:55 O'Clock."_s);
}

} // namespace
