#pragma once

#include "settings/Settings.h"

#include <QColor>
#include <QFont>

// Copies font name, size, bold, italic, underline and colour of a font set.
inline void ApplyFontSet(const FontSet& source, FontSet& target) {
    target.name = source.name;
    target.size = source.size;
    target.bold = source.bold;
    target.Italic = source.Italic;
    target.Underline = source.Underline;
    target.color = source.color;
}

// A stored colour (0x00BBGGRR) as Qt's colour, and back.
inline QColor ColorOf(qint32 colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}
inline qint32 ColorRefOf(const QColor& c) {
    return qint32(c.red() | (c.green() << 8) | (c.blue() << 16));
}

// The font of a font set.
inline QFont FontOf(const FontSet& set) {
    QFont f(set.name);
    if (set.size > 0) f.setPointSizeF(set.size);
    f.setBold(set.bold);
    f.setItalic(set.Italic);
    f.setUnderline(set.Underline);
    return f;
}
