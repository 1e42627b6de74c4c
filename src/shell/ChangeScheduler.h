#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class AppContext;

// The automatic wallpaper change, one tick of Timer1 at a time. Ticks come from
// the monotonic 64-bit millisecond clock of the platform, so the due test never
// meets a counter that wraps or turns negative.
class ChangeScheduler {
public:
    enum class TickResult {
        Started, // the first tick: the countdown starts now
        NotDue,
        CpuBusy,      // due, held back by the processor limit
        CpuMeasuring, // due, held back a tick: the processor use now is known at the next
        UserAway,     // due, held back by the screen saver or the locked desktop
        Changed,
        Skipped, // a tick that arrived while a change ran; the next tick tries again
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
    // The clock value when the last automatic change finished (taken up at
    // the tick after it; its start until then), or when the countdown was
    // first started. Changes made by hand do not touch it.
    qint64 LastChangeTick = 0;

private:
    // When the automatic change under way ended (-1: not yet, or none runs);
    // told by the change, which may end after this scheduler is gone.
    std::shared_ptr<qint64> m_finishedAt = std::make_shared<qint64>(-1);
};
