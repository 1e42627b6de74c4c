#include "shell/SystemAway.h"

#include "context/AppContext.h"

bool IsScreenSaverRunning(AppContext& app) {
    return app.platform.probes && app.platform.probes->isScreenSaverRunning();
}

bool IsDesktopLocked(AppContext& app) {
    return app.platform.probes && app.platform.probes->isDesktopLocked();
}
