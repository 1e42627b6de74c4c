#include "options_window/Countdown.h"

#include "context/AppContext.h"
#include "platform/Components.h"

#include <QCoreApplication>
#include <QTime>

#include <cmath>

QString CountdownText(bool wallpaperTimer, double intervalMinutes, qint64 lastChangeTick,
                      qint64 now, int mode, double secondsSinceMidnight) {
    if (!wallpaperTimer) return {};
    const double remainingMs =
        intervalMinutes * 60000.0 + static_cast<double>(lastChangeTick) - static_cast<double>(now);
    if (mode == CountdownMode::ClockTime) {
        // The clock time of the change on a twelve-hour dial.
        const qint64 at = std::llround(remainingMs / 1000.0 + secondsSinceMidnight);
        const qint64 s = ((at % 43200) + 43200) % 43200;
        return QCoreApplication::translate("Countdown", "Next wallpaper change at: %1 O'Clock.")
            .arg(TimeText(s));
    }
    const double t = std::floor(remainingMs / 1000.0);
    if (t < 1) return QCoreApplication::translate("Countdown", "Changing wallpaper now!");
    return QCoreApplication::translate("Countdown", "Next wallpaper change is after: %1.")
        .arg(TimeText(static_cast<qint64>(t)));
}

QString CountdownText(AppContext& app, qint64 lastChangeTick, int mode) {
    return CountdownText(app.settings.WallpaperTimer, app.settings.IntervalTimer, lastChangeTick,
                         app.platform.clock->nowMs(), mode,
                         QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

double MinimumSpinInterval(int sourceIndex, double intCoolDownMs) {
    if (sourceIndex == 2 && intCoolDownMs > 0) return intCoolDownMs / 60000.0;
    return 1.0;
}

double IntervalAfterSpin(double interval, int spinValue, int sourceIndex, double intCoolDownMs) {
    if (spinValue == IntervalSpin::Up) return interval + 1;
    if (spinValue == IntervalSpin::Down &&
        interval - 1 >= MinimumSpinInterval(sourceIndex, intCoolDownMs))
        return interval - 1;
    return interval;
}

double IntervalForSource(double interval, int sourceIndex, double intCoolDownMs) {
    if (sourceIndex == 2 && interval < intCoolDownMs / 60000.0) return intCoolDownMs / 60000.0;
    return interval;
}

QString IntervalText(double interval) {
    return QString::number(interval, 'g', 15);
}
