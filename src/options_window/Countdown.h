#pragma once

#include <QString>
#include <QtGlobal>

class AppContext;

// The settings window's countdown to the next automatic change and the rules
// of its interval spin control. Pure functions: the window only wires them.

// Display modes of the countdown label (the number kept in tmrmain's tag).
namespace CountdownMode {
constexpr int Remaining = 0;  // time left until the change
constexpr int ClockTime = -1; // clock time of the change
} // namespace CountdownMode

// A click on lblinfo switches between the two modes (bitwise complement).
constexpr int ToggleCountdownMode(int mode) {
    return ~mode;
}

// The text of lblinfo. `now` and `lastChangeTick` are values of the same
// millisecond clock; `secondsSinceMidnight` is the local wall-clock time.
// Empty while automatic changing is off.
QString CountdownText(bool wallpaperTimer, double intervalMinutes, qint64 lastChangeTick,
                      qint64 now, int mode, double secondsSinceMidnight);

// The same for the running program: its settings, its clock and the local time now.
QString CountdownText(AppContext& app, qint64 lastChangeTick, int mode);

// The spin control VScroll1 rests at 1; moving it to 0 raises the interval by
// one, to 2 lowers it by one when the result stays allowed. Returns the new
// interval (unchanged when the step is refused).
namespace IntervalSpin {
constexpr int Up = 0;
constexpr int Rest = 1;
constexpr int Down = 2;
} // namespace IntervalSpin

// The smallest interval in minutes the spin control may step down to for the
// source index of cmbwallpapersource (0, 1 local, 2 internet): 1 for the local
// sources, the cooldown in minutes for the internet source when it has one.
double MinimumSpinInterval(int sourceIndex, double intCoolDownMs);
double IntervalAfterSpin(double interval, int spinValue, int sourceIndex, double intCoolDownMs);

// The interval after a source has been chosen: the internet source raises it
// to the cooldown in minutes when it is smaller; otherwise it stays.
double IntervalForSource(double interval, int sourceIndex, double intCoolDownMs);

// Renders a whole number of minutes as typed in txtinterval ("10", "0.5").
QString IntervalText(double interval);
