// The change scheduler's tick against a fake clock and fake probes; the
// processor meter it asks, on /proc/stat-format files against a test clock
// and on the machine's own /proc/stat under a load the test makes.
#include "AwaitChange.h"
#include "platform/CpuMeter.h"
#include "platform/linux/LinuxSystemProbes.h"
#include "shell/ChangeScheduler.h"

#include <algorithm>
#include <sched.h>
#include <thread>

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

// A meter with no reading of the last seconds yet, the processor at the limit
// or an away user delay a due change; the first tick afterwards changes.
TEST_F(SchedulerTest, AFirstReadingCpuAtTheLimitOrAnAwayUserDelayAndTheTickAfterChanges) {
    t.app->settings.IsCPULimit = true;
    t.app->settings.CPULimit = 90;
    t.app->settings.IsDelayWhenLocked = true;
    t.probes->cpu = SystemProbes::CpuMeasuring;
    tickAfter(0);
    EXPECT_EQ(tickAfter(600'000), Tick::CpuMeasuring);
    EXPECT_EQ(tickAfter(1000), Tick::CpuMeasuring);
    t.probes->cpu = 90;
    EXPECT_EQ(tickAfter(1000), Tick::CpuBusy);
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
    t.app->settings.WPSource = WallpaperSource::LocalFiles;
    t.app->PictureList = {savePicture(t.path("big.bmp"), Qt::red, {3000, 2000})};
    tickAfter(0);
    NextWallpaper(*t.app);
    EXPECT_EQ(tickAfter(600'000), Tick::Skipped);
    ASSERT_TRUE(await::idle(*t.app));
    EXPECT_EQ(tickAfter(1000), Tick::Changed);
    ASSERT_TRUE(await::idle(*t.app));
    EXPECT_EQ(t.desktop->calls.size(), 2u);
}

// A meter on a file of its own, read at the times the test sets.
struct MeterOnFile {
    QTemporaryDir dir;
    QString path = dir.filePath(u"stat"_s);
    qint64 now = 0;
    CpuMeter meter{ProcStatReader(path), [this] { return now; }};
    // The file holds `text` at `ms`: the meter's answer then.
    int at(qint64 ms, const char* text) {
        now = ms;
        writeFile(path, text);
        return meter.usage();
    }
};

TEST(CpuMeter, WholePercentOverTheLastSecondNotAnAverageOverTheInterval) {
    MeterOnFile m;
    // cpu user nice system idle iowait irq softirq steal guest guest_nice
    EXPECT_EQ(m.at(0, "cpu  100 0 100 800 0 0 0 0 0 0\n"), CpuMeter::Measuring); // nothing yet
    EXPECT_EQ(m.at(1000, "cpu  145 0 145 810 0 0 0 0 0 0\n"), 90);               // 90 busy of 100
    // A second question too soon: the answer stands, the window grows.
    EXPECT_EQ(m.at(1200, "cpu  146 0 145 810 0 0 0 0 0 0\n"), 90);
    EXPECT_EQ(m.at(2000, "cpu  234 0 145 810 11 0 0 0 50 0\n"), 89); // iowait idle, guest in user
    EXPECT_EQ(m.at(3000, "cpu  234 0 146 1009 11 0 0 0 0 0\n"), 1);  // 1 busy of 200 rounds up
    // The counters went back (another file, a restart): a new start.
    EXPECT_EQ(m.at(4000, "cpu  10 0 10 10 0 0 0 0 0 0\n"), CpuMeter::Measuring);
    EXPECT_EQ(m.at(5000, "cpu  20 0 20 10 0 0 0 0 0 0\n"), 100);
    // Unreadable, and counters that stand still, count as not busy.
    EXPECT_EQ(m.at(6000, "cpu  10 x 30 40\n"), CpuMeter::Unreadable);
    EXPECT_EQ(m.at(7000, "cpu  20 0 20 10 0 0 0 0 0 0\n"), CpuMeter::Unreadable);
    QFile::remove(m.path);
    m.now = 8000;
    EXPECT_EQ(m.meter.usage(), CpuMeter::Unreadable);

    // A full load that began a minute ago reads full. (The fault: asked once
    // per ten-minute interval, the meter averaged over the whole interval, so
    // it read 10 %.) 2 processors: 200 ticks a second. Idle at the last change,
    // which starts over after the gap.
    EXPECT_EQ(m.at(10'000, "cpu  1000 0 1000 100000 0 0 0 0 0 0\n"), CpuMeter::Measuring);
    EXPECT_EQ(m.at(11'000, "cpu  1000 0 1000 100200 0 0 0 0 0 0\n"), 0);
    // Ten minutes on: 540 s idle, then 60 s of full load. The reading of ten
    // minutes ago tells nothing about now: measured afresh ...
    EXPECT_EQ(m.at(611'000, "cpu  7000 0 7000 208200 0 0 0 0 0 0\n"), CpuMeter::Measuring);
    // ... and a second later, over that second: the load.
    EXPECT_EQ(m.at(612'000, "cpu  7100 0 7100 208200 0 0 0 0 0 0\n"), 100);
    // Readings a second apart under way: the load easing off shows at once.
    EXPECT_EQ(m.at(613'000, "cpu  7150 0 7150 208300 0 0 0 0 0 0\n"), 50);
    // Over the limit of a few seconds, a reading starts over again.
    EXPECT_EQ(m.at(613'000 + CpuMeter::MaxWindowMs + 1, "cpu  7150 0 7150 208900 0 0 0 0 0 0\n"),
              CpuMeter::Measuring);
}

// The number of processors /proc/stat counts, when this process may keep
// every one of them busy; 0 otherwise (a container with fewer of them, a
// quota).
int processorsToFill() {
    int counted = 0; // none when /proc/stat cannot be read
    for (const QByteArray& line : readFile(u"/proc/stat"_s).split('\n'))
        if (line.startsWith("cpu") && line.size() > 3 && line[3] >= '0' && line[3] <= '9')
            ++counted;
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) != 0 || CPU_COUNT(&set) < counted) return 0;
    for (const char* quotaFile :
         {"/sys/fs/cgroup/cpu.max", "/sys/fs/cgroup/cpu/cpu.cfs_quota_us"}) {
        const QByteArray first =
            readFile(QString::fromLatin1(quotaFile)).trimmed().split(' ').value(0);
        if (!first.isEmpty() && first != "<missing>" && first != "max" && first != "-1") return 0;
    }
    return counted;
}

TEST(CpuMeter, OnTheMachinesCountersALoadOfASecondShowsAndNothingWaits) {
    const int processors = processorsToFill();
    if (processors == 0) GTEST_SKIP() << "this process cannot keep every processor busy";
    CpuMeter meter(ProcStatReader());
    QElapsedTimer clock;
    clock.start();
    // The first question reads the counters once and returns: no second
    // reading is waited for on the caller's (the interface's) thread.
    EXPECT_EQ(meter.usage(), CpuMeter::Measuring);
    EXPECT_LT(clock.elapsed(), 500);
    std::vector<std::jthread> spinners;
    for (int i = 0; i < processors; ++i)
        spinners.emplace_back([](std::stop_token stop) {
            volatile quint64 n = 0;
            while (!stop.stop_requested())
                n = n + 1;
        });
    QThread::msleep(1100);
    clock.restart();
    const int loaded = meter.usage();
    EXPECT_LT(clock.elapsed(), 500);
    spinners.clear(); // each asked to stop, and joined
    // Every processor was busy over the last second, whatever else ran.
    EXPECT_GE(loaded, 90);
    EXPECT_LE(loaded, 100);
}

} // namespace
