#include "platform/windows/WindowsGlobalHotKeys.h"

#include <QCoreApplication>

#include <windows.h>

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

WindowsGlobalHotKeys::WindowsGlobalHotKeys(QObject* parent) : GlobalHotKeys(parent) {}

WindowsGlobalHotKeys::~WindowsGlobalHotKeys() {
    for (int id : std::as_const(m_registered))
        UnregisterHotKey(nullptr, id);
    if (m_filterInstalled && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowsGlobalHotKeys::registerHotKey(int id, int modifierFlags, int virtualKey) {
    unregisterHotKey(id);
    // The program's modifier bits are the system's MOD_ALT, MOD_CONTROL and
    // MOD_SHIFT; the Windows key is never used.
    const UINT flags = UINT(modifierFlags) & (MOD_ALT | MOD_CONTROL | MOD_SHIFT);
    if (flags == 0 || virtualKey <= 0 || virtualKey > 0xFE) return false;
    // Without a window the WM_HOTKEY messages are posted to this thread.
    // MOD_NOREPEAT: keys held down run the action once, not once per repeat.
    if (!RegisterHotKey(nullptr, id, flags | MOD_NOREPEAT, UINT(virtualKey))) return false;
    m_registered.insert(id);
    if (!m_filterInstalled) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filterInstalled = true;
    }
    return true;
}

void WindowsGlobalHotKeys::unregisterHotKey(int id) {
    if (!m_registered.remove(id)) return;
    UnregisterHotKey(nullptr, id);
}

bool WindowsGlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message,
                                             qintptr* result) {
    if (eventType != "windows_generic_MSG") return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_HOTKEY || msg->hwnd != nullptr) return false;
    // The identifier travels in the low byte of the first parameter.
    const int id = int(msg->wParam & 0xFF);
    if (!m_registered.contains(id)) return false;
    emit activated(id);
    if (result) *result = 1;
    return true;
}
