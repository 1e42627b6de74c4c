#pragma once

#include <QString>

// Messages a second start hands to the running instance.
namespace Messages {
inline const QString Restore = QStringLiteral("TessalyRestore");
inline const QString End = QStringLiteral("TessalyEnd");
inline const QString Next = QStringLiteral("TessalyNext");
inline const QString Previous = QStringLiteral("TessalyPrevious");
inline const QString Clear = QStringLiteral("TessalyClear");
inline const QString ToggleTimer = QStringLiteral("TessalyToggleTimer");
} // namespace Messages
