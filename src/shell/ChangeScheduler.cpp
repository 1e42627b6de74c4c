#include "shell/ChangeScheduler.h"

#include "collection/Collection.h"
#include "context/AppContext.h"
#include "shell/SystemAway.h"

bool ChangeScheduler::IsDue(qint64 lastChangeTick, double intervalMinutes, qint64 now) {
    return static_cast<double>(lastChangeTick) + intervalMinutes * 60000.0 <=
           static_cast<double>(now);
}

ChangeScheduler::TickResult ChangeScheduler::Timer1_Timer(AppContext& app) {
    // A change may process pending events (folder scans, downloads); a tick
    // delivered inside it must not start a second change on top of the first.
    if (m_changing) return TickResult::Skipped;

    TickResult result = TickResult::NotDue;
    if (tag == QLatin1String("n")) {
        LastChangeTick = app.platform.clock->nowMs();
        tag.clear();
        result = TickResult::Started;
    }
    const qint64 now = app.platform.clock->nowMs();
    if (!IsDue(LastChangeTick, app.settings.IntervalTimer, now)) return result;

    if (app.settings.IsCPULimit) {
        // A meter that cannot be read (-1) counts as not busy.
        const int usage = app.platform.probes->cpuUsage();
        if (usage >= 0 && usage >= app.settings.CPULimit) return TickResult::CpuBusy;
    }
    if (app.settings.IsDelayWhenLocked && (IsScreenSaverRunning(app) || IsDesktopLocked(app)))
        return TickResult::UserAway;

    m_changing = true;
    NextWallpaper(app);
    m_changing = false;
    // The next interval counts from the end of this change.
    LastChangeTick = app.platform.clock->nowMs();
    return TickResult::Changed;
}
