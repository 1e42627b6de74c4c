// The change scheduler's tick against a fake clock and fake probes.
#include "AwaitChange.h"
#include "FakePlatform.h"
#include "platform/CpuMeter.h"
#include "shell/ChangeScheduler.h"

#include <algorithm>
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

// The meter had no reading of the last seconds: the change waits a tick for
// the use now.
TEST_F(SchedulerTest, ADueChangeWaitsATickWhileTheProcessorMeterTakesItsFirstReading) {
    t.app->settings.IsCPULimit = true;
    t.app->settings.CPULimit = 90;
    t.probes->cpu = SystemProbes::CpuMeasuring;
    tickAfter(0);
    EXPECT_EQ(tickAfter(600'000), Tick::CpuMeasuring);
    EXPECT_EQ(tickAfter(1000), Tick::CpuMeasuring);
    EXPECT_TRUE(changedAt.empty());
    t.probes->cpu = 20;
    EXPECT_EQ(tickAfter(1000), Tick::Changed);
}

// The processor meter on counters that follow the test's clock: two
// processors, fully busy from a minute before the change is due until 5 s
// after. The change waits for the load to end, and happens at the first tick
// after it.
TEST_F(SchedulerTest, ALoadThatBeganAMinuteBeforeTheChangeHoldsItBackUntilItEnds) {
    constexpr qint64 start = 1000, due = start + 600'000;
    constexpr qint64 loadFrom = due - 60'000, loadUntil = due + 5000;
    struct MeterProbes : FakeProbes {
        CpuMeter meter;
        explicit MeterProbes(CpuMeter m) : meter(std::move(m)) {}
        int cpuUsage() override { return meter.usage(); }
    };
    // In the kernel's hundredths of a second: 200 a second on two processors.
    const auto counters = [&]() -> std::optional<CpuMeter::Counters> {
        const qint64 now = t.clock->now;
        const qint64 loaded = std::clamp(now, loadFrom, loadUntil) - loadFrom;
        return CpuMeter::Counters{quint64(loaded / 5), quint64(now / 5)};
    };
    t.services.probes =
        std::make_unique<MeterProbes>(CpuMeter(counters, [&] { return t.clock->now; }));
    t.app->settings.IsCPULimit = true;
    t.app->settings.CPULimit = 90;
    t.clock->now = start;
    EXPECT_EQ(tickAfter(0), Tick::Started);
    std::vector<std::pair<qint64, Tick>> held;
    while (changedAt.empty() && t.clock->now < due + 60'000) {
        const Tick tick = tickAfter(1000);
        if (tick != Tick::NotDue) held.emplace_back(t.clock->now, tick);
    }
    EXPECT_EQ(changedAt, std::vector<qint64>{loadUntil + 1000});
    ASSERT_EQ(held.size(), 7u);
    EXPECT_EQ(held[0], std::pair(due, Tick::CpuMeasuring));
    for (qint64 at = due + 1000; at <= loadUntil; at += 1000)
        EXPECT_EQ(held[std::size_t((at - due) / 1000)], std::pair(at, Tick::CpuBusy));
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
