#pragma once

#include "platform/GlobalHotKeys.h"

#include <QAbstractNativeEventFilter>
#include <QSet>

// Global hot keys on Windows: RegisterHotKey for the user-interface thread
// (no window), with the binding's index as the hot-key identifier. The
// WM_HOTKEY messages are picked out of the thread's message stream by a
// native event filter. (Thread messages posted while a native modal loop
// runs, such as a window being dragged, are not seen by the filter.)
class WindowsGlobalHotKeys : public GlobalHotKeys, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit WindowsGlobalHotKeys(QObject* parent = nullptr);
    ~WindowsGlobalHotKeys() override;

    bool registerHotKey(int id, int modifierFlags, int virtualKey) override;
    void unregisterHotKey(int id) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QSet<int> m_registered;
    bool m_filterInstalled = false;
};
