#pragma once

class AppContext;

// Switches automatic changing on or off, lets the timer (and, when switched
// on, the picture list) follow, and says which it is now in a bubble.
void ToggleAutomaticChanging(AppContext& app);

// The five actions of the global hot keys: 0 clear the wallpaper, 1 next
// wallpaper, 2 toggle automatic changing, 3 open the settings window, 4 the
// previous wallpaper. Other identifiers do nothing.
void HotKeyAction(AppContext& app, int id);
