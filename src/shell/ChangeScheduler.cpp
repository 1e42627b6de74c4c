#include "shell/ChangeScheduler.h"

#include "collection/Collection.h"
#include "context/AppContext.h"
#include "platform/SystemProbes.h"
#include "shell/SystemAway.h"

#include <utility>

bool ChangeScheduler::IsDue(qint64 lastChangeTick, double intervalMinutes, qint64 now) {
    return static_cast<double>(lastChangeTick) + intervalMinutes * 60000.0 <=
           static_cast<double>(now);
}

ChangeScheduler::TickResult ChangeScheduler::Timer1_Timer(AppContext& app) {
    // The automatic change that ran last has ended: the interval counts from
    // its end.
    if (*m_finishedAt >= 0) LastChangeTick = std::exchange(*m_finishedAt, -1);
    // A change under way (asked for by hand, or the last automatic one):
    // this tick waits for it, and the next tick after it changes when due.
    if (WallpaperChanging(app)) return TickResult::Skipped;

    TickResult result = TickResult::NotDue;
    if (tag == QLatin1String("n")) {
        LastChangeTick = app.platform.clock->nowMs();
        tag.clear();
        result = TickResult::Started;
    }
    const qint64 now = app.platform.clock->nowMs();
    if (!IsDue(LastChangeTick, app.settings.IntervalTimer, now)) return result;

    if (app.settings.IsCPULimit) {
        // The use now, over the second since the previous tick: not the
        // average since the previous change, which would hide a load that
        // began a minute ago. After a pause in the questions the meter takes
        // its first reading now, and the next tick knows.
        const int usage = app.platform.probes->cpuUsage();
        if (usage == SystemProbes::CpuMeasuring) return TickResult::CpuMeasuring;
        // A meter that cannot be read counts as not busy.
        if (usage >= 0 && usage >= app.settings.CPULimit) return TickResult::CpuBusy;
    }
    if (app.settings.IsDelayWhenLocked && (IsScreenSaverRunning(app) || IsDesktopLocked(app)))
        return TickResult::UserAway;

    // Until it ends, the interval counts from its start.
    LastChangeTick = now;
    NextWallpaper(app, nullptr,
                  [finishedAt = m_finishedAt, &clock = *app.platform.clock](const ChangeResult&) {
                      *finishedAt = clock.nowMs();
                  });
    return TickResult::Changed;
}
