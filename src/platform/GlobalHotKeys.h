#pragma once

#include <QObject>

// System-wide key combinations. `modifierFlags` uses the bits Alt = 1,
// Control = 2, Shift = 4; `virtualKey` is a Windows virtual-key code.
class GlobalHotKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalHotKeys() override = default;
    // True when the combination is now grabbed for `id`.
    virtual bool registerHotKey(int id, int modifierFlags, int virtualKey) = 0;
    virtual void unregisterHotKey(int id) = 0;

signals:
    void activated(int id);
};
