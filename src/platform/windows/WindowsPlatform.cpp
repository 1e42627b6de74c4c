// The platform services on Windows. Built only there.
#include "platform/CpuMeter.h"
#include "platform/IniSettingsStore.h"
#include "platform/PlatformServices.h"
#include "platform/windows/WindowsDesktopService.h"
#include "platform/windows/WindowsGlobalHotKeys.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <string>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

namespace {

// Bubbles go through the tray icon's own message, which the shell provides
// as the fallback once the icon exists.
class WindowsNotifier : public Notifier {
public:
    void showBubble(const QString& text, int ms, BubbleKind) override {
        if (m_fallback && m_fallback(text, ms)) return;
        OutputDebugStringW(reinterpret_cast<LPCWSTR>(text.utf16()));
    }
    void hideBubble(BubbleKind) override {}
    void setFallback(Fallback fallback) override { m_fallback = std::move(fallback); }

private:
    Fallback m_fallback;
};

class WindowsSystemProbes : public SystemProbes {
public:
    int cpuUsage() override { return m_cpu.usage(); }

    bool isScreenSaverRunning() override {
        BOOL running = FALSE;
        if (!SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) return false;
        return running != FALSE;
    }

    bool isDesktopLocked() override {
        HDESK desk = OpenDesktopW(L"Default", 0, FALSE, DESKTOP_SWITCHDESKTOP);
        if (!desk) return false;
        bool locked = false;
        if (!SwitchDesktop(desk)) locked = GetLastError() == 0;
        CloseDesktop(desk);
        return locked;
    }

private:
    static std::optional<CpuMeter::Counters> sample() {
        FILETIME i, k, u;
        if (!GetSystemTimes(&i, &k, &u)) return std::nullopt;
        auto v = [](const FILETIME& f) {
            return (quint64(f.dwHighDateTime) << 32) | f.dwLowDateTime;
        };
        CpuMeter::Counters c;
        c.total = v(k) + v(u); // kernel time includes idle time
        c.busy = c.total - v(i);
        return c;
    }
    CpuMeter m_cpu{&WindowsSystemProbes::sample};
};

class WindowsShellActions : public ShellActions {
public:
    bool openFile(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    bool showInFolder(const QString& path) override {
        return QProcess::startDetached(
            QStringLiteral("explorer"),
            {QStringLiteral("/select,") + QDir::toNativeSeparators(path)});
    }
    bool showProperties(const QString& path) override {
        const std::wstring item = QDir::toNativeSeparators(path).toStdWString();
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_INVOKEIDLIST;
        info.lpVerb = L"properties";
        info.lpFile = item.c_str();
        info.nShow = SW_SHOWNORMAL;
        return ShellExecuteExW(&info) != FALSE;
    }
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
};

} // namespace

std::unique_ptr<PlatformServices> createPlatformServices() {
    auto p = std::make_unique<PlatformServices>();
    p->store = std::make_unique<IniSettingsStore>(std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\tessaly"), QSettings::NativeFormat));
    p->notifier = std::make_unique<WindowsNotifier>();
    p->desktop = std::make_unique<WindowsDesktopService>();
    p->probes = std::make_unique<WindowsSystemProbes>();
    p->hotkeys = std::make_unique<WindowsGlobalHotKeys>();
    p->shell = std::make_unique<WindowsShellActions>();
    p->clock = std::make_unique<SteadyClock>();
    p->widgetSupport = createPortableDesktopWidgetSupport();
    // Translucent widget windows exist on the NT family, which is every
    // Windows Qt 6 runs on; the environment says so as "os" = "Windows_NT".
    p->widgetsSupported = qEnvironmentVariable("os") == QLatin1String("Windows_NT");
    return p;
}
