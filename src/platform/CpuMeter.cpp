#include "platform/CpuMeter.h"

#include "platform/Clock.h"

#include <cmath>
#include <utility>

CpuMeter::CpuMeter(Reader read, ClockMs nowMs)
    : m_read(std::move(read)), m_nowMs(std::move(nowMs)) {
    if (!m_nowMs) m_nowMs = [] { return SteadyClock().nowMs(); };
}

int CpuMeter::usage() {
    const std::optional<Counters> now = m_read ? m_read() : std::nullopt;
    if (!now) return Unreadable;
    const qint64 at = m_nowMs();
    const auto startOver = [&] {
        m_previous = now;
        m_previousAt = at;
        m_last.reset();
        return Measuring;
    };
    // Nothing to compare with, only an old reading, or counters that went
    // back (another file, a restart): this reading starts a new window.
    if (!m_previous || at - m_previousAt > MaxWindowMs || now->total < m_previous->total ||
        now->busy < m_previous->busy)
        return startOver();
    // Too soon after the previous reading: its answer stands, and the window
    // grows until the next question.
    if (at - m_previousAt < MinWindowMs) return m_last.value_or(Measuring);
    // Half a second and more without a tick counted: no live counters.
    if (now->total == m_previous->total) return Unreadable;
    const double busy = double(now->busy - m_previous->busy);
    const double total = double(now->total - m_previous->total);
    const int percent = int(std::lround(qBound(0.0, 100.0 * busy / total, 100.0)));
    m_previous = now;
    m_previousAt = at;
    m_last = percent;
    return percent;
}
