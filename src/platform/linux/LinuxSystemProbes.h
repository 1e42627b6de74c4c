#pragma once

#include "platform/SystemProbes.h"

class LinuxSystemProbes : public SystemProbes {
public:
    int cpuUsage() override { return -1; }
    bool isScreenSaverRunning() override { return false; }
    bool isDesktopLocked() override { return false; }
};
