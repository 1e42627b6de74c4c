#pragma once

#include "platform/GlobalHotKeys.h"

#include <QMap>

// The GNOME family's custom keyboard shortcuts (GSettings, written in this
// process through GIO): one relocatable custom-keybinding row per binding,
// running the program with the row's option, listed in media-keys'
// custom-keybindings. The program's rows are those whose path ends in
// "tessaly-<id>/"; the user's own rows are never changed. The desktop runs the
// command itself, so the shortcut works whether the program runs or not.
class GnomeHotKeys : public GlobalHotKeys {
    Q_OBJECT
public:
    explicit GnomeHotKeys(const QString& program, QObject* parent = nullptr);
    ~GnomeHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;
    void beginChanges() override { ++m_batch; }
    void commitChanges() override;
    // Called at the end of the program: the last write is then waited for,
    // since the process ends right after it.
    void keepHandedAfterEnd(bool keep) override;

    static QString rowPath(int id);

private:
    // Writes the wanted rows and removes the program's rows no longer wanted.
    void write();
    // The name of an existing shortcut (the user's, or the desktop's own)
    // that has the accelerator; empty when none.
    QString holderOf(const QString& accelerator) const;

    QString m_program;
    int m_batch = 0;
    bool m_ending = false;
    QMap<int, QString> m_wanted; // id → accelerator
};
