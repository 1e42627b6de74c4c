#pragma once

class AppContext;
class SettingsStore;

// Reads every option from the store into memory. A missing key, or a stored
// text that does not convert to the key's type, gives that key its default;
// the other keys load as usual. Widget keys are read only when IsNT.
// Ends with the hot-key preset and LoadHotKeys.
void LoadSettings(AppContext& app);

// Writes every option, "1strun" as "False", the widget keys when IsNT
// ("Transparency" last), then the hot keys. False when the store could not
// be written.
bool SaveSettings(AppContext& app);

void PresetHotKeys(AppContext& app);
void LoadHotKeys(AppContext& app);
void SaveHotKeys(AppContext& app);

// The two values Main reads straight from the store before anything is loaded.
bool StoredAutoStart(const SettingsStore& store);
bool StoredFirstRun(const SettingsStore& store);
