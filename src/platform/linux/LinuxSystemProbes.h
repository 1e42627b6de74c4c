#pragma once

#include "platform/SystemProbes.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// Machine-wide processor usage from the kernel's counters in /proc/stat: the
// share of non-idle time over the interval since the previous reading.
class CpuMeter {
public:
    explicit CpuMeter(QString statPath = QStringLiteral("/proc/stat"), int firstSampleMs = 100);
    // Whole percent 0 … 100, or -1 when the counters cannot be read. The first
    // reading samples over a short interval of its own.
    int usage();

    struct Counters {
        quint64 busy = 0;
        quint64 total = 0;
    };
    // The aggregate "cpu" line of a /proc/stat text; nothing when it is missing
    // or malformed.
    static std::optional<Counters> parse(const QByteArray& statText);

private:
    std::optional<Counters> read() const;

    QString m_path;
    int m_firstSampleMs;
    std::optional<Counters> m_previous;
    int m_lastUsage = 0;
};

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
    CpuMeter m_cpu;
    QString m_sessionPath;
};
