#pragma once

#include <QtGlobal>

// A monotonic millisecond counter (never wraps, never jumps with the wall
// clock; on Linux it keeps counting while the machine is suspended).
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() = 0;
};

class SteadyClock : public Clock {
public:
    qint64 nowMs() override;
};
