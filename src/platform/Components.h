#pragma once

#include <QString>

// Small text and system helpers the rest of the program leans on.

// Every occurrence of `find` replaced by `replacement`, matching case exactly.
// An empty `find` leaves the text as it is.
QString ReplaceAll(const QString& text, const QString& find, const QString& replacement);

// Seconds as a clock-style text "h:mm:ss" (negative counts as 0).
QString TimeText(qint64 seconds);

// Special folders: 26 = the user's application data folder, 5 = the user's
// documents folder. Empty when there is none.
QString SpecialFolder(int number);
