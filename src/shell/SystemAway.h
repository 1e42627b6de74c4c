#pragma once

class AppContext;

// Whether the user is away: a screen saver runs, or the desktop is locked. A
// probe that cannot tell counts as the user being present.
bool IsScreenSaverRunning(AppContext& app);
bool IsDesktopLocked(AppContext& app);
