#include "platform/IniSettingsStore.h"
#include "platform/PlatformServices.h"
#include "platform/linux/DBusNotifier.h"
#include "platform/linux/HotKeyRoutes.h"
#include "platform/linux/LinuxDesktopService.h"
#include "platform/linux/LinuxShellActions.h"
#include "platform/linux/LinuxSystemProbes.h"
#include "platform/linux/X11DesktopWidgetSupport.h"
#include "platform/linux/XdgAutostart.h"

std::unique_ptr<PlatformServices> createPlatformServices() {
    auto p = std::make_unique<PlatformServices>();
    p->store = std::make_unique<IniSettingsStore>(IniSettingsStore::defaultPath());
    p->notifier = std::make_unique<DBusNotifier>();
    p->desktop = std::make_unique<LinuxDesktopService>(*p->store);
    p->probes = std::make_unique<LinuxSystemProbes>();
    // Key grabs on X11, the desktop's shortcut service on Wayland.
    p->hotkeys = CreateSessionHotKeys();
    p->shell = std::make_unique<LinuxShellActions>();
    p->clock = std::make_unique<SteadyClock>();
    p->widgetSupport = createDesktopWidgetSupport();
    p->logOnStart = std::make_unique<XdgAutostart>();
    // Translucent, click-through windows exist on Linux desktops.
    p->widgetsSupported = true;
    return p;
}
