#pragma once

#include "platform/CpuMeter.h"
#include "platform/SystemProbes.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The kernel's processor counters: the aggregate "cpu" line of a /proc/stat
// text (busy: all but idle and iowait); nothing when it is missing or
// malformed.
std::optional<CpuMeter::Counters> ParseProcStat(const QByteArray& statText);
// Reads the counters from `statPath` (a /proc/stat-format file) each time.
CpuMeter::Reader ProcStatReader(QString statPath = QStringLiteral("/proc/stat"));

// The scheduler's questions on a Linux desktop. Every probe that cannot get an
// answer says "not busy" / "present", so automatic changes never stall on a
// missing service.
class LinuxSystemProbes : public SystemProbes {
public:
    int cpuUsage() override;
    // org.freedesktop.ScreenSaver GetActive on the session bus, or the X
    // screen-saver extension reporting the saver on.
    bool isScreenSaverRunning() override;
    // logind's LockedHint of this session; where logind cannot tell,
    // org.freedesktop.ScreenSaver GetActive.
    bool isDesktopLocked() override;
    // UPower's OnBattery on the system bus; false without UPower.
    bool isOnBattery() override;

    // The single answers, for the tests and for the combinations above.
    static std::optional<bool> screenSaverServiceActive();
    static std::optional<bool> x11ScreenSaverOn();
    std::optional<bool> logindLockedHint();

private:
    CpuMeter m_cpu{ProcStatReader()};
    QString m_sessionPath;
};
