#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

// An INI-style text read as the program's profile files are: "[section]"
// headers and "key=value" lines; section and key names compare without
// regard to case; a value is cut to 127 characters; an empty value counts as
// missing; the first occurrence of a key in a section wins.
class ProfileText {
public:
    // The most characters (UTF-16 code units) of a value that are read back.
    static constexpr qsizetype kMaxValue = 127;

    static ProfileText parse(const QByteArray& text);
    std::optional<QString> value(const QString& section, const QString& key) const;

private:
    QHash<QString, QString> m_values; // "section\nkey", both lower-cased -> value
};
