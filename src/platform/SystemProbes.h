#pragma once

// Questions about the machine and the session that the change scheduler asks.
class SystemProbes {
public:
    virtual ~SystemProbes() = default;
    // Machine-wide processor usage now, in whole percent over about the last
    // second (CpuMeter): CpuUnreadable when it cannot be read; CpuMeasuring
    // when the probe had no reading of the last few seconds to compare with
    // and has taken one now: asked again a second later, it answers.
    static constexpr int CpuUnreadable = -1;
    static constexpr int CpuMeasuring = -2;
    virtual int cpuUsage() = 0;
    virtual bool isScreenSaverRunning() = 0;
    virtual bool isDesktopLocked() = 0;
    // Whether the computer runs on its battery; false where that is not known.
    virtual bool isOnBattery() { return false; }
};
