// The change scheduler's tick against a fake clock and fake probes, and the
// countdown and interval rules of the settings window.
#include "FakePlatform.h"
#include "collection/Collection.h"
#include "shell/ChangeScheduler.h"
#include "shell/Countdown.h"

#include <gtest/gtest.h>

namespace {

using Tick = ChangeScheduler::TickResult;

// The internet source's step stands for "a change": it counts the changes and
// lets the fake clock run on by the time a change takes.
struct SchedulerTest : ::testing::Test {
    TestApp t;
    ChangeScheduler scheduler;
    int changes = 0;
    qint64 changeTakesMs = 0;
    std::vector<qint64> changedAt; // clock value when each change started

    void SetUp() override {
        Settings& s = t.app->settings;
        s.WPSource = 2;
        s.IntervalTimer = 10;
        t.app->internetNext = [this] {
            ++changes;
            changedAt.push_back(t.clock->now);
            t.clock->now += changeTakesMs;
        };
    }
    // Runs ticks once a second until `untilMs` on the fake clock.
    void runUntil(qint64 untilMs) {
        while (t.clock->now < untilMs) {
            t.clock->now += 1000;
            scheduler.Timer1_Timer(*t.app);
        }
    }
};

TEST_F(SchedulerTest, FirstChangeOneIntervalAfterFirstTickAndNextFromEndOfChange) {
    t.clock->now = 50'000;
    changeTakesMs = 7'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Started);
    EXPECT_TRUE(scheduler.tag.isEmpty());
    EXPECT_EQ(scheduler.LastChangeTick, 50'000);

    runUntil(50'000 + 600'000 - 1000);
    EXPECT_EQ(changes, 0);
    runUntil(50'000 + 600'000);
    ASSERT_EQ(changes, 1);
    EXPECT_EQ(changedAt[0], 650'000);
    // The interval restarts when the change has finished, not when it began.
    EXPECT_EQ(scheduler.LastChangeTick, 657'000);
    runUntil(657'000 + 600'000 - 1000);
    EXPECT_EQ(changes, 1);
    runUntil(657'000 + 600'000);
    EXPECT_EQ(changes, 2);
}

TEST_F(SchedulerTest, ManualChangesLeaveTheRhythmAlone) {
    scheduler.Timer1_Timer(*t.app);
    const qint64 start = scheduler.LastChangeTick;
    t.clock->now += 300'000;
    NextWallpaper(*t.app); // as from the tray menu
    EXPECT_EQ(scheduler.LastChangeTick, start);
    runUntil(start + 600'000);
    EXPECT_EQ(changes, 2);
}

TEST_F(SchedulerTest, CpuLimitDelaysAtTheLimitAndPassesBelow) {
    Settings& s = t.app->settings;
    s.IsCPULimit = true;
    s.CPULimit = 90;
    t.probes->cpu = 90;
    scheduler.Timer1_Timer(*t.app);
    t.clock->now += 600'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::CpuBusy);
    t.clock->now += 1000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::CpuBusy);
    EXPECT_EQ(changes, 0);
    t.probes->cpu = 89;
    t.clock->now += 1000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
    EXPECT_EQ(changes, 1);

    // A meter that cannot be read counts as not busy; without the limit the
    // meter is not consulted at all.
    t.probes->cpu = -1;
    t.clock->now += 600'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
    s.IsCPULimit = false;
    t.probes->cpu = 100;
    t.clock->now += 600'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
}

TEST_F(SchedulerTest, AwayUserDelaysAndTheFirstTickAfterReturnChangesAtOnce) {
    t.app->settings.IsDelayWhenLocked = true;
    scheduler.Timer1_Timer(*t.app);
    t.probes->screenSaver = true;
    runUntil(t.clock->now + 900'000);
    EXPECT_EQ(changes, 0);
    t.probes->screenSaver = false;
    t.probes->locked = true;
    t.clock->now += 1000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::UserAway);
    t.probes->locked = false;
    t.clock->now += 1000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);

    // Without the option, the screen saver does not hold anything back.
    t.app->settings.IsDelayWhenLocked = false;
    t.probes->screenSaver = true;
    t.clock->now += 600'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
}

TEST_F(SchedulerTest, FractionalIntervalAndFailedChangeStillRestartTheInterval) {
    t.app->settings.IntervalTimer = 0.5;
    scheduler.Timer1_Timer(*t.app);
    const qint64 start = t.clock->now;
    runUntil(start + 120'000);
    ASSERT_EQ(changes, 4);
    EXPECT_EQ(changedAt[0], start + 30'000);
    EXPECT_EQ(changedAt[3], start + 120'000);

    // The local source with an empty list changes nothing, yet the interval restarts.
    t.app->settings.WPSource = 0;
    t.clock->now += 30'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
    EXPECT_EQ(scheduler.LastChangeTick, t.clock->now);
}

TEST_F(SchedulerTest, TickArrivingDuringTheChangeStartsNoSecondChange) {
    scheduler.Timer1_Timer(*t.app);
    std::vector<Tick> inner;
    t.app->internetNext = [this, &inner] {
        ++changes;
        // A download or folder scan lets timer ticks through while it works.
        t.clock->now += 1000;
        inner.push_back(scheduler.Timer1_Timer(*t.app));
    };
    t.clock->now += 600'000;
    EXPECT_EQ(scheduler.Timer1_Timer(*t.app), Tick::Changed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(inner, std::vector<Tick>{Tick::Skipped});
}

TEST(SchedulerDue, LongUptimesAndLargeTicksStayExact) {
    // Beyond 49.7 days of uptime the monotonic clock just goes on.
    const qint64 fiftyDays = 50LL * 24 * 3600 * 1000;
    EXPECT_FALSE(ChangeScheduler::IsDue(fiftyDays, 10, fiftyDays + 599'999));
    EXPECT_TRUE(ChangeScheduler::IsDue(fiftyDays, 10, fiftyDays + 600'000));
    EXPECT_TRUE(ChangeScheduler::IsDue(0, 0, 0));
}

TEST(Countdown, RemainingTimeTexts) {
    // 10 minutes from tick 1000; now 61 s later.
    EXPECT_EQ(CountdownText(true, 10, 1000, 62'000, CountdownMode::Remaining, 0),
              "Next wallpaper change is after: 0:08:59.");
    EXPECT_EQ(CountdownText(true, 90, 0, 0, CountdownMode::Remaining, 0),
              "Next wallpaper change is after: 1:30:00.");
    EXPECT_EQ(CountdownText(true, 10, 0, 599'001, CountdownMode::Remaining, 0),
              "Changing wallpaper now!");
    EXPECT_EQ(CountdownText(true, 10, 0, 599'000, CountdownMode::Remaining, 0),
              "Next wallpaper change is after: 0:00:01.");
    // Overdue while held back by the probes.
    EXPECT_EQ(CountdownText(true, 1, 0, 900'000, CountdownMode::Remaining, 0),
              "Changing wallpaper now!");
    EXPECT_EQ(CountdownText(false, 10, 0, 0, CountdownMode::Remaining, 0), "");
    EXPECT_EQ(CountdownText(false, 10, 0, 0, CountdownMode::ClockTime, 0), "");
}

TEST(Countdown, ReadsTheProgramsSettingsAndClock) {
    TestApp t;
    t.app->settings.IntervalTimer = 10;
    t.clock->now = 90'000;
    EXPECT_EQ(CountdownText(*t.app, 60'000, CountdownMode::Remaining),
              "Next wallpaper change is after: 0:09:30.");
    EXPECT_TRUE(CountdownText(*t.app, 60'000, CountdownMode::ClockTime).endsWith(" O'Clock."));
    t.app->settings.WallpaperTimer = false;
    EXPECT_EQ(CountdownText(*t.app, 60'000, CountdownMode::Remaining), "");
}

TEST(Countdown, ClockTimeWrapsAtTwelveHours) {
    // Now 12:55:00, change in 10 minutes: 13:05 shows as 1:05.
    const double noonFiftyFive = 12 * 3600 + 55 * 60;
    EXPECT_EQ(CountdownText(true, 10, 5000, 5000, CountdownMode::ClockTime, noonFiftyFive),
              "Next wallpaper change at: 1:05:00 O'Clock.");
    // Morning times stay as they are; half seconds round to the nearest second.
    EXPECT_EQ(CountdownText(true, 10, 0, 600, CountdownMode::ClockTime, 9 * 3600),
              "Next wallpaper change at: 9:09:59 O'Clock.");
    EXPECT_EQ(CountdownText(true, 10, 0, 400, CountdownMode::ClockTime, 9 * 3600),
              "Next wallpaper change at: 9:10:00 O'Clock.");
    // An overdue change just before midnight of the twelve-hour dial stays on it.
    EXPECT_EQ(CountdownText(true, 0, 10'000, 20'000, CountdownMode::ClockTime, 5),
              "Next wallpaper change at: 11:59:55 O'Clock.");
    EXPECT_EQ(ToggleCountdownMode(CountdownMode::Remaining), CountdownMode::ClockTime);
    EXPECT_EQ(ToggleCountdownMode(CountdownMode::ClockTime), CountdownMode::Remaining);
}

TEST(IntervalSpin, LocalSourcesStopAtOneMinute) {
    EXPECT_EQ(IntervalAfterSpin(10, IntervalSpin::Up, 0, 900'000), 11);
    EXPECT_EQ(IntervalAfterSpin(10, IntervalSpin::Down, 1, 900'000), 9);
    EXPECT_EQ(IntervalAfterSpin(2, IntervalSpin::Down, 0, 0), 1);
    EXPECT_EQ(IntervalAfterSpin(1, IntervalSpin::Down, 0, 0), 1);
    // A typed fraction is not stepped below the minimum either.
    EXPECT_EQ(IntervalAfterSpin(1.5, IntervalSpin::Down, 0, 0), 1.5);
    EXPECT_EQ(IntervalAfterSpin(0.5, IntervalSpin::Up, 0, 0), 1.5);
    EXPECT_EQ(IntervalAfterSpin(5, IntervalSpin::Rest, 0, 0), 5);
}

TEST(IntervalSpin, InternetSourceRespectsTheCooldown) {
    // A cooldown of 15 minutes.
    EXPECT_EQ(IntervalAfterSpin(17, IntervalSpin::Down, 2, 900'000), 16);
    EXPECT_EQ(IntervalAfterSpin(16, IntervalSpin::Down, 2, 900'000), 15);
    EXPECT_EQ(IntervalAfterSpin(15, IntervalSpin::Down, 2, 900'000), 15);
    // Without a cooldown the local rule holds.
    EXPECT_EQ(IntervalAfterSpin(2, IntervalSpin::Down, 2, 0), 1);
    EXPECT_EQ(IntervalAfterSpin(1, IntervalSpin::Down, 2, -5), 1);
    // A short cooldown allows intervals below one minute only down to itself.
    EXPECT_EQ(IntervalAfterSpin(1.5, IntervalSpin::Down, 2, 30'000), 0.5);
    EXPECT_EQ(IntervalAfterSpin(1, IntervalSpin::Down, 2, 30'000), 1);

    EXPECT_EQ(IntervalForSource(10, 2, 900'000), 15);
    EXPECT_EQ(IntervalForSource(20, 2, 900'000), 20);
    EXPECT_EQ(IntervalForSource(10, 0, 900'000), 10);
    EXPECT_EQ(IntervalText(15), "15");
    EXPECT_EQ(IntervalText(0.5), "0.5");
}

} // namespace
