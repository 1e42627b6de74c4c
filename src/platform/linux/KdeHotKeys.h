#pragma once

#include "platform/GlobalHotKeys.h"

#include <QHash>

class QDBusPendingCallWatcher;

// KDE Plasma's global shortcuts through KGlobalAccel on the session bus: the
// component "tessaly" with one action per binding, its key set by the
// program, so that it shows in Plasma's shortcut settings under Tessaly. The
// daemon tells of a press with globalShortcutPressed. Every call is
// asynchronous; a row is Pending until the daemon has answered.
class KdeHotKeys : public GlobalHotKeys {
    Q_OBJECT
public:
    explicit KdeHotKeys(QObject* parent = nullptr);
    ~KdeHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;

    static QString actionName(int id) { return QStringLiteral("hotkey-%1").arg(id); }

private slots:
    void onPressed(const QString& component, const QString& action, qlonglong timestamp);

private:
    QStringList actionId(int id) const;
    // Connects to the component's pressed signal once the daemon has named it.
    void watchComponent();

    bool m_watching = false;
    // The registration each row is on (a later one makes an earlier answer stale).
    QHash<int, quint64> m_generation;
    quint64 m_next = 0;
};
