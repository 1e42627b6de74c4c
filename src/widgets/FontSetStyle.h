#pragma once

#include "settings/Settings.h"

#include <QColor>
#include <QFont>
#include <QStringList>

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

// The font of a font set. A Windows sans-serif face that is not installed
// is stood in for by one made to the same proportions where there is one
// (the system's default sans-serif is wider, and overflows the widgets'
// cells laid out for those faces).
inline QFont FontOf(const FontSet& set) {
    QFont f(set.name);
    static const QStringList windowsSans{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("MS Shell Dlg"), QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Arial")};
    if (windowsSans.contains(set.name, Qt::CaseInsensitive))
        f.setFamilies({set.name, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
                       QStringLiteral("Helvetica"), QStringLiteral("FreeSans")});
    if (set.size > 0) f.setPointSizeF(set.size);
    f.setBold(set.bold);
    f.setItalic(set.Italic);
    f.setUnderline(set.Underline);
    return f;
}
