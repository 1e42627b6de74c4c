#pragma once

#include "platform/GlobalHotKeys.h"

#include <QDBusObjectPath>
#include <QMap>
#include <QVariantMap>
#include <functional>

// The desktop portal's GlobalShortcuts interface (xdg-desktop-portal 1.17 and
// newer): a session of the program's shortcuts, each with its preferred
// trigger, bound at once; the desktop may let the user change them and tells
// of a press with Activated. The whole set is bound anew in a new session
// after every change of the rows. Every call is asynchronous.
class PortalHotKeys : public GlobalHotKeys {
    Q_OBJECT
public:
    explicit PortalHotKeys(QObject* parent = nullptr);
    ~PortalHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;
    void beginChanges() override { ++m_batch; }
    void commitChanges() override;

private slots:
    void onActivated(const QDBusObjectPath& session, const QString& shortcut, qulonglong timestamp,
                     const QVariantMap& options);

private:
    void bind();
    void closeSession();
    // Calls a portal method that answers through a Request object; `done`
    // gets the response code and results, or code 3 and an error text when
    // the call itself failed.
    void request(const QString& method, const QVariantList& args, const QString& token,
                 std::function<void(uint, const QVariantMap&, const QString&)> done);
    void refuseAll(const QString& why);

    int m_batch = 0;
    bool m_dirty = false;
    QMap<int, QString> m_wanted; // id → preferred trigger
    QDBusObjectPath m_session;
    quint64 m_round = 0;
    bool m_listening = false;
};
