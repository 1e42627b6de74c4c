// The change scheduler's tick against a fake clock and fake probes.
#include "AwaitChange.h"
#include "FakePlatform.h"
#include "shell/ChangeScheduler.h"

#include <gtest/gtest.h>

namespace {

using Tick = ChangeScheduler::TickResult;

// The internet source's step stands for "a change": it records the clock value
// when each change starts and lets the fake clock run on by the 7 s it takes.
struct SchedulerTest : ::testing::Test {
    TestApp t;
    ChangeScheduler scheduler;
    std::vector<qint64> changedAt;

    void SetUp() override {
        t.app->settings.WPSource = WallpaperSource::Internet; // the default interval: ten minutes
        QObject::connect(&t.app->events, &AppEvents::internetNextWanted, [this] {
            changedAt.push_back(t.clock->now);
            t.clock->now += 7'000;
        });
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

// Ten minutes, and half a minute: thirty seconds. The interval restarts when
// the change has finished, 7 s after it began.
TEST_F(SchedulerTest, FirstChangeOneIntervalAfterFirstTickAndNextFromEndOfChange) {
    for (const auto& [minutes, ms] : {std::pair{10.0, 600'000}, {0.5, 30'000}}) {
        SCOPED_TRACE(minutes);
        scheduler = {};
        changedAt.clear();
        t.clock->now = 1000;
        t.app->settings.IntervalTimer = minutes;
        EXPECT_EQ(tickAfter(0), Tick::Started); // at 1 s
        runUntil(1000 + 2 * ms + 7000);         // ticks once a second: any early change shows
        EXPECT_EQ(changedAt, (std::vector<qint64>{1000 + ms, 8000 + 2 * ms}));
    }
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

// A change by hand still running when the interval is up: the tick waits
// for it and the first tick after it changes, instead of a whole interval
// later.
TEST_F(SchedulerTest, ATickDuringAChangeByHandChangesAtTheTickAfterIt) {
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(Qt::red);
    ASSERT_TRUE(big.save(t.path("big.bmp")));
    t.app->settings.WPSource = WallpaperSource::LocalFiles;
    t.app->PictureList = {t.path("big.bmp")};
    tickAfter(0);
    NextWallpaper(*t.app);
    EXPECT_EQ(tickAfter(600'000), Tick::Skipped);
    ASSERT_TRUE(await::idle(*t.app));
    EXPECT_EQ(tickAfter(1000), Tick::Changed);
    ASSERT_TRUE(await::idle(*t.app));
    EXPECT_EQ(t.desktop->calls.size(), 2u);
}

} // namespace
