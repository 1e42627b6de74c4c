#pragma once

#include "settings/Settings.h"

#include <QStringList>

class SettingsStore;

// Reads every option from the store into `s`. A missing key, or a stored
// text that does not convert to the key's type (a source or technique
// number outside its values among them), gives that key its default; the
// other keys load as usual. Numbers outside the range their control allows
// are brought into it. The widget keys are read only with `widgets`. Ends
// with the hot-key preset and LoadHotKeys. Returns the names of the keys
// whose stored values could not be used as they were.
QStringList LoadSettings(const SettingsStore& store, Settings& s, HotKeyTable& hotKeys,
                         bool widgets);

// Writes every option, "1strun" as "False", the widget keys with `widgets`
// ("Transparency" last), then the hot keys. False when the store could not
// be written.
bool SaveSettings(SettingsStore& store, const Settings& s, const HotKeyTable& hotKeys,
                  bool widgets);

// The keys C, S, D and R on the first four hot keys, before anything is loaded.
void PresetHotKeys(HotKeyTable& hotKeys);
void LoadHotKeys(const SettingsStore& store, HotKeyTable& hotKeys);
void SaveHotKeys(SettingsStore& store, const HotKeyTable& hotKeys);

// The two values Main reads straight from the store before anything is loaded.
bool StoredAutoStart(const SettingsStore& store);
bool StoredFirstRun(const SettingsStore& store);
