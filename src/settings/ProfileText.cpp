#include "settings/ProfileText.h"

#include <QList>

ProfileText ProfileText::parse(const QByteArray& text) {
    ProfileText p;
    QString section;
    bool inSection = false;
    for (QByteArray raw : text.split('\n')) {
        if (raw.endsWith('\r')) raw.chop(1);
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            inSection = close > 1;
            section = inSection ? line.mid(1, close - 1).trimmed().toLower() : QString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq <= 0) continue;
        const QString key = section + QLatin1Char('\n') + line.left(eq).trimmed().toLower();
        if (!p.m_values.contains(key))
            p.m_values.insert(key, line.mid(eq + 1).trimmed().left(kMaxValue));
    }
    return p;
}

std::optional<QString> ProfileText::value(const QString& section, const QString& key) const {
    const QString v = m_values.value(section.toLower() + QLatin1Char('\n') + key.toLower());
    if (v.isEmpty()) return std::nullopt;
    return v;
}
