#pragma once

class AppContext;

// The four actions a hot key (or the command-line remote control) can run:
// 0 clear the wallpaper, 1 next wallpaper, 2 toggle automatic changing,
// 3 open the settings window. Other identifiers do nothing.
void HotKeyAction(AppContext& app, int id);
