// The processor meter: on /proc/stat-format files against a test clock, and
// on the machine's own /proc/stat under a load the test makes.
#include "platform/linux/LinuxSystemProbes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <sched.h>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A meter on a file of its own, read at the times the test sets.
struct MeterOnFile {
    QTemporaryDir dir;
    QString path = dir.filePath(u"stat"_s);
    qint64 now = 0;
    CpuMeter meter{ProcStatReader(path), [this] { return now; }};
    // The file holds `text` at `ms`: the meter's answer then.
    int at(qint64 ms, const char* text) {
        now = ms;
        QFile stat(path);
        EXPECT_TRUE(stat.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stat.write(text);
        stat.close();
        return meter.usage();
    }
};

TEST(CpuMeter, WholePercentOverTheSecondSinceThePreviousReading) {
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
}

// The fault: asked once per ten-minute interval, the meter averaged over the
// whole interval, so a full load that began a minute ago read 10 %.
TEST(CpuMeter, ALoadThatBeganAMinuteAgoReadsFullNotAsAnAverageOverTheInterval) {
    MeterOnFile m;
    // 2 processors: 200 ticks a second. Idle at the last change.
    EXPECT_EQ(m.at(0, "cpu  1000 0 1000 100000 0 0 0 0 0 0\n"), CpuMeter::Measuring);
    EXPECT_EQ(m.at(1000, "cpu  1000 0 1000 100200 0 0 0 0 0 0\n"), 0);
    // Ten minutes on: 540 s idle, then 60 s of full load. The reading of ten
    // minutes ago tells nothing about now: measured afresh ...
    EXPECT_EQ(m.at(601'000, "cpu  7000 0 7000 208200 0 0 0 0 0 0\n"), CpuMeter::Measuring);
    // ... and a second later, over that second: the load.
    EXPECT_EQ(m.at(602'000, "cpu  7100 0 7100 208200 0 0 0 0 0 0\n"), 100);
    // Readings a second apart under way: the load easing off shows at once.
    EXPECT_EQ(m.at(603'000, "cpu  7150 0 7150 208300 0 0 0 0 0 0\n"), 50);
    // Over the limit of a few seconds, a reading starts over again.
    EXPECT_EQ(m.at(603'000 + CpuMeter::MaxWindowMs + 1, "cpu  7150 0 7150 208900 0 0 0 0 0 0\n"),
              CpuMeter::Measuring);
}

// The number of processors /proc/stat counts, when this process may keep
// every one of them busy; 0 otherwise (a container with fewer of them, a
// quota).
int processorsToFill() {
    QFile stat(u"/proc/stat"_s);
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    int counted = 0;
    for (const QByteArray& line : stat.readAll().split('\n'))
        if (line.startsWith("cpu") && line.size() > 3 && line[3] >= '0' && line[3] <= '9')
            ++counted;
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) != 0 || CPU_COUNT(&set) < counted) return 0;
    for (const char* quotaFile :
         {"/sys/fs/cgroup/cpu.max", "/sys/fs/cgroup/cpu/cpu.cfs_quota_us"}) {
        QFile quota(QString::fromLatin1(quotaFile));
        if (quota.open(QIODevice::ReadOnly)) {
            const QByteArray first = quota.readAll().trimmed().split(' ').value(0);
            if (!first.isEmpty() && first != "max" && first != "-1") return 0;
        }
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
    std::atomic<bool> stop{false};
    std::vector<std::thread> spinners;
    for (int i = 0; i < processors; ++i)
        spinners.emplace_back([&stop] {
            volatile quint64 n = 0;
            while (!stop.load(std::memory_order_relaxed))
                n = n + 1;
        });
    QThread::msleep(1100);
    clock.restart();
    const int loaded = meter.usage();
    EXPECT_LT(clock.elapsed(), 500);
    stop = true;
    for (std::thread& t : spinners)
        t.join();
    // Every processor was busy over the last second, whatever else ran.
    EXPECT_GE(loaded, 90);
    EXPECT_LE(loaded, 100);
}

} // namespace
