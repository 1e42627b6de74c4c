#pragma once

#include "platform/GlobalHotKeys.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <functional>

class QLocalSocket;

// sway's key bindings through its IPC socket ($SWAYSOCK): each binding is
// `bindsym --no-repeat <keys> exec <program> <option>`, added at run time and
// removed with `unbindsym` when the row changes or the program ends. A
// combination the user's configuration binds already is refused, so the
// user's bindings are never replaced. Messages go out at once and the
// answers come back in order; a row is Pending until sway has answered.
class SwayHotKeys : public GlobalHotKeys {
    Q_OBJECT
public:
    SwayHotKeys(const QString& socketPath, const QString& program, QObject* parent = nullptr);
    ~SwayHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;

    // The commands that add and remove a binding.
    static QString bindCommand(const QString& keys, const QString& program, const QString& option);
    static QString unbindCommand(const QString& keys);
    // The key combinations that `bindsym` lines of a configuration bind, in
    // one spelling (modifiers sorted and lower-cased, Control as ctrl, Mod1 as alt).
    static QSet<QString> boundCombinations(const QString& config);
    static QString normalised(const QString& keys);

private:
    void send(quint32 type, const QString& payload, std::function<void(const QByteArray&)> answer);
    void onReadyRead();
    void tryBind(int id);

    QLocalSocket* m_socket;
    QString m_program;
    QByteArray m_buffer;
    QList<std::function<void(const QByteArray&)>> m_waiting;
    // The user's configuration, read once; the rows asked for meanwhile wait.
    bool m_configRead = false;
    bool m_configKnown = false;
    QSet<QString> m_userBound;
    QMap<int, QString> m_wanted; // id → keys
    QSet<int> m_bound;           // ids whose binding went to sway
};
