#pragma once

#include <QString>
#include <QtGlobal>

class AppContext;

// The automatic wallpaper change, one tick of Timer1 at a time. Ticks come from
// the monotonic 64-bit millisecond clock of the platform, so the due test never
// meets a counter that wraps or turns negative.
class ChangeScheduler {
public:
    enum class TickResult {
        Started, // the first tick: the countdown starts now
        NotDue,
        CpuBusy,  // due, held back by the processor limit
        UserAway, // due, held back by the screen saver or the locked desktop
        Changed,
        Skipped, // a tick that arrived while this scheduler's own change ran
    };

    // One tick. Changes the wallpaper when the interval since the last
    // automatic change has passed and neither the processor nor the user's
    // absence holds it back.
    TickResult Timer1_Timer(AppContext& app);

    // Whether the change is due at `now`: LastChangeTick + IntervalTimer
    // minutes <= now, computed in floating point.
    static bool IsDue(qint64 lastChangeTick, double intervalMinutes, qint64 now);

    // "n" until the first tick has started the countdown, empty afterwards.
    QString tag = QStringLiteral("n");
    // The clock value when the last automatic change finished, or when the
    // countdown was first started. Changes made by hand do not touch it.
    qint64 LastChangeTick = 0;

private:
    bool m_changing = false;
};
