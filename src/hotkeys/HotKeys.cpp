#include "hotkeys/HotKeys.h"

#include "settings/AppContext.h"

void RegisterHotKeys(AppContext&) {}
void UnregisterHotKeys(AppContext&) {}
