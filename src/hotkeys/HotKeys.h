#pragma once

#include "platform/GlobalHotKeys.h"

#include <QString>
#include <QStringList>

class AppContext;

// Registers every enabled binding of app.HotKeys with the system, the
// record's index being the identifier, and records the answer in
// `Registered`/`Failed` (a row not enabled is neither). Nothing is shown to
// the user. Every record that is still registered is released before any is
// registered again, so calling this again applies changed rows, rows that
// exchanged their keys among them.
// The first call also routes the system's hot-key notifications to
// app.events.hotKeyPressed (queued, so an action never runs inside the
// native event handling), and the later answers of a desktop that answers
// asynchronously (GlobalHotKeys::statusChanged) to the rows' flags: a row
// waiting for its answer counts as registered until it is refused.
void RegisterHotKeys(AppContext& app);

// Releases every binding that is registered and clears `Registered`;
// `Failed` keeps the last registration's answer. After this call no
// notification reaches app.events.hotKeyPressed until RegisterHotKeys runs again.
void UnregisterHotKeys(AppContext& app);

// At the end of the program: shortcuts handed to the desktop (which run
// `tessaly --next` and so on) stay there when the program starts at log-on,
// and are removed otherwise; then UnregisterHotKeys.
void EndHotKeys(AppContext& app);

// The system flags (Alt = 1, Control = 2, Shift = 4) of a modifier code
// 0 … 6; 0 for any other code.
int HotKeyModifierFlags(int modifierCode);

// The seven modifier texts in code order, as the settings page lists them.
QStringList HotKeyModifierTexts();

// The caption of hot-key row 0 … 4 on the settings page; empty otherwise.
QString HotKeyCaption(int index);

// The command-line option that runs row `index`'s action ("--clear",
// "--next", "--toggle-timer", "--settings", "--previous"); empty for a row
// without one.
QString HotKeyCommandOption(int index);

// The name of row `index`'s action in a desktop's list of shortcuts.
QString HotKeyActionName(int index);

// What a row's status says on the settings page ("in force", "refused:
// taken by another program", "handed to the desktop; shown in …"); empty for
// a row not asked for.
QString HotKeyStatusText(const HotKeyStatus& status);
