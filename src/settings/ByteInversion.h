#pragma once

#include <QByteArray>
#include <QString>

// Every byte but the last becomes 255 minus itself. Applying it twice gives
// back the original bytes.
void InvertBytes(QByteArray& buffer);

// Applies InvertBytes to a whole file. The new content is written to a
// temporary file that replaces the old one only once it is complete, so a
// failure leaves the file as it was. False on failure; an empty file is
// left alone and counts as success.
bool InvertFileBytes(const QString& path);
