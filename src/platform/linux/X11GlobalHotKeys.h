#pragma once

#include "platform/GlobalHotKeys.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>

struct xcb_connection_t;

// Global hot keys on X11: each binding is a passive key grab on the root
// window, made once for every combination of Caps Lock and Num Lock so that
// the binding works whatever state those keys are in. Key presses arrive
// through the application's native event filter. Where there is no X
// connection (Wayland, offscreen) every registration is refused.
class X11GlobalHotKeys : public GlobalHotKeys, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11GlobalHotKeys(QObject* parent = nullptr);
    ~X11GlobalHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The key symbol that stands for a Windows virtual-key code: digits,
    // letters, the navigation keys of 33 … 47 and F1 … F12; 0 for any other.
    static quint32 keysymForVirtualKey(int virtualKey);

private:
    struct Grab {
        quint8 keycode = 0;
        quint16 modifiers = 0; // X modifier mask without the lock keys
    };
    struct Binding {
        QList<Grab> grabs;
    };

    bool connectToDisplay();
    // The lock-key masks and the Alt mask from the server's modifier map.
    void readModifierMap();
    quint16 xModifiers(int modifierFlags) const;
    QList<quint16> lockCombinations() const;
    void ungrab(const Grab& grab);

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    bool m_triedDisplay = false;
    bool m_filterInstalled = false;
    quint16 m_numLockMask = 0;
    quint16 m_altMask = 0;
    QMap<int, Binding> m_bindings;
    // Keys of bindings pressed and not yet released, and the time of each
    // key's last release (to tell the server's key repeat from a new press).
    QSet<quint8> m_held;
    QHash<quint8, quint32> m_releaseTime;
};
