#pragma once

class AppContext;

// Registers every enabled binding of app.HotKeys with the system.
void RegisterHotKeys(AppContext& app);
// Releases every binding that is registered.
void UnregisterHotKeys(AppContext& app);
