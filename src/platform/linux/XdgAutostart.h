#pragma once

#include "platform/LogOnStart.h"

// Log-on start through an XDG autostart entry of the user's own:
// $XDG_CONFIG_HOME/autostart/<application id>.desktop running
// "<program path> /y". The entry is written with the program's current path,
// so an entry left by a program that has since moved is mended.
class XdgAutostart : public LogOnStart {
public:
    // The entry for the program at `programPath` in `entryPath`; by default
    // the running program and the user's autostart folder.
    explicit XdgAutostart(QString entryPath = defaultEntryPath(), QString programPath = {});
    bool apply(bool enabled) override;
    QString lastError() const override { return m_error; }

    static QString defaultEntryPath();
    // The entry's text for the program at `programPath`.
    static QByteArray entryText(const QString& programPath);
    // `program` as the first word of an Exec line (quoted and escaped as the
    // desktop entry format wants when it has to be).
    static QString execArgument(const QString& program);

private:
    QString m_entryPath;
    QString m_programPath;
    QString m_error;
};
