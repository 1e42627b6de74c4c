#pragma once

#include "platform/Clock.h"
#include "platform/DesktopService.h"
#include "platform/DesktopWidgetSupport.h"
#include "platform/GlobalHotKeys.h"
#include "platform/LogOnStart.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "platform/ShellActions.h"
#include "platform/SystemProbes.h"

#include <memory>

// Every operating-system service the program uses, one object per concern.
// The real set comes from createPlatformServices(); tests assemble their own.
struct PlatformServices {
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Notifier> notifier;
    std::unique_ptr<DesktopService> desktop;
    std::unique_ptr<SystemProbes> probes;
    std::unique_ptr<GlobalHotKeys> hotkeys;
    std::unique_ptr<ShellActions> shell;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<DesktopWidgetSupport> widgetSupport;
    // The start at log-on; none where the platform has no such service yet.
    std::unique_ptr<LogOnStart> logOnStart;
    // True where translucent, click-through widget windows exist.
    bool widgetsSupported = true;
};

// The services of the platform the program was built for. Needs a
// QGuiApplication for the parts that talk to the display.
std::unique_ptr<PlatformServices> createPlatformServices();
