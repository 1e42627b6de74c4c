// The processor meter on real /proc/stat-format files, and the away probes
// where no service can answer.
#include "platform/linux/LinuxSystemProbes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CpuMeterTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("stat");
    void write(const QByteArray& text) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // user nice system idle iowait irq softirq steal guest guest_nice
    static QByteArray stat(quint64 user, quint64 system, quint64 idle, quint64 iowait,
                           quint64 guest = 0) {
        return QStringLiteral(
                   "cpu  %1 0 %2 %3 %4 0 0 0 %5 0\ncpu0 1 2 3 4 5 6 7 8 9 10\nintr 12345\n")
            .arg(user)
            .arg(system)
            .arg(idle)
            .arg(iowait)
            .arg(guest)
            .toLatin1();
    }
};

TEST_F(CpuMeterTest, PercentOfBusyTimeSinceThePreviousReading) {
    write(stat(100, 100, 800, 0));
    CpuMeter meter(path, 0);
    // The first reading samples over its own short interval: nothing moved.
    EXPECT_EQ(meter.usage(), 0);
    write(stat(145, 145, 810, 0)); // 90 busy of 100
    EXPECT_EQ(meter.usage(), 90);
    // Waiting for disk counts as idle; guest time is inside user time already.
    write(stat(234, 145, 810, 11, 50)); // 89 busy of 100
    EXPECT_EQ(meter.usage(), 89);
    // No time has passed: the previous answer stands.
    EXPECT_EQ(meter.usage(), 89);
    write(stat(234, 146, 1009, 11)); // 1 busy of 200: rounds to 1 (0.5)
    EXPECT_EQ(meter.usage(), 1);
}

TEST_F(CpuMeterTest, UnreadableOrStrangeCountersNeverReportBusy) {
    CpuMeter missing(dir.filePath("none"), 0);
    EXPECT_EQ(missing.usage(), -1);

    write("intr 1 2 3\n");
    CpuMeter noCpuLine(path, 0);
    EXPECT_EQ(noCpuLine.usage(), -1);
    write("cpu  10 x 30 40\n");
    EXPECT_EQ(noCpuLine.usage(), -1);

    // Counters that go back (a different machine's file) start over quietly.
    write(stat(1000, 1000, 1000, 0));
    CpuMeter meter(path, 0);
    meter.usage();
    write(stat(10, 10, 10, 0));
    EXPECT_EQ(meter.usage(), 0);
    write(stat(20, 20, 10, 0));
    EXPECT_EQ(meter.usage(), 100);

    // The file disappears later: -1 again, not a stale "busy".
    QFile::remove(path);
    EXPECT_EQ(meter.usage(), -1);
}

TEST(CpuMeterLive, ReadsThisMachine) {
    CpuMeter meter;
    const int first = meter.usage();
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 100);
}

TEST(AwayProbes, WithoutServicesTheUserIsPresent) {
    // Offscreen and with no session bus, every probe fails and says "present".
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    LinuxSystemProbes probes;
    EXPECT_FALSE(LinuxSystemProbes::x11ScreenSaverOn().has_value());
    EXPECT_FALSE(probes.isScreenSaverRunning());
    EXPECT_FALSE(probes.isDesktopLocked());
}

} // namespace
