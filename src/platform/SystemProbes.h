#pragma once

// Questions about the machine and the session that the change scheduler asks.
class SystemProbes {
public:
    virtual ~SystemProbes() = default;
    // Machine-wide processor usage in whole percent, or -1 when it cannot be read.
    virtual int cpuUsage() = 0;
    virtual bool isScreenSaverRunning() = 0;
    virtual bool isDesktopLocked() = 0;
    // Whether the computer runs on its battery; false where that is not known.
    virtual bool isOnBattery() { return false; }
};
