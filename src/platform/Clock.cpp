#include "platform/Clock.h"

#include <chrono>

#ifdef Q_OS_LINUX
#include <time.h>
#endif

qint64 SteadyClock::nowMs() {
#ifdef Q_OS_LINUX
    // The time since boot, suspended time included: a cooldown or an interval
    // that ended while the machine slept has ended when it wakes.
    timespec ts{};
    if (::clock_gettime(CLOCK_BOOTTIME, &ts) == 0)
        return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#endif
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
