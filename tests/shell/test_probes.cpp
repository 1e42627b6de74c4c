// The processor meter on /proc/stat-format files.
#include "platform/linux/LinuxSystemProbes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CpuMeter, WholePercentSinceThePreviousReadingAndNeverBusyWhenUnreadable) {
    QTemporaryDir dir;
    QFile stat(dir.filePath(u"stat"_s));
    CpuMeter meter(stat.fileName(), 0);
    // cpu user nice system idle iowait irq softirq steal guest guest_nice
    for (const auto& [text, percent] : {
             std::pair{"cpu  100 0 100 800 0 0 0 0 0 0\n", 0}, // the first: nothing moved yet
             {"cpu  145 0 145 810 0 0 0 0 0 0\n", 90},         // 90 busy of 100
             {"cpu  234 0 145 810 11 0 0 0 50 0\n", 89},       // iowait is idle; guest is in user
             {"cpu  234 0 146 1009 11 0 0 0 0 0\n", 1},        // 1 busy of 200 rounds up
             {"cpu  10 0 10 10 0 0 0 0 0 0\n", 1}, // counters went back: start over, no wrap
             {"cpu  20 0 20 10 0 0 0 0 0 0\n", 100},
             {"cpu  10 x 30 40\n", -1}, // unreadable counts as not busy, not the last answer
         }) {
        ASSERT_TRUE(stat.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stat.write(text);
        stat.close();
        EXPECT_EQ(meter.usage(), percent) << text;
    }
}

} // namespace
