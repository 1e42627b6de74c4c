#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

// Machine-wide processor usage now: the share of busy time between this
// reading of the system's counters and the previous one, when that was taken
// a second or so before (at least MinWindowMs, at most MaxWindowMs). The
// caller asks once a second (the change scheduler's tick); asked after a
// longer pause, or for the first time, the meter has nothing recent to
// compare with: it keeps the reading and answers Measuring, and asked again a
// second later it has the use over that second. Nothing waits: a reading is
// one read of the counters.
class CpuMeter {
public:
    struct Counters {
        quint64 busy = 0;
        quint64 total = 0;
    };
    // The counters now, or nothing when they cannot be read.
    using Reader = std::function<std::optional<Counters>()>;
    // A monotonic millisecond clock.
    using ClockMs = std::function<qint64()>;

    static constexpr int Unreadable = -1;
    static constexpr int Measuring = -2;
    // Closer readings tell little (the kernel counts in hundredths of a
    // second); the last answer stands meanwhile.
    static constexpr qint64 MinWindowMs = 500;
    // Older readings average over too long to tell the use now.
    static constexpr qint64 MaxWindowMs = 3000;

    // Without a clock, the platform's steady clock.
    explicit CpuMeter(Reader read, ClockMs nowMs = {});

    // Whole percent 0 … 100, Measuring (see above) or Unreadable (also when
    // the counters stood still for MinWindowMs and more).
    int usage();

private:
    Reader m_read;
    ClockMs m_nowMs;
    std::optional<Counters> m_previous;
    qint64 m_previousAt = 0;
    std::optional<int> m_last; // the answer at m_previous
};
