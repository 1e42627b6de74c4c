#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// Where one binding stands with the system.
struct HotKeyStatus {
    enum class State {
        None,    // not asked for
        Pending, // asked for; the desktop has not answered yet
        InForce, // the program receives the combination
        Handed,  // the desktop runs the program's action itself (`where` says where it shows)
        Refused, // not in force (`why` says why)
    };
    State state = State::None;
    QString why;   // Refused: "taken by another program", "not allowed by the desktop", …
    QString where; // Handed: where the user sees and edits the shortcut
};

// System-wide key combinations. `modifierFlags` uses the bits Alt = 1,
// Control = 2, Shift = 4; `virtualKey` is a Windows virtual-key code.
//
// A registration may need the desktop's answer: registerHotKey then says
// true (Pending), and statusChanged(id) tells of the answer later. Changes to
// several rows come between beginChanges and commitChanges, so that a
// service that takes the whole set at once (a desktop's shortcut list) sees
// the finished set.
class GlobalHotKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalHotKeys() override = default;
    // False when the combination is refused now; true when it is in force,
    // handed to the desktop or waiting for the desktop's answer.
    virtual bool registerHotKey(int id, int modifierFlags, int virtualKey) = 0;
    virtual void unregisterHotKey(int id) = 0;

    // What row `id` does, for the desktops that list the program's shortcuts:
    // its name and the command-line option that runs it ("--next"; empty for
    // a row without an action).
    void describeAction(int id, const QString& name, const QString& option) {
        m_actions.insert(id, {name, option});
    }

    virtual void beginChanges() {}
    virtual void commitChanges() {}
    // The status of `id` after its last registration.
    virtual HotKeyStatus status(int id) const { return m_status.value(id); }
    // Whether shortcuts handed to the desktop stay there when the program
    // ends (they start it again): set before the last unregistration.
    virtual void keepHandedAfterEnd(bool keep) { m_keepHanded = keep; }

signals:
    void activated(int id);
    void statusChanged(int id);

protected:
    void setStatus(int id, HotKeyStatus s) {
        m_status.insert(id, std::move(s));
        emit statusChanged(id);
    }
    void clearStatus(int id) { m_status.remove(id); }
    struct Action {
        QString name;
        QString option;
    };
    QHash<int, Action> m_actions;
    QHash<int, HotKeyStatus> m_status;
    bool m_keepHanded = false;
};
